// `zubkit units` and `zubkit const`: the package's units and the library's constants.
#include <cstdio>
#include <ostream>

#include "tools/zubkit/cli.hpp"
#include "zubcorekit.hpp"

namespace zubkit {
namespace {

struct NamedConstant {
  const char* name;
  long double value;
};

const NamedConstant kConstants[] = {
    {"uc_e", zub::uc_e},
    {"uc_etom1", zub::uc_etom1},
    {"uc_lg2", zub::uc_lg2},
    {"uc_lg5", zub::uc_lg5},
    {"uc_lge", zub::uc_lge},
    {"uc_lgPi", zub::uc_lgPi},
    {"uc_ln10", zub::uc_ln10},
    {"uc_ln2", zub::uc_ln2},
    {"uc_lnPi", zub::uc_lnPi},
    {"uc_PiH", zub::uc_PiH},
    {"uc_PiSqr", zub::uc_PiSqr},
    {"uc_Pitom1", zub::uc_Pitom1},
    {"uc_sqrt2", zub::uc_sqrt2},
    {"uc_sqrt2pi", zub::uc_sqrt2pi},
    {"uc_sqrt2pitom1", zub::uc_sqrt2pitom1},
    {"uc_GoldenR", zub::uc_GoldenR},
    {"uc_MinReal", zub::uc_MinReal},
    {"uc_MaxReal", zub::uc_MaxReal},
    {"uc_MinSingle", zub::uc_MinSingle},
    {"uc_MaxSingle", zub::uc_MaxSingle},
    {"uc_MinDouble", zub::uc_MinDouble},
    {"uc_MaxDouble", zub::uc_MaxDouble},
    {"uc_MinExtended", zub::uc_MinExtended},
    {"uc_MaxExtended", zub::uc_MaxExtended},
    {"uc_lnMinDouble", zub::uc_lnMinDouble},
    {"uc_lnMaxDouble", zub::uc_lnMaxDouble},
    {"uc_lnMaxExtended", zub::uc_lnMaxExtended},
    {"uc_lnMinExtended", zub::uc_lnMinExtended},
    {"uc_lnMaxInt64", zub::uc_lnMaxInt64},
    {"uc_lnMinReal", zub::uc_lnMinReal},
    {"uc_lnMaxReal", zub::uc_lnMaxReal},
    {"uc_lnMinSingle", zub::uc_lnMinSingle},
    {"uc_lnMaxSingle", zub::uc_lnMaxSingle},
};

std::string Digits21(long double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.20Le", v);
  return buf;
}

void PrintUnits(std::ostream& out) {
  const TPackageInfoTable* t = GetPackageInfoTable();
  for (int i = 0; i < t->UnitCount; ++i)
    out << i + 1 << "\t" << t->UnitInfo[i].Name << "\tloads " << t->UnitInfo[i].LoadCount() << "\n";
}

int RunUnits(const Args&, std::ostream& out) {
  PrintUnits(out);
  return 0;
}

int RunConst(const Args& args, std::ostream& out) {
  if (args.Has("lnfact")) {
    if (!args.Positional().empty()) throw UsageError("give either NAME or --lnfact");
    const auto n = static_cast<size_t>(args.GetInt("lnfact", 0, 0, 1000));
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.15g", zub::uc_LnFactorial[n]);
    out << "ln(" << n << "!) = " << buf << "\n";
    return 0;
  }
  const std::string want = args.Positional().empty() ? "" : args.Positional()[0];
  bool found = false;
  for (const auto& c : kConstants) {
    if (!want.empty() && want != c.name) continue;
    out << c.name << "\t" << Digits21(c.value) << "\n";
    found = true;
  }
  if (want.empty() || want == "uc_MaxInt64") {
    out << "uc_MaxInt64\t" << zub::uc_MaxInt64 << "\n";
    found = true;
  }
  if (!found) throw std::runtime_error("no constant named '" + want + "'");
  return 0;
}

const Registration units(
    {"units", "", "list the package's units in load order with their load counts", "", {}, 0, 0, RunUnits});
const Registration constants(
    {"const",
     "[NAME]",
     "print the library's constants as stored (21 significant digits)",
     "Without NAME every constant is listed; --lnfact N prints the table entry ln(N!).",
     {{"lnfact", "N", "print ln(N!) from the table, N from 0 to 1000"}},
     0,
     1,
     RunConst});

const TourRegistration stop(
    {10, "The package and its constants",
     [](std::ostream& out) {
       out << "GetPackageInfoTable() lists the package's nine units in load order, with UnitInfo[i].Name\n"
              "and LoadCount():\n";
       PrintUnits(out);
       out << "The constants of foundation/ZUB_univconst.hpp are 80-bit values; uc_MaxDouble sits one bit\n"
              "below 1.7e308:\n";
       out << "  uc_MaxDouble = " << Digits21(zub::uc_MaxDouble) << "\n";
       out << "  uc_ln10      = " << Digits21(zub::uc_ln10) << "\n";
       char buf[40];
       std::snprintf(buf, sizeof buf, "%.15g", zub::uc_LnFactorial[1000]);
       out << "  ln(1000!)    = " << buf << "  (uc_LnFactorial[1000])\n";
       out << "Try: zubkit units, zubkit const uc_e, zubkit const --lnfact 20\n";
     },
     "foundation/zubcorekit_rt_120XS.hpp"});

}  // namespace
}  // namespace zubkit
