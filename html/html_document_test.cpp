#include "html/html_document.hpp"

#include <gtest/gtest.h>

namespace zub {
namespace {

TEST(DefaultHTMLHead, MakesAnHTML5Frame) {
  EXPECT_EQ(DefaultHTMLHead(u"Q&A", u"", u"", u"", true) + DefaultHTMLFoot(true),
            u"<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta charset=\"windows-1252\">\r\n"
            u"<title>Q&amp;A</title>\r\n</head>\r\n<body>\r\n</body>\r\n</html>\r\n");
  EXPECT_EQ(DefaultHTMLHead(u"Tôt", u"utf-8\"><script>", u"a b.css", u"Say \"hi\"", false),
            u"<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta charset=\"utf-8script\">\r\n"
            u"<meta name=\"description\" content=\"Say &quot;hi&quot;\">\r\n<title>T&ocirc;t</title>\r\n"
            u"<link rel=\"stylesheet\" href=\"a b.css\">\r\n</head>\r\n");
  EXPECT_EQ(DefaultHTMLFoot(false), u"</html>\r\n");
}

TEST(ExtractHTMLBody, CopesWithMissingAndUpperCaseTags) {
  struct Case {
    UnicodeString in, out;
  };
  const Case cases[] = {
      {u"<html><head><title>t</title></head><body class=\"x\">Hi</body></html>", u"Hi"},
      {u"<HTML><BODY>\r\nHi\r\n</BODY></HTML>", u"\r\nHi\r\n"},
      {u"<html><head></head>Hi</html>", u"Hi"},
      {u"<html lang=en>Hi", u"Hi"},
      {u"<p>Hi</p>", u"<p>Hi</p>"},
      {u"<body>a</body>b</body>", u"a</body>b"},
      {u"<bodyx>no</bodyx>", u"<bodyx>no</bodyx>"},
      {u"</body>x<body>y", u"y"},
      {u"", u""},
  };
  for (const Case& c : cases) EXPECT_EQ(ExtractHTMLBody(c.in), c.out) << UnicodeToUtf8(c.in);
}

TEST(ConvertHTMLBodyToText, KeepsOnlyTheVisibleText) {
  struct Case {
    UnicodeString in;
    bool lineBreaks;
    UnicodeString out;
  };
  const Case cases[] = {
      {u"<html><head><title>T</title><style>p{}</style></head><body><h1>Title</h1>\n"
       u"<p>One   <b>two</b>\n three.</p><script>var a = '<p>';</script><p>Caf&eacute; "
       u"&lt;4&gt;</p></body></html>",
       true, u"Title\r\nOne two three.\r\nCafé <4>"},
      {u"<p>a</p><p>b<br>c</p>", false, u"a b c"},
      {u"<ul><li>x</li><li>y &amp; z</li></ul>", true, u"x\r\ny & z"},
      {u"<table><tr><th>a</th><th>b</th></tr><tr><td>1</td><td> 2 </td></tr></table>", true, u"a\tb\r\n1\t2"},
      {u"<pre>  a\n   b</pre>after", true, u"  a\r\n   b\r\nafter"},
      {u"a<!-- <p>hidden</p> -->b <!doctype html>c", true, u"ab c"},
      {u"x &nbsp; y", true, u"x \xA0 y"},
      {u"a < b and c>d", true, u"a < b and c>d"},
      {u"<p title=\"a > b\">text</p>", true, u"text"},
      {u"<script>never closed", true, u""},
      {u"<br/><br><p></p>  ", true, u""},
      {u"<span>in</span><span>line</span>", true, u"inline"},
      {u"<SCRIPT type=x>if (a<b) x();</SCRIPT>shown", true, u"shown"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ConvertHTMLBodyToText(c.in, c.lineBreaks), c.out) << UnicodeToUtf8(c.in);
}

}  // namespace
}  // namespace zub
