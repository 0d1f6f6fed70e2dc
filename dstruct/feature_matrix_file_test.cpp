#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <string>

#include "dstruct/ZUB_dstruct.hpp"
#include "testing/small_disk.hpp"
#include "testing/temp_dir.hpp"

namespace zub {
namespace {

using zub::testing::TempDir;

// Two features (a double with all fields set, a string with an empty name) by three
// objects, one of them without values.
void FillSample(TFeatureMatrix& m) {
  m.Resize(2, 3);
  TFeatMatProps& a = *m.GetFeatProps(1);
  a.SetFeatNum(101);
  a.SetFeatName(u"height");
  a.SetFeatKind(fkDouble);
  a.SetComment(u"in metres");
  a.SetPresetValues(u"1.5 2.0");
  a.SetSorted(true);
  static int tag;
  a.SetGUIElem(&tag);
  m.GetFeatProps(2)->SetFeatKind(fkString);
  m.GetFeatProps(2)->SetFeatName(u"");
  m.SetFeatValDouble(1, 1, 1.85);
  m.SetFeatValStr(2, 1, u"caf\u00E9 au lait");
  m.SetFeatValStr(1, 3, u"2");
}

const char kSampleFile[] =
    "#featdef 2 1\r\n"
    "1 fplFeatNum 101\r\n"
    "1 fplFeatName height\r\n"
    "1 fplFeatKind fkDouble\r\n"
    "1 fplComment in metres\r\n"
    "1 fplPresets 1.5 2.0\r\n"
    "1 fplSorted TRUE\r\n"
    "2 fplFeatNum 0\r\n"
    "2 fplFeatName \r\n"
    "2 fplFeatKind fkString\r\n"
    "2 fplComment \r\n"
    "2 fplPresets \r\n"
    "2 fplSorted FALSE\r\n"
    "#featvals 2 3\r\n"
    "1 1 1.85\r\n"
    "2 1 caf\xE9 au lait\r\n"
    "1 3 2\r\n"
    "#featend\r\n";

TEST(FeatureMatrixFile, SaveWritesTheLayoutAndLoadRestoresIt) {
  TempDir dir;
  TFeatureMatrix m(nullptr);
  FillSample(m);
  m.Save(dir.Name("m.txt"));
  EXPECT_EQ(dir.ReadBytes("m.txt"), kSampleFile);

  TFeatureMatrix back(nullptr);
  back.Resize(7, 7);
  int changes = 0;
  back.SetOnChange([&](TObject*) { ++changes; });
  EXPECT_EQ(back.Load(dir.Name("m.txt")), 0);
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(back.LoadProblems().empty());
  ASSERT_EQ(back.NFeatures(), 2);
  ASSERT_EQ(back.NObjects(), 3);
  const TFeatMatProps& a = *back.GetFeatProps(1);
  EXPECT_EQ(a.FeatNum(), 101);
  EXPECT_EQ(a.FeatName(), u"height");
  EXPECT_EQ(a.FeatKind(), fkDouble);
  EXPECT_EQ(a.Comment(), u"in metres");
  EXPECT_EQ(a.PresetValues(), u"1.5 2.0");
  EXPECT_TRUE(a.Sorted());
  EXPECT_EQ(a.GUIElem(), nullptr);
  EXPECT_EQ(back.GetFeatProps(2)->FeatName(), u"undefined");  // saved empty
  EXPECT_EQ(back.GetFeatProps(2)->FeatKind(), fkString);
  for (int32_t o = 1; o <= 3; ++o)
    for (int32_t f = 1; f <= 2; ++f)
      EXPECT_EQ(back.GetFeatValStr(f, o), m.GetFeatValStr(f, o)) << f << "," << o;
}

// Loads Text from a file and returns Load's status.
int32_t LoadText(TFeatureMatrix& m, const std::string& Text) {
  TempDir dir;
  dir.WriteBytes("in.txt", Text);
  return m.Load(dir.Name("in.txt"));
}

TEST(FeatureMatrixFile, LoadStatus) {
  struct Case {
    const char* what;
    std::string text;
    int32_t status, feats, objs;
  };
  const std::vector<Case> cases = {
      {"no section", "hello\r\n#other 1\r\n#featend\r\n", -2, 0, 0},
      {"empty file", "", -2, 0, 0},
      {"version 2 is skipped", "#featdef 1 2\r\n1 fplFeatName x\r\n", 0, 0, 0},
      {"values only", "#featvals 2 1\n2 1 v\n", 0, 2, 1},
      {"keywords in any case, LF ends",
       "#FEATDEF 1 1\n1 FPLFEATNAME x\n1 a\n1 b\n1 c\n1 d\n1 e\n#FeatVals 1 1\n1 1  v w  \n", 0, 1, 1},
      {"featdef cut short", "#featdef 3 1\r\n1 fplFeatName x\r\n", -3, 0, 0},
      {"property line without index", "#featdef 1 1\r\nfplFeatName x\r\n", -3, 0, 0},
      {"bad feature number", "#featdef 1 1\r\n1 fplFeatNum x\r\n2\r\n3\r\n4\r\n5\r\n6\r\n", -3, 0, 0},
      {"value line without index", "#featvals 1 1\r\nx 1 v\r\n", -3, 1, 1},
      {"index run into text", "#featvals 1 1\r\n1 1v\r\n", -3, 1, 1},
      {"header without version", "#featdef 1\r\n", -3, 0, 0},
      {"negative count", "#featvals -1 2\r\n", -3, 0, 0},
      {"huge counts", "#featdef 2147483647 1\r\n1 fplFeatName x\r\n", -3, 0, 0},
      {"huge table", "#featvals 2147483647 2147483647\r\n", -3, 0, 0},
      {"count beyond 32 bits", "#featvals 1 99999999999\r\n", -3, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TFeatureMatrix m(nullptr);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(LoadText(m, c.text), c.status);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));  // no hang
    EXPECT_EQ(m.NFeatures(), c.feats);
    EXPECT_EQ(m.NObjects(), c.objs);
    if (c.status == -3) {
      EXPECT_FALSE(m.LoadProblems().empty());
    }
  }

  TFeatureMatrix m(nullptr);
  EXPECT_EQ(m.Load(u"/nonexistent/featmat.txt"), -1);
  ASSERT_EQ(
      LoadText(m, "#featdef 1 1\n1 FPLFEATNAME x\n1 a\n1 b\n1 c\n1 d\n1 e\n#FeatVals 1 1\n1 1  v w  \n"), 0);
  EXPECT_EQ(m.GetFeatProps(1)->FeatName(), u"x");
  m.SetFeatType(1, 1, fkString);
  EXPECT_EQ(m.GetFeatValStr(1, 1), u"v w");  // trimmed of spaces
}

TEST(FeatureMatrixFile, LinesTheWriterNeverWritesAreListedAndSkipped) {
  TFeatureMatrix m(nullptr);
  const std::string text =
      "a comment\r\n"
      "#featdef 2 1\r\n"
      "1 fplFeatKind fkInteger\r\n"
      "2 fplFeatKind fkWhatever\r\n"
      "3 fplFeatName beyond\r\n"
      "1 fplGUIElem 1234\r\n"
      "1 fplColour red\r\n"
      "2 fplFeatName b\r\n"
      "1\r\n"
      "1\r\n"
      "1\r\n"
      "1\r\n"
      "1\r\n"
      "1 fplComment   \r\n"
      "#featvals 3 2\r\n"
      "1 1 notanumber\r\n"
      "4 1 x\r\n"
      "1 3 x\r\n"
      "3 2 z\r\n"
      "\r\n"
      "#featvals 1 1\r\n";
  ASSERT_EQ(LoadText(m, text), 0) << UnicodeToUtf8(m.LoadProblems().back().Reason);
  EXPECT_EQ(m.NFeatures(), 3);  // the featvals count, the third feature default
  EXPECT_EQ(m.NObjects(), 2);
  EXPECT_EQ(m.GetFeatProps(1)->FeatKind(), fkInteger);
  EXPECT_EQ(m.GetFeatProps(2)->FeatKind(), fkUndefined);
  EXPECT_EQ(m.GetFeatProps(2)->FeatName(), u"b");
  EXPECT_EQ(m.GetFeatValStr(1, 1), u"notanumber");        // stored as read
  EXPECT_THROW(m.GetFeatValStr(3, 2), EZUBDStructError);  // undefined kind
  m.SetFeatType(3, 3, fkString);
  EXPECT_EQ(m.GetFeatValStr(3, 2), u"z");

  std::vector<int32_t> lines;
  for (const auto& p : m.LoadProblems()) lines.push_back(p.Line);
  // fplGUIElem is a known name that is never read, so it is not a problem.
  EXPECT_EQ(lines, (std::vector<int32_t>{1, 4, 5, 7, 15, 17, 18}));
}

TEST(FeatureMatrixFile, LongLinesAndManyProblems) {
  const std::string big(3 << 20, 'x');
  std::string text = "#featvals 1 1\r\n1 1 " + big + "\r\n";
  TFeatureMatrix m(nullptr);
  ASSERT_EQ(LoadText(m, text), 0);
  m.SetFeatType(1, 1, fkString);
  EXPECT_EQ(m.GetFeatValStr(1, 1).size(), big.size());

  std::string noisy;
  for (int i = 0; i < 5000; ++i) noisy += "junk line " + big.substr(0, 200) + "\n";
  noisy += "#featvals 1 1\n";
  ASSERT_EQ(LoadText(m, noisy), 0);
  ASSERT_EQ(m.LoadProblems().size(), TFeatureMatrix::MaxLoadProblems + 1);
  EXPECT_EQ(m.LoadProblems()[0].Text.size(), 80u);
  EXPECT_EQ(m.LoadProblems().back().Reason, u"further problems are not listed");
}

TEST(FeatureMatrixFile, SaveRefusesLineBreaksAndKeepsTheOldFile) {
  TempDir dir;
  dir.WriteBytes("m.txt", "old");
  TFeatureMatrix m(nullptr);
  m.SetName(u"M");
  FillSample(m);
  m.SetFeatValStr(2, 2, u"one\r\n#featend");
  try {
    m.Save(dir.Name("m.txt"));
    FAIL();
  } catch (const EZUBDStructError& e) {
    EXPECT_EQ(e.Message(),
              u"Component \"M\": the value of feature 2, object 2 holds a line break and cannot be saved");
  }
  EXPECT_EQ(dir.ReadBytes("m.txt"), "old");
  m.SetFeatValStr(2, 2, u"");
  m.GetFeatProps(1)->SetComment(u"a\nb");
  EXPECT_THROW(m.Save(dir.Name("m.txt")), EZUBDStructError);
}

TEST(FeatureMatrixFile, WriteErrorsRaiseAndLeaveNoCutFile) {
  TFeatureMatrix m(nullptr);
  FillSample(m);
  EXPECT_THROW(m.Save(u"/dev/full"), EInOutError);
  EXPECT_THROW(m.Save(u"/nonexistent/m.txt"), EInOutError);

  zub::testing::SmallDisk disk(64 << 10);
  ZUB_REQUIRE_SMALL_DISK(disk);
  m.SetNObjs(20000);
  m.Fill(2, UnicodeString(u"a value long enough to fill the disk"));
  disk.LeaveFree(16 << 10);
  EXPECT_THROW(m.Save(disk.Dir().Name("m.txt")), EInOutError);
  EXPECT_FALSE(FileExists(disk.Dir().Name("m.txt")));
}

}  // namespace
}  // namespace zub
