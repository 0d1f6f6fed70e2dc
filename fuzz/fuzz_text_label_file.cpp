// TCustomTextLabel::ReadFromOpenXMLFile on a file of arbitrary bytes: no crash, no hang; a
// failed read leaves the label as it was without a notification, and what a successful
// read took writes out and reads back the same, every double bit for bit.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "foundation/ZUB_zubbase.hpp"

namespace {

std::string Snapshot(const zub::TCustomTextLabel& l) {
  char buf[160];
  const zub::TFont& f = l.Font();
  std::snprintf(buf, sizeof buf, "%a %a %d %d %d %u %u %u %d %d %d %d %d %d %d %d %u|", l.PosX(), l.PosY(),
                l.Layer(), l.XShadow(), l.YShadow(), l.ColorShadow(), l.ColorBkg(), l.ColorBrd(),
                l.Alignment(), l.VertAlign(), l.AttachDat(), l.TransPar(), l.Visible(), l.Mode(), f.Size(),
                f.Style().Contains(zub::fsBold) + 2 * f.Style().Contains(zub::fsItalic) +
                    4 * f.Style().Contains(zub::fsUnderline) + 8 * f.Style().Contains(zub::fsStrikeOut),
                f.Color());
  return buf + zub::UnicodeToUtf8(f.Name()) + "|" + zub::UnicodeToUtf8(l.Caption());
}

bool ReadLabel(zub::TCustomTextLabel& l, const zub::UnicodeString& name, const zub::UnicodeString& id) {
  zub::TextFile f;
  zub::AssignFile(f, name);
  zub::Reset(f);
  const bool ok = l.ReadFromOpenXMLFile(f, id);
  zub::CloseFile(f);
  return ok;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string pid = std::to_string(::getpid());
  static const zub::UnicodeString in = zub::Utf8ToUnicode("/tmp/zub_fuzz_label_" + pid + ".xml");
  static const zub::UnicodeString out = zub::Utf8ToUnicode("/tmp/zub_fuzz_label_" + pid + ".out");
  std::FILE* file = std::fopen(zub::UnicodeToUtf8(in).c_str(), "wb");
  std::fwrite(data, 1, size, file);
  std::fclose(file);

  zub::TCustomTextLabel l;
  int changes = 0;
  l.SetOnChange([&changes](zub::TObject*) { ++changes; });
  const std::string before = Snapshot(l);
  // Half of the inputs look for a named element, the others for the first one.
  const zub::UnicodeString id = size > 0 && (data[0] & 1) ? u"Lbl1" : u"";
  if (!ReadLabel(l, in, id)) {
    if (changes != 0 || Snapshot(l) != before) std::abort();
    return 0;
  }
  if (changes != 1) std::abort();

  zub::TextFile f;
  zub::AssignFile(f, out);
  zub::Rewrite(f);
  l.WriteToOpenXMLFile(f, true, u"again", 2);
  zub::CloseFile(f);
  zub::TCustomTextLabel back;
  if (!ReadLabel(back, out, u"AGAIN") || Snapshot(back) != Snapshot(l)) std::abort();
  return 0;
}
