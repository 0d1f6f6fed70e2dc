// TFeatureMatrix's text file: Save, SaveToOpenFile, Load and LoadFromOpenFile.
#include <array>
#include <new>
#include <optional>

#include "dstruct/ZUB_dstruct.hpp"
#include "dstruct/feature_matrix.hpp"
#include "strings/tokens.hpp"
#include "strings/truth_text.hpp"

namespace zub {

namespace {

const std::array<UnicodeString, 5> kKindNames = {u"fkUndefined", u"fkInteger", u"fkDouble", u"fkString",
                                                 u"fkTriState"};

// fplGUIElem is never written, and read only to be skipped.
enum PropKey { pkFeatNum = 1, pkFeatName, pkFeatKind, pkComment, pkPresets, pkSorted, pkGUIElem };
const std::array<UnicodeString, 7> kPropKeys = {u"fplFeatNum", u"fplFeatName", u"fplFeatKind", u"fplComment",
                                                u"fplPresets", u"fplSorted",   u"fplGUIElem"};

bool HasLineBreak(std::u16string_view s) {
  return s.find_first_of(u"\r\n") != std::u16string_view::npos;
}

std::u16string_view TrimSpaces(std::u16string_view s) {
  const size_t first = s.find_first_not_of(u' ');
  if (first == std::u16string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(u' ') - first + 1);
}

// What stopped a load; the message says what was wrong with the line.
struct LoadError {
  UnicodeString Reason;
};

// Takes an integer from the front of s: spaces, an optional sign, decimal digits ended by a
// space or the end of s, within 32 bits. What names the number in the error.
int32_t TakeInt(std::u16string_view& s, const char16_t* what) {
  size_t i = 0;
  while (i < s.size() && s[i] == u' ') ++i;
  const size_t start = i;
  if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) ++i;
  const size_t digits = i;
  while (i < s.size() && s[i] >= u'0' && s[i] <= u'9') ++i;
  int32_t value = 0;
  if (i == digits || (i < s.size() && s[i] != u' ') || !TryStrToInt(s.substr(start, i - start), value))
    throw LoadError{UnicodeString(u"expected ") + what};
  s.remove_prefix(i);
  return value;
}

struct PropLine {
  int32_t Feature;
  int32_t Key;  // PropKey
  UnicodeString Value;
  int32_t Number;  // for pkFeatNum the number, for pkFeatKind the TFeatKind
};

}  // namespace

void TFeatureMatrix::NoteProblem(int32_t Line, std::u16string_view Text, const UnicodeString& Reason) {
  if (FLoadProblems.size() > MaxLoadProblems) return;
  if (FLoadProblems.size() == MaxLoadProblems) {
    FLoadProblems.push_back({Line, u"", u"further problems are not listed"});
    return;
  }
  FLoadProblems.push_back({Line, UnicodeString(Text.substr(0, 80)), Reason});
}

void TFeatureMatrix::CheckSavable() const {
  for (int32_t f = 1; f <= FNFeats; ++f) {
    const TFeatMatProps& p = *FFeatProps[static_cast<size_t>(f - 1)];
    if (HasLineBreak(p.FeatName()) || HasLineBreak(p.Comment()) || HasLineBreak(p.PresetValues()))
      Fail(u"a property of feature " + IntToStr(f) + u" holds a line break and cannot be saved");
  }
  for (int32_t o = 1; o <= FNObjs; ++o)
    for (int32_t f = 1; f <= FNFeats; ++f)
      if (HasLineBreak(Cell(f, o)))
        Fail(u"the value of feature " + IntToStr(f) + u", object " + IntToStr(o) +
             u" holds a line break and cannot be saved");
}

void TFeatureMatrix::SaveToOpenFile(TextFile& F) const {
  CheckSavable();
  WriteLn(F, u"#featdef " + IntToStr(FNFeats) + u" 1");
  for (int32_t f = 1; f <= FNFeats; ++f) {
    const TFeatMatProps& p = *FFeatProps[static_cast<size_t>(f - 1)];
    const UnicodeString ix = IntToStr(f) + u" ";
    WriteLn(F, ix + kPropKeys[0] + u" " + IntToStr(p.FeatNum()));
    WriteLn(F, ix + kPropKeys[1] + u" " + p.FeatName());
    WriteLn(F, ix + kPropKeys[2] + u" " + kKindNames[p.FeatKind() < kKindNames.size() ? p.FeatKind() : 0]);
    WriteLn(F, ix + kPropKeys[3] + u" " + p.Comment());
    WriteLn(F, ix + kPropKeys[4] + u" " + p.PresetValues());
    WriteLn(F, ix + kPropKeys[5] + u" " + BoolToStr(p.Sorted(), 0));
  }
  WriteLn(F, u"#featvals " + IntToStr(FNFeats) + u" " + IntToStr(FNObjs));
  for (int32_t o = 1; o <= FNObjs; ++o)
    for (int32_t f = 1; f <= FNFeats; ++f) {
      const UnicodeString& v = Cell(f, o);
      if (!v.empty()) WriteLn(F, IntToStr(f) + u" " + IntToStr(o) + u" " + v);
    }
  WriteLn(F, u"#featend");
}

void TFeatureMatrix::Save(const UnicodeString& FName) const {
  CheckSavable();  // before the old file is replaced
  TextFile f;
  AssignFile(f, FName);
  Rewrite(f);
  try {
    SaveToOpenFile(f);
    CloseFile(f);
  } catch (...) {
    try {
      CloseFile(f);
    } catch (const Exception&) {
    }
    RemovePartialFile(FName);
    throw;
  }
}

int32_t TFeatureMatrix::Load(const UnicodeString& FName) {
  if (!FileExists(FName)) return -1;
  TextFile f;
  AssignFile(f, FName);
  Reset(f);
  const int32_t status = LoadFromOpenFile(f);
  try {
    CloseFile(f);
  } catch (const EInOutError&) {
    // Reading is done; a failing close of an input file loses nothing.
  }
  return status == 0 ? 0 : status - 1;
}

int32_t TFeatureMatrix::LoadFromOpenFile(TextFile& F) {
  // Cleared without an announcement: the load ends with its one Changed.
  ResizeTable(0, 0);
  FLoadProblems.clear();
  int32_t status = -1;
  int32_t lineNo = 0;
  bool haveFeatdef = false;
  UnicodeString line;
  auto nextLine = [&]() {
    ReadLn(F, line);
    ++lineNo;
  };
  try {
    try {
      bool done = false;
      while (!done && !Eof(F)) {
        nextLine();
        if (line.empty()) continue;
        if (line[0] != u'#') {
          NoteProblem(lineNo, line, u"outside a section; ignored");
          continue;
        }
        const size_t space = line.find(u' ');
        if (space == UnicodeString::npos) {
          NoteProblem(lineNo, line, u"no section keyword; ignored");
          continue;
        }
        const std::u16string_view keyword = std::u16string_view(line).substr(1, space - 1);
        std::u16string_view rest = TrimSpaces(std::u16string_view(line).substr(space + 1));
        const int32_t section = StringIx(keyword, false, {u"featdef", u"featvals"});
        if (section == 1) {
          status = 0;
          const int32_t count = TakeInt(rest, u"the feature count");
          const int32_t version = TakeInt(rest, u"the format version");
          if (version != 1) {
            NoteProblem(lineNo, line,
                        u"format version " + IntToStr(version) + u" is not read; section ignored");
            continue;
          }
          if (count < 0) throw LoadError{u"negative feature count"};
          ResizeTable(0, FNObjs);
          // The descriptors come only once all property lines are there, so a count the
          // file does not back with lines never allocates them.
          std::vector<PropLine> props;
          for (int64_t k = 0; k < int64_t{6} * count; ++k) {
            if (Eof(F)) throw LoadError{u"the file ends inside the featdef section"};
            nextLine();
            std::u16string_view s = line;
            const int32_t feature = TakeInt(s, u"a feature index");
            s = TrimSpaces(s);
            const size_t sep = s.find(u' ');
            if (sep == std::u16string_view::npos) continue;  // an empty value: the default stays
            const std::u16string_view key = s.substr(0, sep);
            const std::u16string_view value = TrimSpaces(s.substr(sep + 1));
            const int32_t keyIx = StringIx(key, false, kPropKeys);
            if (keyIx == 0) {
              NoteProblem(lineNo, line, u"unknown property key; ignored");
              continue;
            }
            if (keyIx == pkGUIElem) continue;
            if (feature < 1 || feature > count) {
              NoteProblem(lineNo, line, u"feature index outside 1.." + IntToStr(count) + u"; ignored");
              continue;
            }
            PropLine p{feature, keyIx, UnicodeString(value), 0};
            if (keyIx == pkFeatNum && !TryStrToInt(value, p.Number))
              throw LoadError{u"the feature number is not an integer"};
            if (keyIx == pkFeatKind) {
              p.Number = StringIx(value, false, kKindNames) - 1;
              if (p.Number < 0) {
                NoteProblem(lineNo, line, u"unknown feature kind; fkUndefined kept");
                continue;
              }
            }
            props.push_back(std::move(p));
          }
          ResizeTable(count, FNObjs);
          haveFeatdef = true;
          for (const PropLine& p : props) {
            TFeatMatProps& d = *FFeatProps[static_cast<size_t>(p.Feature - 1)];
            switch (p.Key) {
              case pkFeatNum:
                d.SetFeatNum(p.Number);
                break;
              case pkFeatName:
                d.SetFeatName(p.Value);
                break;
              case pkFeatKind:
                d.SetFeatKind(static_cast<TFeatKind>(p.Number));
                break;
              case pkComment:
                d.SetComment(p.Value);
                break;
              case pkPresets:
                d.SetPresetValues(p.Value);
                break;
              case pkSorted:
                d.SetSorted(SameText(p.Value, u"true"));
                break;
              default:
                break;
            }
          }
        } else if (section == 2) {
          status = 0;
          const int32_t nf = TakeInt(rest, u"the feature count");
          const int32_t no = TakeInt(rest, u"the object count");
          if (nf < 0 || no < 0) throw LoadError{u"negative count"};
          if (int64_t{std::max(nf, 1)} * std::max(no, 1) > MaxFileValues)
            throw LoadError{u"a value table of " + IntToStr(nf) + u" x " + IntToStr(no) +
                            u" is larger than " + IntToStr(MaxFileValues) + u" values"};
          if (!haveFeatdef)
            NoteProblem(lineNo, line, u"no featdef section before; the features get default descriptors");
          else if (nf != FNFeats)
            NoteProblem(lineNo, line, u"the featdef section declared " + IntToStr(FNFeats) + u" features");
          ResizeTable(nf, no);
          while (!Eof(F)) {
            nextLine();
            if (line.empty() || line[0] == u'#') break;
            std::u16string_view s = line;
            const int32_t f = TakeInt(s, u"a feature index");
            const int32_t o = TakeInt(s, u"an object index");
            if (!InRange(f, o)) {
              NoteProblem(lineNo, line,
                          u"index outside " + IntToStr(nf) + u" x " + IntToStr(no) + u"; ignored");
              continue;
            }
            Cell(f, o) = UnicodeString(TrimSpaces(s));
          }
          done = true;
        } else {
          NoteProblem(lineNo, line, u"unknown section keyword; ignored");
        }
      }
    } catch (const std::bad_alloc&) {
      throw LoadError{u"not enough memory"};
    } catch (const Exception& e) {
      throw LoadError{e.Message()};
    }
  } catch (const LoadError& e) {
    NoteProblem(lineNo, line, e.Reason);
    status = -2;
  }
  Changed();
  return status;
}

}  // namespace zub
