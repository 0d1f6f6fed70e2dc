// Unit ZUB_zubbase: the shared types of the library, its error base class, the CSV
// delimiter tables, the global progress state, the name tables, the text label with its
// XML-like file, the date/time label and crosshair settings, and the canvas drawing
// routines (frames, data-point marks, printing a bitmap, font checks).
#pragma once

#include "foundation/ZUB_univconst.hpp"
#include "foundation/canvas_font.hpp"
#include "foundation/cross_hair.hpp"
#include "foundation/csv_delimiters.hpp"
#include "foundation/data_marks.hpp"
#include "foundation/dt_label.hpp"
#include "foundation/frame_drawing.hpp"
#include "foundation/hex_digits.hpp"
#include "foundation/name_tables.hpp"
#include "foundation/print_bitmap.hpp"
#include "foundation/progress_state.hpp"
#include "foundation/range_array.hpp"
#include "foundation/text_label.hpp"
#include "foundation/zub_error.hpp"
#include "foundation/zubbase_types.hpp"
#include "host/host.hpp"
