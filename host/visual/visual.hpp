// The visual layer of the host: fonts, pens, brushes, the exact pixel canvas, bitmaps with
// their PNG and BMP files and device-independent bits, the screen's fonts and density, and
// the system colours, and the printer.
#pragma once

#include "host/visual/bitmap.hpp"
#include "host/visual/brush.hpp"
#include "host/visual/canvas.hpp"
#include "host/visual/dib.hpp"
#include "host/visual/font.hpp"
#include "host/visual/pen.hpp"
#include "host/visual/pixel_buffer.hpp"
#include "host/visual/printer.hpp"
#include "host/visual/screen.hpp"
#include "host/visual/system_colors.hpp"
