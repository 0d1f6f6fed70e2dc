#include "dstruct/sha1.hpp"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "dstruct/ZUB_dstruct.hpp"
#include "dstruct/internal/cpu_features.hpp"
#include "dstruct/internal/sha1_kernels.hpp"
#include "host/file_stream.hpp"
#include "testing/temp_dir.hpp"
#include "testing/trickle_stream.hpp"

namespace zub {
namespace {

std::string Hex(const TSHACode& d) {
  return UnicodeToUtf8(SHA1DigestToHex(d));
}

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

TSHACode OfBytes(const std::string& s) {
  return SHA1FromBytes({reinterpret_cast<const uint8_t*>(s.data()), s.size()});
}

TEST(SHA1, FipsVectors) {
  struct Case {
    std::string message, digest;
  };
  const Case cases[] = {
      {"abc", "a9993e364706816aba3e25717850c26c9cd0d89d"},
      {"", "da39a3ee5e6b4b0d3255bfef95601890afd80709"},
      {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
       "84983e441c3bd26ebaae4aa1f95129e5e54670f1"},
      {std::string(1000000, 'a'), "34aa973cd4c4daa4f61eeb2bdbad27316534016f"},
      // 55, 56, 63 and 64 bytes: the padding fits the last block, or needs one more.
      {std::string(55, 'x'), "cef734ba81a024479e09eb5a75b6ddae62e6abf1"},
      {std::string(56, 'x'), "901305367c259952f4e7af8323f480d59f81335b"},
      {std::string(63, 'x'), "0ddc4e0cccd9a12850deb5abb0853a4425559fec"},
      {std::string(64, 'x'), "bb2fa3ee7afb9f54c6dfb5d021f14b1ffe40c163"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message.size());
    EXPECT_EQ(Hex(SHA1FromString(AnsiString(c.message))), Upper(c.digest));
    EXPECT_EQ(Hex(OfBytes(c.message)), Upper(c.digest));
  }
}

TEST(SHA1, StringFormsHashTheDocumentedBytes) {
  EXPECT_EQ(SHA1FromString(AnsiString("abc")), OfBytes("abc"));
  EXPECT_EQ(SHA1FromString(UnicodeString(u"abc")), OfBytes(std::string("a\0b\0c\0", 6)));
  EXPECT_EQ(SHA1FromStringOLd(u"abc"), OfBytes(std::string("a\0b", 3)));
  EXPECT_EQ(SHA1FromStringOLd(u"AB"), OfBytes(std::string("A\0", 2)));
  EXPECT_EQ(SHA1FromStringOLd(u""), OfBytes(""));
  // Code units above 255 go low byte first.
  EXPECT_EQ(SHA1FromString(UnicodeString(u"\u20AC")), OfBytes("\xAC\x20"));
  EXPECT_EQ(SHA1FromStringOLd(u"\u20ACx"), OfBytes("\xAC\x20"));
  EXPECT_EQ(SHA1FromString(AnsiString("\x80")), OfBytes("\x80"));
}

TEST(SHA1, HexIsFortyUpperCaseDigits) {
  TSHACode d{};
  for (size_t i = 0; i < d.size(); ++i) d[i] = static_cast<uint8_t>(i * 13 + 0xA0);
  const UnicodeString hex = SHA1DigestToHex(d);
  EXPECT_EQ(hex, u"A0ADBAC7D4E1EEFB0815222F3C495663707D8A97");
  EXPECT_EQ(SHA1DigestToHex(TSHACode{}), UnicodeString(40, u'0'));
  const UnicodeString abc = SHA1DigestToHex(SHA1FromString(AnsiString("abc")));
  EXPECT_EQ(abc.size(), 40u);
  for (const Char c : abc) EXPECT_TRUE((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F'));
}

TEST(SHA1, StreamFromItsPositionToItsEnd) {
  std::string bytes(5000, '\0');
  std::mt19937 gen(1);
  for (char& c : bytes) c = static_cast<char>(gen());
  TStringStream s{AnsiString(bytes)};
  s.SetPosition(17);
  EXPECT_EQ(SHA1FromStream(s), OfBytes(bytes.substr(17)));
  EXPECT_EQ(s.Position(), 5000);
  EXPECT_EQ(SHA1FromStream(s), OfBytes(""));
  // A stream that gives a few bytes per read is read to its end.
  testing::TrickleStream trickle(bytes);
  EXPECT_EQ(SHA1FromStream(trickle), OfBytes(bytes));
}

TEST(SHA1, Files) {
  testing::TempDir dir;
  dir.WriteBytes("abc.txt", "abc");
  dir.WriteBytes("empty.txt", "");
  std::string big(300000, '\0');
  for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 7 + i / 1000);
  dir.WriteBytes("big.bin", big);
  EXPECT_EQ(Hex(SHA1FromFile(dir.Name("abc.txt"))), "A9993E364706816ABA3E25717850C26C9CD0D89D");
  EXPECT_EQ(Hex(SHA1FromFile(dir.Name("empty.txt"))), "DA39A3EE5E6B4B0D3255BFEF95601890AFD80709");
  EXPECT_EQ(SHA1FromFile(dir.Name("big.bin")), OfBytes(big));
  EXPECT_THROW(SHA1FromFile(dir.Name("missing.txt")), EFOpenError);
  // The file is closed again: it can be removed and made anew at once.
  std::filesystem::remove(dir.Native("abc.txt"));
  EXPECT_THROW(SHA1FromFile(dir.Name("abc.txt")), EFOpenError);
}

// The SHA-extensions kernel against the portable one on random data of every length from 0 to
// 4096, at every start offset within 16 bytes (the width of its loads).
TEST(SHA1, ShaExtensionsMatchPortableCode) {
  using namespace dstruct_internal;
  const CpuFeatures& cpu = Cpu();
  if (!(SHA1ShaNiBuilt() && cpu.sha && cpu.ssse3 && cpu.sse41)) GTEST_SKIP() << "no SHA extensions here";
  constexpr size_t kMax = 4096;
  std::vector<uint8_t> data(kMax + 16);
  std::mt19937 gen(2);
  for (auto& b : data) b = static_cast<uint8_t>(gen());
  std::vector<std::array<uint8_t, 20>> ref(kMax + 1);
  for (size_t n = 0; n <= kMax; ++n) SHA1WithKernel(SHA1BlocksPortable, data.data(), n, ref[n].data());
  std::vector<uint8_t> shifted(kMax + 16);
  for (size_t offset = 0; offset < 16; ++offset) {
    std::copy(data.begin(), data.begin() + kMax, shifted.begin() + static_cast<std::ptrdiff_t>(offset));
    for (size_t n = 0; n <= kMax; ++n) {
      std::array<uint8_t, 20> got;
      SHA1WithKernel(SHA1BlocksShaNi, shifted.data() + offset, n, got.data());
      if (got != ref[n]) FAIL() << "differs at length " << n << ", offset " << offset;
    }
  }
  EXPECT_STREQ(SelectedSHA1KernelName(), "sha-ni");
}

TEST(SHA1, KernelsRunManyBlocksAtOnce) {
  using namespace dstruct_internal;
  std::vector<uint8_t> data(64 * 1000);
  for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<uint8_t>(i % 251);
  uint32_t one[5] = {1, 2, 3, 4, 5}, each[5] = {1, 2, 3, 4, 5};
  SHA1BlocksPortable(one, data.data(), 1000);
  for (size_t b = 0; b < 1000; ++b) SelectedSHA1Kernel()(each, data.data() + 64 * b, 1);
  EXPECT_TRUE(std::equal(one, one + 5, each));
}

}  // namespace
}  // namespace zub
