// THtmlProducer: HTML pages from templates with embedded tags of the form
// "<#name parameters>", each replaced by what the application's OnHTMLTag handler returns.
//
// A tag runs from "<#" up to and including the next ">", or to the end of the template when
// no ">" follows. Its name runs to the first blank inside it or to the ">"; its parameters
// are the text between that blank and the ">", without leading and trailing blanks. Tags do
// not nest, and replacements are not scanned again, so a replacement holding "<#" comes out
// as it is.
#pragma once

#include <functional>
#include <memory>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

// The handler of a template tag: TagName in lower case (ASCII letters), Params as written.
// Replacement holds the tag's own text on entry; what it holds afterwards goes into the page.
using TOnHTMLTagEvent = std::function<void(TObject* Sender, const UnicodeString& TagName,
                                           const UnicodeString& Params, UnicodeString& Replacement)>;

class THtmlProducer : public TComponent {
 public:
  explicit THtmlProducer(TComponent* AOwner);
  // Frees the stream last handed out by ConvertedHTMLAsStream.
  ~THtmlProducer() override;
  UnicodeString ClassName() const override { return u"THtmlProducer"; }

  const UnicodeString& Template() const { return FTemplate; }
  // Stores the text unchanged.
  void SetTemplate(const UnicodeString& value) { FTemplate = value; }
  // The template becomes the lines of the text file (Windows-1252), each followed by CR LF.
  // The file's errors (EInOutError) pass to the caller, with the template unchanged.
  void ReadTemplateFromFile(const UnicodeString& FName);
  // The template becomes the whole stream, from position 0, read as UTF-16LE text
  // (StreamAsString). Read errors pass to the caller.
  void ReadTemplateFromStream(TStream& InStream);

  const TOnHTMLTagEvent& OnHTMLTag() const { return FOnHTMLTag; }
  void SetOnHTMLTag(TOnHTMLTagEvent value) { FOnHTMLTag = std::move(value); }

  // Copies the template into ConvertedHTML, replacing every tag by what OnHTMLTag leaves in
  // Replacement (without a handler, the template comes back unchanged), and returns it. A "<"
  // not followed by "#" is copied. An exception of the handler passes to the caller, and
  // ConvertedHTML then holds the part converted before the tag.
  UnicodeString Convert();
  const UnicodeString& ConvertedHTML() const { return FConvertedHTML; }

  // A new string stream holding ConvertedHTML in Windows-1252 (characters it lacks become
  // '?'), at position 0. The producer owns it and frees it at the next call or when it is
  // destroyed.
  TStream* ConvertedHTMLAsStream();
  // Creates or overwrites the text file and writes ConvertedHTML into it in Windows-1252,
  // without a line end of its own. Write errors raise EInOutError.
  void WriteConvertedHTMLToFile(const UnicodeString& FName) const;

 private:
  UnicodeString FTemplate;
  TOnHTMLTagEvent FOnHTMLTag;
  size_t FSPos = 0;  // the read position in the template during Convert
  UnicodeString FConvertedHTML;
  std::unique_ptr<TStringStream> FStrStream;
};

}  // namespace zub
