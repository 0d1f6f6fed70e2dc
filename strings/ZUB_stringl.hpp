// Unit ZUB_stringl: number and time formatting, character classes and string editing,
// parameter lists and tokens, the pattern matcher, scrambling and text transforms.
#pragma once

#include "colors/ZUB_zubcolors.hpp"
#include "foundation/ZUB_zubbase.hpp"
#include "strings/char_class.hpp"
#include "strings/grep.hpp"
#include "strings/line_end.hpp"
#include "strings/number_format.hpp"
#include "strings/param_list.hpp"
#include "strings/scramble.hpp"
#include "strings/string_edit.hpp"
#include "strings/string_extract.hpp"
#include "strings/string_layout.hpp"
#include "strings/string_search.hpp"
#include "strings/string_sort.hpp"
#include "strings/string_tags.hpp"
#include "strings/stringl_error.hpp"
#include "strings/text_transforms.hpp"
#include "strings/time_string.hpp"
#include "strings/tokens.hpp"
#include "strings/truth_text.hpp"
#include "strings/variant_dump.hpp"
