#include "host/random.hpp"

#include <cstdint>

#include "host/exceptions.hpp"
#include "host/internal/os.hpp"

namespace zub {

uint32_t RandSeed = 0;

namespace {
uint32_t Step() {
  RandSeed = RandSeed * 134775813u + 1u;
  return RandSeed;
}
}  // namespace

void Randomize() {
  int64_t sec = 0;
  int32_t nsec = 0;
  os::CurrentTime(sec, nsec);
  RandSeed = static_cast<uint32_t>(sec * 1000003 + nsec);
}

int32_t Random(int32_t Range) {
  const uint32_t r = Step();
  if (Range <= 0) return 0;
  // The high bits of the product: uniform over the range, no modulo bias towards low values.
  return static_cast<int32_t>((uint64_t{r} * static_cast<uint32_t>(Range)) >> 32);
}

double Random() {
  return Step() * (1.0 / 4294967296.0);
}

uint32_t SecureRandom(uint32_t Range) {
  if (Range <= 1) return 0;
  // Rejection keeps every value equally likely: draws in the last, partial copy of the
  // range are drawn again.
  const uint32_t limit = UINT32_MAX - UINT32_MAX % Range;
  for (;;) {
    uint32_t v = 0;
    if (!os::SecureRandomBytes(&v, sizeof v)) throw EOSError(u"The system's random generator cannot be read");
    if (v < limit) return v % Range;
  }
}

}  // namespace zub
