#include "html/html_entities.hpp"

#include <gtest/gtest.h>

namespace zub {
namespace {

TEST(HTMLEntities, CharactersToReferences) {
  struct Case {
    Char c;
    UnicodeString out;
  };
  const Case cases[] = {{u'&', u"&amp;"},     {u'<', u"&lt;"},     {u'>', u"&gt;"},   {u'"', u"&quot;"},
                        {u'\'', u"&#39;"},    {u'a', u"a"},        {u'\n', u"\n"},    {0x85, u"\x85"},
                        {0xA0, u"&nbsp;"},    {0xE9, u"&eacute;"}, {0xFF, u"&yuml;"}, {0x20AC, u"&#8364;"},
                        {0xD83D, u"&#65533;"}};
  for (const Case& c : cases) EXPECT_EQ(AnsiToHTMLEntity(c.c), c.out) << int{c.c};
  EXPECT_EQ(MakeStringHTMLCompatible(u"<a href=\"x\">Café & ça</a> €😀\xD800!"),
            u"&lt;a href=&quot;x&quot;&gt;Caf&eacute; &amp; &ccedil;a&lt;/a&gt; &#8364;&#128512;&#65533;!");
  EXPECT_EQ(MakeStringHTMLCompatible(u""), u"");
}

TEST(HTMLEntities, ReferencesToCharacters) {
  struct Case {
    UnicodeString in, out;
  };
  const Case cases[] = {
      {u"&amp;lt; &lt;&gt;&quot;&apos;&#39;", u"&lt; <>\"''"},
      {u"caf&eacute; &Eacute;&nbsp;", u"café É\xA0"},
      {u"&#233;&#xE9;&#XE9;&#x1F600;", u"ééé😀"},
      {u"&unknown; &eacute &amp", u"&unknown; &eacute &amp"},  // unknown, or no ";"
      {u"&#0; &#xD800; &#x110000; &#99999999999; &#; &#x;",
       u"&#0; &#xD800; &#x110000; &#99999999999; &#; &#x;"},
      {u"&EACUTE; &Amp;", u"&EACUTE; &Amp;"},  // names are case-sensitive
      {u"a & b &&amp;", u"a & b &&"},
      {u"&frac34;&yuml;&szlig;", u"¾ÿß"},
      {u"", u""},
  };
  for (const Case& c : cases) EXPECT_EQ(ResolveHTMLEntities(c.in), c.out) << UnicodeToUtf8(c.in);
  // Every character back from its own form.
  UnicodeString all;
  for (char32_t c = 1; c < 0x3000; ++c) all += static_cast<Char>(c);
  all += u"😀";
  EXPECT_EQ(ResolveHTMLEntities(MakeStringHTMLCompatible(all)), all);

  EXPECT_EQ(HTMLEntityToAnsi(u"&auml;"), u"ä");
  EXPECT_EQ(HTMLEntityToAnsi(u"&#x1F600;"), u"😀");
  EXPECT_EQ(HTMLEntityToAnsi(u"&auml;x"), u"&auml;x");
  EXPECT_EQ(HTMLEntityToAnsi(u"&bogus;"), u"&bogus;");
  EXPECT_EQ(HTMLEntityToAnsi(u""), u"");
}

}  // namespace
}  // namespace zub
