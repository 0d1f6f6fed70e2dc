#include "host/registry/posix/desktop_associations.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "host/registry/registry.hpp"
#include "testing/env_var.hpp"
#include "testing/xdg_tree.hpp"

namespace zub::registry {
namespace {

class DesktopAssociationsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    xdg.Write("user/data/mime/globs2",
              "# comment\n50:text/plain:*.txt\n50:text/x-log:*.log\n40:text/x-readme:README\n"
              "50:text/x-upper:*.C:cs\n");
    xdg.Write("system/data/mime/globs2",
              "50:text/x-other:*.txt\n80:application/x-heavy:*.hvy\n"
              "10:application/x-heavy-low:*.HVY\n30:text/x-lonely:*.lonely\n");
    xdg.Write(
        "system/data/applications/x.desktop",
        "[Desktop Entry]\nType=Application\nName=X\nExec=cat %f\n[Desktop Action new]\nExec=cat --new\n");
    xdg.Write("user/data/applications/y.desktop",
              "[Desktop Entry]\nType=Application\nName=Y\nExec=/bin/cat --icon %i -- %U\n");
    xdg.Write("user/config/mimeapps.list",
              "[Added Associations]\ntext/x-log=x.desktop;\n"
              "[Default Applications]\ntext/plain=x.desktop;y.desktop;\n");
    xdg.Write("system/data/applications/mimeapps.list",
              "[Default Applications]\ntext/plain=y.desktop\ntext/x-log=y.desktop;\n");
  }
  testing::XdgTree xdg;
};

TEST_F(DesktopAssociationsTest, ExtensionToMimeType) {
  struct Case {
    const char16_t* ext;
    const char16_t* type;
  };
  for (const Case& c : {
           Case{u"txt", u"text/plain"},           // the user's folder wins a tie
           Case{u"TXT", u"text/plain"},           // globs match ignoring case
           Case{u"hvy", u"application/x-heavy"},  // the higher weight wins
           Case{u"C", u"text/x-upper"},
           Case{u"c", u""},       // a "cs" glob keeps its case
           Case{u"readme", u""},  // no "*." glob
           Case{u"", u""},
       })
    EXPECT_EQ(DesktopMimeType(c.ext), c.type) << UnicodeToUtf8(c.ext);
}

TEST_F(DesktopAssociationsTest, NoGlobsDropsWhatLessImportantFoldersSay) {
  xdg.Write("user/data/mime/globs2", "50:application/x-heavy:__NOGLOBS__\n50:application/x-heavy:*.heavy\n");
  EXPECT_EQ(DesktopMimeType(u"hvy"), u"application/x-heavy-low");  // the system's glob of weight 80 is gone
  EXPECT_EQ(DesktopMimeType(u"heavy"), u"application/x-heavy");    // the folder's own glob stays
  EXPECT_EQ(DesktopMimeType(u"lonely"), u"text/x-lonely");
  // Lines whose type is no MIME type are passed over.
  xdg.Write("user/data/mime/globs2",
            "90:.odd/type:*.lonely\n90:notype:*.lonely\n90:a/b/c:*.lonely\n-5:text/x-negative:*.neg\n");
  EXPECT_EQ(DesktopMimeType(u"lonely"), u"text/x-lonely");
  EXPECT_EQ(DesktopMimeType(u"neg"), u"text/x-negative");  // a weight below 0 still matches
}

TEST_F(DesktopAssociationsTest, DesktopIdsReachIntoSubfolders) {
  xdg.Write("system/data/applications/kde/tools/viewer.desktop", "[Desktop Entry]\nExec=viewer %u\n");
  xdg.Write("system/data/applications/outside.desktop", "[Desktop Entry]\nExec=outside\n");
  EXPECT_EQ(DesktopOpenCommand(u"kde-tools-viewer.desktop"), u"viewer \"%1\"");
  EXPECT_EQ(DesktopOpenCommand(u"kde-viewer.desktop"), u"");
  EXPECT_EQ(DesktopOpenCommand(u"..-applications-outside.desktop"), u"");
  EXPECT_EQ(DesktopOpenCommand(u"kde/tools/viewer.desktop"), u"");  // an id holds no "/"
}

TEST_F(DesktopAssociationsTest, ExecLinesBecomeCommandLines) {
  struct Case {
    const char* exec;
    const char16_t* command;
  };
  for (const Case& c : {
           Case{"gedit %U", u"gedit \"%1\""},
           Case{"app --file=%f", u"app --file=\"%1\""},
           Case{"app %F %i %c %k", u"app \"%1\""},
           Case{"say 100%% done\\sfor %u", u"say 100% done for \"%1\""},
           Case{"\"/opt/My App/run\" %u", u"\"/opt/My App/run\" \"%1\""},
           Case{"plain", u"plain"},
       })
    EXPECT_EQ(ExecToCommandLine(c.exec), c.command) << c.exec;
}

TEST_F(DesktopAssociationsTest, DefaultApplicationsByPrecedence) {
  EXPECT_EQ(DesktopDefaultApplication(u"text/plain"), u"x.desktop");  // the user's config first
  EXPECT_EQ(DesktopDefaultApplication(u"text/x-log"), u"y.desktop");  // added is not default
  EXPECT_EQ(DesktopDefaultApplication(u"text/x-lonely"), u"");
  // An entry that is not installed gives way to the next one.
  xdg.Write("user/config/mimeapps.list", "[Default Applications]\ntext/plain=gone.desktop;y.desktop;\n");
  EXPECT_EQ(DesktopDefaultApplication(u"text/plain"), u"y.desktop");
  // The desktop's own list comes before the common one.
  testing::EnvVar desktop("XDG_CURRENT_DESKTOP", "ubuntu:GNOME");
  xdg.Write("user/config/gnome-mimeapps.list", "[Default Applications]\ntext/plain=x.desktop\n");
  EXPECT_EQ(DesktopDefaultApplication(u"text/plain"), u"x.desktop");
  EXPECT_EQ(DesktopOpenCommand(u"x.desktop"), u"cat \"%1\"");  // the main entry's Exec
  EXPECT_EQ(DesktopOpenCommand(u"y.desktop"), u"/bin/cat --icon  -- \"%1\"");
}

TEST_F(DesktopAssociationsTest, TheDesktopShowsAsClassesRootKeys) {
  testing::TempDir stores;
  testing::EnvVar storeDir("ZUBCOREKIT_REGISTRY_DIR", stores.Native("reg"));
  TRegistry reg;
  reg.SetRootKey(HKEY_CLASSES_ROOT);
  ASSERT_TRUE(reg.OpenKeyReadOnly(u".Txt"));
  EXPECT_EQ(reg.ReadString(u""), u"text/plain");
  EXPECT_EQ(reg.ReadString(u"Content Type"), u"text/plain");
  ASSERT_TRUE(reg.OpenKeyReadOnly(u"\\TEXT/PLAIN\\Shell\\open\\COMMAND"));
  EXPECT_EQ(reg.ReadString(u""), u"cat \"%1\"");
  // A type the globs know but no program opens: a class without "shell".
  EXPECT_TRUE(reg.KeyExists(u"\\text/x-lonely"));
  EXPECT_FALSE(reg.KeyExists(u"\\text/x-lonely\\shell"));
  EXPECT_FALSE(reg.KeyExists(u"\\.nothing"));
  // The desktop's keys are read-only; writing into one makes it in the store, on top.
  EXPECT_FALSE(reg.DeleteKey(u"\\.txt"));
  ASSERT_TRUE(reg.OpenKey(u"\\.txt", false));
  reg.WriteString(u"", u"mytext");
  EXPECT_EQ(reg.ReadString(u""), u"mytext");
  EXPECT_EQ(reg.ReadString(u"Content Type"), u"text/plain");
  TStringList names;
  reg.GetValueNames(names);
  EXPECT_EQ(names.Count(), 2);
  reg.CloseKey();
  reg.GetKeyNames(names);
  EXPECT_GE(names.Count(), 8);  // .txt once, though in the store and the globs
  int txt = 0;
  for (int32_t i = 0; i < names.Count(); ++i) txt += names.Strings(i) == u".txt" ? 1 : 0;
  EXPECT_EQ(txt, 1);
}

// Runs xdg-mime on the test's desktop; "" when it cannot be run.
std::string XdgMimeDefault(const testing::XdgTree& xdg, const std::string& type) {
  const std::string cmd =
      "env -i PATH=/usr/bin:/bin HOME=" + xdg.Native("home") + " XDG_DATA_HOME=" + xdg.Native("user/data") +
      " XDG_DATA_DIRS=" + xdg.Native("system/data") + " XDG_CONFIG_HOME=" + xdg.Native("user/config") +
      " XDG_CONFIG_DIRS=" + xdg.Native("system/config") + " xdg-mime query default " + type;
  FILE* p = ::popen(cmd.c_str(), "r");
  if (p == nullptr) return "";
  std::string out;
  char buf[256];
  while (std::fgets(buf, sizeof buf, p) != nullptr) out += buf;
  ::pclose(p);
  while (!out.empty() && (out.back() == '\n' || out.back() == ' ')) out.pop_back();
  return out;
}

TEST_F(DesktopAssociationsTest, TheDefaultProgramIsTheOneXdgMimeNames) {
  if (::system("command -v xdg-mime >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "xdg-mime (xdg-utils) is not installed";
  for (const char* type : {"text/plain", "text/x-log"}) {
    const std::string named = XdgMimeDefault(xdg, type);
    ASSERT_FALSE(named.empty()) << "xdg-mime named no program for " << type;
    EXPECT_EQ(UnicodeToUtf8(DesktopDefaultApplication(U(type))), named) << type;
  }
  const UnicodeString viaRegistry = [] {
    testing::TempDir stores;
    testing::EnvVar storeDir("ZUBCOREKIT_REGISTRY_DIR", stores.Native("reg"));
    TRegistry reg;
    reg.SetRootKey(HKEY_CLASSES_ROOT);
    reg.OpenKeyReadOnly(u".txt");
    const UnicodeString type = reg.ReadString(u"");
    reg.OpenKeyReadOnly(u"\\" + type + u"\\shell\\open\\command");
    return reg.ReadString(u"");
  }();
  EXPECT_EQ(viaRegistry, DesktopOpenCommand(U(XdgMimeDefault(xdg, "text/plain"))));
  EXPECT_EQ(viaRegistry, u"cat \"%1\"");
}

}  // namespace
}  // namespace zub::registry
