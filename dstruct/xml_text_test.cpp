#include "dstruct/xml_text.hpp"

#include <gtest/gtest.h>

namespace zub {
namespace {

TEST(XMLText, EscapesAndReadsBackEveryCharacter) {
  UnicodeString all;
  for (uint32_t c = 0; c < 0x10000; c += 7) all += static_cast<Char>(c);
  for (const bool nonAscii : {false, true}) {
    const UnicodeString written = EscapeXMLText(all, nonAscii);
    for (Char c : written) {
      EXPECT_FALSE(c < 32 || c == u'<' || c == u'>' || c == u'"') << int(c);
      if (nonAscii) {
        EXPECT_LT(c, 127) << int(c);
      }
    }
    EXPECT_EQ(UnescapeXMLText(written, true), all);
  }
  EXPECT_EQ(EscapeXMLText(u"a<b & \"\u00e9\"\n", true), u"a&lt;b &amp; &quot;&#233;&quot;&#10;");
}

TEST(XMLText, UnknownEntitiesFailStrictlyAndStayOtherwise) {
  struct Case {
    const Char* in;
    const Char* lenient;
    bool strictFails;
  };
  const Case cases[] = {
      {u"&apos;&#x41;&#66;", u"'AB", false}, {u"a & b", u"a & b", true},
      {u"&nbsp;", u"&nbsp;", true},          {u"&#65536;", u"&#65536;", true},  // beyond one UTF-16 unit
      {u"&#;&#x;", u"&#;&#x;", true},        {u"&amp", u"&amp", true},          // no ";"
  };
  for (const auto& c : cases) {
    EXPECT_EQ(UnescapeXMLText(c.in, false), UnicodeString(c.lenient)) << UnicodeToUtf8(c.in);
    EXPECT_EQ(!UnescapeXMLText(c.in, true).has_value(), c.strictFails) << UnicodeToUtf8(c.in);
  }
}

}  // namespace
}  // namespace zub
