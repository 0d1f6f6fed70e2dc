// The standard save dialog for real: GTK's file chooser on an X server of the test's own,
// driven by xdotool as a user would drive it: a name is typed, another type picked from the
// type list, the choice confirmed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "filesys/save_dialog.hpp"
#include "testing/env_var.hpp"
#include "testing/temp_dir.hpp"
#include "testing/xvfb.hpp"

namespace zub {
namespace {

bool HasProgram(const std::string& name) {
  return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

// What the user does in one showing of the dialog, as shell commands; $W is the dialog.
struct Visit {
  std::string typed;     // replaces the name box's text; empty types nothing
  int typeSteps = 0;     // entries to move down in the type list; 0 leaves it closed
  bool save = true;              // ends with a click on Save, else with Escape
  std::string screenshot;        // where to photograph the open dialog, if anywhere
};

std::string Script(const Visit& v) {
  std::string s =
      "W=$(timeout 30 xdotool search --sync --onlyvisible --name '^Save report$' | head -1)\n"
      "[ -n \"$W\" ] || exit 3\n"
      "xdotool windowfocus --sync $W\n"
      "sleep 0.3\n";
  if (!v.typed.empty()) s += "xdotool key --delay 40 ctrl+a\nxdotool type --delay 20 '" + v.typed + "'\n";
  // The type list and below it the Save button sit at the dialog's lower right.
  s += "eval $(xdotool getwindowgeometry --shell $W)\n";
  if (v.typeSteps > 0) {
    s += "xdotool mousemove --window $W $((WIDTH-56)) $((HEIGHT-70)) sleep 0.3 click 1\n"
         "sleep 0.6\n";
    for (int i = 0; i < v.typeSteps; ++i) s += "xdotool key Down\n";
    s += "xdotool key Return\nsleep 0.5\n";
  }
  if (!v.screenshot.empty()) s += "command -v import >/dev/null && import -window root '" + v.screenshot + "'\n";
  s += v.save ? "xdotool mousemove --window $W $((WIDTH-50)) $((HEIGHT-25)) sleep 0.3 click 1\n" : "xdotool key Escape\n";
  s += "for i in $(seq 100); do xdotool getwindowname $W >/dev/null 2>&1 || exit 0; sleep 0.1; done\n"
       "exit 4\n";
  return s;
}

// GTK keeps the display it first opened for the life of the process, so the tests of a
// process share one X server.
class SaveDialogOnDisplay : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { x = new testing::Xvfb("1280x1024x24"); }
  static void TearDownTestSuite() {
    delete x;
    x = nullptr;
  }

  void SetUp() override {
#ifndef ZUB_GTK_MODULE_FILE
    GTEST_SKIP() << "GTK 3 was not found at build time, so there is no dialog module";
#else
    if (!HasProgram("xdotool")) GTEST_SKIP() << "xdotool (Debian package xdotool) is not installed";
    if (!x->Available()) GTEST_SKIP() << x->Why();
#endif
  }

  // Runs Execute while a second thread plays the visits, one per showing of the dialog.
  bool Run(const std::vector<Visit>& visits) {
    int failed = 0;
    std::thread user([&] {
      for (const Visit& v : visits)
        if (const int rc = std::system(Script(v).c_str()); rc != 0) {
          failed = rc;
          // Whatever went wrong, the dialog must not wait for ever.
          std::system("xdotool search --name '^Save report$' key Escape Escape Escape >/dev/null 2>&1");
          return;
        }
    });
    bool result = false;
    try {
      result = dialog.Execute();
    } catch (...) {
      user.join();
      throw;
    }
    user.join();
    EXPECT_EQ(failed, 0) << "the xdotool script failed";
    return result;
  }

  void Configure(const std::string& extra) {
    dialog.SetName(u"Saver");
    dialog.SetParameters(U("filter=\"Text files|*.txt|CSV files|*.csv|All files|*.*\" caption=\"Save report\" "
                           "initialdir=\"" +
                           dir.Native("") + "\" " + extra));
  }

#ifdef ZUB_GTK_MODULE_FILE
  testing::EnvVar module{"ZUBCOREKIT_GTK_MODULE", ZUB_GTK_MODULE_FILE};
#endif
  // GTK's settings stay in memory and its accessibility bridge off: no session bus here.
  testing::EnvVar settings{"GSETTINGS_BACKEND", "memory"};
  testing::EnvVar accessibility{"NO_AT_BRIDGE", "1"};
  testing::EnvVar wayland{"WAYLAND_DISPLAY", nullptr};
  static testing::Xvfb* x;
  testing::TempDir dir;
  TUnivSaveDialog dialog{nullptr};
};

testing::Xvfb* SaveDialogOnDisplay::x = nullptr;

TEST_F(SaveDialogOnDisplay, TypedNameFollowsTheChosenType) {
  Configure("");
  dialog.SetFileName(u"report.txt");
  ASSERT_TRUE(Run({{"quarterly", 1, true, "save_dialog_open.png"}}));
  EXPECT_EQ(dialog.FileName(), dir.Name("quarterly.csv"));
  EXPECT_EQ(dialog.FilterIndex(), 2);
}

TEST_F(SaveDialogOnDisplay, ExtForcesTheExtension) {
  Configure("ext=\"dat\"");
  dialog.SetFilterIndex(2);
  dialog.SetParentWnd(0x3fffff);  // an owner window that does not exist is passed over
  ASSERT_TRUE(Run({{"report.txt", 0, true, ""}}));
  EXPECT_EQ(dialog.FileName(), dir.Name("report.dat"));
  EXPECT_EQ(dialog.FilterIndex(), 2);
}

TEST_F(SaveDialogOnDisplay, CancelKeepsTheNameButTakesTheType) {
  Configure("");
  dialog.SetFileName(u"report.txt");
  EXPECT_FALSE(Run({{"other", 2, false, ""}}));
  EXPECT_EQ(dialog.FileName(), u"report.txt");
  EXPECT_EQ(dialog.FilterIndex(), 3);
}

TEST_F(SaveDialogOnDisplay, RefusedOverwriteShowsTheDialogAgain) {
  dir.WriteBytes("old.csv", "kept");
  Configure("");
  std::vector<UnicodeString> asked;
  dialog.SetOnOverwrite([&](TObject*, const UnicodeString& name, TModalResult& reply) {
    asked.push_back(name);
    reply = mrNo;
  });
  ASSERT_TRUE(Run({{"old", 1, true, ""}, {"fresh.csv", 0, true, ""}}));
  EXPECT_EQ(asked, std::vector<UnicodeString>{dir.Name("old.csv")});
  EXPECT_EQ(dialog.FileName(), dir.Name("fresh.csv"));
  EXPECT_EQ(dir.ReadBytes("old.csv"), "kept");
}

}  // namespace
}  // namespace zub
