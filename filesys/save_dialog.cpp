#include "filesys/save_dialog.hpp"

#include "filesys/path_names.hpp"
#include "streams/number_scan.hpp"
#include "streams/tag_reader.hpp"
#include "strings/tokens.hpp"

namespace zub {

TUnivSaveDialog::TUnivSaveDialog(TComponent* AOwner) : TCommonDialog(AOwner) {}

TUnivSaveDialog::~TUnivSaveDialog() = default;

void TUnivSaveDialog::Fail(const UnicodeString& Text) const {
  throw EZUBFileSysError(ComponentMessage(*this, Text));
}

UnicodeString TUnivSaveDialog::ExtractParamAsString(const UnicodeString& ParName) const {
  return ScanForXMLAttrib(FParams, ParName);
}

UnicodeString TUnivSaveDialog::RequiredParam(const UnicodeString& ParName) const {
  UnicodeString value = ExtractParamAsString(ParName);
  if (value.empty()) Fail(ParName + u" is not specified in property Parameters");
  return value;
}

int32_t TUnivSaveDialog::ExtractParamAsInt(const UnicodeString& ParName) const {
  return ScanTextIntPrefix(RequiredParam(ParName));
}

double TUnivSaveDialog::ExtractParamAsDouble(const UnicodeString& ParName) const {
  return ScanTextFPNum(RequiredParam(ParName), true, 3).Result();
}

bool TUnivSaveDialog::IsForbiddenDir(const UnicodeString& Path) const {
  if (Path.empty() || FForbiddenDir.empty()) return false;
  return AnsiLowerCase(Path).starts_with(AnsiLowerCase(FForbiddenDir));
}

void TUnivSaveDialog::SaveDiagTypeChange(TObject* Sender) {
  auto* dialog = dynamic_cast<TSaveDialog*>(Sender);
  if (dialog == nullptr) return;
  const int32_t index = dialog->FilterIndex();
  const auto& types = dialog->FileTypes();
  if (index < 1 || index > static_cast<int32_t>(types.size())) return;
  // The first pattern of the mask ("*.htm;*.html" gives "*.htm") without its first character.
  const UnicodeString& mask = types[index - 1].FileMask;
  const UnicodeString first = mask.substr(0, mask.find(u';'));
  const UnicodeString ext = first.empty() ? UnicodeString() : first.substr(1);
  if (ext == u".*") return;
  UnicodeString name = dialog->TypedFileName();
  if (name.empty()) name = dialog->FileName();
  if (name.empty()) return;
  dialog->SetTypedFileName(StripExtension(name) + ext);
}

TModalResult TUnivSaveDialog::SelectWithStandardDialog() {
  SDiag = std::make_unique<TSaveDialog>(nullptr);
  TStrArray items;
  Tokenize(ExtractParamAsString(u"filter"), u"|", items);
  for (size_t i = 0; i + 1 < items.size(); i += 2) SDiag->FileTypes().push_back({items[i], items[i + 1]});
  const UnicodeString ext = ExtractParamAsString(u"ext");
  SDiag->SetTitle(ExtractParamAsString(u"caption"));
  SDiag->SetInitialDir(ExtractParamAsString(u"initialdir"));
  SDiag->SetFilterIndex(FFilterIndex);
  SDiag->SetFileName(FFileName);
  SDiag->SetOnTypeChange([this](TObject* Sender) { SaveDiagTypeChange(Sender); });
  TModalResult action = mrCancel;
  if (SDiag->Execute(FParentWnd))
    action = mrOk;
  else if (SDiag->ExtendedError() != 0)
    Fail(u"Error in standard dialog (errnum = $" + IntToHex(static_cast<int64_t>(SDiag->ExtendedError()), 4) +
         u").");
  FFileName = SDiag->FileName();
  FFilterIndex = SDiag->FilterIndex();
  if (!ext.empty()) FFileName = StripExtension(FFileName) + u"." + ext;
  SDiag.reset();
  return action;
}

TUnivSaveDialog::Outcome TUnivSaveDialog::CheckOverwrite() {
  bool exists = false;
  if (FUseStdDiag)
    exists = FileExists(FFileName);
  else if (FOnFileCheck)
    FOnFileCheck(this, FFileName, exists);
  if (!exists) return Outcome::Accepted;
  if (!FOnOverwrite) Fail(u"Overwrite dialog is not assigned");
  TModalResult reply = mrNo;
  FOnOverwrite(this, FFileName, reply);
  switch (reply) {
    case mrCancel:
      return Outcome::Cancelled;
    case mrYes:
      return Outcome::Accepted;
    case mrNo:
      return Outcome::Again;
    default:
      Fail(u"Invalid reply argument from overwrite dialog");
  }
}

bool TUnivSaveDialog::Execute() {
  for (;;) {
    TModalResult action = mrCancel;
    if (FUseStdDiag) {
      action = SelectWithStandardDialog();
    } else {
      if (!FOnFileSelect) Fail(u"File select dialog is not assigned");
      FOnFileSelect(this, FParams, action, FFileName);
    }
    if (action != mrOk) return false;
    const UnicodeString path = ExtractFilePath(FFileName);
    if (IsForbiddenDir(path)) {
      TModalResult reply = mrYes;
      if (FOnForbiddenDir) FOnForbiddenDir(this, path, reply);
      if (reply == mrCancel) return false;
      if (reply != mrYes) continue;
    }
    switch (CheckOverwrite()) {
      case Outcome::Accepted:
        return true;
      case Outcome::Cancelled:
        return false;
      case Outcome::Again:
        break;
    }
  }
}

}  // namespace zub
