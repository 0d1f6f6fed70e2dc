// The host platform services the library stands on: strings and encodings, exceptions,
// the object model, streams, text and untyped files, string lists, variants, conversions,
// date and time, case mapping, the pseudo-random generator, the file system, the registry
// accessor, and the visual layer: fonts, canvases, bitmaps and the screen.
//
// File names cross into the system losslessly (see unicode.hpp, SystemNameToUnicode): each
// name the system gives converts to UTF-16 and back to the same bytes. A path is used as
// written when an entry of that name exists; otherwise it is read the Windows way, with
// "\" as a separator and "X:" mapped through the drive table (see file_system.hpp).
#pragma once

#include "host/case_map.hpp"
#include "host/classes.hpp"
#include "host/convert.hpp"
#include "host/date_time.hpp"
#include "host/dialogs/dialogs.hpp"
#include "host/exceptions.hpp"
#include "host/file_stream.hpp"
#include "host/file_system.hpp"
#include "host/format_settings.hpp"
#include "host/graphics.hpp"
#include "host/random.hpp"
#include "host/registry/registry.hpp"
#include "host/stream.hpp"
#include "host/string_list.hpp"
#include "host/text_file.hpp"
#include "host/unicode.hpp"
#include "host/untyped_file.hpp"
#include "host/variant.hpp"
#include "host/visual/visual.hpp"
