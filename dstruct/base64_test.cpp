#include "dstruct/base64.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "dstruct/ZUB_dstruct.hpp"
#include "dstruct/internal/base64_kernels.hpp"
#include "dstruct/internal/cpu_features.hpp"
#include "testing/temp_dir.hpp"
#include "testing/trickle_stream.hpp"

namespace zub {
namespace {

using namespace dstruct_internal;

std::string Encode(const std::string& bytes, bool breaks) {
  TStringStream in{AnsiString(bytes)}, out;
  EncodeBase64(in, out, breaks);
  return out.Bytes();
}

struct Decoded {
  int32_t result;
  std::string bytes;
};

Decoded Decode(const std::string& text) {
  TStringStream in{AnsiString(text)}, out;
  const int32_t r = DecodeBase64(in, out);
  return {r, out.Bytes()};
}

std::string RandomBytes(size_t n, uint32_t seed) {
  std::mt19937 gen(seed);
  std::string s(n, '\0');
  for (char& c : s) c = static_cast<char>(gen());
  return s;
}

TEST(Base64, RfcVectors) {
  const std::pair<std::string, std::string> cases[] = {
      {"", ""},
      {"f", "Zg=="},
      {"fo", "Zm8="},
      {"foo", "Zm9v"},
      {"foob", "Zm9vYg=="},
      {"fooba", "Zm9vYmE="},
      {"foobar", "Zm9vYmFy"},
      {"\xFF\xFE\xFD", "//79"},
      {std::string("\0\0\0", 3), "AAAA"},
  };
  for (const auto& [bytes, text] : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(Encode(bytes, false), text);
    EXPECT_EQ(Encode(bytes, true), text.empty() ? "" : text + "\r\n");
    const Decoded d = Decode(text);
    EXPECT_EQ(d.result, 0);
    EXPECT_EQ(d.bytes, bytes);
  }
}

TEST(Base64, LinesOfSixtyCharacters) {
  const std::string b46 = RandomBytes(46, 1);
  const std::string e46 = Encode(b46, true);
  ASSERT_EQ(e46.size(), 60u + 2 + 4 + 2);
  EXPECT_EQ(e46.substr(60, 2), "\r\n");
  EXPECT_EQ(e46.substr(64), "==\r\n");
  // A multiple of 45 bytes ends with a full line and no empty one.
  const std::string e90 = Encode(RandomBytes(90, 2), true);
  EXPECT_EQ(e90.size(), 124u);
  EXPECT_EQ(e90.substr(60, 2), "\r\n");
  EXPECT_EQ(e90.substr(122), "\r\n");
  EXPECT_EQ(Encode(RandomBytes(90, 2), false).size(), 120u);
  EXPECT_EQ(Encode(RandomBytes(45, 3), true).size(), 62u);
}

TEST(Base64, StreamsAreReadAndWrittenFromTheirPositions) {
  TStringStream in{AnsiString("skipfoo")}, out{AnsiString("keep")};
  in.SetPosition(4);
  out.SetPosition(4);
  EncodeBase64(in, out, false);
  EXPECT_EQ(out.Bytes(), "keepZm9v");
  EXPECT_EQ(in.Position(), 7);
}

// A pipe may hand over fewer bytes than asked for; that must not end a line or the encoding.
TEST(Base64, ShortReadsDoNotEndTheInput) {
  const std::string bytes = RandomBytes(1000, 4);
  for (const int32_t piece : {1, 7, 44, 46}) {
    testing::TrickleStream in(bytes, piece);
    TStringStream out;
    EncodeBase64(in, out, true);
    EXPECT_EQ(out.Bytes(), Encode(bytes, true));
    testing::TrickleStream text(out.Bytes(), piece);
    TStringStream back;
    EXPECT_EQ(DecodeBase64(text, back), 0);
    EXPECT_EQ(back.Bytes(), bytes);
  }
}

TEST(Base64, LineEndsAnywhereAreIgnored) {
  const std::string bytes = RandomBytes(200, 5);
  const std::string text = Encode(bytes, false);
  for (size_t every = 1; every <= 9; ++every)
    for (const std::string eol : {"\r\n", "\n", "\r", "\n\n\r"}) {
      std::string broken;
      for (size_t i = 0; i < text.size(); ++i) {
        broken += text[i];
        if ((i + 1) % every == 0) broken += eol;
      }
      const Decoded d = Decode(eol + broken);
      EXPECT_EQ(d.result, 0);
      EXPECT_EQ(d.bytes, bytes) << "every " << every;
    }
}

TEST(Base64, GroupsWithPadDoNotEndDecoding) {
  EXPECT_EQ(Decode("Zg==Zm8=Zm9v").bytes, "ffofoo");
  EXPECT_EQ(Decode("Zg==\r\nZg==").bytes, "ff");
  // A fourth "=" after a third: one byte, as the third decides.
  EXPECT_EQ(Decode("Zm==").bytes, "f");
}

TEST(Base64, InRangeCharactersOutsideTheAlphabetCountAs127) {
  // 127 everywhere: (127 shl 2) or (127 shr 4), ((127 shl 4) or (127 shr 2)), ((127 shl 6) or
  // 127), each cut to a byte.
  const Decoded d = Decode("::::");
  EXPECT_EQ(d.result, 0);
  EXPECT_EQ(d.bytes, "\xFF\xFF\xFF");
  // "=" first: d0 = 127, d1 = 'A' = 0.
  EXPECT_EQ(Decode("=AAA").bytes, std::string("\xFC\0\0", 3));
  EXPECT_EQ(Decode("Q@==").bytes, "\x47");  // 'Q' = 16, '@' = 127: (16 shl 2) or 7
}

TEST(Base64, ShortLastGroup) {
  const std::pair<std::string, Decoded> cases[] = {
      {"Zg", {0, "f"}},          {"Zm8", {0, "fo"}}, {"Zm9vZ", {0, "foo"}}, {"Z", {0, ""}},
      {"Zm9vZ\r\n", {0, "foo"}}, {"Z$", {-1, ""}},   {"$", {-1, ""}},
  };
  for (const auto& [text, want] : cases) {
    SCOPED_TRACE(text);
    const Decoded d = Decode(text);
    EXPECT_EQ(d.result, want.result);
    EXPECT_EQ(d.bytes, want.bytes);
  }
}

TEST(Base64, ABadCharacterDropsItsBlockOfEightyEightCharacters) {
  const std::string bytes = RandomBytes(300, 6);
  const std::string text = Encode(bytes, false);  // 400 characters: blocks of 88 = 66 bytes
  struct Case {
    size_t at;  // position of the bad character
    char bad;
    size_t kept;
  };
  const Case cases[] = {
      {0, '$', 0},       {87, '*', 0},    {88, '{', 66},   {100, ' ', 66},
      {175, '\x80', 66}, {176, '$', 132}, {399, '$', 264},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.at);
    std::string t = text;
    t[c.at] = c.bad;
    const Decoded d = Decode(t);
    EXPECT_EQ(d.result, -1);
    EXPECT_EQ(d.bytes, bytes.substr(0, c.kept));
  }
  // With line breaks the blocks still count the characters without CR LF.
  std::string broken = Encode(bytes, true);
  broken[62 + 30] = '$';  // the 91st character: the second block
  EXPECT_EQ(Decode(broken).bytes, bytes.substr(0, 66));
}

// Output that goes to the stream's own buffer in place: the dropped block is not in the
// stream, nothing is left behind its end (a memory stream keeps those bytes zero), and
// output over existing content leaves what follows the kept blocks as it was.
TEST(Base64, ADroppedBlockLeavesNoTraceInTheOutputStream) {
  const std::string bytes = RandomBytes(30000, 8);
  std::string text = Encode(bytes, true);
  const size_t bad = 20000;  // in the block of characters 19888.. (without line ends: 19360..)
  text[bad] = '$';
  const size_t kept = (bad - bad / 62 * 2) / 88 * 66;

  TMemoryStream atEnd;
  atEnd.SetSize(100000);  // room in place
  atEnd.SetSize(5);
  atEnd.SetPosition(5);
  TStringStream in1{AnsiString(text)};
  EXPECT_EQ(DecodeBase64(in1, atEnd), -1);
  EXPECT_EQ(atEnd.Size(), static_cast<int64_t>(5 + kept));
  EXPECT_EQ(std::memcmp(atEnd.Memory() + 5, bytes.data(), kept), 0);
  atEnd.SetSize(100000);
  EXPECT_EQ(std::count(atEnd.Memory() + 5 + kept, atEnd.Memory() + 100000, 0), static_cast<ptrdiff_t>(100000 - 5 - kept));

  TStringStream over{AnsiString(std::string(40000, 'x'))};
  TStringStream in2{AnsiString(text)};
  EXPECT_EQ(DecodeBase64(in2, over), -1);
  EXPECT_EQ(over.Bytes(), bytes.substr(0, kept) + std::string(40000 - kept, 'x'));

  testing::TempDir dir;
  {
    TFileStream file(dir.Name("out.bin"), fmCreate);
    TStringStream in3{AnsiString(text)};
    EXPECT_EQ(DecodeBase64(in3, file), -1);
    file.Close();
  }
  EXPECT_EQ(dir.ReadBytes("out.bin"), bytes.substr(0, kept));
}

TEST(Base64, DecodingAppendsAtTheOutputPosition) {
  TStringStream in{AnsiString("Zm9v")}, out{AnsiString("ab")};
  out.SetPosition(2);
  EXPECT_EQ(DecodeBase64(in, out), 0);
  EXPECT_EQ(out.Bytes(), "abfoo");
}

// The AVX2 kernels against the portable ones, through the stream routines, on random data of
// every length from 0 to 4096 at every start offset within 32 bytes. One stream per offset is
// cut shorter by a byte at a time; decoding is compared on every seventh length. Unoptimized
// builds (the sanitizer build runs at -O0, some 100 times slower here) take every length at
// four offsets and every offset at the lengths up to 300 and one in eleven beyond.
TEST(Base64, Avx2MatchesPortableCode) {
  if (!(Base64Avx2Built() && Cpu().avx2)) GTEST_SKIP() << "no AVX2 here";
  const Base64Kernels portable{Base64EncodeLinesPortable, Base64DecodeRunPortable, "portable"};
  const Base64Kernels avx2{Base64EncodeLinesAvx2, Base64DecodeRunAvx2, "avx2"};
  const std::string data = RandomBytes(4096, 7);
  const std::string pad(32, '#');
  TMemoryStream a, b, da, db, text;
  const auto reset = [](TMemoryStream& s) {
    s.SetSize(0);
    s.SetPosition(0);
  };
  for (size_t offset = 0; offset < 32; ++offset) {
    TStringStream in{AnsiString(pad.substr(0, offset) + data)};
    for (size_t n = 4096 + 1; n-- > 0;) {
#ifndef __OPTIMIZE__
      const bool everyLength = offset == 0 || offset == 1 || offset == 13 || offset == 31;
      if (!everyLength && n > 300 && n % 11 != 0) continue;
#endif
      in.SetSize(static_cast<int64_t>(offset + n));
      for (const bool breaks : {true, false}) {
        reset(a);
        reset(b);
        in.SetPosition(static_cast<int64_t>(offset));
        EncodeBase64With(portable, in, a, breaks);
        in.SetPosition(static_cast<int64_t>(offset));
        EncodeBase64With(avx2, in, b, breaks);
        if (a.Size() != b.Size() || std::memcmp(a.Memory(), b.Memory(), static_cast<size_t>(a.Size())) != 0)
          FAIL() << "encoding differs at length " << n << ", offset " << offset;
        if (n % 7 != 0) continue;
        reset(da);
        reset(db);
        reset(text);  // the text at the same offset
        text.WriteBuffer(pad.data(), static_cast<int32_t>(offset));
        text.WriteBuffer(a.Memory(), static_cast<int32_t>(a.Size()));
        text.SetPosition(static_cast<int64_t>(offset));
        const int32_t ra = DecodeBase64With(portable, text, da);
        text.SetPosition(static_cast<int64_t>(offset));
        const int32_t rb = DecodeBase64With(avx2, text, db);
        if (ra != 0 || rb != 0 || da.Size() != static_cast<int64_t>(n) ||
            std::memcmp(da.Memory(), data.data(), n) != 0 || db.Size() != da.Size() ||
            std::memcmp(db.Memory(), da.Memory(), n) != 0)
          FAIL() << "decoding differs at length " << n << ", offset " << offset;
      }
    }
  }
}

// The decoding kernels step over line ends between groups and stop at anything else, wherever
// it stands.
TEST(Base64, Avx2DecodeRunStopsWhereThePortableRunStops) {
  if (!(Base64Avx2Built() && Cpu().avx2)) GTEST_SKIP() << "no AVX2 here";
  std::mt19937 gen(8);
  const std::string text = Encode(RandomBytes(3000, 9), false);
  const std::string breakers = "=\r\n$ :@[`{\x80\xFF";
  std::vector<uint8_t> outA(4096), outB(4096);
  for (int round = 0; round < 5000; ++round) {
    std::string t = text.substr(0, 1 + gen() % 600);
    for (int k = static_cast<int>(gen() % 4); k > 0; --k) {
      const size_t at = gen() % (t.size() + 40);
      if (at >= t.size()) continue;
      const char c = breakers[gen() % breakers.size()];
      // Line ends are put in (between groups or not), other characters replace one.
      if (c == '\r' || c == '\n')
        t.insert(at, gen() % 2 == 0 ? std::string(1, c) : std::string("\r\n"));
      else
        t[at] = c;
    }
    const auto* p = reinterpret_cast<const uint8_t*>(t.data());
    size_t producedA = 0, producedB = 0;
    const size_t a = Base64DecodeRunPortable(p, t.size(), outA.data(), producedA);
    const size_t b = Base64DecodeRunAvx2(p, t.size(), outB.data(), producedB);
    ASSERT_EQ(a, b) << "round " << round;
    ASSERT_EQ(producedA, producedB) << "round " << round;
    ASSERT_TRUE(
        std::equal(outA.begin(), outA.begin() + static_cast<std::ptrdiff_t>(producedA), outB.begin()));
  }
}

TEST(Base64, RoundTripsOfLargeInputs) {
  const std::string bytes = RandomBytes(1 << 20, 10);
  for (const bool breaks : {true, false}) {
    const std::string text = Encode(bytes, breaks);
    EXPECT_EQ(text.size(), (bytes.size() + 44) / 45 * (breaks ? 2 : 0) + (bytes.size() + 2) / 3 * 4);
    const Decoded d = Decode(text);
    EXPECT_EQ(d.result, 0);
    EXPECT_TRUE(d.bytes == bytes);
  }
}

}  // namespace
}  // namespace zub
