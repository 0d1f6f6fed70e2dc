#include "filesys/save_dialog.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <vector>

#include "testing/env_var.hpp"

namespace zub {
namespace {

std::string Text(const Exception& e) {
  return UnicodeToUtf8(e.Message());
}

// A custom selection played from a script: the names the "user" picks in turn, the files
// that exist, the replies to the folder and overwrite questions.
struct Scenario {
  const char* what;
  std::vector<UnicodeString> picks;  // "" stands for a cancelled selection
  std::set<UnicodeString> existing;
  std::optional<TModalResult> forbiddenReply;  // none: no OnForbiddenDir handler
  std::vector<TModalResult> overwriteReplies;  // empty: no OnOverwrite handler
  bool result;
  UnicodeString fileName;
  size_t selections;
  const char* error;  // the message's text after the component name, or null
};

TEST(UnivSaveDialogTest, CustomSelectionRunsTheFolderAndOverwriteChecks) {
  const UnicodeString forbidden = u"C:\\data\\a.txt", elsewhere = u"C:\\work\\a.txt", other = u"C:\\work\\b.txt";
  const std::vector<Scenario> scenarios = {
      {"cancelled selection", {u""}, {}, {}, {}, false, u"", 1, nullptr},
      {"forbidden folder, reply cancel", {forbidden}, {}, mrCancel, {}, false, forbidden, 1, nullptr},
      {"forbidden folder without a handler is accepted", {forbidden}, {}, {}, {}, true, forbidden, 1, nullptr},
      {"forbidden folder, reply yes", {forbidden}, {}, mrYes, {}, true, forbidden, 1, nullptr},
      {"forbidden folder, reply no selects again", {forbidden, elsewhere}, {}, mrNo, {}, true, elsewhere, 2, nullptr},
      {"new file", {elsewhere}, {}, {}, {}, true, elsewhere, 1, nullptr},
      {"existing file, overwrite yes", {elsewhere}, {elsewhere}, {}, {mrYes}, true, elsewhere, 1, nullptr},
      {"existing file, overwrite cancel", {elsewhere}, {elsewhere}, {}, {mrCancel}, false, elsewhere, 1, nullptr},
      {"existing file, overwrite no selects again",
       {elsewhere, other}, {elsewhere}, {}, {mrNo}, true, other, 2, nullptr},
      {"overwrite no, then the selection is cancelled",
       {elsewhere, u""}, {elsewhere}, {}, {mrNo}, false, u"", 2, nullptr},
      {"existing file without OnOverwrite", {elsewhere}, {elsewhere}, {}, {}, false, elsewhere, 1,
       "Overwrite dialog is not assigned"},
      {"overwrite reply 5", {elsewhere}, {elsewhere}, {}, {5}, false, elsewhere, 1,
       "Invalid reply argument from overwrite dialog"},
  };
  for (const Scenario& s : scenarios) {
    SCOPED_TRACE(s.what);
    TUnivSaveDialog dialog(nullptr);
    dialog.SetName(u"Saver");
    dialog.SetUseStandardDialog(false);
    dialog.SetForbiddenDir(u"c:\\DATA");
    dialog.SetParameters(u"filter=\"Text|*.txt\" ext=\"csv\"");
    size_t selections = 0;
    dialog.SetOnFileSelect([&](TObject* Sender, const UnicodeString& Parameters, TModalResult& action,
                               UnicodeString& name) {
      EXPECT_EQ(Sender, &dialog);
      EXPECT_EQ(Parameters, dialog.Parameters());
      EXPECT_EQ(action, mrCancel);
      const UnicodeString pick = s.picks.at(selections++);
      name = pick;
      action = pick.empty() ? mrCancel : mrOk;
    });
    dialog.SetOnFileCheck([&](TObject*, const UnicodeString& name, bool& exists) {
      EXPECT_FALSE(exists);
      exists = s.existing.count(name) != 0;
    });
    if (s.forbiddenReply)
      dialog.SetOnForbiddenDir([&](TObject*, const UnicodeString& path, TModalResult& reply) {
        EXPECT_EQ(path, u"C:\\data\\");
        EXPECT_EQ(reply, mrYes);
        reply = *s.forbiddenReply;
      });
    size_t overwrites = 0;
    if (!s.overwriteReplies.empty())
      dialog.SetOnOverwrite([&](TObject*, const UnicodeString& name, TModalResult& reply) {
        EXPECT_TRUE(s.existing.count(name));
        EXPECT_EQ(reply, mrNo);
        reply = s.overwriteReplies.at(overwrites++);
      });
    if (s.error != nullptr) {
      try {
        dialog.Execute();
        ADD_FAILURE() << "no error";
      } catch (const EZUBFileSysError& e) {
        EXPECT_EQ(Text(e), std::string("Component \"Saver\": ") + s.error);
      }
    } else {
      EXPECT_EQ(dialog.Execute(), s.result);
    }
    // "ext" belongs to the standard dialog; a custom selection's name stays as picked.
    EXPECT_EQ(dialog.FileName(), s.fileName);
    EXPECT_EQ(selections, s.selections);
  }
}

TEST(UnivSaveDialogTest, CustomSelectionNeedsItsHandler) {
  TUnivSaveDialog dialog(nullptr);
  dialog.SetName(u"Saver");
  EXPECT_TRUE(dialog.UseStandardDialog());
  EXPECT_EQ(dialog.FilterIndex(), 1);
  EXPECT_EQ(dialog.ParentWnd(), 0u);
  dialog.SetUseStandardDialog(false);
  try {
    dialog.Execute();
    FAIL() << "no error";
  } catch (const EZUBFileSysError& e) {
    EXPECT_EQ(Text(e), "Component \"Saver\": File select dialog is not assigned");
  }
}

TEST(UnivSaveDialogTest, ParametersAsNumbers) {
  TUnivSaveDialog dialog(nullptr);
  dialog.SetName(u"Saver");
  dialog.SetParameters(
      u"size=\" -12abc\" plus=\"+7\" none=\"abc\" big=\"99999999999\" comma=\"1,5\" exp=\"2.5E3x\" "
      u"twodots=\"1.2.3\" sign=\"-\" huge=\"1e999\" empty=\"\"");
  EXPECT_EQ(dialog.ExtractParamAsInt(u"size"), -12);
  EXPECT_EQ(dialog.ExtractParamAsInt(u"plus"), 7);
  EXPECT_EQ(dialog.ExtractParamAsInt(u"none"), 0);
  EXPECT_EQ(dialog.ExtractParamAsInt(u"big"), 2147483647);
  EXPECT_EQ(dialog.ExtractParamAsDouble(u"comma"), 1.5);
  EXPECT_EQ(dialog.ExtractParamAsDouble(u"exp"), 2500);
  EXPECT_EQ(dialog.ExtractParamAsDouble(u"twodots"), 0);
  EXPECT_EQ(dialog.ExtractParamAsDouble(u"sign"), 0);
  EXPECT_EQ(dialog.ExtractParamAsDouble(u"huge"), static_cast<double>(uc_MaxDouble));
  EXPECT_EQ(dialog.ExtractParamAsString(u"SIZE"), u" -12abc");
  EXPECT_EQ(dialog.ExtractParamAsString(u"absent"), u"");
  for (const char16_t* name : {u"absent", u"empty"}) {
    for (bool asInt : {true, false}) {
      try {
        asInt ? dialog.ExtractParamAsInt(name) : dialog.ExtractParamAsDouble(name);
        ADD_FAILURE() << "no error for " << UnicodeToUtf8(name);
      } catch (const EZUBFileSysError& e) {
        EXPECT_EQ(Text(e), "Component \"Saver\": " + UnicodeToUtf8(name) + " is not specified in property Parameters");
      }
    }
  }
}

TEST(UnivSaveDialogTest, ForbiddenFolders) {
  struct Case {
    const char16_t* forbidden;
    const char16_t* path;
    bool result;
  };
  for (const Case& c : {
           Case{u"c:\\DATA", u"C:\\data\\", true},
           Case{u"c:\\DATA", u"C:\\Data\\Sub\\", true},
           Case{u"c:\\data\\", u"C:\\database\\", false},
           Case{u"c:\\data", u"C:\\database\\", true},  // a plain prefix, as documented
           Case{u"c:\\data", u"D:\\data\\", false},
           Case{u"c:\\data", u"", false},
           Case{u"", u"C:\\data\\", false},
           Case{u"/srv/ÄRCHIV", u"/srv/ärchiv/2026/", true},
       }) {
    TUnivSaveDialog dialog(nullptr);
    dialog.SetForbiddenDir(c.forbidden);
    EXPECT_EQ(dialog.IsForbiddenDir(c.path), c.result) << UnicodeToUtf8(c.forbidden) << " " << UnicodeToUtf8(c.path);
  }
}

// The standard dialog's failures: no module, or no display to open it on.
TEST(UnivSaveDialogTest, StandardDialogThatCannotRunRaisesItsNumber) {
  struct Case {
    const char* what;
    const char* module;
    const char* error;
  };
  std::vector<Case> cases = {{"no module", "/nonexistent/libzubcorekit-gtk.so.1", "$0007"}};
#ifdef ZUB_GTK_MODULE_FILE
  cases.push_back({"no display", ZUB_GTK_MODULE_FILE, "$FFFF"});
#endif
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    testing::EnvVar module("ZUBCOREKIT_GTK_MODULE", c.module);
    testing::EnvVar display("DISPLAY", nullptr), wayland("WAYLAND_DISPLAY", nullptr);
    TUnivSaveDialog dialog(nullptr);
    dialog.SetName(u"Saver");
    dialog.SetParameters(u"filter=\"Text|*.txt\" ext=\"csv\"");
    dialog.SetFileName(u"C:\\x\\report.txt");
    dialog.SetFilterIndex(1);
    try {
      dialog.Execute();
      ADD_FAILURE() << "no error";
    } catch (const EZUBFileSysError& e) {
      EXPECT_EQ(Text(e), std::string("Component \"Saver\": Error in standard dialog (errnum = ") + c.error + ").");
    }
    EXPECT_EQ(dialog.FileName(), u"C:\\x\\report.txt");
  }
}

// Outside Execute the standard dialog's typed name is its FileName, so the type-change
// handler can be watched without a window.
TEST(UnivSaveDialogTest, TypeChangeGivesTheNameTheTypesExtension) {
  struct Case {
    int32_t index;
    const char16_t* before;
    const char16_t* after;
  };
  for (const Case& c : {
           Case{2, u"C:\\x\\report.txt", u"C:\\x\\report.csv"},
           Case{2, u"report", u"report.csv"},
           Case{2, u"C:\\x.y\\report", u"C:\\x.y\\report.csv"},
           Case{3, u"report.txt", u"report.txt"},  // "*.*" leaves the name alone
           Case{4, u"report.txt", u"report.html"},  // the first pattern of a list
           Case{2, u"", u""},
           Case{9, u"report.txt", u"report.txt"},
       }) {
    TSaveDialog std(nullptr);
    std.FileTypes() = {{u"Text", u"*.txt"}, {u"CSV", u"*.csv"}, {u"All", u"*.*"}, {u"Web", u"*.html;*.htm"}};
    std.SetFilterIndex(c.index);
    std.SetFileName(c.before);
    TUnivSaveDialog dialog(nullptr);
    dialog.SaveDiagTypeChange(&std);
    EXPECT_EQ(std.FileName(), c.after) << UnicodeToUtf8(c.before);
  }
}

}  // namespace
}  // namespace zub
