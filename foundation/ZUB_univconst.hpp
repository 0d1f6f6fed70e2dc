// Mathematical constants and limits, stored as 80-bit extended values, and the table of
// ln(n!) for n = 0 .. 1000.
//
// The values are the stored ones: several differ in the last mantissa bit from the
// correctly rounded quantity (uc_MaxDouble is 1.7e308 one unit of the last bit low), and
// code that depends on them relies on exactly these bits.
#pragma once

#include <array>
#include <cstdint>

namespace zub {

using Extended = long double;

inline constexpr Extended uc_e = 2.71828182845904523521L;
inline constexpr Extended uc_etom1 = 0.367879441171442321610L;
inline constexpr Extended uc_lg2 = 0.301029995663981195199L;
inline constexpr Extended uc_lg5 = 0.698970004336018804801L;
inline constexpr Extended uc_lge = 0.434294481903251827645L;
inline constexpr Extended uc_lgPi = 0.497149872694133854368L;
inline constexpr Extended uc_ln10 = 2.30258509299404568404L;
inline constexpr Extended uc_ln2 = 0.693147180559945309374L;
inline constexpr Extended uc_lnPi = 1.14472988584940017407L;
inline constexpr Extended uc_PiH = 1.57079632679489661926L;
inline constexpr Extended uc_PiSqr = 9.86960440108935861854L;
inline constexpr Extended uc_Pitom1 = 0.318309886183790671511L;
inline constexpr Extended uc_sqrt2 = 1.41421356237309504887L;
inline constexpr Extended uc_sqrt2pi = 2.50662827463100050225L;
inline constexpr Extended uc_sqrt2pitom1 = 0.398942280401432677927L;
inline constexpr Extended uc_GoldenR = 1.61803398874989484810L;

// Limits of the floating-point types, as short decimal values rounded to extended.
inline constexpr Extended uc_MinReal = 2.9e-39L;  // smallest 6-byte real
inline constexpr Extended uc_MaxReal = 1.7e38L;   // largest 6-byte real
inline constexpr Extended uc_MinSingle = 1.5e-45L;
inline constexpr Extended uc_MaxSingle = 3.4e38L;
inline constexpr Extended uc_MinDouble = 5.0e-324L;
// The bound to which the library's float scanners clamp their results.
inline constexpr Extended uc_MaxDouble = 1.69999999999999999993e+308L;
inline constexpr int64_t uc_MaxInt64 = 9223372036854775807LL;
inline constexpr Extended uc_MinExtended = 3.64519953188247460253e-4951L;  // 2^-16445
inline constexpr Extended uc_MaxExtended = 1.1e4932L;

inline constexpr Extended uc_lnMinDouble = -744.428132217636701284L;
inline constexpr Extended uc_lnMaxDouble = 709.726836893228241077L;
inline constexpr Extended uc_lnMaxExtended = 11356.4449888264376387L;
inline constexpr Extended uc_lnMinExtended = -11398.8178615680581167L;  // ln 3.6e-4951
inline constexpr Extended uc_lnMaxInt64 = 43.6682723752765544929L;
inline constexpr Extended uc_lnMinReal = -88.7361078897753533315L;
inline constexpr Extended uc_lnMaxReal = 88.0288617848359063942L;
inline constexpr Extended uc_lnMinSingle = -103.210864076623891401L;
inline constexpr Extended uc_lnMaxSingle = 88.7220089653958517012L;

// ln(n!) for n = 0 .. 1000, rounded to 15 significant digits, then to the nearest double.
extern const std::array<double, 1001> uc_LnFactorial;

}  // namespace zub
