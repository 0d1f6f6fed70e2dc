// TFeatureMatrix::Load on a file of arbitrary bytes: no crash, no hang, a known status, a
// table within the reader's bound, and a matrix that saves and loads back the same.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "dstruct/ZUB_dstruct.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string pid = std::to_string(::getpid());
  static const zub::UnicodeString in = zub::Utf8ToUnicode("/tmp/zub_fuzz_featmat_" + pid + ".txt");
  static const zub::UnicodeString out = zub::Utf8ToUnicode("/tmp/zub_fuzz_featmat_" + pid + ".out");
  std::FILE* f = std::fopen(zub::UnicodeToUtf8(in).c_str(), "wb");
  std::fwrite(data, 1, size, f);
  std::fclose(f);

  zub::TFeatureMatrix m(nullptr);
  const int32_t status = m.Load(in);
  if (status != 0 && status != -2 && status != -3) std::abort();
  const int64_t cells = int64_t{std::max(m.NFeatures(), 1)} * std::max(m.NObjects(), 1);
  if (cells > zub::TFeatureMatrix::MaxFileValues) std::abort();

  // Whatever was read saves and reads back unchanged, unless a text holds a line break,
  // which Save refuses.
  try {
    m.Save(out);
  } catch (const zub::EZUBDStructError&) {
    return 0;
  }
  zub::TFeatureMatrix back(nullptr);
  if (back.Load(out) != 0 || back.NFeatures() != m.NFeatures() || back.NObjects() != m.NObjects())
    std::abort();
  for (int32_t fix = 1; fix <= m.NFeatures(); ++fix) {
    m.GetFeatProps(fix)->SetFeatKind(zub::fkString);
    back.GetFeatProps(fix)->SetFeatKind(zub::fkString);
    for (int32_t obj = 1; obj <= m.NObjects(); ++obj)
      if (m.GetFeatValStr(fix, obj) != back.GetFeatValStr(fix, obj)) std::abort();
  }
  return 0;
}
