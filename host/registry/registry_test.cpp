#include "host/registry/registry.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <vector>

#include "testing/env_var.hpp"
#include "testing/temp_dir.hpp"

namespace zub {
namespace {

// Every store of the test in a folder of its own.
class RegistryTest : public ::testing::Test {
 protected:
  testing::TempDir dir;
  testing::EnvVar storeDir{"ZUBCOREKIT_REGISTRY_DIR", dir.Native("reg")};
};

std::vector<UnicodeString> Names(const TStringList& list) {
  std::vector<UnicodeString> out;
  for (int32_t i = 0; i < list.Count(); ++i) out.push_back(list.Strings(i));
  return out;
}

TEST_F(RegistryTest, NamesCompareIgnoringCaseAndKeepTheirFirstCase) {
  {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(u"Software\\ZubTest", true));
    reg.WriteString(u"Colour", u"red");
  }
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKeyReadOnly(u"\\SOFTWARE\\zubtest"));
  EXPECT_EQ(reg.CurrentPath(), u"Software\\ZubTest");
  EXPECT_EQ(reg.ReadString(u"COLOUR"), u"red");
  ASSERT_TRUE(reg.OpenKey(u"\\software\\ZUBTEST", false));
  reg.WriteString(u"colour", u"blue");
  TStringList names;
  reg.GetValueNames(names);
  EXPECT_EQ(Names(names), std::vector<UnicodeString>{u"Colour"});
  EXPECT_EQ(reg.ReadString(u"Colour"), u"blue");
  // Case-insensitive beyond ASCII too.
  ASSERT_TRUE(reg.OpenKey(u"\\Straße\\Ärger", true));
  EXPECT_FALSE(reg.KeyExists(u"\\STRASSE"));  // simple case mapping: ß stays
  EXPECT_TRUE(reg.KeyExists(u"\\straße\\ÄRGER"));
}

TEST_F(RegistryTest, RelativePathsStartAtTheOpenKey) {
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey(u"A", true));
  ASSERT_TRUE(reg.OpenKey(u"B\\\\C\\", true));  // empty names are skipped
  EXPECT_EQ(reg.CurrentPath(), u"A\\B\\C");
  EXPECT_TRUE(reg.KeyExists(u"\\A\\B"));
  EXPECT_FALSE(reg.KeyExists(u"B"));  // A\B\C\B
  ASSERT_TRUE(reg.OpenKey(u"\\D", true));
  EXPECT_EQ(reg.CurrentPath(), u"D");
  reg.CloseKey();
  EXPECT_TRUE(reg.KeyExists(u"A\\B\\C"));  // no key open: from the root
  TStringList keys;
  reg.GetKeyNames(keys);
  EXPECT_EQ(Names(keys), (std::vector<UnicodeString>{u"A", u"D"}));
  EXPECT_FALSE(reg.OpenKey(u"Nowhere", false));
  EXPECT_FALSE(reg.KeyExists(u"Nowhere"));
}

TEST_F(RegistryTest, ValueTypesAsStoredAndReported) {
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey(u"T", true));
  reg.WriteString(u"s", u"text");
  reg.WriteExpandString(u"e", u"%HOME%\\x");
  reg.WriteInteger(u"i", -2);
  const uint8_t bytes[] = {0, 1, 0xFF};
  reg.WriteBinaryData(u"b", bytes, 3);
  reg.WriteString(u"", u"default");

  struct Case {
    const char16_t* name;
    TRegDataType type;
    int32_t size;
  };
  for (const Case& c : {Case{u"s", rdString, 10}, Case{u"e", rdExpandString, 18}, Case{u"i", rdInteger, 4},
                        Case{u"b", rdBinary, 3}, Case{u"", rdString, 16}, Case{u"none", rdUnknown, -1}}) {
    EXPECT_EQ(reg.GetDataType(c.name), c.type) << UnicodeToUtf8(c.name);
    EXPECT_EQ(reg.GetDataSize(c.name), c.size) << UnicodeToUtf8(c.name);
  }
  EXPECT_EQ(reg.ReadString(u"e"), u"%HOME%\\x");  // not expanded
  EXPECT_EQ(reg.ReadInteger(u"i"), -2);
  uint8_t back[8] = {};
  EXPECT_EQ(reg.ReadBinaryData(u"b", back, sizeof back), 3);
  EXPECT_EQ(back[2], 0xFF);
  EXPECT_EQ(reg.ReadString(u"none"), u"");
  EXPECT_THROW(reg.ReadString(u"i"), ERegistryException);
  EXPECT_THROW(reg.ReadInteger(u"s"), ERegistryException);
  EXPECT_THROW(reg.ReadInteger(u"none"), ERegistryException);
  // A value changes its type when written anew.
  reg.WriteInteger(u"s", 7);
  EXPECT_EQ(reg.GetDataType(u"s"), rdInteger);
}

TEST_F(RegistryTest, DeleteKeyTakesTheSubtreeAndClosesWhatWasInIt) {
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey(u"P\\Q\\R", true));
  reg.WriteString(u"v", u"1");
  ASSERT_TRUE(reg.OpenKey(u"\\P", false));
  reg.WriteString(u"w", u"2");
  ASSERT_TRUE(reg.OpenKey(u"\\Keep", true));
  reg.WriteString(u"k", u"3");
  ASSERT_TRUE(reg.OpenKey(u"\\P\\Q", false));
  EXPECT_TRUE(reg.DeleteKey(u"\\P"));
  EXPECT_FALSE(reg.HasCurrentKey());
  EXPECT_FALSE(reg.KeyExists(u"P\\Q\\R"));
  EXPECT_FALSE(reg.DeleteKey(u"P"));
  EXPECT_FALSE(reg.DeleteKey(u"\\"));  // the root stays
  // A key made again under the old name starts empty.
  ASSERT_TRUE(reg.OpenKey(u"P\\Q\\R", true));
  EXPECT_FALSE(reg.ValueExists(u"v"));
  ASSERT_TRUE(reg.OpenKeyReadOnly(u"\\Keep"));
  EXPECT_EQ(reg.ReadString(u"k"), u"3");
}

TEST_F(RegistryTest, DeleteValue) {
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey(u"K", true));
  reg.WriteString(u"Name", u"x");
  EXPECT_TRUE(reg.DeleteValue(u"NAME"));
  EXPECT_FALSE(reg.DeleteValue(u"Name"));
  EXPECT_FALSE(reg.ValueExists(u"Name"));
}

TEST_F(RegistryTest, WritingFailsLoudlyWhereItCannotLand) {
  TRegistry a;
  ASSERT_TRUE(a.OpenKey(u"Gone", true));
  {
    TRegistry b;
    EXPECT_TRUE(b.DeleteKey(u"Gone"));
  }
  // The open key was deleted by another accessor: no orphan value may be stored.
  EXPECT_THROW(a.WriteString(u"x", u"y"), ERegistryException);
  EXPECT_FALSE(a.KeyExists(u"\\Gone"));

  ASSERT_TRUE(a.OpenKey(u"\\Here", true));
  ASSERT_TRUE(a.OpenKeyReadOnly(u"\\Here"));
  EXPECT_THROW(a.WriteString(u"x", u"y"), ERegistryException);
  EXPECT_THROW(a.SetRootKey(12345), ERegistryException);
}

TEST_F(RegistryTest, EachRootIsAStoreOfItsOwn) {
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey(u"Shared", true));
  reg.WriteString(u"v", u"user");
  reg.SetRootKey(HKEY_LOCAL_MACHINE);
  EXPECT_FALSE(reg.HasCurrentKey());
  EXPECT_FALSE(reg.KeyExists(u"Shared"));
  ASSERT_TRUE(reg.OpenKey(u"Shared", true));
  reg.WriteString(u"v", u"machine");
  reg.SetRootKey(HKEY_CURRENT_USER);
  ASSERT_TRUE(reg.OpenKeyReadOnly(u"Shared"));
  EXPECT_EQ(reg.ReadString(u"v"), u"user");
  EXPECT_TRUE(std::filesystem::is_regular_file(dir.Path() / "reg/HKEY_LOCAL_MACHINE.db"));
}

TEST(RegistryStoreFile, WhereTheStoresLive) {
  testing::EnvVar over("ZUBCOREKIT_REGISTRY_DIR", nullptr);
  {
    testing::EnvVar data("XDG_DATA_HOME", "/xdg/data");
    EXPECT_EQ(RegistryStoreFile(HKEY_CURRENT_USER), u"/xdg/data/zubcorekit/registry/HKEY_CURRENT_USER.db");
  }
  {
    testing::EnvVar data("XDG_DATA_HOME", "relative/is/ignored");
    testing::EnvVar home("HOME", "/home/someone/");
    EXPECT_EQ(RegistryStoreFile(HKEY_CURRENT_USER),
              u"/home/someone/.local/share/zubcorekit/registry/HKEY_CURRENT_USER.db");
  }
  EXPECT_EQ(RegistryStoreFile(HKEY_LOCAL_MACHINE), u"/var/lib/zubcorekit/registry/HKEY_LOCAL_MACHINE.db");
  EXPECT_EQ(RegistryStoreFile(HKEY_CLASSES_ROOT), u"/var/lib/zubcorekit/registry/HKEY_CLASSES_ROOT.db");
  EXPECT_EQ(RegistryStoreFile(0), u"");
  testing::EnvVar sandbox("ZUBCOREKIT_REGISTRY_DIR", "/sandbox/reg/");
  EXPECT_EQ(RegistryStoreFile(HKEY_CURRENT_USER), u"/sandbox/reg/HKEY_CURRENT_USER.db");
  EXPECT_EQ(RegistryStoreFile(HKEY_LOCAL_MACHINE), u"/sandbox/reg/HKEY_LOCAL_MACHINE.db");
}

}  // namespace
}  // namespace zub
