// TStringPool: one 32 KiB block of the string array's text heap. Texts are stored as a length
// byte followed by that many single-byte characters, at 1-based offsets 1 .. 32768; a pool
// hands out space front to back and never uses its last byte (offset 32768).
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

namespace zub {

class TStringPool {
 public:
  static constexpr int32_t Size = 32768;
  // The highest offset a stored text may reach.
  static constexpr int32_t LastUsable = Size - 1;

  TStringPool() : FBytes(std::make_unique<Block>()) {}
  TStringPool(const TStringPool& other) : FBytes(std::make_unique<Block>(*other.FBytes)) {}
  TStringPool& operator=(const TStringPool& other) {
    if (this != &other) *FBytes = *other.FBytes;
    return *this;
  }
  TStringPool(TStringPool&&) noexcept = default;
  TStringPool& operator=(TStringPool&&) noexcept = default;

  // The text stored at a 1-based offset.
  std::string_view TextAt(int32_t offset) const {
    const uint8_t* p = FBytes->data() + (offset - 1);
    return {reinterpret_cast<const char*>(p + 1), p[0]};
  }
  uint8_t LengthAt(int32_t offset) const { return (*FBytes)[offset - 1]; }
  // Writes the length byte and the characters; the caller checks that they fit.
  void Put(int32_t offset, std::string_view text) {
    uint8_t* p = FBytes->data() + (offset - 1);
    p[0] = static_cast<uint8_t>(text.size());
    std::memcpy(p + 1, text.data(), text.size());
  }

 private:
  using Block = std::array<uint8_t, Size>;
  std::unique_ptr<Block> FBytes;
};

}  // namespace zub
