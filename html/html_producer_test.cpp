#include "html/html_producer.hpp"

#include <gtest/gtest.h>

#include <vector>

#include "html/ZUB_htmlsupport.hpp"
#include "streams/ZUB_streams.hpp"
#include "testing/temp_dir.hpp"

namespace zub {
namespace {

struct Seen {
  UnicodeString name, params, replacementIn;
};

// A producer whose handler records each call and replaces tag "user" by "Ann".
struct Recorder {
  THtmlProducer p{nullptr};
  std::vector<Seen> seen;
  Recorder() {
    p.SetOnHTMLTag([this](TObject* sender, const UnicodeString& name, const UnicodeString& params,
                          UnicodeString& replacement) {
      EXPECT_EQ(sender, &p);
      seen.push_back({name, params, replacement});
      if (name == u"user") replacement = u"Ann";
    });
  }
};

TEST(THtmlProducer, ReplacesTagsThroughTheHandler) {
  struct Case {
    UnicodeString tmpl, out;
    std::vector<Seen> seen;
  };
  const Case cases[] = {
      {u"Hi <#USER id=7>!", u"Hi Ann!", {{u"user", u"id=7", u"<#USER id=7>"}}},
      {u"<#date>", u"<#date>", {{u"date", u"", u"<#date>"}}},
      {u"<#user   a  b  >", u"Ann", {{u"user", u"a  b", u"<#user   a  b  >"}}},
      {u"a < b <", u"a < b <", {}},
      {u"x <#x", u"x <#x", {{u"x", u"", u"<#x"}}},
      {u"<#user p", u"Ann", {{u"user", u"p", u"<#user p"}}},
      {u"", u"", {}},
      {u"<<#user>>", u"<Ann>", {{u"user", u"", u"<#user>"}}},
      {u"<#>", u"<#>", {{u"", u"", u"<#>"}}},
      {u"<# x>", u"<# x>", {{u"", u"x", u"<# x>"}}},
  };
  for (const Case& c : cases) {
    Recorder r;
    r.p.SetTemplate(c.tmpl);
    EXPECT_EQ(r.p.Convert(), c.out) << UnicodeToUtf8(c.tmpl);
    EXPECT_EQ(r.p.ConvertedHTML(), c.out);
    ASSERT_EQ(r.seen.size(), c.seen.size()) << UnicodeToUtf8(c.tmpl);
    for (size_t i = 0; i < c.seen.size(); ++i) {
      EXPECT_EQ(r.seen[i].name, c.seen[i].name);
      EXPECT_EQ(r.seen[i].params, c.seen[i].params);
      EXPECT_EQ(r.seen[i].replacementIn, c.seen[i].replacementIn);
    }
    EXPECT_EQ(r.p.Template(), c.tmpl);
  }
  THtmlProducer bare(nullptr);
  bare.SetTemplate(u"Hi <#USER id=7>!");
  EXPECT_EQ(bare.Convert(), u"Hi <#USER id=7>!");
}

TEST(THtmlProducer, ReplacementsAreNotScannedAgain) {
  THtmlProducer p(nullptr);
  p.SetOnHTMLTag(
      [](TObject*, const UnicodeString&, const UnicodeString&, UnicodeString& r) { r = u"<#again>" + r; });
  p.SetTemplate(u"<#a><#b");
  EXPECT_EQ(p.Convert(), u"<#again><#a><#again><#b");
}

TEST(THtmlProducer, HandlerErrorsKeepThePartBefore) {
  THtmlProducer p(nullptr);
  p.SetOnHTMLTag([](TObject*, const UnicodeString& name, const UnicodeString&, UnicodeString& r) {
    if (name == u"bad") throw EZUBError(u"no such value");
    r = u"1";
  });
  p.SetTemplate(u"x<#one>y<#bad>z");
  EXPECT_THROW(p.Convert(), EZUBError);
  EXPECT_EQ(p.ConvertedHTML(), u"x1y");
}

TEST(THtmlProducer, FilesAndStreams) {
  testing::TempDir dir;
  const UnicodeString in = dir.Name("t.html"), out = dir.Name("o.html");
  dir.WriteBytes("t.html", "<p>\xE9t\xE9 <#user></p>\nline 2\r\nlast");
  Recorder r;
  r.p.ReadTemplateFromFile(in);
  EXPECT_EQ(r.p.Template(), u"<p>été <#user></p>\r\nline 2\r\nlast\r\n");
  r.p.Convert();
  r.p.WriteConvertedHTMLToFile(out);
  EXPECT_EQ(dir.ReadBytes("o.html"), "<p>\xE9t\xE9 Ann</p>\r\nline 2\r\nlast\r\n");
  TStream* s = r.p.ConvertedHTMLAsStream();
  EXPECT_EQ(s->Position(), 0);
  EXPECT_EQ(StreamAsByteString(*s), u"<p>été Ann</p>\r\nline 2\r\nlast\r\n");
  EXPECT_NE(r.p.ConvertedHTMLAsStream(), nullptr);

  TMemoryStream m;
  const UnicodeString text = u"<#user> €";
  m.WriteBuffer(text.data(), static_cast<int32_t>(text.size() * 2));
  r.p.ReadTemplateFromStream(m);  // from position 0, though the stream stands at its end
  EXPECT_EQ(r.p.Template(), text);

  EXPECT_THROW(r.p.ReadTemplateFromFile(dir.Name("missing.html")), EInOutError);
  EXPECT_EQ(r.p.Template(), text);
  EXPECT_THROW(r.p.WriteConvertedHTMLToFile(dir.Name("no/such/folder.html")), EInOutError);
}

}  // namespace
}  // namespace zub
