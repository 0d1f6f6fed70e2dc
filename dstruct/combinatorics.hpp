// Stepping through all combinations of k out of n values, and through all permutations of n
// values, in place in a fixed array of 256 bytes.
//
// Element 0 of a TCombination holds the number of used elements (1..255); elements 1 .. C[0]
// hold the values. Both routines check their input and, when it is not what they step
// through, return false and leave it untouched; they never touch anything outside the 256
// elements.
#pragma once

#include <array>
#include <cstdint>

namespace zub {

using TCombination = std::array<uint8_t, 256>;

// The next k-element combination (k = C[0]) after C[1..k] in lexicographic order: the
// rightmost position i that is below its maximum MaxVal - k + i goes up by one and the
// positions after it follow as consecutive values. Starting from 1, 2, ..., k this visits
// every k-element subset of 1..MaxVal once and ends at MaxVal - k + 1, ..., MaxVal; starting
// from 0, 1, ..., k - 1 it covers 0..MaxVal. False, with C unchanged, at the last combination
// and for input it does not step through: k = 0, MaxVal above 255, or C[1..k] not strictly
// increasing up to at most MaxVal.
bool NextCombination(TCombination& C, int32_t MaxVal);

// The next permutation of P[1..n] (n = P[0]) in the order that starts from the identity
// 1, 2, ..., n and moves the value 1 rightwards one place per step, then 2 within the
// positions before 1 has come back, and so on: for n = 3, 1 2 3, 2 1 3, 2 3 1, 1 3 2, 3 1 2,
// 3 2 1. All n! permutations are visited once; the last is n, n - 1, ..., 1, at which the
// routine returns false and leaves P as it is. False, with P unchanged, also for n = 0 and
// when P[1..n] does not hold each of the values 1..n once.
bool NextPermutation(TCombination& P);

}  // namespace zub
