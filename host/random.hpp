// The process-wide pseudo-random generator: a 32-bit linear congruential generator
// (RandSeed * 134775813 + 1 mod 2^32), deterministic for a given seed.
#pragma once

#include <cstdint>

namespace zub {

// The generator's state; assigning it seeds the generator.
extern uint32_t RandSeed;

// Seeds from the clock.
void Randomize();
// An integer in 0 .. Range - 1; 0 for Range <= 0.
int32_t Random(int32_t Range);
// A double in [0, 1).
double Random();

// An integer in 0 .. Range - 1 (0 for Range <= 1), drawn uniformly from the system's
// cryptographic generator; the seeded generator above is not touched. Raises EOSError when
// the system has no such generator.
uint32_t SecureRandom(uint32_t Range);

}  // namespace zub
