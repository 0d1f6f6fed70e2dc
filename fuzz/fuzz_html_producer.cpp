// THtmlProducer::Convert on arbitrary templates, with a handler that returns replacements cut
// from the input (tag text, "<#", ">" included). Convert must end, call the handler once per
// "<#" it passes, and give a result no longer than the template plus the replacements.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "html/ZUB_htmlsupport.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const zub::UnicodeString all =
      zub::AnsiToUnicode(std::string(reinterpret_cast<const char*>(data + 1), size - 1));
  const size_t cut = std::min<size_t>(data[0] % 16, all.size());
  const zub::UnicodeString pieces = all.substr(0, cut), tmpl = all.substr(cut);
  zub::THtmlProducer p(nullptr);
  p.SetTemplate(tmpl);
  size_t calls = 0, added = 0;
  p.SetOnHTMLTag([&](zub::TObject*, const zub::UnicodeString& name, const zub::UnicodeString& params,
                     zub::UnicodeString& replacement) {
    if (name.size() + params.size() > replacement.size()) std::abort();
    replacement = pieces.substr(0, calls % (pieces.size() + 1)) + (calls % 2 ? replacement : u"<#");
    added += replacement.size();
    ++calls;
  });
  const zub::UnicodeString out = p.Convert();
  if (out.size() > tmpl.size() + added) std::abort();
  size_t tags = 0;
  for (size_t at = tmpl.find(u"<#"); at != zub::UnicodeString::npos; ++tags) {
    const size_t gt = tmpl.find(u'>', at + 2);
    if (gt == zub::UnicodeString::npos) {
      ++tags;
      break;
    }
    at = tmpl.find(u"<#", gt + 1);
  }
  if (tags != calls) std::abort();
  return 0;
}
