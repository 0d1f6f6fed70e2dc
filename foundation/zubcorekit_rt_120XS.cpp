#include "foundation/zubcorekit_rt_120XS.hpp"

#include <array>
#include <cstddef>
#include <utility>

#include "colors/named_colors.hpp"
#include "cpuid/cpu_features.hpp"
#include "foundation/zubbase_unit.hpp"
#include "strings/scramble.hpp"

namespace {

struct UnitWork {
  const char* name;
  void (*initialization)();
  void (*finalization)();
};

// Units without work of their own keep null entries; they still count their loads.
constexpr std::array<UnitWork, 9> kUnits = {{
    {"ZUB_univconst", nullptr, nullptr},
    {"ZUB_zubbase", zub::unit_zubbase::Initialization, zub::unit_zubbase::Finalization},
    {"ZUB_zubcolors", zub::FillColorNames, zub::ReleaseColorNames},
    {"ZUB_stringl", [] { zub::InitScramble(zub::BuiltInScrambleSeed); }, nullptr},
    {"ZUB_streams", nullptr, nullptr},
    {"ZUB_htmlsupport", nullptr, nullptr},
    {"ZUB_dstruct", nullptr, nullptr},
    {"ZUB_filesys", nullptr, nullptr},
    {"ZUB_cpuid", zub::FillCPUFeatureNames, zub::ReleaseCPUFeatureNames},
}};

std::array<int32_t, kUnits.size()> loadCounts{};

template <std::size_t I>
void UnitInit() {
  if (++loadCounts[I] == 1 && kUnits[I].initialization != nullptr) kUnits[I].initialization();
}

template <std::size_t I>
void UnitFinal() {
  if (loadCounts[I] == 0) return;  // an unbalanced unload does nothing
  if (--loadCounts[I] == 0 && kUnits[I].finalization != nullptr) kUnits[I].finalization();
}

template <std::size_t I>
int32_t UnitLoadCount() {
  return loadCounts[I];
}

template <std::size_t... I>
constexpr std::array<TPackageUnitEntry, sizeof...(I)> MakeEntries(std::index_sequence<I...>) {
  return {{{kUnits[I].name, &UnitInit<I>, &UnitFinal<I>, &UnitLoadCount<I>}...}};
}

constexpr std::array<TPackageUnitEntry, kUnits.size()> kEntries =
    MakeEntries(std::make_index_sequence<kUnits.size()>{});
constexpr TPackageInfoTable kTable = {static_cast<int32_t>(kEntries.size()), kEntries.data()};

// Loading the library loads the package once; unloading it unloads it.
struct AutoLoad {
  AutoLoad() { PackageLoad(); }
  ~AutoLoad() { PackageUnload(); }
} autoLoad;

}  // namespace

extern "C" {

const TPackageInfoTable* GetPackageInfoTable() {
  return &kTable;
}

void PackageLoad() {
  for (const auto& e : kEntries) e.Init();
}

void Initialize() {
  PackageLoad();
}

void PackageUnload() {
  for (auto it = kEntries.rbegin(); it != kEntries.rend(); ++it) it->FInit();
}

void Finalize() {
  PackageUnload();
}
}
