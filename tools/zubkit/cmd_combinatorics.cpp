// `zubkit perm` and `zubkit comb`: every permutation or combination in the library's order,
// one per line; and the tour stop of the bit field, the byte matrix and the combinatorics.
#include <unistd.h>

#include <cmath>
#include <iostream>
#include <ostream>
#include <string>

#include "tools/zubkit/cli.hpp"
#include "tools/zubkit/output.hpp"
#include "zubcorekit.hpp"

namespace zubkit {
namespace {

constexpr int kMaxElements = 255;  // what a TCombination holds
constexpr double kTerminalLines = 1e6;

int PositionalInt(const std::string& text, const char* what, int lo, int hi) {
  int32_t code = 0;
  int64_t n = 0;
  zub::Val(zub::Utf8ToUnicode(text), n, code);
  if (code != 0 || n < lo || n > hi)
    throw UsageError(std::string(what) + " must be a whole number from " + std::to_string(lo) + " to " +
                     std::to_string(hi) + ", not '" + text + "'");
  return static_cast<int>(n);
}

// Warns on standard error before a terminal is flooded; the lines still follow.
void WarnIfLong(const char* command, double lines) {
  if (lines <= kTerminalLines || ::isatty(STDOUT_FILENO) != 1) return;
  FlushOut();
  std::cerr << "zubkit " << command << ": about " << static_cast<long double>(lines)
            << " lines follow; interrupt with Ctrl-C, or send them to a file or a pipe\n";
}

void PrintUsed(std::ostream& out, const zub::TCombination& c) {
  std::string line;
  for (int i = 1; i <= c[0]; ++i) {
    if (i > 1) line += ' ';
    line += std::to_string(c[static_cast<size_t>(i)]);
  }
  line += '\n';
  out << line;
}

int RunPerm(const Args& args, std::ostream& out) {
  const int n = PositionalInt(args.Positional()[0], "N", 1, kMaxElements);
  WarnIfLong("perm", std::tgamma(n + 1.0));
  zub::TCombination p{};
  p[0] = static_cast<uint8_t>(n);
  for (int i = 1; i <= n; ++i) p[static_cast<size_t>(i)] = static_cast<uint8_t>(i);
  do PrintUsed(out, p);
  while (zub::NextPermutation(p));
  return 0;
}

int RunComb(const Args& args, std::ostream& out) {
  const int n = PositionalInt(args.Positional()[0], "N", 1, kMaxElements);
  const int k = PositionalInt(args.Positional()[1], "K", 1, n);
  WarnIfLong("comb", std::exp(std::lgamma(n + 1.0) - std::lgamma(k + 1.0) - std::lgamma(n - k + 1.0)));
  zub::TCombination c{};
  c[0] = static_cast<uint8_t>(k);
  for (int i = 1; i <= k; ++i) c[static_cast<size_t>(i)] = static_cast<uint8_t>(i);
  do PrintUsed(out, c);
  while (zub::NextCombination(c, n));
  return 0;
}

const Registration perm({"perm",
                         "N",
                         "every permutation of 1..N, one per line",
                         "Starts from 1 2 ... N; each step moves 1 one place to the right, and when 1\n"
                         "has reached the end, 2 moves one place within the others and 1 comes back\n"
                         "to the front, and so on (1 2 3, 2 1 3, 2 3 1, 1 3 2, 3 1 2, 3 2 1). N is 1 to\n"
                         "255; N! lines follow, so more than a million (N above 9) on a terminal is\n"
                         "announced on standard error first.",
                         {},
                         1,
                         1,
                         RunPerm});

const Registration comb({"comb",
                         "N K",
                         "every K-element subset of 1..N in lexicographic order, one per line",
                         "From 1 2 ... K to N-K+1 ... N. N is 1 to 255 and K is 1 to N; more than a\n"
                         "million lines on a terminal are announced on standard error first.",
                         {},
                         2,
                         2,
                         RunComb});

std::string Hex(const zub::TSHACode& digest) {
  return zub::UnicodeToUtf8(zub::SHA1DigestToHex(digest)).substr(0, 12) + "...";
}

const TourRegistration stop({71, "Bit field, byte matrix and combinatorics",
                             [](std::ostream& out) {
                               using namespace zub;
                               TBitFld bits(nullptr);
                               bits.SetSize(99);
                               RandSeed = 2024;
                               bits.RandomFill(25.0);
                               out << "TBitFld of Size 99 (bits 0..99): RandomFill(25.0) sets exactly "
                                   << bits.CountTrueBits() << " bits; FirstTrueBit = " << bits.FirstTrueBit()
                                   << ", SelectRandomBit(false) = " << bits.SelectRandomBit(false) << "\n";
                               TBitFld other(nullptr);
                               other.Clone(&bits);
                               other.Invert();
                               for (int32_t i = 0; i <= other.Size(); ++i) other.SetBit(i, bits.GetBit(i));
                               out << "  Hash = " << Hex(bits.Hash())
                                   << "; a clone inverted and given the same bits again: "
                                   << Hex(other.Hash()) << " (its slack bits 100..103 stay inverted)\n";
                               TByteMatrix cells(nullptr);
                               int changes = 0;
                               cells.SetOnChange([&changes](TObject*) { ++changes; });
                               cells.Resize(3, 2);
                               for (int32_t c = 1; c <= 3; ++c) cells.SetByte(c, 1, static_cast<uint8_t>(c));
                               cells.MirrorColumns();
                               out << "TByteMatrix 3 x 2, row 1 = 1 2 3, MirrorColumns: "
                                   << int{cells.GetByte(1, 1)} << " " << int{cells.GetByte(2, 1)} << " "
                                   << int{cells.GetByte(3, 1)}
                                   << "; GetByte(0, 1) = " << int{cells.GetByte(0, 1)}
                                   << " (DefaultValue); OnChange fired " << changes << " times\n";
                               TCombination c{};
                               c[0] = 2;
                               c[1] = 1;
                               c[2] = 2;
                               out << "NextCombination from 1 2, MaxVal 4:";
                               do out << " (" << int{c[1]} << "," << int{c[2]} << ")";
                               while (NextCombination(c, 4));
                               TCombination p{};
                               p[0] = 3;
                               p[1] = 1;
                               p[2] = 2;
                               p[3] = 3;
                               out << "\nNextPermutation from 1 2 3:";
                               do out << " " << int{p[1]} << int{p[2]} << int{p[3]};
                               while (NextPermutation(p));
                               const double values[] = {1, 2, 3};
                               out << "\nIndexOfNearestArrayValue(2.5, [1, 2, 3]) = "
                                   << IndexOfNearestArrayValue(2.5, values)
                                   << " (the first of two equally near); IDS_LOGICOP[loXORNot] = "
                                   << UnicodeToUtf8(IDS_LOGICOP[loXORNot]) << "\n";
                             },
                             "dstruct/ZUB_dstruct.hpp"});

}  // namespace
}  // namespace zubkit
