// `zubkit html`, `urlencode`, `urldecode` and `words`: the HTML producer on template files,
// a page's visible text, URL escapes and the HTML-aware word count; and their tour stop.
#include <iostream>
#include <map>
#include <ostream>
#include <set>
#include <string>

#include "tools/zubkit/cli.hpp"
#include "tools/zubkit/input.hpp"
#include "tools/zubkit/output.hpp"
#include "tools/zubkit/text_lines.hpp"
#include "zubcorekit.hpp"

namespace zubkit {
namespace {

std::string U8(const zub::UnicodeString& s) {
  return zub::UnicodeToUtf8(s);
}

// The whole input decoded as text (a template or a page is taken whole).
zub::UnicodeString ReadText(const std::string& path, Encoding encoding) {
  Input in(path);
  std::string bytes;
  for (;;) {
    in.BeforeRead();
    char buf[65536];
    const int32_t n = in.Stream().Read(buf, sizeof buf);
    if (n <= 0) break;
    bytes.append(buf, static_cast<size_t>(n));
  }
  return Decode(bytes, encoding);
}

// CR LF and CR as the line ends of this system.
std::string Lines(const zub::UnicodeString& s) {
  std::string out = U8(s), lf;
  lf.reserve(out.size());
  for (size_t i = 0; i < out.size(); ++i) {
    if (out[i] == '\r') {
      lf += '\n';
      if (i + 1 < out.size() && out[i + 1] == '\n') ++i;
    } else {
      lf += out[i];
    }
  }
  return lf;
}

void WriteFile(const std::string& path, const std::string& bytes) {
  zub::TMemoryStream m;
  m.WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
  try {
    m.SaveToFile(zub::SystemNameToUnicode(path));
  } catch (const zub::Exception& e) {
    throw WriteError(U8(e.Message()), false);
  }
}

int RunHtml(const Args& args, std::ostream& out) {
  const Encoding encoding = ParseEncoding(args.Get("encoding"));
  if (args.Has("text")) {
    if (!args.Positional().empty() || args.Has("set"))
      throw UsageError("--text takes one FILE and no TEMPLATE or --set");
    const std::string text = Lines(zub::ConvertHTMLBodyToText(ReadText(args.Get("text"), encoding), true));
    out << text << (text.empty() ? "" : "\n");
    return 0;
  }
  if (args.Positional().size() != 1) throw UsageError("html wants a TEMPLATE (or --text FILE)");
  std::map<zub::UnicodeString, zub::UnicodeString> values;
  for (const std::string& set : args.GetAll("set")) {
    const size_t eq = set.find('=');
    if (eq == std::string::npos || eq == 0) throw UsageError("--set wants NAME=VALUE, not '" + set + "'");
    const zub::UnicodeString value = zub::Utf8ToUnicode(set.substr(eq + 1));
    values[zub::LowerCase(zub::Utf8ToUnicode(set.substr(0, eq)))] =
        args.Has("raw") ? value : zub::MakeStringHTMLCompatible(value);
  }
  zub::THtmlProducer producer(nullptr);
  producer.SetTemplate(ReadText(args.Positional()[0], encoding));
  std::set<zub::UnicodeString> missing;
  producer.SetOnHTMLTag([&](zub::TObject*, const zub::UnicodeString& name, const zub::UnicodeString&,
                            zub::UnicodeString& replacement) {
    const auto found = values.find(name);
    if (found != values.end())
      replacement = found->second;
    else
      missing.insert(name);
  });
  const std::string html = U8(producer.Convert());
  if (args.Has("out") && args.Get("out") != "-")
    WriteFile(args.Get("out"), html);
  else
    out << html;
  for (const zub::UnicodeString& name : missing) {
    FlushOut();
    std::cerr << "zubkit html: no value for tag <#" << U8(name) << ">; it stays as it is\n";
  }
  return 0;
}

int RunUrlEncode(const Args& args, std::ostream& out) {
  out << U8(zub::URLEncode(zub::Utf8ToUnicode(args.Positional()[0]))) << "\n";
  return 0;
}

int RunUrlDecode(const Args& args, std::ostream& out) {
  const zub::UnicodeString decoded = zub::URLDecode(zub::Utf8ToUnicode(args.Positional()[0]));
  // Escapes give one character per byte; where those bytes spell UTF-8, they are that text.
  std::string bytes;
  bool bytesOnly = true;
  for (const zub::Char c : decoded) {
    if (c > 255) bytesOnly = false;
    bytes += static_cast<char>(c);
  }
  zub::UnicodeString text;
  if (bytesOnly && !args.Has("latin1") && zub::TryUtf8ToUnicode(bytes, text))
    out << U8(text) << "\n";
  else
    out << U8(decoded) << "\n";
  return 0;
}

int RunWords(const Args& args, std::ostream& out) {
  const Encoding encoding = ParseEncoding(args.Get("encoding"));
  const std::string path = args.Positional().empty() ? "-" : args.Positional()[0];
  Input in(path);
  LineReader reader(in);
  bool inTag = false;
  int64_t words = 0;
  std::string line;
  // Every line ends in a separator, so counting line by line loses no word.
  while (reader.Next(line))
    words += zub::CountWordsHTML(Decode(line, encoding) + u"\n", args.Has("skip-numbers"), inTag);
  out << words << "\n";
  return 0;
}

const Registration html({"html",
                         "[TEMPLATE]",
                         "fill a template's <#name> tags, or show a page's visible text",
                         "Each --set NAME=VALUE gives the replacement of the tags <#NAME ...> (names in\n"
                         "any case); values are written as text, with & < > \" ' and characters beyond\n"
                         "ASCII as references, or as they are with --raw. A tag without a value stays as\n"
                         "it is and is named on standard error. The page goes to standard output as\n"
                         "UTF-8, or to --out FILE. --text FILE prints the visible text of a page instead:\n"
                         "no tags, scripts or styles, one line per block, tabs between table cells,\n"
                         "references resolved. Templates and pages are read as UTF-8, or Windows-1252\n"
                         "when they are not (--encoding chooses).",
                         {{"set", "NAME=VALUE", "the replacement of tag NAME (repeatable)"},
                          {"raw", "", "insert the values as HTML, not as text"},
                          {"out", "FILE", "write the page to FILE (- for standard output)"},
                          {"text", "FILE", "print the visible text of the page FILE"},
                          {"encoding", "NAME", "auto (default), utf-8, windows-1252 or latin-1"}},
                         0,
                         1,
                         RunHtml});

const Registration urlencode(
    {"urlencode",
     "TEXT",
     "escape the 20 URL characters of a text as %XX",
     "Blank ! # $ % & ' ( ) * + , / : ; = ? @ [ ] become %XX; everything else, letters\n"
     "beyond ASCII included, stays as it is.",
     {},
     1,
     1,
     RunUrlEncode});

const Registration urldecode({"urldecode",
                              "TEXT",
                              "undo %XX escapes (two passes, so %2541 gives A)",
                              "Each %XX becomes the character of that code, twice over; + and any other %\n"
                              "stay. When the codes spell UTF-8 (caf%C3%A9) the text they spell is printed;\n"
                              "--latin1 prints one character per code instead.",
                              {{"latin1", "", "one character per %XX code, never UTF-8"}},
                              1,
                              1,
                              RunUrlDecode});

const Registration words({"words",
                          "[FILE]",
                          "count the words of an HTML file outside its markup",
                          "Words are runs of at least two characters between the library's word\n"
                          "separators; everything from < to > is markup. The file (standard input for -\n"
                          "or none) is counted line by line as it arrives, in bounded memory.",
                          {{"skip-numbers", "", "do not count words that begin with a digit"},
                           {"encoding", "NAME", "auto (default), utf-8, windows-1252 or latin-1"}},
                          0,
                          1,
                          RunWords});

const TourRegistration stop(
    {65, "HTML and URLs",
     [](std::ostream& out) {
       using namespace zub;
       THtmlProducer producer(nullptr);
       producer.SetTemplate(u"<p>Hi <#USER id=7>, it is <#date>.</p>");
       producer.SetOnHTMLTag([&out](TObject*, const UnicodeString& name, const UnicodeString& params,
                                    UnicodeString& replacement) {
         out << "  OnHTMLTag(TagName \"" << U8(name) << "\", Params \"" << U8(params) << "\", Replacement \""
             << U8(replacement) << "\")\n";
         if (name == u"user") replacement = MakeStringHTMLCompatible(u"Zoë & Ann");
       });
       out << "THtmlProducer with the template \"" << U8(producer.Template()) << "\":\n";
       const UnicodeString page = producer.Convert();
       out << "  Convert = \"" << U8(page) << "\"\n  ConvertHTMLBodyToText = \""
           << U8(ConvertHTMLBodyToText(page, true)) << "\"\n";
       out << "URLEncode(\"a b&c\") = \"" << U8(URLEncode(u"a b&c")) << "\", URLDecode(\"%2541\") = \""
           << U8(URLDecode(u"%2541")) << "\", ExtractHTTPPath(\"HTTP://host/docs/index.html\") = \""
           << U8(ExtractHTTPPath(u"HTTP://host/docs/index.html")) << "\"\n";
       bool inTag = false;
       const int32_t first = CountWordsHTML(u"Hello <b>big</b> wor", false, inTag);
       out << "CountWordsHTML in two pieces: \"Hello <b>big</b> wor\" " << first << ", then \"ld. <a href\" "
           << CountWordsHTML(u"ld. <a href", false, inTag) << " (inTag " << (inTag ? "true" : "false")
           << " at the end; the cut word is not counted)\n";
     },
     "html/ZUB_htmlsupport.hpp"});

}  // namespace
}  // namespace zubkit
