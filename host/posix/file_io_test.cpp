#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "host/exceptions.hpp"
#include "host/file_stream.hpp"
#include "host/file_system.hpp"
#include "host/internal/os.hpp"
#include "testing/temp_dir.hpp"

namespace zub {
namespace {

using zub::testing::TempDir;

// The code the host reports for a failure with errno e.
int32_t CodeFor(int e) {
  errno = e;
  return os::LastError();
}

TEST(PosixErrors, EachErrnoKeepsItsOwnReason) {
  struct Case {
    int e;
    const char16_t* text;
  };
  const Case cases[] = {
      {ENOENT, u"File not found"},  {ENOTDIR, u"Path not found"},        {EACCES, u"Access denied"},
      {EPERM, u"Access denied"},    {EISDIR, u"Is a directory"},         {EROFS, u"Read-only file system"},
      {ENOSPC, u"Disk full"},       {EDQUOT, u"Disk quota exceeded"},    {EFBIG, u"File too large"},
      {EEXIST, u"File exists"},     {ENOTEMPTY, u"Directory not empty"}, {EMFILE, u"Too many open files"},
      {EIO, u"Input/output error"},  // no Windows code: the system's own text
  };
  for (const Case& c : cases) EXPECT_EQ(os::SystemErrorText(CodeFor(c.e)), c.text) << c.e;
}

TEST(PosixErrors, OnlyRefusedPermissionIsAccessDenied) {
  for (int e = 1; e < 200; ++e) {
    if (e == EACCES || e == EPERM) continue;
    EXPECT_NE(CodeFor(e), 5) << e;
  }
}

TEST(PosixErrors, UsingADirectoryAsAFileSaysItIsADirectory) {
  TempDir dir;
  const std::string native = dir.Native("");
  for (const os::Access access : {os::Access::Read, os::Access::Write, os::Access::ReadWrite}) {
    int32_t err = 0;
    EXPECT_EQ(os::Open(native, access, false, os::Lock::None, err), os::kNoHandle);
    EXPECT_EQ(os::SystemErrorText(err), u"Is a directory") << static_cast<int>(access);
  }
  try {
    TFileStream f(dir.Name(""), fmOpenRead);
    FAIL();
  } catch (const EFOpenError& e) {
    EXPECT_NE(std::string(e.what()).find("Is a directory"), std::string::npos) << e.what();
  }
  ASSERT_TRUE(CreateDir(dir.Name("sub")));
  EXPECT_FALSE(DeleteFile(dir.Name("sub")));
  EXPECT_EQ(ErrorCodeText(GetLastFileError()), u"Is a directory");
}

}  // namespace
}  // namespace zub
