// TUnivSaveDialog: asks for the name of a file to save, through the platform's standard
// save dialog or through the application's own selection, then checks the name against a
// forbidden folder and asks before an existing file is overwritten. Either check can send
// the user back to the selection.
//
// Parameters holds name="value" attributes; Execute reads
//   filter      file types, display name and mask alternating, "|" between them
//               ("Text files|*.txt|All files|*.*"); an odd last item is ignored
//   ext         when not empty, the extension every accepted name gets
//   caption     the dialog's title
//   initialdir  the folder the dialog shows first
//
// Execute, until it finishes:
//   1. Selection. The standard dialog (UseStandardDialog, the default) shows the types,
//      starts on FilterIndex and FileName, and leaves its name and type in FileName and
//      FilterIndex, also after a cancel; "ext" then replaces the name's extension. While
//      it is open, SaveDiagTypeChange makes the typed name follow the chosen type. Without
//      the standard dialog, OnFileSelect selects (Parameters, the action, FileName).
//   2. A cancelled selection ends Execute with false.
//   3. When the folder part of FileName is forbidden (IsForbiddenDir), OnForbiddenDir is
//      asked (the reply starts as mrYes): mrCancel ends with false, mrYes goes on, any other
//      reply shows the selection again. Without a handler the folder is accepted.
//   4. Whether the file exists: the file system says, with the standard dialog; otherwise
//      OnFileCheck may say (the answer starts as false). A new file ends with true.
//   5. An existing file needs OnOverwrite (the reply starts as mrNo): mrYes ends with true,
//      mrCancel with false, mrNo shows the selection again.
//
// Errors are EZUBFileSysError with the text 'Component "<Name>": ...':
//   "Error in standard dialog (errnum = $XXXX)."  the standard dialog could not run; XXXX is
//       the dialog's extended error (see host/dialogs/save_dialog.hpp: $0007 when the
//       dialog module or GTK cannot be loaded, $FFFF when no display can be opened)
//   "File select dialog is not assigned"         no standard dialog and no OnFileSelect
//   "Overwrite dialog is not assigned"           an existing file and no OnOverwrite
//   "Invalid reply argument from overwrite dialog"  OnOverwrite answered something else
//   "<ParName> is not specified in property Parameters"  ExtractParamAsInt/AsDouble of an
//       absent or empty attribute
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "filesys/ZUB_filesys.hpp"
#include "host/dialogs/dialogs.hpp"

namespace zub {

using TOnFileSelectEvent = std::function<void(TObject* Sender, const UnicodeString& Parameters,
                                              TModalResult& UserAction, UnicodeString& SelectedFileName)>;
using TOnFileCheckEvent = std::function<void(TObject* Sender, const UnicodeString& FileName, bool& FileDoesExist)>;
using TOnOverwriteEvent =
    std::function<void(TObject* Sender, const UnicodeString& FileName, TModalResult& OverwriteReply)>;
using TOnForbiddenDirEvent =
    std::function<void(TObject* Sender, const UnicodeString& Path, TModalResult& ForbiddenDirReply)>;

class TUnivSaveDialog : public TCommonDialog {
 public:
  explicit TUnivSaveDialog(TComponent* AOwner);
  ~TUnivSaveDialog() override;
  UnicodeString ClassName() const override { return u"TUnivSaveDialog"; }

  // True when a name was accepted (it is then in FileName), false when the user cancelled.
  bool Execute() override;

  // The attribute's value in Parameters; "" when absent.
  UnicodeString ExtractParamAsString(const UnicodeString& ParName) const;
  // The attribute read as an integer: leading blanks, an optional sign, the digits up to
  // the first other character (none give 0; beyond 32 bits the value stays at the limit).
  int32_t ExtractParamAsInt(const UnicodeString& ParName) const;
  // The attribute read by the library's decimal number scanner ("." or "," as separator,
  // an exponent after "E"); clamped to +-uc_MaxDouble, 0 when malformed.
  double ExtractParamAsDouble(const UnicodeString& ParName) const;
  // False for an empty Path; otherwise whether Path, lower-cased, begins with ForbiddenDir,
  // lower-cased, so that its subfolders are forbidden too. An empty ForbiddenDir forbids
  // nothing. The test is a plain prefix: "C:\data" also forbids "C:\database\", while
  // "C:\data\" forbids only that folder and what lies below it.
  bool IsForbiddenDir(const UnicodeString& Path) const;
  // The standard dialog's type-change handler: the typed name (or, when nothing is typed,
  // the dialog's FileName) gets the extension of the new type's mask ("*.csv" gives
  // ".csv"; of a list, its first pattern), unless that is ".*", and goes back into the
  // dialog.
  void SaveDiagTypeChange(TObject* Sender);

  const UnicodeString& Parameters() const { return FParams; }
  void SetParameters(const UnicodeString& Value) { FParams = Value; }
  const UnicodeString& FileName() const { return FFileName; }
  void SetFileName(const UnicodeString& Value) { FFileName = Value; }
  HWND ParentWnd() const { return FParentWnd; }
  void SetParentWnd(HWND Value) { FParentWnd = Value; }
  const TOnFileSelectEvent& OnFileSelect() const { return FOnFileSelect; }
  void SetOnFileSelect(TOnFileSelectEvent Handler) { FOnFileSelect = std::move(Handler); }
  const TOnFileCheckEvent& OnFileCheck() const { return FOnFileCheck; }
  void SetOnFileCheck(TOnFileCheckEvent Handler) { FOnFileCheck = std::move(Handler); }
  const TOnOverwriteEvent& OnOverwrite() const { return FOnOverwrite; }
  void SetOnOverwrite(TOnOverwriteEvent Handler) { FOnOverwrite = std::move(Handler); }
  const TOnForbiddenDirEvent& OnForbiddenDir() const { return FOnForbiddenDir; }
  void SetOnForbiddenDir(TOnForbiddenDirEvent Handler) { FOnForbiddenDir = std::move(Handler); }
  bool UseStandardDialog() const { return FUseStdDiag; }
  void SetUseStandardDialog(bool Value) { FUseStdDiag = Value; }
  int32_t FilterIndex() const { return FFilterIndex; }
  void SetFilterIndex(int32_t Value) { FFilterIndex = Value; }
  const UnicodeString& ForbiddenDir() const { return FForbiddenDir; }
  void SetForbiddenDir(const UnicodeString& Value) { FForbiddenDir = Value; }

 private:
  enum class Outcome { Accepted, Cancelled, Again };
  TModalResult SelectWithStandardDialog();
  Outcome CheckOverwrite();
  UnicodeString RequiredParam(const UnicodeString& ParName) const;
  [[noreturn]] void Fail(const UnicodeString& Text) const;

  UnicodeString FParams;
  UnicodeString FFileName;
  HWND FParentWnd = 0;
  TOnFileSelectEvent FOnFileSelect;
  TOnFileCheckEvent FOnFileCheck;
  TOnOverwriteEvent FOnOverwrite;
  TOnForbiddenDirEvent FOnForbiddenDir;
  bool FUseStdDiag = true;
  int32_t FFilterIndex = 1;
  UnicodeString FForbiddenDir;
  std::unique_ptr<TSaveDialog> SDiag;  // only while Execute shows it
};

}  // namespace zub
