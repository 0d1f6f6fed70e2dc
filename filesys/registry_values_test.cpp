#include "filesys/registry_values.hpp"

#include <gtest/gtest.h>

#include "filesys/ZUB_filesys.hpp"
#include "testing/env_var.hpp"
#include "testing/temp_dir.hpp"

namespace zub {
namespace {

class RegistryValuesTest : public ::testing::Test {
 protected:
  testing::TempDir dir;
  testing::EnvVar storeDir{"ZUBCOREKIT_REGISTRY_DIR", dir.Native("reg")};
};

TEST_F(RegistryValuesTest, ValuesOfEachTypeAsText) {
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey(u"Software\\Zub", true));
  reg.WriteInteger(u"dword", 42);
  reg.WriteInteger(u"negative", -7);
  const uint8_t bytes[] = {1, 2, 3};
  reg.WriteBinaryData(u"binary", bytes, 3);
  reg.WriteExpandString(u"expand", u"%TEMP%\\x");
  reg.WriteString(u"", u"the default");

  struct Case {
    const char16_t* name;
    const char16_t* text;
    int32_t asInt;
  };
  for (const Case& c :
       {Case{u"dword", u"42", 42}, Case{u"negative", u"-7", -7}, Case{u"binary", u"ERROR (unknown type)", 0},
        Case{u"expand", u"%TEMP%\\x", 0}, Case{u"", u"the default", 0}, Case{u"missing", u"", 0}}) {
    EXPECT_EQ(GetRegValue(0, u"Software\\Zub", c.name), c.text) << UnicodeToUtf8(c.name);
    EXPECT_EQ(GetRegValue(HKEY_CURRENT_USER, u"software\\zub", c.name), c.text) << UnicodeToUtf8(c.name);
    EXPECT_EQ(GetRegValueAsInt(0, u"Software\\Zub", c.name), c.asInt) << UnicodeToUtf8(c.name);
  }
  EXPECT_EQ(GetRegValue(0, u"Software\\Nothing", u"dword"), u"");
  EXPECT_EQ(GetRegValue(HKEY_LOCAL_MACHINE, u"Software\\Zub", u"dword"), u"");
}

TEST_F(RegistryValuesTest, TextReadAsNumbersAndTruth) {
  struct Case {
    const char16_t* text;
    int32_t asInt;
    double asDouble;
    bool asBool;
  };
  for (const Case& c : {
           Case{u" -12abc", -12, -12, false},
           Case{u"+7", 7, 7, false},
           Case{u"1,5", 1, 1.5, false},
           Case{u"2.5E3", 2, 2500, false},
           Case{u"abc", 0, 0, false},
           Case{u"99999999999", 2147483647, 99999999999.0, false},
           Case{u"-99999999999", -2147483647 - 1, -99999999999.0, false},
           Case{u"TRUE", 0, 0, true},
           Case{u"True", 0, 0, true},
           Case{u"1", 1, 1, false},
           Case{u"true ", 0, 0, false},
           Case{u"1.2.3", 1, 0, false},
       }) {
    SetRegValue(0, u"N", u"v", c.text);
    EXPECT_EQ(GetRegValueAsInt(0, u"N", u"v"), c.asInt) << UnicodeToUtf8(c.text);
    EXPECT_DOUBLE_EQ(GetRegValueAsDouble(0, u"N", u"v"), c.asDouble) << UnicodeToUtf8(c.text);
    EXPECT_EQ(GetRegValueAsBoolean(0, u"N", u"v"), c.asBool) << UnicodeToUtf8(c.text);
  }
}

TEST_F(RegistryValuesTest, SetCreatesTheKeyWithItsParents) {
  EXPECT_FALSE(RegKeyExists(0, u"A\\B\\C"));
  SetRegValue(0, u"A\\B\\C", u"Name", u"x");
  EXPECT_TRUE(RegKeyExists(0, u"A"));
  EXPECT_TRUE(RegKeyExists(0, u"a\\b\\c"));
  EXPECT_TRUE(RegValueExists(0, u"A\\B\\C", u"NAME"));
  EXPECT_FALSE(RegValueExists(0, u"A\\B\\C", u"Other"));
  EXPECT_FALSE(RegValueExists(0, u"A\\B\\D", u"Name"));
  EXPECT_EQ(GetRegValue(0, u"A\\B\\C", u"Name"), u"x");
  EXPECT_EQ(GetRegValue(HKEY_CURRENT_USER, u"A\\B\\C", u"Name"), u"x");  // 0 is the current user
}

TEST_F(RegistryValuesTest, ListingSubkeysAndValueNames) {
  SetRegValue(0, u"L\\one", u"", u"");
  SetRegValue(0, u"L\\Two\\deeper", u"", u"");
  SetRegValue(0, u"L", u"b", u"2");
  SetRegValue(0, u"L", u"A", u"1");
  TStringList list;
  EXPECT_EQ(GetAllRegSubkeys(0, u"L", list), 2);
  EXPECT_EQ(list.Strings(0), u"one");
  EXPECT_EQ(list.Strings(1), u"Two");
  EXPECT_EQ(GetAllRegValueNames(0, u"L", list), 2);
  EXPECT_EQ(list.Strings(0), u"A");
  EXPECT_EQ(GetAllRegSubkeys(0, u"Missing", list), 0);  // and the list is cleared
  EXPECT_EQ(list.Count(), 0);
  list.Add(u"stale");
  EXPECT_EQ(GetAllRegValueNames(0, u"Missing", list), 0);
  EXPECT_EQ(list.Count(), 0);
}

TEST_F(RegistryValuesTest, Deleting) {
  SetRegValue(0, u"D\\Sub", u"v", u"1");
  SetRegValue(0, u"D", u"w", u"2");
  EXPECT_TRUE(DeleteRegValue(0, u"D", u"W"));
  EXPECT_FALSE(DeleteRegValue(0, u"D", u"w"));
  EXPECT_FALSE(DeleteRegValue(0, u"Nowhere", u"w"));
  EXPECT_FALSE(RegKeyExists(0, u"Nowhere"));  // deleting a value made no key
  EXPECT_TRUE(DeleteRegKey(0, u"D"));
  EXPECT_FALSE(RegKeyExists(0, u"D\\Sub"));
  EXPECT_FALSE(DeleteRegKey(0, u"D"));
}

TEST_F(RegistryValuesTest, WritingWithoutTheRightsRaisesTheAccessorsError) {
  // The store's folder would have to go below a regular file: nobody, the superuser
  // included, can make it.
  dir.WriteBytes("file", "x");
  testing::EnvVar below("ZUBCOREKIT_REGISTRY_DIR", dir.Native("file/reg"));
  EXPECT_THROW(SetRegValue(HKEY_LOCAL_MACHINE, u"Software\\Zub", u"v", u"x"), ERegistryException);
  EXPECT_EQ(GetRegValue(HKEY_LOCAL_MACHINE, u"Software\\Zub", u"v"), u"");
}

TEST_F(RegistryValuesTest, ACorruptStoreIsNoMissingValue) {
  SetRegValue(0, u"K", u"v", u"x");
  dir.WriteBytes("reg/HKEY_CURRENT_USER.db", std::string(2048, '\x5A'));
  EXPECT_THROW(GetRegValue(0, u"K", u"v"), ERegistryException);
  EXPECT_THROW(RegKeyExists(0, u"K"), ERegistryException);
  EXPECT_THROW(SetRegValue(0, u"K", u"v", u"y"), ERegistryException);
}

}  // namespace
}  // namespace zub
