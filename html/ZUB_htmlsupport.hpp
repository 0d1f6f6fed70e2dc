// Unit ZUB_htmlsupport: the template-driven HTML producer, URL encoding and decoding, the
// HTML-aware word counter.
#pragma once

#include "foundation/ZUB_zubbase.hpp"
#include "html/html_producer.hpp"
#include "html/url.hpp"
#include "html/word_count.hpp"
