#include "streams/stream_binary.hpp"

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>

namespace zub {

namespace {

static_assert(std::endian::native == std::endian::little, "the binary layouts assume a little-endian host");
constexpr bool kX87Extended = std::numeric_limits<Extended>::digits == 64 && sizeof(Extended) >= 10;

template <typename T>
void WriteRaw(TStream& s, const T& v) {
  s.WriteBuffer(&v, sizeof v);
}

template <typename T>
T ReadRaw(TStream& s, bool& error) {
  T v{};
  error = !ReadExactly(s, &v, sizeof v);
  return v;
}

}  // namespace

bool ReadExactly(TStream& InStream, void* Buffer, int32_t Count) {
  std::memset(Buffer, 0, static_cast<size_t>(Count));
  // A short read delivers its bytes before ReadBuffer raises; read them here first so they
  // land in the buffer, as the exact block read leaves them.
  auto* p = static_cast<uint8_t*>(Buffer);
  int32_t done = 0;
  try {
    while (done < Count) {
      const int32_t n = InStream.Read(p + done, Count - done);
      if (n <= 0) break;
      done += n;
    }
  } catch (...) {
    return false;
  }
  return done == Count;
}

std::array<uint8_t, 10> ExtendedToBytes(Extended Value) {
  std::array<uint8_t, 10> out{};
  if constexpr (kX87Extended) {
    std::memcpy(out.data(), &Value, 10);
  } else {
    // Build the x87 layout: 64-bit mantissa with explicit integer bit, 15-bit exponent.
    uint16_t signExp = std::signbit(Value) ? 0x8000 : 0;
    uint64_t mantissa = 0;
    const Extended a = std::fabs(Value);
    if (std::isnan(a)) {
      signExp |= 0x7FFF;
      mantissa = 0xC000000000000000ULL;
    } else if (std::isinf(a)) {
      signExp |= 0x7FFF;
      mantissa = 0x8000000000000000ULL;
    } else if (a != 0) {
      int e = 0;
      const Extended m = std::frexp(a, &e);  // a = m * 2^e, m in [0.5, 1)
      int biased = e - 1 + 16383;
      if (biased <= 0) {  // denormal
        mantissa = static_cast<uint64_t>(std::ldexp(a, 16382 + 63));
        biased = 0;
      } else {
        mantissa = static_cast<uint64_t>(std::ldexp(m, 64));
      }
      signExp |= static_cast<uint16_t>(biased);
    }
    std::memcpy(out.data(), &mantissa, 8);
    std::memcpy(out.data() + 8, &signExp, 2);
  }
  return out;
}

Extended BytesToExtended(const std::array<uint8_t, 10>& Bytes) {
  if constexpr (kX87Extended) {
    Extended v = 0;
    std::memcpy(&v, Bytes.data(), 10);
    return v;
  } else {
    uint64_t mantissa = 0;
    uint16_t signExp = 0;
    std::memcpy(&mantissa, Bytes.data(), 8);
    std::memcpy(&signExp, Bytes.data() + 8, 2);
    const int biased = signExp & 0x7FFF;
    Extended v;
    if (biased == 0x7FFF)
      v = (mantissa << 1) != 0 ? std::numeric_limits<Extended>::quiet_NaN()
                               : std::numeric_limits<Extended>::infinity();
    else
      v = std::ldexp(static_cast<Extended>(mantissa), (biased == 0 ? 1 : biased) - 16383 - 63);
    return (signExp & 0x8000) ? -v : v;
  }
}

void WriteExtendedToStream(TStream& OutStream, Extended Value) {
  const std::array<uint8_t, 10> bytes = ExtendedToBytes(Value);
  OutStream.WriteBuffer(bytes.data(), 10);
}
void WriteDoubleToStream(TStream& OutStream, double Value) {
  WriteRaw(OutStream, Value);
}
void WriteSingleToStream(TStream& OutStream, float Value) {
  WriteRaw(OutStream, Value);
}
void WriteLongintToStream(TStream& OutStream, int32_t Value) {
  WriteRaw(OutStream, Value);
}

Extended ReadExtendedFromStream(TStream& InStream, bool& error) {
  std::array<uint8_t, 10> bytes{};
  error = !ReadExactly(InStream, bytes.data(), 10);
  return BytesToExtended(bytes);
}
double ReadDoubleFromStream(TStream& InStream, bool& error) {
  return ReadRaw<double>(InStream, error);
}
float ReadSingleFromStream(TStream& InStream, bool& error) {
  return ReadRaw<float>(InStream, error);
}
int32_t ReadLongintFromStream(TStream& InStream, bool& error) {
  return ReadRaw<int32_t>(InStream, error);
}

}  // namespace zub
