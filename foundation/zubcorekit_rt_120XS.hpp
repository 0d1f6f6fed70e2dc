// The package unit: the table of the library's units and the load/unload entry points.
//
// Units are initialised in the order ZUB_univconst, ZUB_zubbase, ZUB_zubcolors,
// ZUB_stringl, ZUB_streams, ZUB_htmlsupport, ZUB_dstruct, ZUB_filesys, ZUB_cpuid and
// finalised in the reverse order. Each unit counts its loads: its initialisation works only
// on the first load and its finalisation only on the last unload. Loading the shared
// library runs PackageLoad once; unloading it runs PackageUnload.
#pragma once

#include <cstdint>

extern "C" {

struct TPackageUnitEntry {
  const char* Name;
  void (*Init)();          // counted initialisation of the unit
  void (*FInit)();         // counted finalisation of the unit
  int32_t (*LoadCount)();  // how many loads are outstanding
};

struct TPackageInfoTable {
  int32_t UnitCount;
  const TPackageUnitEntry* UnitInfo;  // in initialisation order
};

const TPackageInfoTable* GetPackageInfoTable();
// Runs every unit's initialisation in table order.
void PackageLoad();
void Initialize();
// Runs every unit's finalisation in reverse table order.
void PackageUnload();
void Finalize();
}
