// TFeatureMatrix: a table of features (columns) by objects (rows). Each feature has a
// descriptor (TFeatMatProps) whose kind decides what its values may be; every value is
// stored as text, empty meaning no value. The matrix saves itself to a line-oriented text
// file and loads it back.
//
// Features and objects count from 1. Out-of-range indices are never errors: readers return
// an empty text, 0 or tsUndefined, writers and editors do nothing. Errors raise
// EZUBDStructError with 'Component "Name": ' before the text. Every change ends with
// Changed, which calls OnChange; the few exceptions are said below.
//
// Text forms of the kinds: integer, decimal digits with an optional sign; double, the
// locale's FloatToStr form; tri-state, "true", "false" or empty; string, any text.
//
// The file (Windows-1252, CR LF line ends, items separated by one space):
//   #featdef 2 1                 feature count, format version 1
//   1 fplFeatNum 0               six property lines per feature: index, key, value
//   1 fplFeatName height
//   1 fplFeatKind fkDouble
//   1 fplComment                 an empty value ends the line after the key
//   1 fplPresets
//   1 fplSorted FALSE
//   ...
//   #featvals 2 3                feature count, object count
//   1 1 1.85                     feature, object, value: non-empty values only,
//   2 1 tall                     objects outer, features inner
//   #featend
// Reading matches keywords and keys in either case, trims the spaces around values (so
// those are not kept) and ignores lines that do not begin with "#" outside the sections.
//
// Choices of this implementation where the behaviour is otherwise open:
// - Negative counts given to SetNFeats or SetNObjs raise EZUBDStructError and change
//   nothing; Resize then returns false, also without changing anything. A table that
//   cannot be allocated raises the ': not enough memory on heap' error and keeps its size.
// - SetFeatProps releases the descriptor it replaces; pointers to that one dangle.
// - GetFeatProps outside the features returns a default descriptor that the matrix keeps
//   (reset to the defaults at each such call), so the caller never has to release it.
// - The destructor releases everything without calling OnChange: the handler's owner may
//   already be gone when a matrix is destroyed.
// - Save refuses texts that hold a line break (CR or LF): the format has no way to write
//   them, and the rest of the line would be read back as lines of its own.
// - Loading a file the writer would not write (see LoadFromOpenFile for the details):
//   property and value lines whose indices lie outside the declared counts, and kind names
//   that are none of the five, are skipped (the kind stays fkUndefined); a featvals section
//   whose feature count differs from the featdef section's gives the matrix the featvals
//   count, with default descriptors for features that featdef did not declare. Each such
//   line is listed in LoadProblems.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "dstruct/feat_mat_props.hpp"
#include "foundation/ZUB_zubbase.hpp"

namespace zub {

// A line of a loaded file that was skipped or stopped the load.
struct TFeatMatLoadProblem {
  int32_t Line = 0;      // 1-based line number in the file
  UnicodeString Text;    // the line itself, cut after 80 characters
  UnicodeString Reason;  // what was wrong with it, in English
};

class TFeatureMatrix : public TComponent {
 public:
  // A file never makes a value table of more values than this (counting a count of 0 as
  // 1), whatever its featvals line declares.
  static constexpr int64_t MaxFileValues = int64_t{1} << 22;
  // LoadProblems keeps at most this many entries, then one saying that more were skipped.
  static constexpr size_t MaxLoadProblems = 1000;

  // No features and no objects.
  explicit TFeatureMatrix(TComponent* AOwner);
  ~TFeatureMatrix() override;
  UnicodeString ClassName() const override { return u"TFeatureMatrix"; }

  // From another TFeatureMatrix takes the counts (through SetNFeats and SetNObjs), a copy
  // of each descriptor, every value and the OnChange handler; any other source fails as in
  // TPersistent.
  void Assign(const TPersistent* Source) override;

  // Releases all descriptors and values; both counts become 0.
  void Clear();
  // SetNObjs(NObjs), then SetNFeats(NFeats), then Changed: true. False when either count
  // is negative (nothing changes) or the table cannot be allocated.
  bool Resize(int32_t NFeats, int32_t NObjs);

  int32_t NFeatures() const { return FNFeats; }
  // Features beyond n go with their descriptors and values; new ones get a default
  // descriptor and empty values.
  void SetNFeats(int32_t n);
  int32_t NObjects() const { return FNObjs; }
  // Objects beyond n go; new ones have empty values.
  void SetNObjs(int32_t n);

  // The matrix's own descriptor of feature fix (1 .. NFeatures); see the header comment for
  // other indices. Valid until the feature goes or its descriptor is replaced.
  TFeatMatProps* GetFeatProps(int32_t fix);
  const TFeatMatProps* GetFeatProps(int32_t fix) const;
  // Hands FeatMatProps over to the matrix as the descriptor of feature fix, releasing the
  // one it had. Outside 1 .. NFeatures, or for a null pointer, nothing is stored and no
  // change is announced (a given descriptor is then released).
  void SetFeatProps(int32_t fix, std::unique_ptr<TFeatMatProps> FeatMatProps);

  // The stored text. Raises ': feature N is undefined' for a feature of kind fkUndefined.
  UnicodeString GetFeatValStr(int32_t fix, int32_t obj) const;
  // Checks FeatVal against the feature's kind and stores it unchanged: an integer feature
  // takes an integer text, a double feature a text that begins with a number (whatever
  // follows it), a tri-state feature "true" or "false" in any case; the empty text is
  // taken by all of these, any text by a string feature, nothing by an undefined one.
  void SetFeatValStr(int32_t fix, int32_t obj, const UnicodeString& FeatVal);
  // Any kind; the text must be an integer (': feature is not an integer'). A text beyond
  // 64 bits raises EConvertError from the conversion.
  int64_t GetFeatValInt(int32_t fix, int32_t obj) const;
  // Integer, double and string features; stores the decimal text.
  void SetFeatValint(int32_t fix, int32_t obj, int64_t FeatVal);
  // Any kind; the text must begin with a number (': feature is not a floating point
  // number') and is then converted as a whole with StrToFloat under the current format
  // settings, whose EConvertError propagates (so "2.5x" passes the first test but raises).
  double GetFeatValDouble(int32_t fix, int32_t obj) const;
  // Double and string features; stores FloatToStr(FeatVal).
  void SetFeatValDouble(int32_t fix, int32_t obj, double FeatVal);
  // Any kind; "true", "false" (in any case) or empty, else ': feature is not a tri-state
  // value'.
  TTriState GetFeatValTriState(int32_t fix, int32_t obj) const;
  // Tri-state and string features; stores "true", "false" or the empty text.
  void SetFeatValTriState(int32_t fix, int32_t obj, TTriState FeatVal);

  // Store one value into every object of feature fix and end with one Changed; false (and
  // nothing done) outside 1 .. NFeatures. The text form checks as SetFeatValStr does but
  // rejects the empty text for integer and double features; the others need the feature of
  // their own kind.
  bool Fill(int32_t fix, const UnicodeString& FeatVal);
  bool Fill(int32_t fix, int64_t FeatVal);
  bool Fill(int32_t fix, int32_t FeatVal) { return Fill(fix, int64_t{FeatVal}); }
  bool Fill(int32_t fix, double FeatVal);
  bool Fill(int32_t fix, TTriState FeatVal);

  // A new object at obj (1 .. NObjects; appending is done through SetNObjs), cleared as
  // ClearObject does.
  void InsertObject(int32_t obj);
  void RemoveObject(int32_t obj);
  // Kind defaults: "0" in integer and double features, the empty text in the others.
  void ClearObject(int32_t obj);
  // Copies every value of object Source into object Target.
  void CopyObject(int32_t Source, int32_t Target);
  // A new feature at feat (1 .. NFeatures + 1) with a default descriptor and empty values.
  // The descriptors after it move up by copying, so the descriptor objects stay in place
  // and a new one is added at the end.
  void InsertFeature(int32_t feat);
  // The descriptors after feat move down by copying; the last descriptor object goes.
  void RemoveFeature(int32_t feat);
  // Kind defaults for one feature.
  void ClearFeature(int32_t feat);
  // Kind defaults everywhere: ClearObject for each object (one Changed per object).
  void ResetToDefault();

  // On a feature range (both 0: all features; otherwise each bound clamped to
  // 1 .. NFeatures, reversed bounds exchanged; nothing without features), without calling
  // Changed: sets the kind without touching a value, or numbers feature i of the range
  // FirstNum + (i - first) * Delta (wrapping as 32-bit arithmetic).
  void SetFeatType(int32_t IxFrom, int32_t IxTo, TFeatKind FeatKind);
  void RenumberFeatures(int32_t IxFrom, int32_t IxTo, int32_t FirstNum, int32_t Delta);
  // Names features IxFrom .. IxTo (both 0: all; reversed bounds allowed) from Template,
  // where placeholders <%Xparam%> are replaced (the letter X in either case):
  //   D  the feature's number N = FirstNum + (i - first) * Delta; param w (an integer,
  //      empty = 0): 0 plain, w > 0 right-aligned in w characters (cut to the last w when
  //      longer), w < 0 exactly |w| digits of |N| zero-padded, "-" before a negative N
  //   I  the same with the feature index i
  //   H  N in upper-case hex with exactly w digits (w below 1 as 1, above 16 as 16),
  //      negative N as its 32-bit two's complement
  //   T  the date and time of the call formatted by FormatDateTime with param as format
  // Returns 0, -1 when a bound lies outside 1 .. NFeatures (nothing renamed), or -2 when
  // the template does not expand: a "<%" without a later "%>", a "%>" before the first
  // "<%", another letter, a param that is not an integer, or an expansion beyond 65536
  // characters or 4096 placeholders; features before the failing one keep their new names.
  // No Changed.
  int32_t GenerateFeatNames(const UnicodeString& Template, int32_t IxFrom, int32_t IxTo, int32_t FirstNum,
                            int32_t Delta);
  // The first feature whose name equals Name with A..Z folded, or -1.
  int32_t FindFeatName(const UnicodeString& Name) const;
  // The first feature whose number is Num, or -1.
  int32_t FindFeatNum(int32_t Num) const;

  // Writes the file (see the header comment) to FName, replacing it. Write errors raise
  // EInOutError; a file that was not written whole is removed.
  void Save(const UnicodeString& FName) const;
  // Writes the file to an open text file, which stays open.
  void SaveToOpenFile(TextFile& F) const;
  // -1 when FName is not an existing file; otherwise LoadFromOpenFile's status, 0 staying 0
  // and the others lowered by one (-2 no section, -3 an error). An error opening the file
  // propagates.
  int32_t Load(const UnicodeString& FName);
  // Clears the matrix and reads a file from the current line on. A featdef section with a
  // version other than 1 is skipped; one with version 1 replaces the descriptors once all
  // its property lines have been read (a section cut short or holding a line without its
  // leading index leaves no features). A featvals section sizes the table and reads value
  // lines up to an empty line, a line beginning with "#" or the end of the file, which end
  // the load. Values are stored as read, without the kind checks of the setters. Ends with
  // one Changed and returns 0 when a featdef or featvals section was met, -1 when none was,
  // -2 when reading stopped at an error (a malformed number or count, a table beyond
  // MaxFileValues, a read error); the matrix keeps what was read until then.
  int32_t LoadFromOpenFile(TextFile& F);
  // The lines the last load skipped or stopped at, in file order.
  const std::vector<TFeatMatLoadProblem>& LoadProblems() const { return FLoadProblems; }

  // Calls OnChange with the matrix as sender, if assigned.
  void Changed();
  const TNotifyEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }

 protected:
  // Copies into another TFeatureMatrix; any other destination fails as in TPersistent.
  void AssignTo(TPersistent* Dest) const override;

 private:
  [[noreturn]] void Fail(const UnicodeString& Ending) const;
  bool InRange(int32_t fix, int32_t obj) const;
  TFeatKind KindOf(int32_t fix) const { return FFeatProps[static_cast<size_t>(fix - 1)]->FeatKind(); }
  UnicodeString& Cell(int32_t fix, int32_t obj) {
    return FFeatVals[static_cast<size_t>(fix - 1)][static_cast<size_t>(obj - 1)];
  }
  const UnicodeString& Cell(int32_t fix, int32_t obj) const {
    return FFeatVals[static_cast<size_t>(fix - 1)][static_cast<size_t>(obj - 1)];
  }
  // The typed Fill: feature fix must be of Kind (else ': feature N' + KindText).
  bool FillKind(int32_t fix, TFeatKind Kind, const UnicodeString& Text, const char16_t* KindText);
  // Raises the matching message when FeatVal may not be stored in feature fix.
  void CheckValueText(int32_t fix, const UnicodeString& FeatVal, bool AllowEmpty) const;
  // Makes the table NFeats x NObjs (descriptors included) without announcing it; on a
  // failed allocation the old size stays and the memory error is raised.
  void ResizeTable(int32_t NFeats, int32_t NObjs);
  // The range of SetFeatType and RenumberFeatures; false when there is none.
  bool ClampedRange(int32_t IxFrom, int32_t IxTo, int32_t& First, int32_t& Last) const;
  void CheckSavable() const;
  void NoteProblem(int32_t Line, std::u16string_view Text, const UnicodeString& Reason);

  int32_t FNFeats = 0;
  int32_t FNObjs = 0;
  std::vector<std::unique_ptr<TFeatMatProps>> FFeatProps;
  std::vector<std::vector<UnicodeString>> FFeatVals;
  TNotifyEvent FOnChange;
  std::unique_ptr<TFeatMatProps> FSpareProps;
  std::vector<TFeatMatLoadProblem> FLoadProblems;
};

}  // namespace zub
