// The C interface between the library and its GTK 3 dialog module (libzubcorekit-gtk.so.1),
// which the library loads at run time so that it never links GTK itself. The module exports
// one function, zub_gtk_module, returning a table of entry points; the library checks
// AbiVersion before it uses any of them. Strings are NUL-terminated; strings the module
// hands out are released with FreeString.
#pragma once

#include <cstdint>

extern "C" {

inline constexpr uint32_t kZubGtkModuleAbi = 1;
inline constexpr const char* kZubGtkModuleName = "libzubcorekit-gtk.so.1";
inline constexpr const char* kZubGtkModuleEntry = "zub_gtk_module";

struct ZubGtkSaveRequest {
  const char* Title;              // UTF-8
  const char* InitialDir;         // system bytes; "" for none
  const char* FileName;           // system bytes; a name or a path
  int32_t FilterCount;
  const char* const* FilterNames;  // UTF-8
  const char* const* FilterMasks;  // UTF-8 patterns separated by ';'
  int32_t FilterIndex;             // 1-based; outside 1..FilterCount selects the first
  uint64_t OwnerWindow;            // X11 window id; 0 for none
  void* Context;
  // Called while the dialog runs, when the user picks another type (1-based).
  void (*TypeChanged)(void* Context, void* Dialog, int32_t FilterIndex);
};

struct ZubGtkSaveResult {
  int32_t Accepted;     // 1 for OK, 0 for cancel or failure
  int32_t FilterIndex;  // the type selected when the dialog closed
  char* FileName;       // system bytes of the chosen absolute name; null unless accepted
  uint32_t Error;       // 0, or the failure's number (0xFFFF: no display)
};

struct ZubGtkModule {
  uint32_t AbiVersion;
  void (*RunSaveDialog)(const ZubGtkSaveRequest* Request, ZubGtkSaveResult* Result);
  // The text of the open dialog's name box (UTF-8).
  char* (*TypedName)(void* Dialog);
  // Replaces the name box's text; an absolute path (system bytes) also selects its folder.
  void (*SetTypedName)(void* Dialog, const char* Name);
  void (*FreeString)(char* Text);
};

typedef const ZubGtkModule* (*ZubGtkModuleEntry)();

}  // extern "C"
