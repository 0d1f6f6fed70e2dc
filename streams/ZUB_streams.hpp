// Unit ZUB_streams: text, lines and binary numbers on streams, number scanning, the tag
// reader for XML-like text, and the mixed file stream.
#pragma once

#include "foundation/ZUB_zubbase.hpp"
#include "streams/mixed_file_stream.hpp"
#include "streams/number_scan.hpp"
#include "streams/stream_binary.hpp"
#include "streams/stream_extract.hpp"
#include "streams/stream_text.hpp"
#include "streams/tag_reader.hpp"
