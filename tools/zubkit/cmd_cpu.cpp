// `zubkit cpu`: what the processor says of itself through CPUID, the processors the program
// may use and the clock frequency measured with the time-stamp counter.
#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

#include "tools/zubkit/cli.hpp"
#include "tools/zubkit/json.hpp"
#include "zubcorekit.hpp"

namespace zubkit {
namespace {

// The feature bits' short names: the TCPUFeatures values without their "cpuft_".
const char* const kFeatureNames[32] = {
    "fpu",  "vme",  "de",  "pse",  "tsc",   "msr", "pae",       "mce",    "cx8",     "apic",      "sepamd",
    "sep",  "mtrr", "pge", "mca",  "cmov",  "pat", "pse36",     "serial", "clflush", "reserved1", "dts",
    "acpi", "mmx",  "xsr", "simd", "simd2", "ss",  "reserved2", "tm",     "ia64",    "3dnow"};

const char* TypeName(int32_t type) {
  static const char* const kNames[] = {"original OEM processor", "OverDrive processor", "dual processor",
                                       "reserved"};
  return type >= 0 && type <= 3 ? kNames[type] : "?";
}

// One answer of the library, or the reason it has none (a leaf the processor does not have).
template <typename T>
struct Answer {
  std::optional<T> value;
  std::string error;
};

template <typename T>
Answer<T> Ask(const std::function<T()>& routine) {
  try {
    return {routine(), ""};
  } catch (const zub::EZUBCpuIdError& e) {
    return {std::nullopt, zub::UnicodeToUtf8(e.Message())};
  }
}

std::string U8(const zub::UnicodeString& s) {
  return zub::UnicodeToUtf8(s);
}

struct Report {
  bool cpuid = false;
  Answer<std::string> vendor, brand, serial;
  Answer<uint32_t> signature, featureSet, extendedFeatureSet;
  Answer<int32_t> type, family, exFamily, model, exModel, stepping, brandId;
  Answer<bool> overDrive;
  bool fdivBug = false;
  int32_t count = 0;
  uint32_t delay = 0;
  float speed = 0;
};

Report Gather(uint32_t delay) {
  using namespace zub;
  Report r;
  r.cpuid = CPU_IDSupport();
  if (r.cpuid) {
    r.vendor = Ask<std::string>([] { return U8(CPU_VendorString()); });
    r.brand = Ask<std::string>([] { return U8(CPU_MarketName()); });
    r.signature = Ask<uint32_t>(CPU_Signature);
    r.type = Ask<int32_t>(CPU_Type);
    r.overDrive = Ask<bool>(CPU_OverDrive);
    r.family = Ask<int32_t>(CPU_Family);
    r.exFamily = Ask<int32_t>(CPU_ExFamily);
    r.model = Ask<int32_t>(CPU_Model);
    r.exModel = Ask<int32_t>(CPU_ExModel);
    r.stepping = Ask<int32_t>(CPU_Stepping);
    r.brandId = Ask<int32_t>(CPU_BrandID);
    r.featureSet = Ask<uint32_t>(CPU_FeatureSet);
    r.extendedFeatureSet = Ask<uint32_t>(CPU_ExtendedFeatureSet);
    r.serial = Ask<std::string>([] { return U8(CPU_SerialNumber()); });
  }
  r.fdivBug = CPU_FDIVBugPresent();
  r.count = CPU_Count();
  r.delay = delay;
  if (delay > 0) r.speed = CPU_Speed(delay);
  return r;
}

std::string Hex(uint32_t v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "0x%08X", v);
  return buf;
}

std::string Fixed(double v, int decimals) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
  return buf;
}

std::vector<int> SetBits(uint32_t set) {
  std::vector<int> bits;
  for (int b = 0; b < 32; ++b)
    if ((set >> b) & 1) bits.push_back(b);
  return bits;
}

// Text for people, laid out as lscpu does: "Name:" and the value in aligned columns.
void PrintText(const Report& r, std::ostream& out) {
  std::vector<std::pair<std::string, std::string>> rows;
  auto add = [&](const std::string& name, const std::string& value) { rows.emplace_back(name + ":", value); };
  auto shown = [](const auto& a, const std::function<std::string()>& format) {
    return a.value ? format() : "- (" + a.error + ")";
  };
  add("CPUID support", r.cpuid ? "yes" : "no");
  if (r.cpuid) {
    add("Vendor ID", shown(r.vendor, [&] { return *r.vendor.value; }));
    add("Model name", shown(r.brand, [&] { return *r.brand.value; }));
    add("Signature", shown(r.signature, [&] { return Hex(*r.signature.value); }));
    add("Type",
        shown(r.type, [&] { return std::to_string(*r.type.value) + " (" + TypeName(*r.type.value) + ")"; }));
    add("OverDrive", shown(r.overDrive, [&] { return std::string(*r.overDrive.value ? "yes" : "no"); }));
    add("Family", shown(r.family, [&] {
          const int32_t f = *r.family.value;
          return std::to_string(f) + (f == 15 ? " (with the extended family: " +
                                                    std::to_string(f + r.exFamily.value.value_or(0)) + ")"
                                              : "");
        }));
    add("Extended family", shown(r.exFamily, [&] { return std::to_string(*r.exFamily.value); }));
    add("Model", shown(r.model, [&] {
          const int32_t f = r.family.value.value_or(0);
          const int32_t m = *r.model.value;
          return std::to_string(m) + (f == 6 || f == 15
                                          ? " (with the extended model: " +
                                                std::to_string(m + (r.exModel.value.value_or(0) << 4)) + ")"
                                          : "");
        }));
    add("Extended model", shown(r.exModel, [&] { return std::to_string(*r.exModel.value); }));
    add("Stepping", shown(r.stepping, [&] { return std::to_string(*r.stepping.value); }));
    add("Brand ID", shown(r.brandId, [&] { return std::to_string(*r.brandId.value); }));
    add("Feature set", shown(r.featureSet, [&] { return Hex(*r.featureSet.value); }));
    add("Extended feature set",
        shown(r.extendedFeatureSet, [&] { return Hex(*r.extendedFeatureSet.value); }));
    add("Serial number", shown(r.serial, [&] { return *r.serial.value; }));
  }
  add("FDIV flaw", r.fdivBug ? "yes" : "no");
  add("CPU(s)", std::to_string(r.count));
  add("Measured MHz", r.delay > 0 ? Fixed(r.speed, 1) + " (over " + std::to_string(r.delay) + " ms)"
                                  : "not measured (--speed 0)");
  std::string flags;
  if (r.featureSet.value)
    for (int b : SetBits(*r.featureSet.value))
      flags += (flags.empty() ? "" : " ") + std::string(kFeatureNames[b]);
  if (r.featureSet.value) add("Flags", flags);

  size_t width = 0;
  for (const auto& row : rows) width = std::max(width, row.first.size());
  for (const auto& [name, value] : rows)
    out << name << std::string(width + 2 - name.size(), ' ') << value << "\n";
  if (r.featureSet.value) {
    out << "Feature bits:\n";
    for (int b : SetBits(*r.featureSet.value)) {
      const std::string n = kFeatureNames[b];
      out << (b < 10 ? "   " : "  ") << b << "  " << n << std::string(n.size() < 10 ? 10 - n.size() : 1, ' ')
          << U8(zub::UnicodeString(zub::CPUFeatureNames[static_cast<size_t>(b)])) << "\n";
    }
  }
}

template <typename T>
std::string JsonValue(const Answer<T>& a) {
  if (!a.value) return "null";
  if constexpr (std::is_same_v<T, std::string>)
    return JsonString(*a.value);
  else if constexpr (std::is_same_v<T, bool>)
    return *a.value ? "true" : "false";
  else
    return std::to_string(*a.value);
}

// One object for programs. Numbers are decimal; what the processor cannot tell is null.
void PrintJson(const Report& r, std::ostream& out) {
  std::ostringstream o;
  o << "{\n  \"cpuid_support\": " << (r.cpuid ? "true" : "false") << ",\n";
  const std::pair<const char*, std::string> fields[] = {
      {"vendor", JsonValue(r.vendor)},
      {"brand", JsonValue(r.brand)},
      {"signature", JsonValue(r.signature)},
      {"type", JsonValue(r.type)},
      {"overdrive", JsonValue(r.overDrive)},
      {"family", JsonValue(r.family)},
      {"extended_family", JsonValue(r.exFamily)},
      {"model", JsonValue(r.model)},
      {"extended_model", JsonValue(r.exModel)},
      {"stepping", JsonValue(r.stepping)},
      {"brand_id", JsonValue(r.brandId)},
      {"feature_set", JsonValue(r.featureSet)},
      {"extended_feature_set", JsonValue(r.extendedFeatureSet)},
      {"serial_number", JsonValue(r.serial)},
  };
  for (const auto& [name, value] : fields) o << "  \"" << name << "\": " << value << ",\n";
  o << "  \"features\": [";
  if (r.featureSet.value) {
    bool first = true;
    for (int b : SetBits(*r.featureSet.value)) {
      o << (first ? "\n" : ",\n") << "    {\"bit\": " << b << ", \"name\": " << JsonString(kFeatureNames[b])
        << ", \"description\": "
        << JsonString(U8(zub::UnicodeString(zub::CPUFeatureNames[static_cast<size_t>(b)]))) << "}";
      first = false;
    }
    if (!first) o << "\n  ";
  }
  o << "],\n";
  o << "  \"fdiv_bug\": " << (r.fdivBug ? "true" : "false") << ",\n";
  o << "  \"count\": " << r.count << ",\n";
  o << "  \"speed_delay_ms\": " << r.delay << ",\n";
  o << "  \"speed_mhz\": " << (r.delay > 0 ? Fixed(r.speed, 3) : "null") << "\n}\n";
  out << o.str();
}

int RunCpu(const Args& args, std::ostream& out) {
  const auto delay = static_cast<uint32_t>(args.GetInt("speed", 500, 0, 60000));
  const Report r = Gather(delay);
  if (args.Has("json"))
    PrintJson(r, out);
  else
    PrintText(r, out);
  return 0;
}

const Registration cpu({"cpu",
                        "",
                        "the processor: vendor, brand, signature, feature bits, count and measured speed",
                        "What the processor reports through CPUID: vendor and brand names, the signature\n"
                        "and its fields (the family and model shown with their extended parts where\n"
                        "those count, as the kernel shows them), the feature bits of leaf 1 with their\n"
                        "names, and the serial-number text (the leaf-1 registers). A value the\n"
                        "processor has no leaf for is shown as '-' with the reason (null in --json).\n"
                        "CPU(s) is the number of processors this program may run on (its affinity\n"
                        "mask, as nproc counts). The speed is the time-stamp counter's rate over\n"
                        "--speed milliseconds (default 500; 0 skips it), measured at the highest\n"
                        "priority the process may take, on one processor. The wait starts at a tick\n"
                        "edge and so lasts one millisecond less: the speed reads about 1/MS low.",
                        {{"json", "", "one JSON object for programs"},
                         {"speed", "MS", "measure the speed over MS milliseconds (0 to 60000; 0 skips it)"}},
                        0,
                        0,
                        RunCpu});

const TourRegistration stop({90, "Processor identification",
                             [](std::ostream& out) {
                               using namespace zub;
                               out << "CPU_IDSupport() = " << (CPU_IDSupport() ? "true" : "false") << "\n";
                               if (CPU_IDSupport()) {
                                 out << "CPU_VendorString() = \"" << U8(CPU_VendorString()) << "\"\n";
                                 try {
                                   out << "CPU_MarketName() = \"" << U8(CPU_MarketName()) << "\"\n";
                                 } catch (const EZUBCpuIdError& e) {
                                   out << "raises: " << U8(e.Message()) << "\n";
                                 }
                                 out << "CPU_Signature() = " << Hex(CPU_Signature())
                                     << ": CPU_Family() = " << CPU_Family()
                                     << ", CPU_ExFamily() = " << CPU_ExFamily()
                                     << ", CPU_Model() = " << CPU_Model()
                                     << ", CPU_ExModel() = " << CPU_ExModel()
                                     << ", CPU_Stepping() = " << CPU_Stepping()
                                     << ", CPU_Type() = " << CPU_Type() << "\n";
                                 const uint32_t f = CPU_FeatureSet();
                                 out << "CPU_FeatureSet() = " << Hex(f) << "; bit cpuft_simd2 ("
                                     << int{cpuft_simd2} << ", CPUFeatureNames: \""
                                     << U8(UnicodeString(CPUFeatureNames[cpuft_simd2])) << "\") is "
                                     << ((f >> cpuft_simd2) & 1) << "\n";
                                 out << "CPU_SerialNumber() = \"" << U8(CPU_SerialNumber())
                                     << "\" (signature, EDX and ECX of leaf 1)\n";
                               }
                               out << "CPU_FDIVBugPresent() = " << (CPU_FDIVBugPresent() ? "true" : "false")
                                   << "; CPU_Count() = " << CPU_Count() << "\n";
                               out << "CPU_Speed(100) = " << Fixed(CPU_Speed(100), 1)
                                   << " MHz; CPU_Speed(0) = " << CPU_Speed(0) << " (no measurement)\n";
                             },
                             "cpuid/ZUB_cpuid.hpp"});

}  // namespace
}  // namespace zubkit
