#include "html/word_count.hpp"

#include <gtest/gtest.h>

namespace zub {
namespace {

TEST(CountWordsHTML, CountsOutsideMarkup) {
  struct Case {
    UnicodeString s;
    bool skipNumbers;
    bool inTagBefore;
    int32_t words;
    bool inTagAfter;
  };
  const Case cases[] = {
      {u"Hello <b>big</b> world.", false, false, 3, false},
      {u"A 12 apples.", false, false, 2, false},
      {u"A 12 apples.", true, false, 1, false},
      {u"<p>one two</p>", false, false, 2, false},
      {u"text <a href", false, false, 1, true},
      {u"href=x>after it ", false, true, 2, false},  // a piece that starts inside a tag
      {u"open run", false, false, 1, false},         // "run" is still open at the end
      {u"", false, true, 0, true},
      {u"a<x>b c", false, false, 0, false},        // ">" ends "a"; one letter is no word
      {u"Grüße, ça va?", false, false, 2, false},  // "?" is no separator: "va?" stays open
  };
  for (const Case& c : cases) {
    bool inTag = c.inTagBefore;
    EXPECT_EQ(CountWordsHTML(c.s, c.skipNumbers, inTag), c.words) << UnicodeToUtf8(c.s);
    EXPECT_EQ(inTag, c.inTagAfter) << UnicodeToUtf8(c.s);
  }
}

TEST(CountWordsHTML, PiecesSplitAtSeparatorsCountAsTheWhole) {
  const UnicodeString doc = u"<html><body><p class=\"x y\">Some words, in <i>a</i> page.</p> end </body>";
  bool inTag = false;
  const int32_t whole = CountWordsHTML(doc, false, inTag);
  EXPECT_EQ(whole, 5);  // Some words in page end
  // Split after every separator and after every "<": the state carries over.
  for (size_t cut = 0; cut <= doc.size(); ++cut) {
    if (cut > 0 && cut < doc.size() && doc[cut - 1] != u' ' && doc[cut - 1] != u'<' && doc[cut - 1] != u'>')
      continue;
    inTag = false;
    const int32_t n =
        CountWordsHTML(doc.substr(0, cut), false, inTag) + CountWordsHTML(doc.substr(cut), false, inTag);
    EXPECT_EQ(n, whole) << cut;
  }
}

}  // namespace
}  // namespace zub
