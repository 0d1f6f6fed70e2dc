// Pages made by THtmlProducer inside DefaultHTMLHead / DefaultHTMLFoot, written to files as
// the producer writes them, rendered in headless Chromium: the text the browser shows
// (document.body.innerText) must have the same words as ConvertHTMLBodyToText of the page.
// Skipped, saying why, where Chromium is not installed.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "html/ZUB_htmlsupport.hpp"
#include "testing/temp_dir.hpp"

namespace zub {
namespace {

std::string Browser() {
  for (const char* path : {"/usr/bin/chromium", "/usr/bin/chromium-browser", "/usr/bin/google-chrome"})
    if (std::filesystem::exists(path)) return path;
  return {};
}

std::string Run(const std::string& command) {
  std::string out;
  FILE* p = ::popen(command.c_str(), "r");
  if (p == nullptr) return out;
  std::array<char, 4096> buf;
  for (size_t n; (n = std::fread(buf.data(), 1, buf.size(), p)) > 0;) out.append(buf.data(), n);
  ::pclose(p);
  return out;
}

// The words of a text: runs of characters other than white space and no-break spaces.
std::vector<UnicodeString> Words(const UnicodeString& s) {
  std::vector<UnicodeString> words;
  UnicodeString w;
  for (const Char c : s) {
    if (c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == 0xA0) {
      if (!w.empty()) words.push_back(std::move(w));
      w.clear();
    } else {
      w += c;
    }
  }
  if (!w.empty()) words.push_back(w);
  return words;
}

// The page's visible text as the browser has it: a script at the end of the body replaces
// the body by a pre element holding body.innerText, and the DOM is dumped.
UnicodeString BrowserText(const std::string& browser, const testing::TempDir& dir, const std::string& leaf) {
  const std::string dom = Run("'" + browser + "' --headless --no-sandbox --disable-gpu --no-first-run " +
                              "--disable-dev-shm-usage --user-data-dir='" + dir.Native("profile") +
                              "' --dump-dom 'file://" + dir.Native(leaf) + "' 2>/dev/null");
  const std::string open = "<pre id=\"zubtext\">";
  const size_t from = dom.find(open), to = dom.rfind("</pre>");
  if (from == std::string::npos || to == std::string::npos || to < from) return u"(no text from the browser)";
  return ResolveHTMLEntities(Utf8ToUnicode(dom.substr(from + open.size(), to - from - open.size())));
}

TEST(HTMLInBrowser, VisibleTextMatchesConvertHTMLBodyToText) {
  const std::string browser = Browser();
  if (browser.empty()) GTEST_SKIP() << "Chromium is not installed (scripts/setup.sh installs it)";
  // Templates of real structure, filled by the producer: tables, lists, entities, Latin-1
  // text written as it is into the Windows-1252 file, nested inline markup, a script and a
  // style that must not show.
  const UnicodeString bodies[] = {
      u"<h1>Stations <#count></h1>\n<table>\n<tr><th>Name</th><th>Höhe</th></tr>\n"
      u"<tr><td><#name></td><td>1&nbsp;200 m</td></tr>\n<tr><td>Zürich</td><td>408 m</td></tr>\n</table>\n"
      u"<p>Data &copy; 2026 &amp; <i>friends</i> &lt;ok&gt;</p>",
      u"<ul>\n<li>Crème brûlée</li>\n<li>Smørrebrød &amp; "
      u"<b>øl</b></li>\n</ul>\n<ol><li>one</li><li>two<br>lines</li></ol>\n"
      u"<style>li { color: red }</style><script>var hidden = '<p>never</p>';</script>\n"
      u"<div>Ça   coûte <span>10&#x20AC;</span> &#8364; &#x41;BC</div><!-- <p>hidden</p> -->",
      u"<p>Long    text\n  over\n lines, with <a href=\"x?a=1&amp;b=2\">a link</a>.</p>"
      u"<blockquote>Quoted «text»</blockquote><pre>  kept   as\n  it is</pre><p>after</p>",
  };
  testing::TempDir dir;
  int page = 0;
  for (const UnicodeString& body : bodies) {
    THtmlProducer producer(nullptr);
    producer.SetTemplate(
        DefaultHTMLHead(u"Test page " + IntToStr(page), u"", u"", u"Pages for the test", true) + body +
        u"\r\n" + DefaultHTMLFoot(true));
    producer.SetOnHTMLTag([](TObject*, const UnicodeString& name, const UnicodeString&, UnicodeString& r) {
      r = name == u"count" ? UnicodeString(u"(2)") : MakeStringHTMLCompatible(u"Säntis <Gipfel>");
    });
    const UnicodeString html = producer.Convert();
    const std::string leaf = "page" + std::to_string(page++) + ".html";
    // The browser's copy carries the script that hands over its text; ours is the page itself.
    const std::string script =
        "<script>var t = document.body.innerText; document.body.innerHTML = '';"
        " var p = document.createElement('pre'); p.id = 'zubtext'; p.textContent = t;"
        " document.body.appendChild(p);</script>";
    THtmlProducer shown(nullptr);
    UnicodeString withScript = html;
    withScript.insert(withScript.rfind(u"</body>"), Utf8ToUnicode(script));
    shown.SetTemplate(withScript);
    shown.Convert();
    shown.WriteConvertedHTMLToFile(dir.Name(leaf));
    const UnicodeString seen = BrowserText(browser, dir, leaf);
    EXPECT_EQ(Words(seen), Words(ConvertHTMLBodyToText(html, true)))
        << "browser: " << UnicodeToUtf8(seen)
        << "\nours: " << UnicodeToUtf8(ConvertHTMLBodyToText(html, true));
  }
}

}  // namespace
}  // namespace zub
