#include "dstruct/feature_matrix.hpp"

#include <algorithm>
#include <new>

#include "dstruct/ZUB_dstruct.hpp"
#include "streams/number_scan.hpp"

namespace zub {

namespace {

bool IsDigit(Char c) {
  return c >= u'0' && c <= u'9';
}

// A sign or digit first, digits after it; a single character must be a digit.
bool IsIntegerText(std::u16string_view s) {
  if (s.empty()) return false;
  if (s.size() == 1) return IsDigit(s[0]);
  if (!IsDigit(s[0]) && s[0] != u'+' && s[0] != u'-') return false;
  return std::all_of(s.begin() + 1, s.end(), IsDigit);
}

// The number scanner with "." alone reads a number from the start (only spaces before it);
// an exponent beyond the scanner's cap makes the text no number.
bool BeginsWithNumber(std::u16string_view s) {
  const TFPNumScanner scanner = ScanTextFPNum(s, true, 1);
  return scanner.Done() && !scanner.ExponentCapped();
}

bool IsTriStateText(std::u16string_view s) {
  return s.empty() || SameText(s, u"true") || SameText(s, u"false");
}

UnicodeString TriStateText(TTriState v) {
  return v == tsTrue ? u"true" : v == tsFalse ? u"false" : u"";
}

UnicodeString KindDefault(TFeatKind kind) {
  return (kind == fkInteger || kind == fkDouble) ? u"0" : u"";
}

const TFeatMatProps& DefaultProps() {
  static const TFeatMatProps defaults;
  return defaults;
}

}  // namespace

TFeatureMatrix::TFeatureMatrix(TComponent* AOwner) : TComponent(AOwner) {
  Clear();
}

TFeatureMatrix::~TFeatureMatrix() = default;

void TFeatureMatrix::Fail(const UnicodeString& Ending) const {
  throw EZUBDStructError(ComponentMessage(*this, Ending));
}

bool TFeatureMatrix::InRange(int32_t fix, int32_t obj) const {
  return fix >= 1 && fix <= FNFeats && obj >= 1 && obj <= FNObjs;
}

void TFeatureMatrix::Changed() {
  if (FOnChange) FOnChange(this);
}

void TFeatureMatrix::Clear() {
  FFeatProps.clear();
  FFeatVals.clear();
  FNFeats = 0;
  FNObjs = 0;
  Changed();
}

void TFeatureMatrix::ResizeTable(int32_t NFeats, int32_t NObjs) {
  if (NFeats < 0) Fail(u"feature count must not be negative (" + IntToStr(NFeats) + u")");
  if (NObjs < 0) Fail(u"object count must not be negative (" + IntToStr(NObjs) + u")");
  const auto nf = static_cast<size_t>(NFeats);
  const auto no = static_cast<size_t>(NObjs);
  try {
    // Objects first: growing may fail, and is then undone (shrinking cannot fail).
    try {
      for (auto& values : FFeatVals) values.resize(no);
    } catch (...) {
      for (auto& values : FFeatVals) values.resize(static_cast<size_t>(FNObjs));
      throw;
    }
    FNObjs = NObjs;
    const size_t oldFeats = FFeatVals.size();
    try {
      FFeatProps.resize(std::min(nf, oldFeats));
      FFeatVals.resize(std::min(nf, oldFeats));
      while (FFeatVals.size() < nf) {
        FFeatProps.push_back(std::make_unique<TFeatMatProps>());
        FFeatVals.emplace_back(no);
      }
    } catch (...) {
      FFeatProps.resize(std::min(FFeatProps.size(), oldFeats));
      FFeatVals.resize(std::min(FFeatVals.size(), oldFeats));
      throw;
    }
  } catch (const std::bad_alloc&) {
    Fail(u"not enough memory on heap");
  } catch (const std::length_error&) {
    Fail(u"not enough memory on heap");
  }
  FNFeats = NFeats;
}

void TFeatureMatrix::SetNFeats(int32_t n) {
  ResizeTable(n, FNObjs);
  Changed();
}

void TFeatureMatrix::SetNObjs(int32_t n) {
  ResizeTable(FNFeats, n);
  Changed();
}

bool TFeatureMatrix::Resize(int32_t NFeats, int32_t NObjs) {
  if (NFeats < 0 || NObjs < 0) return false;
  try {
    SetNObjs(NObjs);
    SetNFeats(NFeats);
    Changed();
    return true;
  } catch (...) {
    return false;
  }
}

TFeatMatProps* TFeatureMatrix::GetFeatProps(int32_t fix) {
  if (fix >= 1 && fix <= FNFeats) return FFeatProps[static_cast<size_t>(fix - 1)].get();
  if (!FSpareProps) FSpareProps = std::make_unique<TFeatMatProps>();
  FSpareProps->Clear();
  return FSpareProps.get();
}

const TFeatMatProps* TFeatureMatrix::GetFeatProps(int32_t fix) const {
  if (fix >= 1 && fix <= FNFeats) return FFeatProps[static_cast<size_t>(fix - 1)].get();
  return &DefaultProps();
}

void TFeatureMatrix::SetFeatProps(int32_t fix, std::unique_ptr<TFeatMatProps> FeatMatProps) {
  if (fix < 1 || fix > FNFeats || !FeatMatProps) return;
  FFeatProps[static_cast<size_t>(fix - 1)] = std::move(FeatMatProps);
  Changed();
}

// --- Typed access ---

void TFeatureMatrix::CheckValueText(int32_t fix, const UnicodeString& FeatVal, bool AllowEmpty) const {
  const TFeatKind kind = KindOf(fix);
  if (kind == fkUndefined) Fail(u"feature " + IntToStr(fix) + u" is undefined");
  if (FeatVal.empty() && AllowEmpty) return;
  switch (kind) {
    case fkInteger:
      if (!IsIntegerText(FeatVal)) Fail(u"feature value \"" + FeatVal + u"\" is not a valid integer number");
      break;
    case fkDouble:
      if (!BeginsWithNumber(FeatVal))
        Fail(u"feature value \"" + FeatVal + u"\" is not a valid floating point number");
      break;
    case fkTriState:
      if (!IsTriStateText(FeatVal))
        Fail(u"feature value \"" + FeatVal + u"\" is not a valid tri-state value");
      break;
    default:
      break;
  }
}

UnicodeString TFeatureMatrix::GetFeatValStr(int32_t fix, int32_t obj) const {
  if (!InRange(fix, obj)) return u"";
  if (KindOf(fix) == fkUndefined) Fail(u"feature " + IntToStr(fix) + u" is undefined");
  return Cell(fix, obj);
}

void TFeatureMatrix::SetFeatValStr(int32_t fix, int32_t obj, const UnicodeString& FeatVal) {
  if (!InRange(fix, obj)) return;
  CheckValueText(fix, FeatVal, true);
  Cell(fix, obj) = FeatVal;
  Changed();
}

int64_t TFeatureMatrix::GetFeatValInt(int32_t fix, int32_t obj) const {
  if (!InRange(fix, obj)) return 0;
  const UnicodeString& text = Cell(fix, obj);
  if (!IsIntegerText(text)) Fail(u"feature is not an integer");
  return StrToInt64(text);
}

void TFeatureMatrix::SetFeatValint(int32_t fix, int32_t obj, int64_t FeatVal) {
  if (!InRange(fix, obj)) return;
  const TFeatKind kind = KindOf(fix);
  if (kind == fkUndefined || kind == fkTriState) Fail(u"feature is not of numeric or string type");
  Cell(fix, obj) = IntToStr(FeatVal);
  Changed();
}

double TFeatureMatrix::GetFeatValDouble(int32_t fix, int32_t obj) const {
  if (!InRange(fix, obj)) return 0;
  const UnicodeString& text = Cell(fix, obj);
  if (!BeginsWithNumber(text)) Fail(u"feature is not a floating point number");
  return StrToFloat(text);
}

void TFeatureMatrix::SetFeatValDouble(int32_t fix, int32_t obj, double FeatVal) {
  if (!InRange(fix, obj)) return;
  const TFeatKind kind = KindOf(fix);
  if (kind != fkDouble && kind != fkString) Fail(u"feature is not a floating point or string type");
  Cell(fix, obj) = FloatToStr(FeatVal);
  Changed();
}

TTriState TFeatureMatrix::GetFeatValTriState(int32_t fix, int32_t obj) const {
  if (!InRange(fix, obj)) return tsUndefined;
  const UnicodeString& text = Cell(fix, obj);
  if (!IsTriStateText(text)) Fail(u"feature is not a tri-state value");
  if (text.empty()) return tsUndefined;
  return SameText(text, u"true") ? tsTrue : tsFalse;
}

void TFeatureMatrix::SetFeatValTriState(int32_t fix, int32_t obj, TTriState FeatVal) {
  if (!InRange(fix, obj)) return;
  const TFeatKind kind = KindOf(fix);
  if (kind != fkTriState && kind != fkString) Fail(u"feature is not a tri-state or string type");
  Cell(fix, obj) = TriStateText(FeatVal);
  Changed();
}

bool TFeatureMatrix::Fill(int32_t fix, const UnicodeString& FeatVal) {
  if (fix < 1 || fix > FNFeats) return false;
  const TFeatKind kind = KindOf(fix);
  CheckValueText(fix, FeatVal, kind != fkInteger && kind != fkDouble);
  auto& values = FFeatVals[static_cast<size_t>(fix - 1)];
  std::fill(values.begin(), values.end(), FeatVal);
  Changed();
  return true;
}

bool TFeatureMatrix::FillKind(int32_t fix, TFeatKind Kind, const UnicodeString& Text,
                              const char16_t* KindText) {
  if (fix < 1 || fix > FNFeats) return false;
  if (KindOf(fix) != Kind) Fail(u"feature " + IntToStr(fix) + KindText);
  auto& values = FFeatVals[static_cast<size_t>(fix - 1)];
  std::fill(values.begin(), values.end(), Text);
  Changed();
  return true;
}

bool TFeatureMatrix::Fill(int32_t fix, int64_t FeatVal) {
  return FillKind(fix, fkInteger, IntToStr(FeatVal), u" is not an integer number");
}

bool TFeatureMatrix::Fill(int32_t fix, double FeatVal) {
  return FillKind(fix, fkDouble, FloatToStr(FeatVal), u" is not floating point number");
}

bool TFeatureMatrix::Fill(int32_t fix, TTriState FeatVal) {
  return FillKind(fix, fkTriState, TriStateText(FeatVal), u" is not a tri-state value");
}

// --- Structure ---

void TFeatureMatrix::InsertObject(int32_t obj) {
  if (obj < 1 || obj > FNObjs) return;
  ResizeTable(FNFeats, FNObjs + 1);
  for (auto& values : FFeatVals)
    std::rotate(values.begin() + (obj - 1), values.end() - 1, values.end());  // the new empty one to obj
  ClearObject(obj);
  Changed();
}

void TFeatureMatrix::RemoveObject(int32_t obj) {
  if (obj < 1 || obj > FNObjs) return;
  for (auto& values : FFeatVals) values.erase(values.begin() + (obj - 1));
  --FNObjs;
  Changed();
}

void TFeatureMatrix::ClearObject(int32_t obj) {
  if (obj < 1 || obj > FNObjs) return;
  for (int32_t f = 1; f <= FNFeats; ++f) Cell(f, obj) = KindDefault(KindOf(f));
  Changed();
}

void TFeatureMatrix::CopyObject(int32_t Source, int32_t Target) {
  if (Source < 1 || Source > FNObjs || Target < 1 || Target > FNObjs) return;
  for (int32_t f = 1; f <= FNFeats; ++f) Cell(f, Target) = Cell(f, Source);
  Changed();
}

void TFeatureMatrix::InsertFeature(int32_t feat) {
  if (feat < 1 || feat > FNFeats + 1) return;
  ResizeTable(FNFeats + 1, FNObjs);
  for (int32_t i = FNFeats; i > feat; --i)
    FFeatProps[static_cast<size_t>(i - 1)]->Assign(FFeatProps[static_cast<size_t>(i - 2)].get());
  FFeatProps[static_cast<size_t>(feat - 1)]->Clear();
  std::rotate(FFeatVals.begin() + (feat - 1), FFeatVals.end() - 1, FFeatVals.end());
  Changed();
}

void TFeatureMatrix::RemoveFeature(int32_t feat) {
  if (feat < 1 || feat > FNFeats) return;
  for (int32_t i = feat; i < FNFeats; ++i)
    FFeatProps[static_cast<size_t>(i - 1)]->Assign(FFeatProps[static_cast<size_t>(i)].get());
  FFeatProps.pop_back();
  FFeatVals.erase(FFeatVals.begin() + (feat - 1));
  --FNFeats;
  Changed();
}

void TFeatureMatrix::ClearFeature(int32_t feat) {
  if (feat < 1 || feat > FNFeats) return;
  auto& values = FFeatVals[static_cast<size_t>(feat - 1)];
  std::fill(values.begin(), values.end(), KindDefault(KindOf(feat)));
  Changed();
}

void TFeatureMatrix::ResetToDefault() {
  for (int32_t obj = 1; obj <= FNObjs; ++obj) ClearObject(obj);
}

void TFeatureMatrix::Assign(const TPersistent* Source) {
  if (const auto* src = dynamic_cast<const TFeatureMatrix*>(Source)) {
    if (src == this) return;
    SetNFeats(src->FNFeats);
    SetNObjs(src->FNObjs);
    for (size_t i = 0; i < FFeatProps.size(); ++i) FFeatProps[i]->Assign(src->FFeatProps[i].get());
    FFeatVals = src->FFeatVals;
    FOnChange = src->FOnChange;
    return;
  }
  TPersistent::Assign(Source);
}

void TFeatureMatrix::AssignTo(TPersistent* Dest) const {
  AssignToOwnClass<TFeatureMatrix>(Dest);
}

// --- Ranges and searches ---

bool TFeatureMatrix::ClampedRange(int32_t IxFrom, int32_t IxTo, int32_t& First, int32_t& Last) const {
  if (FNFeats == 0) return false;
  if (IxFrom == 0 && IxTo == 0) {
    First = 1;
    Last = FNFeats;
    return true;
  }
  First = std::clamp(IxFrom, 1, FNFeats);
  Last = std::clamp(IxTo, 1, FNFeats);
  if (First > Last) std::swap(First, Last);
  return true;
}

void TFeatureMatrix::SetFeatType(int32_t IxFrom, int32_t IxTo, TFeatKind FeatKind) {
  int32_t first = 0, last = 0;
  if (!ClampedRange(IxFrom, IxTo, first, last)) return;
  for (int32_t i = first; i <= last; ++i) FFeatProps[static_cast<size_t>(i - 1)]->SetFeatKind(FeatKind);
}

void TFeatureMatrix::RenumberFeatures(int32_t IxFrom, int32_t IxTo, int32_t FirstNum, int32_t Delta) {
  int32_t first = 0, last = 0;
  if (!ClampedRange(IxFrom, IxTo, first, last)) return;
  for (int32_t i = first; i <= last; ++i) {
    const uint32_t n =
        static_cast<uint32_t>(FirstNum) + static_cast<uint32_t>(i - first) * static_cast<uint32_t>(Delta);
    FFeatProps[static_cast<size_t>(i - 1)]->SetFeatNum(static_cast<int32_t>(n));
  }
}

int32_t TFeatureMatrix::FindFeatName(const UnicodeString& Name) const {
  for (int32_t i = 0; i < FNFeats; ++i)
    if (SameText(FFeatProps[static_cast<size_t>(i)]->FeatName(), Name)) return i + 1;
  return -1;
}

int32_t TFeatureMatrix::FindFeatNum(int32_t Num) const {
  for (int32_t i = 0; i < FNFeats; ++i)
    if (FFeatProps[static_cast<size_t>(i)]->FeatNum() == Num) return i + 1;
  return -1;
}

}  // namespace zub
