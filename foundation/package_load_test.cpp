// Loads the built shared library with dlopen, as a host does, and drives its entry points.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include "foundation/zubcorekit_rt_120XS.hpp"

namespace {

TEST(PackageLoad, DlopenInitialisesEveryUnitOnceAndEntryPointsCount) {
  void* lib = dlopen(ZUB_LIBRARY_FILE, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(lib, nullptr) << dlerror();
  auto table = reinterpret_cast<const TPackageInfoTable* (*)()>(dlsym(lib, "GetPackageInfoTable"));
  auto load = reinterpret_cast<void (*)()>(dlsym(lib, "PackageLoad"));
  auto unload = reinterpret_cast<void (*)()>(dlsym(lib, "PackageUnload"));
  ASSERT_TRUE(table && load && unload && dlsym(lib, "Initialize") && dlsym(lib, "Finalize"));
  // The C++ name of the progress counter, as the library exports it.
  auto* procStat = static_cast<double*>(dlsym(lib, "_ZN3zub8ProcStatE"));
  ASSERT_NE(procStat, nullptr);

  const TPackageInfoTable* t = table();
  for (int i = 0; i < t->UnitCount; ++i) EXPECT_EQ(t->UnitInfo[i].LoadCount(), 1) << t->UnitInfo[i].Name;
  *procStat = 3;
  load();
  EXPECT_EQ(*procStat, 3);
  EXPECT_EQ(t->UnitInfo[1].LoadCount(), 2);
  unload();
  unload();
  EXPECT_EQ(t->UnitInfo[0].LoadCount(), 0);
  load();
  EXPECT_EQ(*procStat, 0);
  EXPECT_EQ(dlclose(lib), 0);
}

}  // namespace
