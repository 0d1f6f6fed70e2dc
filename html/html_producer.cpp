#include "html/html_producer.hpp"

#include "streams/ZUB_streams.hpp"

namespace zub {

namespace {

// Blanks only, as the tag syntax has it.
std::u16string_view TrimBlanks(std::u16string_view s) {
  while (!s.empty() && s.front() == u' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == u' ') s.remove_suffix(1);
  return s;
}

}  // namespace

THtmlProducer::THtmlProducer(TComponent* AOwner) : TComponent(AOwner) {}

THtmlProducer::~THtmlProducer() = default;

void THtmlProducer::ReadTemplateFromFile(const UnicodeString& FName) {
  TextFile f;
  AssignFile(f, FName);
  Reset(f);
  UnicodeString text, line;
  while (!Eof(f)) {
    ReadLn(f, line);
    text += line;
    text += u"\r\n";
  }
  CloseFile(f);
  FTemplate = std::move(text);
}

void THtmlProducer::ReadTemplateFromStream(TStream& InStream) {
  InStream.SetPosition(0);
  FTemplate = StreamAsString(InStream);
}

UnicodeString THtmlProducer::Convert() {
  FConvertedHTML.clear();
  const std::u16string_view t = FTemplate;
  FSPos = 0;
  while (FSPos < t.size()) {
    const size_t lt = t.find(u"<#", FSPos);
    if (lt == std::u16string_view::npos) {
      FConvertedHTML.append(t.substr(FSPos));
      break;
    }
    FConvertedHTML.append(t.substr(FSPos, lt - FSPos));
    const size_t gt = t.find(u'>', lt + 2);
    const size_t end = gt == std::u16string_view::npos ? t.size() : gt + 1;
    const std::u16string_view tag = t.substr(lt, end - lt);
    // The inside of the tag: after "<#", before the ">" if there is one.
    const std::u16string_view inner =
        tag.substr(2, tag.size() - 2 - (gt == std::u16string_view::npos ? 0 : 1));
    const size_t blank = inner.find(u' ');
    UnicodeString replacement(tag);
    if (FOnHTMLTag) {
      const UnicodeString name = LowerCase(inner.substr(0, blank));
      const UnicodeString params(blank == std::u16string_view::npos ? std::u16string_view{}
                                                                    : TrimBlanks(inner.substr(blank + 1)));
      FOnHTMLTag(this, name, params, replacement);
    }
    FConvertedHTML += replacement;
    FSPos = end;
  }
  return FConvertedHTML;
}

TStream* THtmlProducer::ConvertedHTMLAsStream() {
  FStrStream.reset();
  FStrStream = std::make_unique<TStringStream>(FConvertedHTML);
  FStrStream->SetPosition(0);
  return FStrStream.get();
}

void THtmlProducer::WriteConvertedHTMLToFile(const UnicodeString& FName) const {
  TextFile f;
  AssignFile(f, FName);
  Rewrite(f);
  Write(f, FConvertedHTML);
  CloseFile(f);
}

}  // namespace zub
