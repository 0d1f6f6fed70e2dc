#include "dstruct/rle_encoder.hpp"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "dstruct/ZUB_dstruct.hpp"

namespace zub {
namespace {

using Bytes = std::vector<uint8_t>;

// Encodes Input in pieces of Piece bytes with the documented calling pattern; the count of
// Finish calls goes to Finishes.
Bytes EncodeAll(TRLEncoder& e, const Bytes& Input, size_t Piece, int* Finishes = nullptr) {
  Bytes out;
  TBytes block;
  const auto leng = static_cast<size_t>(e.BufLeng());
  for (size_t at = 0; at < Input.size(); at += Piece) {
    const size_t n = std::min(Piece, Input.size() - at);
    bool full = e.Encode(std::span(Input).subspan(at, n), static_cast<int32_t>(n));
    while (full || e.BytesBuffered() >= e.BufLeng()) {
      e.GetResult(block);
      out.insert(out.end(), block.begin(), block.begin() + static_cast<std::ptrdiff_t>(leng));
      full = false;
    }
  }
  int calls = 0;
  for (;;) {
    const int32_t n = e.Finish(block);
    ++calls;
    EXPECT_LE(calls, 1 + static_cast<int>(Input.size() * 3 / leng) + 2) << "Finish does not come to an end";
    if (calls > 1 + static_cast<int>(Input.size() * 3 / leng) + 2) break;
    out.insert(out.end(), block.begin(), block.begin() + n);
    if (n < e.BufLeng()) break;
  }
  if (Finishes != nullptr) *Finishes = calls;
  return out;
}

Bytes DecodeAll(TRLEncoder& e, const Bytes& Input) {
  Bytes out;
  TBytes block;
  for (const uint8_t b : Input)
    if (e.Decode(b)) {
      e.GetResult(block);
      out.insert(out.end(), block.begin(), block.begin() + e.BufLeng());
    }
  for (;;) {
    const int32_t n = e.FinishDecoding(block);
    out.insert(out.end(), block.begin(), block.begin() + n);
    if (n < e.BufLeng()) break;
  }
  return out;
}

TEST(RLEncoder, StartsEmptyWithTheDocumentedSettings) {
  TRLEncoder e(nullptr);
  EXPECT_EQ(e.ClassName(), u"TRLEncoder");
  EXPECT_EQ(e.BufLeng(), 256);
  EXPECT_EQ(e.BytesBuffered(), 0);
  EXPECT_EQ(e.DecodeState(), rlData);
}

TEST(RLEncoder, ExamplesOfTheFormat) {
  struct Case {
    Bytes input, encoded;
  };
  const Case cases[] = {
      {{0x01, 0x02, 0x02, 0x03, 0x03, 0x03}, {0x01, 0x02, 0x02, 0xA5, 0x03, 0x03}},
      {{0xA5}, {0xA5, 0x01, 0xA5}},
      {{0xA5, 0xA5, 0x01}, {0xA5, 0x02, 0xA5, 0xA5, 0x01, 0x01}},
      {{0x07, 0x08}, {0x07, 0xA5, 0x01, 0x08}},  // Finish writes even one byte as a run item
      {{}, {}},
  };
  for (const Case& c : cases) {
    TRLEncoder e(nullptr);
    EXPECT_EQ(EncodeAll(e, c.input, 100), c.encoded);
    TRLEncoder d(nullptr);
    EXPECT_EQ(DecodeAll(d, c.encoded), c.input);
  }
  TRLEncoder e(nullptr);
  const Bytes six = {0x01, 0x02, 0x02, 0x03, 0x03, 0x03};
  EXPECT_FALSE(e.Encode(six, 6));
  TBytes out;
  EXPECT_EQ(e.Finish(out), 6);
  EXPECT_EQ(Bytes(out.begin(), out.begin() + 6), (Bytes{0x01, 0x02, 0x02, 0xA5, 0x03, 0x03}));
}

TEST(RLEncoder, LongRunsSplitAt255) {
  TRLEncoder e(nullptr);
  EXPECT_EQ(EncodeAll(e, Bytes(300, 0x07), 300), (Bytes{0xA5, 0xFF, 0x07, 0xA5, 0x2D, 0x07}));
  // A run of exactly 255 leaves nothing pending, so Finish adds no empty item.
  TRLEncoder f(nullptr);
  EXPECT_EQ(EncodeAll(f, Bytes(255, 0x07), 255), (Bytes{0xA5, 0xFF, 0x07}));
  TRLEncoder g(nullptr);
  EXPECT_EQ(EncodeAll(g, Bytes(510, 0xA5), 7), (Bytes{0xA5, 0xFF, 0xA5, 0xA5, 0xFF, 0xA5}));
}

TEST(RLEncoder, DecodingExamples) {
  TRLEncoder d(nullptr);
  EXPECT_EQ(DecodeAll(d, {0xA5, 0x00, 0x07}), Bytes{});
  TRLEncoder e(nullptr);
  EXPECT_EQ(DecodeAll(e, {0x41, 0xA5, 0x03, 0x42}), (Bytes{0x41, 0x42, 0x42, 0x42}));
  // The state tells a caller whether the input ended inside a run item.
  TRLEncoder f(nullptr);
  f.Decode(0xA5);
  EXPECT_EQ(f.DecodeState(), rlLeadin);
  f.Decode(0x02);
  EXPECT_EQ(f.DecodeState(), rlCnt);
  f.Decode(0x09);
  EXPECT_EQ(f.DecodeState(), rlData);
  TBytes out;
  EXPECT_EQ(f.FinishDecoding(out), 2);
  EXPECT_EQ(out[0], 0x09);
  EXPECT_EQ(out[1], 0x09);
}

TEST(RLEncoder, GetResultWithAPartialBlockLeavesTheBufferAlone) {
  TRLEncoder e(nullptr);
  e.Encode(Bytes{1, 2, 3, 4}, 4);
  TBytes out = {9, 9};
  e.GetResult(out);
  EXPECT_EQ(out, (TBytes{9, 9}));
  EXPECT_EQ(e.BytesBuffered(), 3);
}

TEST(RLEncoder, SetBufLengSizesTheBlocks) {
  TRLEncoder e(nullptr);
  e.SetBufLeng(16);
  EXPECT_EQ(e.BufLeng(), 16);
  Bytes distinct(20);
  for (size_t i = 0; i < distinct.size(); ++i) distinct[i] = static_cast<uint8_t>(i);
  // Each byte is written when the next one differs: 16 bytes out after 17 in.
  EXPECT_FALSE(e.Encode(distinct, 16));
  EXPECT_TRUE(e.Encode(std::span(distinct).subspan(16), 1));
  TBytes out;
  e.GetResult(out);
  EXPECT_EQ(out.size(), 16u);  // grown from empty to one block
  EXPECT_EQ(out[15], 15);
  EXPECT_EQ(e.BytesBuffered(), 0);
}

TEST(RLEncoder, SetBufLengKeepsWhatIsBuffered) {
  TRLEncoder e(nullptr);
  const Bytes distinct = {1, 2, 3, 4, 5, 6, 7, 8, 9};
  e.Encode(distinct, 9);  // 8 bytes buffered, 9 pending
  e.SetBufLeng(3);
  EXPECT_EQ(e.BytesBuffered(), 8);
  e.SetBufLeng(1000);
  EXPECT_EQ(e.BytesBuffered(), 8);
  TBytes out;
  EXPECT_EQ(e.Finish(out), 11);
  EXPECT_EQ(Bytes(out.begin(), out.begin() + 11), (Bytes{1, 2, 3, 4, 5, 6, 7, 8, 0xA5, 1, 9}));
}

TEST(RLEncoder, RejectsABlockLengthBelowOne) {
  TRLEncoder e(nullptr);
  e.SetName(u"rle1");
  for (const int32_t bad : {0, -1, -2147483647 - 1}) {
    try {
      e.SetBufLeng(bad);
      FAIL() << bad;
    } catch (const EZUBDStructError& x) {
      EXPECT_EQ(x.Message(), u"Component \"rle1\": BufLeng must be at least 1, not " + IntToStr(bad));
    }
  }
  EXPECT_EQ(e.BufLeng(), 256);
}

// The documented calling pattern ends for every block length, and the output of each is the
// same bytes, decoding to the input, even when one Encode feeds far more than a block.
TEST(RLEncoder, CallingPatternEndsForEveryBlockLength) {
  std::mt19937 gen(1);
  std::vector<Bytes> inputs = {{}, {0xA5}, Bytes(255, 1), Bytes(256, 0xA5), {1, 2, 2, 3, 3, 3}};
  for (int k = 0; k < 6; ++k) {
    Bytes b(1 + gen() % 3000);
    // Runs of every length, many of 0xA5.
    for (size_t i = 0; i < b.size();) {
      const size_t run = std::min<size_t>(b.size() - i, 1 + (gen() % 4 == 0 ? gen() % 600 : gen() % 4));
      const uint8_t v = gen() % 3 == 0 ? 0xA5 : static_cast<uint8_t>(gen());
      std::fill_n(b.begin() + static_cast<std::ptrdiff_t>(i), run, v);
      i += run;
    }
    inputs.push_back(b);
  }
  for (const Bytes& input : inputs) {
    TRLEncoder reference(nullptr);
    const Bytes want = EncodeAll(reference, input, 1 << 20);
    TRLEncoder back(nullptr);
    ASSERT_EQ(DecodeAll(back, want), input);
    for (int32_t leng = 1; leng <= 8; ++leng)
      for (const size_t piece : {size_t{1}, size_t{3}, size_t{64}, size_t{1} << 20}) {
        SCOPED_TRACE(testing::Message() << "BufLeng " << leng << ", pieces of " << piece);
        TRLEncoder e(nullptr);
        e.SetBufLeng(leng);
        int finishes = 0;
        EXPECT_EQ(EncodeAll(e, input, piece, &finishes), want);
        EXPECT_LE(finishes, 2 + 3 / leng);
        TRLEncoder d(nullptr);
        d.SetBufLeng(leng);
        EXPECT_EQ(DecodeAll(d, want), input);
      }
  }
}

TEST(RLEncoder, CallersThatSkipGetResultLoseNothing) {
  TRLEncoder e(nullptr);
  e.SetBufLeng(2);
  Bytes input(5000);
  for (size_t i = 0; i < input.size(); ++i) input[i] = static_cast<uint8_t>(i % 160);  // no 0xA5, no repeats
  EXPECT_TRUE(e.Encode(input, 5000));
  EXPECT_TRUE(e.Encode(input, 5000));
  EXPECT_EQ(e.BytesBuffered(), 9999);
  // Counts beyond the input stop at its end.
  EXPECT_TRUE(e.Encode(Bytes{9}, 1000));
  Bytes out;
  TBytes block(1);  // grows to a block
  for (int32_t n; (n = e.Finish(block)) > 0;) out.insert(out.end(), block.begin(), block.begin() + n);
  EXPECT_EQ(out.size(), 10000u + 3);
  TRLEncoder d(nullptr);
  Bytes twice = input;
  twice.insert(twice.end(), input.begin(), input.end());
  twice.push_back(9);
  EXPECT_EQ(DecodeAll(d, out), twice);
}

TEST(RLEncoder, ResetStartsAfresh) {
  TRLEncoder e(nullptr);
  e.Encode(Bytes{4, 4, 4, 5}, 4);
  e.Decode(0xA5);
  e.Reset();
  EXPECT_EQ(e.BytesBuffered(), 0);
  EXPECT_EQ(e.DecodeState(), rlData);
  TBytes out;
  EXPECT_EQ(e.Finish(out), 0);
}

TEST(RLEncoder, OwnerReleasesIt) {
  TComponent owner(nullptr);
  auto* e = new TRLEncoder(&owner);
  EXPECT_EQ(owner.ComponentCount(), 1);
  EXPECT_EQ(owner.Components(0), e);
}

}  // namespace
}  // namespace zub
