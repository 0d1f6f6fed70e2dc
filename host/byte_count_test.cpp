#include "host/byte_count.hpp"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace zub {
namespace {

// Random text rich in line ends, at every length and alignment around the block sizes.
TEST(ByteCount, AgreesWithAPlainLoopAtEveryLengthAndOffset) {
  std::mt19937 rng(7);
  const char alphabet[] = "\r\n\r\nab\x00\xFF";
  std::vector<uint8_t> data(16 * 255 * 2 + 64);
  for (auto& b : data) b = static_cast<uint8_t>(alphabet[rng() % 8]);
  for (size_t offset = 0; offset < 3; ++offset)
    for (size_t n : {0u, 1u, 15u, 16u, 17u, 33u, 16u * 255, 16u * 255 + 1, 16u * 255 + 17, 16u * 510 + 40}) {
      const uint8_t* p = data.data() + offset;
      size_t lf = 0, ends = 0;
      for (size_t i = 0; i < n; ++i) {
        lf += p[i] == '\n';
        ends += p[i] == '\n' || (p[i] == '\r' && (i + 1 == n || p[i + 1] != '\n'));
      }
      EXPECT_EQ(CountByte(p, n, '\n'), lf) << n << " at " << offset;
      EXPECT_EQ(CountLineEnds(p, n), ends) << n << " at " << offset;
    }
  const std::vector<uint8_t> same(16 * 300, 0xFF);  // every lane at its limit
  EXPECT_EQ(CountByte(same.data(), same.size(), 0xFF), same.size());
  const std::vector<uint8_t> lone(16 * 300, '\r');
  EXPECT_EQ(CountLineEnds(lone.data(), lone.size()), lone.size());
}

}  // namespace
}  // namespace zub
