#include "host/dialogs/save_dialog.hpp"

#include <memory>
#include <string>

#include "host/dialogs/posix/gtk_module.hpp"
#include "host/file_system.hpp"

namespace zub {

namespace {

struct GtkString {
  const ZubGtkModule* module;
  char* text;
  ~GtkString() {
    if (text != nullptr) module->FreeString(text);
  }
};

}  // namespace

// Links a running dialog with its component: the module's dialog pointer and the entries.
struct SaveDialogRun {
  const ZubGtkModule* module;
  void* dialog = nullptr;

  static void TypeChanged(void* context, void* dialog, int32_t index) {
    auto* self = static_cast<TSaveDialog*>(context);
    auto* run = static_cast<SaveDialogRun*>(self->FRunning);
    run->dialog = dialog;
    self->FFilterIndex = index;
    if (self->FOnTypeChange) self->FOnTypeChange(self);
  }
};

UnicodeString TSaveDialog::TypedFileName() const {
  auto* run = static_cast<SaveDialogRun*>(FRunning);
  if (run == nullptr || run->dialog == nullptr) return FFileName;
  const GtkString name{run->module, run->module->TypedName(run->dialog)};
  return Utf8ToUnicode(name.text);
}

void TSaveDialog::SetTypedFileName(const UnicodeString& Value) {
  auto* run = static_cast<SaveDialogRun*>(FRunning);
  if (run == nullptr || run->dialog == nullptr) {
    FFileName = Value;
    return;
  }
  // An absolute path goes as the system's bytes, a bare name as the text shown.
  const bool absolute = !Value.empty() && (Value[0] == u'/' || Value[0] == u'\\' || (Value.size() > 1 && Value[1] == u':'));
  const std::string text = absolute ? HostPath(Value) : UnicodeToUtf8(Value);
  run->module->SetTypedName(run->dialog, text.c_str());
}

bool TSaveDialog::Execute(HWND ParentWnd) {
  FExtendedError = 0;
  const ZubGtkModule* module = host::LoadGtkModule();
  if (module == nullptr) {
    FExtendedError = cdErrLoadResFailure;
    return false;
  }
  std::vector<std::string> names, masks;
  for (const TFileTypeItem& item : FFileTypes) {
    names.push_back(UnicodeToUtf8(item.DisplayName));
    masks.push_back(UnicodeToUtf8(item.FileMask));
  }
  std::vector<const char*> namePtrs, maskPtrs;
  for (size_t i = 0; i < names.size(); ++i) {
    namePtrs.push_back(names[i].c_str());
    maskPtrs.push_back(masks[i].c_str());
  }
  const std::string title = UnicodeToUtf8(FTitle);
  const std::string folder = FInitialDir.empty() ? std::string() : HostPath(FInitialDir);
  const bool hasFolder = FFileName.find_first_of(u"\\/") != UnicodeString::npos;
  const std::string fileName = hasFolder ? HostPath(FFileName) : UnicodeToSystemName(FFileName);

  ZubGtkSaveRequest request{title.c_str(),
                            folder.c_str(),
                            fileName.c_str(),
                            static_cast<int32_t>(names.size()),
                            namePtrs.data(),
                            maskPtrs.data(),
                            FFilterIndex,
                            static_cast<uint64_t>(ParentWnd),
                            this,
                            &SaveDialogRun::TypeChanged};
  SaveDialogRun run{module};
  FRunning = &run;
  ZubGtkSaveResult result{};
  module->RunSaveDialog(&request, &result);
  FRunning = nullptr;
  const GtkString chosen{module, result.FileName};
  if (!FFileTypes.empty() && result.FilterIndex > 0) FFilterIndex = result.FilterIndex;
  FExtendedError = result.Error;
  if (result.Accepted == 0 || chosen.text == nullptr) return false;
  FFileName = SystemNameToUnicode(chosen.text);
  return true;
}

}  // namespace zub
