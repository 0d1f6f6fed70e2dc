// TAssocArray::ReadFromXMLStream and AddXMLAttributes on arbitrary bytes: no crash, no
// hang, and whatever reads successfully writes out and reads back to the same entries.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "dstruct/assoc_array.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  zub::TAssocArray a(nullptr);
  a.AddXMLAttributes(zub::AnsiToUnicode(bytes));

  zub::TStringStream in(bytes);
  zub::TAssocArray b(nullptr);
  if (!b.ReadFromXMLStream(in, u"d")) return 0;
  zub::TStringStream out;
  b.WriteToXMLStream(out, false, u"d");
  out.SetPosition(0);
  zub::TAssocArray c(nullptr);
  if (!c.ReadFromXMLStream(out, u"d") || c.NumEntries() != b.NumEntries() || c.IgnoreCase() != b.IgnoreCase())
    std::abort();
  for (int32_t i = 1; i <= b.NumEntries(); ++i)
    if (c.GetKeys(i) != b.GetKeys(i) || zub::VarType(c.GetValues(i)) != zub::VarType(b.GetValues(i)))
      std::abort();
  return 0;
}
