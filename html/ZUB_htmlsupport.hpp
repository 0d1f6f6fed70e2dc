// Unit ZUB_htmlsupport: the template-driven HTML producer, character references, document
// head, foot, body and text, URL encoding and decoding, the HTML-aware word counter.
#pragma once

#include "foundation/ZUB_zubbase.hpp"
#include "html/html_document.hpp"
#include "html/html_entities.hpp"
#include "html/html_producer.hpp"
#include "html/url.hpp"
#include "html/word_count.hpp"
