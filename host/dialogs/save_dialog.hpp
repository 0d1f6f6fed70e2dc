// The platform's standard file-save dialog.
//
// On POSIX systems this is GTK 3's file chooser in save mode. The library itself never links
// GTK: the dialog lives in the module libzubcorekit-gtk.so.1, loaded at the first Execute
// from, in this order,
//   1. the file the environment variable ZUBCOREKIT_GTK_MODULE names, when it is set;
//   2. the folder of the binary that holds this library (the shared library, or the
//      program it is linked into);
//   3. the system's library search path.
// A failed load is retried at the next Execute.
//
// When the dialog cannot run, Execute returns false and ExtendedError tells why, with the
// numbers Windows' common dialogs use for the same failures:
//   cdErrLoadResFailure ($0007)  the module, or GTK beneath it, cannot be loaded
//   cdErrDialogFailure  ($FFFF)  the window cannot be created: no display can be opened
// ExtendedError is 0 after the user accepted or cancelled.
#pragma once

#include <cstdint>
#include <vector>

#include "host/dialogs/common_dialog.hpp"

namespace zub {

inline constexpr uint32_t cdErrLoadResFailure = 0x0007;
inline constexpr uint32_t cdErrDialogFailure = 0xFFFF;

// One entry of the dialog's file-type list: the name shown and its mask, one or more
// patterns separated by ";" ("*.htm;*.html"). Patterns match regardless of case.
struct TFileTypeItem {
  UnicodeString DisplayName;
  UnicodeString FileMask;
};

class TSaveDialog : public TCommonDialog {
 public:
  explicit TSaveDialog(TComponent* AOwner) : TCommonDialog(AOwner) {}
  UnicodeString ClassName() const override { return u"TSaveDialog"; }

  std::vector<TFileTypeItem>& FileTypes() { return FFileTypes; }
  const std::vector<TFileTypeItem>& FileTypes() const { return FFileTypes; }
  // The selected file type, 1-based. Execute starts on it (a value outside the list selects
  // the first type) and leaves the type chosen last in it, also after a cancel.
  int32_t FilterIndex() const { return FFilterIndex; }
  void SetFilterIndex(int32_t Value) { FFilterIndex = Value; }
  const UnicodeString& Title() const { return FTitle; }
  void SetTitle(const UnicodeString& Value) { FTitle = Value; }
  // The folder shown first; "" leaves the choice to the dialog (the folder of FileName,
  // else the current one). Windows paths are understood as everywhere in the host.
  const UnicodeString& InitialDir() const { return FInitialDir; }
  void SetInitialDir(const UnicodeString& Value) { FInitialDir = Value; }
  // The name proposed when the dialog opens (a name, or a path whose folder is shown) and,
  // after the user accepted, the absolute name chosen. A cancel leaves it as it was.
  const UnicodeString& FileName() const { return FFileName; }
  void SetFileName(const UnicodeString& Value) { FFileName = Value; }
  // Called, with this dialog as Sender, each time the user picks another file type while
  // the dialog is open; FilterIndex already names the new type.
  TNotifyEvent& OnTypeChange() { return FOnTypeChange; }
  void SetOnTypeChange(TNotifyEvent Handler) { FOnTypeChange = std::move(Handler); }

  // The name in the dialog's name box while it is open (what the user typed so far);
  // outside Execute, FileName. Setting it while the dialog is open replaces the box's text
  // (an absolute path also changes the folder); outside Execute it sets FileName.
  UnicodeString TypedFileName() const;
  void SetTypedFileName(const UnicodeString& Value);

  bool Execute() override { return Execute(0); }
  // Execute with ParentWnd as the owner: the dialog stays above that window.
  bool Execute(HWND ParentWnd);
  uint32_t ExtendedError() const { return FExtendedError; }

 private:
  friend struct SaveDialogRun;
  std::vector<TFileTypeItem> FFileTypes;
  int32_t FFilterIndex = 1;
  UnicodeString FTitle;
  UnicodeString FInitialDir;
  UnicodeString FFileName;
  TNotifyEvent FOnTypeChange;
  uint32_t FExtendedError = 0;
  void* FRunning = nullptr;  // the open dialog of the platform, during Execute
};

}  // namespace zub
