#include "cpuid/cpu_info.hpp"

#include <string>

#include "cpuid/internal/leaf_query.hpp"
#include "host/processor_affinity.hpp"

namespace zub {

using cpuid_internal::QueryLeaf;
using cpuid_internal::TCPUIDRegs;

namespace {

void AppendBytes(std::string& text, uint32_t reg) {
  for (int i = 0; i < 4; ++i) text += static_cast<char>((reg >> (8 * i)) & 0xFF);
}

uint32_t Bits(uint32_t value, int lowest, int count) {
  return (value >> lowest) & ((1u << count) - 1u);
}

bool IsBlankOrControl(Char c) {
  return c <= 32;
}

UnicodeString Hex8(uint32_t value) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  UnicodeString s(8, u'0');
  for (int i = 7; i >= 0; --i, value >>= 4)
    s[static_cast<size_t>(i)] = static_cast<Char>(kDigits[value & 0xF]);
  return s;
}

}  // namespace

bool CPU_IDSupport() {
  return cpuid_internal::Active().CpuidSupported();
}

int32_t CPU_Count() {
  return AvailableProcessorCount();
}

UnicodeString CPU_VendorString() {
  const TCPUIDRegs r = QueryLeaf(0);
  std::string bytes;
  for (uint32_t reg : {r.EBX, r.EDX, r.ECX}) AppendBytes(bytes, reg);
  const size_t end = bytes.find('\0');
  if (end != std::string::npos) bytes.resize(end);
  if (bytes.size() < 12) return u"Unknown";
  return AnsiToUnicode(bytes);
}

UnicodeString CPU_MarketName() {
  std::string bytes;
  for (uint32_t leaf = 0x80000002u; leaf <= 0x80000004u; ++leaf) {
    const TCPUIDRegs r = QueryLeaf(leaf);
    for (uint32_t reg : {r.EAX, r.EBX, r.ECX, r.EDX}) AppendBytes(bytes, reg);
  }
  const UnicodeString name = AnsiToUnicode(bytes);
  size_t first = 0;
  size_t last = name.size();
  while (first < last && IsBlankOrControl(name[first])) ++first;
  while (last > first && IsBlankOrControl(name[last - 1])) --last;
  for (size_t i = first; i < last; ++i)
    if (name[i] < 32) return u"unknown";
  return name.substr(first, last - first);
}

uint32_t CPU_Signature() {
  return QueryLeaf(1).EAX;
}

uint32_t CPU_FeatureSet() {
  return QueryLeaf(1).EDX;
}

uint32_t CPU_ExtendedFeatureSet() {
  return QueryLeaf(0x80000001u).EDX;
}

int32_t CPU_BrandID() {
  return static_cast<int32_t>(QueryLeaf(1).EBX & 0xFF);
}

int32_t CPU_Type() {
  return static_cast<int32_t>(Bits(CPU_Signature(), 12, 2));
}

bool CPU_OverDrive() {
  return CPU_Type() == 1;
}

int32_t CPU_Family() {
  return static_cast<int32_t>(Bits(CPU_Signature(), 8, 4));
}

int32_t CPU_ExFamily() {
  return static_cast<int32_t>(Bits(CPU_Signature(), 20, 8));
}

int32_t CPU_Model() {
  return static_cast<int32_t>(Bits(CPU_Signature(), 4, 4));
}

int32_t CPU_ExModel() {
  return static_cast<int32_t>(Bits(CPU_Signature(), 16, 4));
}

int32_t CPU_Stepping() {
  return static_cast<int32_t>(Bits(CPU_Signature(), 0, 4));
}

UnicodeString CPU_SerialNumber() {
  const uint32_t signature = QueryLeaf(1).EAX;
  const TCPUIDRegs r = QueryLeaf(1);
  return Hex8(signature) + Hex8(r.EDX) + Hex8(r.ECX);
}

bool CPU_FDIVBugPresent() {
  // Volatile operands keep the compiler from folding the expression into a constant, so the
  // division runs on the processor; long double makes it the x87 unit's, where the flaw was.
  volatile long double dividend = 4195835.0L;
  volatile long double divisor = 3145727.0L;
  const long double x = dividend;
  const long double y = divisor;
  return x / y * y - x != 0.0L;
}

}  // namespace zub
