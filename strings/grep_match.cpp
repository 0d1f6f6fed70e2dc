// TGrep::MatchString. The result is that of a depth-first backtracking walk over the
// tokens (each token tried at the continuation positions of the one before, repetitions
// shortest first, the first success winning). Instead of walking, a table says for every
// token k and text position p whether the tokens from k on match at p, built from the last
// token backwards; the winning path is then read off the table. This keeps pathological
// expressions ("a*a*a*a*b" on a long run of "a") linear in the text.
#include <bit>
#include <cstring>
#include <limits>
#include <string_view>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "strings/grep.hpp"

namespace zub {

namespace {

constexpr int32_t kNone = std::numeric_limits<int32_t>::max();

class Matcher {
 public:
  Matcher(const TGrepToken* tokens, int32_t count, std::u16string_view text)
      : T(tokens), K(count), S(text), len(static_cast<int32_t>(text.size())) {}

  // Whether the repeated or optional item of token t stands at p.
  bool Occurs(const TGrepToken& t, int32_t p) const {
    if (t.NumChars < 0) return p <= len && Member(t, p);
    if (t.NumChars == 0) return p <= len;
    return Fits(t, p);
  }
  // The step of one occurrence of the item.
  static int32_t Step(const TGrepToken& t) { return t.NumChars > 0 ? t.NumChars : 1; }

  bool Test(int32_t k, int32_t p) const {
    const TGrepToken& t = T[k - 1];
    switch (t.Action) {
      case taNormal:
        return Fits(t, p);
      case taAnyByte:
        return p <= len;
      case taEol:
        return p == len + 1 && k == K;
      case taBol:
        return p == 1;
      case taSet:
        return p <= len && Member(t, p);
      case taMult0:
        return true;
      case taMult1:
        return Occurs(t, p);
      case taOpti:
        return true;
    }
    return false;
  }

  int32_t EndPos(int32_t k, int32_t p) const {
    const TGrepToken& t = T[k - 1];
    switch (t.Action) {
      case taNormal:
        return p + t.NumChars - 1;
      case taAnyByte:
      case taSet:
        return p;
      case taEol:
        return len;
      case taBol:
        return len == 0 ? 0 : 1;  // 1 would lie beyond an empty text
      case taMult0:
      case taMult1: {
        int32_t q = p;
        while (Occurs(t, q)) q += Step(t);
        return q - 1;
      }
      case taOpti:
        return Occurs(t, p) ? p + Step(t) - 1 : p - 1;
    }
    return p;
  }

  // Fills ok[k][p] for p in 1..len+1 and the first winning continuation of every token.
  void Build() {
    ok.assign(static_cast<size_t>(K) + 2, std::vector<bool>(static_cast<size_t>(len) + 3, false));
    for (int32_t p = 1; p <= len + 1; ++p) ok[size_t(K)][size_t(p)] = Test(K, p);
    std::vector<int32_t> firstOk(static_cast<size_t>(len) + 3, kNone);
    for (int32_t k = K - 1; k >= 1; --k) {
      const TGrepToken& t = T[k - 1];
      const auto& after = ok[size_t(k) + 1];
      const bool repeats = t.Action == taMult0 || t.Action == taMult1;
      if (repeats) {
        // firstOk[q]: the first position of the occurrence chain from q where the rest matches.
        const int32_t s = Step(t);
        for (int32_t q = len + 1; q >= 1; --q) {
          if (after[size_t(q)])
            firstOk[size_t(q)] = q;
          else if (Occurs(t, q) && q + s <= len + 1)
            firstOk[size_t(q)] = firstOk[size_t(q + s)];
          else
            firstOk[size_t(q)] = kNone;
        }
      }
      for (int32_t p = 1; p <= len + 1; ++p) {
        if (!Test(k, p)) continue;
        int32_t q = kNone;
        switch (t.Action) {
          case taNormal:
            q = Ok(after, p + t.NumChars);
            break;
          case taAnyByte:
          case taSet:
            q = Ok(after, p + 1);
            break;
          case taBol:
            q = Ok(after, 1);
            break;
          case taEol:
            break;
          case taMult0:
            q = firstOk[size_t(p)];
            break;
          case taMult1:
            q = p + Step(t) <= len + 1 ? firstOk[size_t(p + Step(t))] : kNone;
            break;
          case taOpti:
            q = Ok(after, p);
            if (q == kNone && Occurs(t, p)) q = Ok(after, p + Step(t));
            break;
        }
        if (q != kNone) ok[size_t(k)][size_t(p)] = true;
      }
    }
  }

  bool Matches(int32_t k, int32_t p) const { return p >= 1 && p <= len + 1 && ok[size_t(k)][size_t(p)]; }

  // The first continuation of token k at p from which the rest matches (ok[k][p] holds).
  int32_t Next(int32_t k, int32_t p) const {
    const TGrepToken& t = T[k - 1];
    switch (t.Action) {
      case taNormal:
        return p + t.NumChars;
      case taAnyByte:
      case taSet:
        return p + 1;
      case taBol:
        return 1;
      case taOpti:
        return Matches(k + 1, p) ? p : p + Step(t);
      case taMult0:
      case taMult1: {
        int32_t q = t.Action == taMult0 ? p : p + Step(t);
        while (!Matches(k + 1, q)) q += Step(t);
        return q;
      }
      case taEol:
        break;
    }
    return p;
  }

 private:
  bool Fits(const TGrepToken& t, int32_t p) const {
    if (int64_t{p} + t.NumChars - 1 > len) return false;
    for (int32_t i = 0; i < t.NumChars; ++i)
      if (S[size_t(p - 1 + i)] != t.Params[size_t(i + 1)]) return false;
    return true;
  }
  bool Member(const TGrepToken& t, int32_t p) const {
    const Char c = S[size_t(p - 1)];
    return c < 256 && t.Params[c] == u'*';
  }
  int32_t Ok(const std::vector<bool>& after, int32_t q) const {
    return q >= 1 && q <= len + 1 && after[size_t(q)] ? q : kNone;
  }

  const TGrepToken* T;
  int32_t K;
  std::u16string_view S;
  int32_t len;
  std::vector<std::vector<bool>> ok;  // ok[k][p]: tokens k.. match at p
};

// How often a byte turns up in ordinary text, code and logs, roughly: the search anchors on
// the needle's two rarest bytes, so that few places need a full comparison.
uint32_t ByteFrequency(uint8_t c) {
  static constexpr std::string_view kLetters = "etaoinshrdlcumwfgypbvkjxqz";  // most common first
  if (c == ' ') return 300;
  if (c >= 'a' && c <= 'z') return 260 - 8 * static_cast<uint32_t>(kLetters.find(static_cast<char>(c)));
  if (c >= 'A' && c <= 'Z')
    return (260 - 8 * static_cast<uint32_t>(kLetters.find(static_cast<char>(c + 32)))) / 4;
  if (c >= '0' && c <= '9') return 120;
  if (std::string_view(".,-:_/=\"'()\t").find(static_cast<char>(c)) != std::string_view::npos) return 100;
  if (c >= 0x80) return 20;
  return c < 0x20 ? 1 : 40;
}

uint8_t FoldByte(uint8_t c) {
  return c >= 'A' && c <= 'Z' ? static_cast<uint8_t>(c + 32) : c;
}
bool IsLetter(uint8_t c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

}  // namespace

size_t FindLiteralBytes(std::string_view Text, std::string_view Needle, bool FoldAscii) {
  const size_t n = Needle.size();
  if (n == 0) return 0;
  if (n > Text.size()) return std::string_view::npos;
  const auto* text = reinterpret_cast<const uint8_t*>(Text.data());
  std::string needle(Needle);
  if (FoldAscii)
    for (char& c : needle) c = static_cast<char>(FoldByte(static_cast<uint8_t>(c)));
  const auto* nd = reinterpret_cast<const uint8_t*>(needle.data());
  auto frequency = [&](size_t k) {
    const uint8_t c = nd[k];
    return ByteFrequency(c) + (FoldAscii && IsLetter(c) ? ByteFrequency(c - 32) : 0);
  };
  // The two rarest positions (one when the needle is one byte long).
  size_t a = 0;
  for (size_t k = 1; k < n; ++k)
    if (frequency(k) < frequency(a)) a = k;
  size_t b = a == 0 ? n - 1 : 0;
  for (size_t k = 0; k < n; ++k)
    if (k != a && frequency(k) < frequency(b)) b = k;
  // A letter compares after setting bit 5 of the text byte, which turns A..Z into a..z and
  // leaves no other byte equal to a lower-case letter.
  const uint8_t maskA = FoldAscii && IsLetter(nd[a]) ? 0x20 : 0;
  const uint8_t maskB = FoldAscii && IsLetter(nd[b]) ? 0x20 : 0;
  auto whole = [&](size_t at) {
    if (!FoldAscii) return std::memcmp(text + at, nd, n) == 0;
    for (size_t k = 0; k < n; ++k)
      if (FoldByte(text[at + k]) != nd[k]) return false;
    return true;
  };
  const size_t lastStart = Text.size() - n;
  size_t at = 0;
#if defined(__SSE2__)
  const __m128i wantA = _mm_set1_epi8(static_cast<char>(nd[a])),
                wantB = _mm_set1_epi8(static_cast<char>(nd[b]));
  const __m128i foldA = _mm_set1_epi8(static_cast<char>(maskA)),
                foldB = _mm_set1_epi8(static_cast<char>(maskB));
  // Sixteen starts at a time; the loads stay inside the text as a + 15 and b + 15 lie
  // before the end for every start up to lastStart.
  for (; at + 15 <= lastStart; at += 16) {
    const __m128i atA = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + at + a));
    const __m128i atB = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + at + b));
    const __m128i hit = _mm_and_si128(_mm_cmpeq_epi8(_mm_or_si128(atA, foldA), wantA),
                                      _mm_cmpeq_epi8(_mm_or_si128(atB, foldB), wantB));
    auto bits = static_cast<uint32_t>(_mm_movemask_epi8(hit));
    while (bits != 0) {
      const size_t start = at + static_cast<size_t>(std::countr_zero(bits));
      if (whole(start)) return start;
      bits &= bits - 1;
    }
  }
#endif
  for (; at <= lastStart; ++at)
    if ((text[at + a] | maskA) == nd[a] && (text[at + b] | maskB) == nd[b] && whole(at)) return at;
  return std::string_view::npos;
}

bool TGrep::MatchString(const UnicodeString& Instring, int32_t& MatchPos) {
  const auto len = static_cast<int32_t>(Instring.size());
  if (FLengRegExp == 1 && FregExp[0].Action == taMult0) {
    if (FSrcStartPos <= len || len == 0) {
      MatchPos = FMatchStartPos = 1;
      FMatchEndPos = len;
      FregExp[0].ValidFrom = 1;
      return true;
    }
    return false;
  }
  if (FLengRegExp == 0) return false;
  UnicodeString lowered;
  if (FIgnoreCase) lowered = LowerCase(Instring);
  const std::u16string_view text = FIgnoreCase ? lowered : Instring;
  // Without the longest literal there is no match; a plain search tells at little cost.
  if (!FRequired.empty() && text.find(FRequired) == std::u16string_view::npos) return false;
  Matcher m(FregExp.data(), FLengRegExp, text);
  m.Build();
  int32_t p = std::max(FSrcStartPos, 1);
  const int32_t lastStart = FregExp[0].Action == taBol ? p : len + 1;
  for (; p <= lastStart; ++p)
    if (m.Matches(1, p)) break;
  if (p > lastStart) return false;
  // Walk the winning path: each token at the first continuation that leads to a match.
  for (int32_t k = 1; k <= FLengRegExp; ++k) {
    FregExp[size_t(k - 1)].ValidFrom = p;
    if (k == FLengRegExp) {
      FMatchEndPos = m.EndPos(k, p);
      break;
    }
    p = m.Next(k, p);
  }
  MatchPos = FMatchStartPos = FregExp[0].ValidFrom;
  return true;
}

}  // namespace zub
