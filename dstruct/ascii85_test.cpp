#include "dstruct/ascii85.hpp"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "dstruct/ZUB_dstruct.hpp"
#include "testing/trickle_stream.hpp"

namespace zub {
namespace {

std::string Encode(const std::string& bytes, bool breaks) {
  TStringStream in{AnsiString(bytes)}, out;
  EncodeASCII85(in, out, breaks);
  return out.Bytes();
}

struct Decoded {
  int32_t result;
  std::string bytes;
};

Decoded Decode(const std::string& text) {
  TStringStream in{AnsiString(text)}, out;
  const int32_t r = DecodeASCII85(in, out);
  return {r, out.Bytes()};
}

TEST(ASCII85, EncodesGroupsAndTheShortLastGroupUnwidened) {
  const std::pair<std::string, std::string> cases[] = {
      {"", "~>"},
      {std::string(4, '\0'), "z~>"},
      {"A", "!b~>"},  // digits 0 and 65: not zero-widened to "5l"
      {"Man ", "9jqo^~>"},
      {"Ma", "#`%~>"},                 // $4D61 = 19809 = 2 x 85^2 + 63 x 85 + 4
      {"Man", ")6m>~>"},               // $4D616E = 5071214
      {std::string(1, '\0'), "!!~>"},  // a short group of zeros is no "z"
      {std::string(8, '\0'), "zz~>"},
      {"\xFF\xFF\xFF\xFF", "s8W-!~>"},  // 4294967295
      {std::string("\0\0\0\0Man ", 8), "z9jqo^~>"},
  };
  for (const auto& [bytes, text] : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(Encode(bytes, false), text);
    const Decoded d = Decode(text);
    EXPECT_EQ(d.result, 0);
    EXPECT_EQ(d.bytes, bytes);
  }
}

TEST(ASCII85, LinesHoldTwelveGroupsPlusTheZsOnTheWay) {
  const std::string groups(48, 'x');  // twelve non-zero groups
  const std::string line = Encode(groups, true);
  ASSERT_EQ(line.size(), 60u + 2 + 2);
  EXPECT_EQ(line.substr(60), "\r\n~>");
  EXPECT_EQ(Encode(groups, false).size(), 62u);
  // A "z" does not count toward the twelve.
  const std::string withZero = std::string(4, '\0') + groups;
  EXPECT_EQ(Encode(withZero, true), "z" + line);
  // The short last group counts like any other.
  EXPECT_EQ(Encode(std::string(44, 'x') + "y", true).substr(55), "\"E\r\n~>");
}

TEST(ASCII85, DecodingSkipsLineEndsAndStopsAtTheTilde) {
  EXPECT_EQ(Decode("9j\r\nqo\n^~>").bytes, "Man ");
  EXPECT_EQ(Decode("\r\n!b\n~>").bytes, "A");
  TStringStream in{AnsiString("!b~>rest")}, out;
  EXPECT_EQ(DecodeASCII85(in, out), 0);
  EXPECT_EQ(in.Position(), 3);  // just after the "~"
  EXPECT_EQ(out.Bytes(), "A");
  // A "~" inside a group ends it there; a group of one character writes nothing.
  EXPECT_EQ(Decode("9jqo^!~").bytes, "Man ");
  EXPECT_EQ(Decode("~>9jqo^").bytes, "");
}

TEST(ASCII85, InputWithoutEndMarkerDecodesToItsEnd) {
  EXPECT_EQ(Decode("9jqo^").bytes, "Man ");
  const Decoded d = Decode("9jqo^!b");
  EXPECT_EQ(d.result, 0);
  EXPECT_EQ(d.bytes, "Man A");
  EXPECT_EQ(Decode("").bytes, "");
  EXPECT_EQ(Decode("z").bytes, std::string(4, '\0'));
}

TEST(ASCII85, InvalidCharactersAreReportedAndDecodingGoesOn) {
  struct Case {
    std::string text;
    int32_t result;
    size_t bytes;
  };
  const Case cases[] = {
      {"!!v!!~>", -1, 4},       // 'v' = 85 counts into the value
      {"!!z!!~>", -2, 4},       // a "z" inside a group
      {"!!z!!!!v!!~>", -1, 8},  // the last one counts: -1
      {"!!v!!!!z!!~>", -2, 8},  // ... or -2
      {"z!!!!!~>", 0, 8},       // "z" at the start of a group is four zero bytes
      {"!!\x7F!~>", -1, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const Decoded d = Decode(c.text);
    EXPECT_EQ(d.result, c.result);
    EXPECT_EQ(d.bytes.size(), c.bytes);
  }
  EXPECT_EQ(Decode("!!z!!~>").bytes, std::string("\0\x09\xCF\xD1", 4));  // 89 x 85^2
}

TEST(ASCII85, ValuesBeyondThirtyTwoBitsRaiseAfterTheGroupsBefore) {
  for (const std::string bad : {"uuuuu", "s8W-\"", " !!!!", "\x01!!!!", "{{{{{"}) {
    SCOPED_TRACE(bad);
    TStringStream in{AnsiString("9jqo^" + bad + "9jqo^~>")}, out;
    EXPECT_THROW(DecodeASCII85(in, out), EIntOverflow);
    EXPECT_EQ(out.Bytes(), "Man ");
  }
  // The largest value and a later blank that keeps the value positive are fine.
  EXPECT_EQ(Decode("s8W-!~>").bytes, "\xFF\xFF\xFF\xFF");
  EXPECT_EQ(Decode("# !!!~>").result, -1);
}

TEST(ASCII85, RoundTripsOfEveryShape) {
  std::mt19937 gen(1);
  for (size_t n = 0; n < 300; ++n) {
    std::string bytes(n, '\0');
    for (char& c : bytes) c = gen() % 3 == 0 ? '\0' : static_cast<char>(gen());
    for (const bool breaks : {true, false}) {
      const Decoded d = Decode(Encode(bytes, breaks));
      ASSERT_EQ(d.result, 0);
      ASSERT_EQ(d.bytes, bytes) << n;
    }
  }
  std::string big(1 << 20, '\0');
  for (char& c : big) c = static_cast<char>(gen() % 4 == 0 ? 0 : gen());
  EXPECT_TRUE(Decode(Encode(big, true)).bytes == big);
}

TEST(ASCII85, ShortReadsDoNotEndAGroup) {
  std::string bytes(1000, '\0');
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i % 7 == 0 ? 0 : i);
  testing::TrickleStream in(bytes, 3);
  TStringStream out;
  EncodeASCII85(in, out, true);
  EXPECT_EQ(out.Bytes(), Encode(bytes, true));
  testing::TrickleStream text(out.Bytes(), 4);
  TStringStream back;
  EXPECT_EQ(DecodeASCII85(text, back), 0);
  EXPECT_EQ(back.Bytes(), bytes);
}

}  // namespace
}  // namespace zub
