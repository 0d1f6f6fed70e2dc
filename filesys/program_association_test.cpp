#include "filesys/program_association.hpp"

#include <gtest/gtest.h>

#include "filesys/registry_values.hpp"
#include "testing/env_var.hpp"
#include "testing/temp_dir.hpp"
#include "testing/xdg_tree.hpp"

namespace zub {
namespace {

class ProgramAssociationTest : public ::testing::Test {
 protected:
  testing::XdgTree xdg;  // a desktop with nothing on it unless a test writes it
  testing::TempDir dir;
  testing::EnvVar storeDir{"ZUBCOREKIT_REGISTRY_DIR", dir.Native("reg")};
};

TEST_F(ProgramAssociationTest, FromStoredClasses) {
  // The extension's own command wins over its class's.
  SetRegValue(HKEY_CLASSES_ROOT, u".own\\shell\\open\\command", u"", u"own.exe \"%1\"");
  SetRegValue(HKEY_CLASSES_ROOT, u".own", u"", u"ownclass");
  SetRegValue(HKEY_CLASSES_ROOT, u"ownclass\\shell\\open\\command", u"", u"class.exe");
  SetRegValue(HKEY_CLASSES_ROOT, u".doc", u"", u"docfile");
  SetRegValue(HKEY_CLASSES_ROOT, u"DocFile\\shell\\open\\command", u"", u"writer \"%1\"");
  SetRegValue(HKEY_CLASSES_ROOT, u".bare", u"", u"bareclass");
  SetRegValue(HKEY_CLASSES_ROOT, u"bareclass\\DefaultIcon", u"", u"icon.ico");
  SetRegValue(HKEY_CLASSES_ROOT, u".noclass", u"Content Type", u"text/x");
  struct Case {
    const char16_t* ext;
    const char16_t* command;
  };
  for (const Case& c : {Case{u"own", u"own.exe \"%1\""}, Case{u"DOC", u"writer \"%1\""},
                        Case{u"bare", u""},  // a class without a command: no command, not the class name
                        Case{u"noclass", u""}, Case{u"missing", u""}})
    EXPECT_EQ(GetProgAssoc(c.ext), c.command) << UnicodeToUtf8(c.ext);
}

TEST_F(ProgramAssociationTest, FromTheDesktopBeneathTheStore) {
  xdg.Write("system/data/mime/globs2", "50:text/plain:*.txt\n50:image/x-pic:*.pic\n");
  xdg.Write("system/data/applications/editor.desktop", "[Desktop Entry]\nType=Application\nExec=editor %U\n");
  xdg.Write("user/config/mimeapps.list", "[Default Applications]\ntext/plain=editor.desktop\n");
  EXPECT_EQ(GetProgAssoc(u"txt"), u"editor \"%1\"");
  EXPECT_EQ(GetProgAssoc(u"pic"), u"");  // a type no program opens
  // What the store holds wins.
  SetRegValue(HKEY_CLASSES_ROOT, u"text/plain\\shell\\open\\command", u"", u"mine %1");
  EXPECT_EQ(GetProgAssoc(u"txt"), u"mine %1");
  SetRegValue(HKEY_CLASSES_ROOT, u".txt", u"", u"other");
  EXPECT_EQ(GetProgAssoc(u"txt"), u"");
}

}  // namespace
}  // namespace zub
