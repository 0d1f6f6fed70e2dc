// The host platform services the library stands on: strings and encodings, exceptions,
// the object model, streams, text and untyped files, string lists, variants, conversions,
// date and time, case mapping, the pseudo-random generator and the file system.
#pragma once

#include "host/case_map.hpp"
#include "host/classes.hpp"
#include "host/convert.hpp"
#include "host/date_time.hpp"
#include "host/exceptions.hpp"
#include "host/file_stream.hpp"
#include "host/file_system.hpp"
#include "host/format_settings.hpp"
#include "host/random.hpp"
#include "host/stream.hpp"
#include "host/string_list.hpp"
#include "host/text_file.hpp"
#include "host/unicode.hpp"
#include "host/untyped_file.hpp"
#include "host/variant.hpp"
