#include "strings/grep.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "strings/stringl_error.hpp"
#include "testing/temp_dir.hpp"

namespace zub {
namespace {

// A plain depth-first backtracking walk over the compiled tokens, written from the
// matching rules; the fast matcher must give the same answers.
class Reference {
 public:
  Reference(const TGrep& g, const UnicodeString& text) : S(text), len(static_cast<int32_t>(text.size())) {
    for (int32_t k = 1; k <= g.NrOfRegExpTokens(); ++k) T.push_back(g.GetRegExpToken(k));
    validFrom.assign(T.size(), 0);
  }

  bool Find(int32_t start, int32_t& matchStart, int32_t& matchEnd) {
    const auto K = static_cast<int32_t>(T.size());
    if (K == 0) return false;
    if (K == 1 && T[0].Action == taMult0) {
      if (start <= len || len == 0) {
        matchStart = 1, matchEnd = len, validFrom[0] = 1;
        return true;
      }
      return false;
    }
    int32_t p = std::max(start, 1);
    const int32_t last = T[0].Action == taBol ? p : len + 1;
    for (; p <= last; ++p) {
      if (Match(p, 1)) {
        matchStart = validFrom[0];
        matchEnd = endPos;
        return true;
      }
    }
    return false;
  }

  std::vector<int32_t> validFrom;

 private:
  bool Member(const TGrepToken& t, int32_t p) const {
    return S[size_t(p - 1)] < 256 && t.Params[S[size_t(p - 1)]] == u'*';
  }
  bool Fits(const TGrepToken& t, int32_t p) const {
    if (p + t.NumChars - 1 > len) return false;
    for (int32_t i = 0; i < t.NumChars; ++i)
      if (S[size_t(p - 1 + i)] != t.Params[size_t(i + 1)]) return false;
    return true;
  }
  bool Occurs(const TGrepToken& t, int32_t p) const {
    if (t.NumChars < 0) return p <= len && Member(t, p);
    if (t.NumChars == 0) return p <= len;
    return Fits(t, p);
  }
  static int32_t Step(const TGrepToken& t) { return t.NumChars > 0 ? t.NumChars : 1; }

  bool Match(int32_t p, int32_t k) {
    const TGrepToken& t = T[size_t(k - 1)];
    const auto K = static_cast<int32_t>(T.size());
    bool pass = false;
    switch (t.Action) {
      case taNormal:
        pass = Fits(t, p);
        break;
      case taAnyByte:
        pass = p <= len;
        break;
      case taEol:
        pass = p == len + 1 && k == K;
        break;
      case taBol:
        pass = p == 1;
        break;
      case taSet:
        pass = p <= len && Member(t, p);
        break;
      case taMult0:
      case taOpti:
        pass = true;
        break;
      case taMult1:
        pass = Occurs(t, p);
        break;
    }
    if (!pass) return false;
    validFrom[size_t(k - 1)] = p;
    std::vector<int32_t> next;
    int32_t runEnd = p;
    switch (t.Action) {
      case taNormal:
        next = {p + t.NumChars};
        break;
      case taAnyByte:
      case taSet:
        next = {p + 1};
        break;
      case taBol:
        next = {1};
        break;
      case taEol:
        break;
      case taMult0:
      case taMult1: {
        int32_t q = t.Action == taMult0 ? p : p + Step(t);
        next.push_back(q);
        while (Occurs(t, q)) next.push_back(q += Step(t));
        runEnd = next.back() - 1;
        break;
      }
      case taOpti:
        next = {p};
        if (Occurs(t, p)) next.push_back(p + Step(t));
        break;
    }
    if (k == K) {
      switch (t.Action) {
        case taNormal:
          endPos = p + t.NumChars - 1;
          break;
        case taAnyByte:
        case taSet:
          endPos = p;
          break;
        case taEol:
          endPos = len;
          break;
        case taBol:
          endPos = len == 0 ? 0 : 1;
          break;
        case taMult0:
        case taMult1:
          endPos = runEnd;
          break;
        case taOpti:
          endPos = Occurs(t, p) ? p + Step(t) - 1 : p - 1;
          break;
      }
      return true;
    }
    for (int32_t q : next)
      if (q >= 1 && q <= len + 1 && Match(q, k + 1)) return true;
    return false;
  }

  std::vector<TGrepToken> T;
  UnicodeString S;
  int32_t len;
  int32_t endPos = 0;
};

struct Found {
  bool matched;
  int32_t start, end;
};

Found Search(const UnicodeString& expr, const UnicodeString& text, bool ignoreCase = false,
             int32_t start = 1) {
  TGrep g(nullptr);
  g.SetIgnoreCase(ignoreCase);
  g.SetRegExp(expr);
  g.SetSearchStartPos(start);
  int32_t pos = 0;
  const bool m = g.MatchString(text, pos);
  EXPECT_TRUE(!m || pos == g.MatchStartPos());
  return {m, m ? g.MatchStartPos() : 0, m ? g.MatchEndPos() : 0};
}

TEST(Grep, CompilationErrors) {
  struct Case {
    UnicodeString expr;
    int32_t error;
  };
  const Case cases[] = {
      {u"*a", 1},  {u"a)", 8},        {u"a^", 2},  {u"[]", 4},   {u"[a^b]", 5},  {u"a]", 6},     {u"[-a]", 7},
      {u"a**", 9}, {u"a$b", 3},       {u"[ab", 6}, {u"(ab", 8},  {u"[ab]*+", 9}, {u"(ab)?*", 9}, {u"[a]-", 7},
      {u"^*", 9},  {u"[\u0100]", 12}, {u"a\\", 0}, {u"\\*a", 0}, {u"abc", 0},    {u"", 0},
  };
  for (const auto& c : cases) {
    TGrep g(nullptr);
    EXPECT_EQ(g.CompileRegExp(c.expr), c.error) << UnicodeToUtf8(c.expr);
    EXPECT_EQ(g.LastError(), c.error);
  }
  UnicodeString many;
  for (int i = 0; i < 65; ++i) many += u".";
  TGrep g(nullptr);
  EXPECT_EQ(g.CompileRegExp(many), 10);
  EXPECT_EQ(g.NrOfRegExpTokens(), 64);
  EXPECT_EQ(g.CompileRegExp(UnicodeString(256, u'x')), 11);
  EXPECT_EQ(g.CompileRegExp(u"(" + UnicodeString(255, u'x') + u")"), 0);

  g.SetName(u"Finder");
  try {
    g.SetRegExp(u"a**");
    FAIL();
  } catch (const EZUBStringlError& e) {
    EXPECT_EQ(e.Message(),
              u"Component \"Finder\": error in regular expression - *, ?, + have to be applied to groups or "
              u"sets only");
  }
  g.SetStopOnError(false);
  g.SetRegExp(u"[]");
  EXPECT_EQ(g.LastError(), 4);
  g.SetIgnoreCase(true);  // recompiles, never raises
  EXPECT_EQ(g.LastError(), 4);
}

// Where compilation stopped, in the expression as the caller wrote it: hex escapes and
// escaped characters count from their backslash; an expression cut off inside a set or a
// group stops after its end.
TEST(Grep, ErrorPositions) {
  struct Case {
    UnicodeString expr;
    bool ignoreCase;
    int32_t error, pos;
  };
  const Case cases[] = {
      {u"*a", false, 1, 1},
      {u"a)", false, 8, 2},
      {u"a^", false, 2, 2},
      {u"[]", false, 4, 2},
      {u"[a^b]", false, 5, 3},
      {u"xy]", false, 6, 3},
      {u"[-a]", false, 7, 2},
      {u"[0-9]-", false, 7, 6},
      {u"[0-9]+-", false, 7, 7},
      {u"a**", false, 9, 3},
      {u"A**", true, 9, 3},
      {u"ab$c", false, 3, 4},
      {u"[ab", false, 6, 4},
      {u"(ab", false, 8, 4},
      {u"[a-", false, 6, 4},
      {uR"(\*\*a**)", false, 9, 7},
      {uR"(\#41\#42**)", false, 9, 10},  // "AB**": the second "*" was the tenth character
      {uR"(x\#29)", false, 8, 2},        // the escape gave ")"
      {uR"(\\#41))", false, 8, 6},       // "\\" then "#41" then ")"
      {u"[x\u0100]", false, 12, 3},
      {u"[x\\\u0100]", false, 12, 3},
      {u"[a-\u0100]", false, 12, 4},  // the end of the range
      {u"(" + UnicodeString(256, u'x') + u")", false, 11, 257},
      {u"", false, 0, 0},
      {u"a\\", false, 0, 0},
      {uR"(^x[0-9]+(ab)*\#41$)", false, 0, 0},
  };
  for (const auto& c : cases) {
    TGrep g(nullptr);
    g.SetStopOnError(false);
    g.SetIgnoreCase(c.ignoreCase);
    g.SetRegExp(c.expr);
    EXPECT_EQ(g.LastError(), c.error) << UnicodeToUtf8(c.expr);
    EXPECT_EQ(g.ErrorPos(), c.pos) << UnicodeToUtf8(c.expr);
  }
  TGrep g(nullptr);
  UnicodeString many;
  for (int i = 0; i < 65; ++i) many += u".";
  EXPECT_EQ(g.CompileRegExp(many), 10);
  EXPECT_EQ(g.ErrorPos(), 65);
  g.CompileRegExp(u"abc");
  EXPECT_EQ(g.ErrorPos(), 0);  // a later success clears it
}

TEST(Grep, RequiredStrings) {
  using Strings = std::vector<UnicodeString>;
  struct Case {
    UnicodeString expr;
    bool ignoreCase;
    Strings strings;
  };
  const Case cases[] = {
      {u"abc*", false, {u"ab"}}, {u"ab+", false, {u"a", u"b"}},   {u"(ab)+c", false, {u"ab", u"c"}},
      {u"(ab)*c?", false, {}},   {u"^x.y$", false, {u"x", u"y"}}, {u"[0-9]+", false, {}},
      {u".*", false, {}},        {u"()x", false, {u"x"}},         {uR"(a\.b\#41)", false, {u"a.bA"}},
      {u"AbC", true, {u"abc"}},  {uR"(A\#42)", true, {u"aB"}},  // the escape comes after lower-casing
  };
  for (const auto& c : cases) {
    TGrep g(nullptr);
    g.SetIgnoreCase(c.ignoreCase);
    g.SetRegExp(c.expr);
    EXPECT_EQ(g.RequiredStrings(), c.strings) << UnicodeToUtf8(c.expr);
  }
}

TEST(Grep, CompiledTokens) {
  TGrep g(nullptr);
  g.SetRegExp(u"abc*");
  ASSERT_EQ(g.NrOfRegExpTokens(), 2);
  EXPECT_EQ(g.GetRegExpToken(1).Action, taNormal);
  EXPECT_EQ(g.GetRegExpToken(1).NumChars, 2);
  EXPECT_EQ(g.GetRegExpToken(2).Action, taMult0);
  EXPECT_EQ(g.GetRegExpToken(2).Params[1], u'c');
  EXPECT_EQ(g.GetRegExpToken(99).Action, taMult0);  // clamped to the last token
  g.SetRegExp(u"(ab)*");
  ASSERT_EQ(g.NrOfRegExpTokens(), 1);
  EXPECT_EQ(g.GetRegExpToken(1).Action, taMult0);
  EXPECT_EQ(g.GetRegExpToken(1).NumChars, 2);
  g.SetRegExp(u"(ab)(cd)");
  EXPECT_EQ(g.NrOfRegExpTokens(), 2);
  g.SetRegExp(u"[a-c]");
  const TGrepToken forward = g.GetRegExpToken(1);
  g.SetRegExp(u"[c-a]");
  EXPECT_EQ(g.GetRegExpToken(1).Params, forward.Params);
  g.SetRegExp(u"[^0-9]");
  int members = 0;
  for (Char c : g.GetRegExpToken(1).Params) members += c == u'*';
  EXPECT_EQ(members, 246);
  EXPECT_EQ(g.GetRegExpToken(1).Params[u'5'], u' ');
  g.SetRegExp(u"\\#41\\\\#41");
  EXPECT_EQ(g.GetRegExpToken(1).NumChars, 5);  // "A", "\", "#", "4", "1"
  EXPECT_EQ(g.GetRegExpToken(1).Params[1], u'A');
  EXPECT_EQ(g.GetRegExpToken(1).Params[2], u'\\');
}

// Hex escapes are expanded before the expression is read; a "\#" right after a backslash
// stays and is then read with the ordinary escapes.
TEST(Grep, HexEscapes) {
  struct Case {
    std::u16string_view expr, tokens;
  };
  const Case cases[] = {
      {uR"(\#41)", u" taNormal: A"},
      {uR"(x\#7a)", u" taNormal: xz"},
      {uR"(\\#41)", uR"( taNormal: \#41)"},   // one more backslash: not expanded
      {uR"(\\\#41)", uR"( taNormal: \#41)"},  // nor when that backslash follows another
      {uR"(\\\\#41)", uR"( taNormal: \\#41)"},
      {uR"(\#41\\#41)", uR"( taNormal: A\#41)"},
      {uR"([\\\#411])", uR"(    taSet: #14\)"},
      {uR"([\#41-C])", u"    taSet: ABC"},
      {uR"(\#4g)", u" taNormal: \u0004"},       // "g" ends the digits but goes with them
      {uR"(a\#2A)", u"  taMult0: (string) a"},  // an expanded "*" is an operator
      // A backslash produced by an escape counts before the next "\#".
      {uR"(\#5C\#41)", uR"( taNormal: \#41)"},
  };
  for (const auto& c : cases) {
    TGrep g(nullptr);
    g.SetRegExp(UnicodeString(c.expr));
    EXPECT_EQ(g.RegExpListing(), UnicodeString(c.tokens) + u"\r\nno errors\r\n") << UnicodeToUtf8(c.expr);
  }
}

TEST(Grep, MatchingRulesAndBoundaries) {
  struct Case {
    UnicodeString expr, text;
    bool ignoreCase;
    int32_t start;
    Found found;
  };
  const Case cases[] = {
      {u"ABC", u"xabcx", true, 1, {true, 2, 4}},
      {u"ABC", u"xabcx", false, 1, {false, 0, 0}},
      {u"^ab", u"cab", false, 1, {false, 0, 0}},
      {u"^ab", u"abc", false, 1, {true, 1, 2}},
      {u"b$", u"ab", false, 1, {true, 2, 2}},
      {u"a*", u"xyz", false, 1, {true, 1, 3}},
      {u"a*", u"", false, 1, {true, 1, 0}},
      {u"a", u"aba", false, 3, {true, 3, 3}},
      {u"(a.b)", u"axb", false, 1, {false, 0, 0}},
      {u"(a.b)", u"xa.b", false, 1, {true, 2, 4}},
      {u"a.", u"a", false, 1, {false, 0, 0}},
      {u"[ab]*$", u"ab", false, 1, {true, 1, 2}},
      {u".*$", u"ab", false, 1, {true, 1, 2}},
      {u"ab?", u"ab", false, 1, {true, 1, 2}},
      {u"ab?", u"ac", false, 1, {true, 1, 1}},
      {u"ab*", u"abbbc", false, 1, {true, 1, 4}},
      {u"a+b", u"caaab", false, 1, {true, 2, 5}},
      {u"(ab)+c", u"ababc", false, 1, {true, 1, 5}},
      {u"x[0-9]+", u"ax12y", false, 1, {true, 2, 4}},
      {u"[^a]", u"aab", false, 1, {true, 3, 3}},
      {u"b?$", u"a", false, 1, {true, 2, 1}},  // an empty match after the last character
      {u"a", u"\u0100a", false, 1, {true, 2, 2}},
      {u"[^a]", u"\u0100", false, 1, {false, 0, 0}},  // above 255: never a set member
      {u"\u0100", u"x\u0100", false, 1, {true, 2, 2}},
      {u"", u"abc", false, 1, {false, 0, 0}},
      {u"^", u"", false, 1, {true, 1, 0}},   // an anchor alone: an empty match
      {u"^", u"a", false, 1, {true, 1, 1}},  // ends at 1 on any other text
      {u"^", u"abc", false, 1, {true, 1, 1}},
      {u"^", u"abc", false, 2, {false, 0, 0}},
      {uR"(\\\#41)", uR"(A\#41)", false, 1, {true, 2, 5}},
  };
  for (const auto& c : cases) {
    const Found f = Search(c.expr, c.text, c.ignoreCase, c.start);
    EXPECT_EQ(f.matched, c.found.matched) << UnicodeToUtf8(c.expr) << " on " << UnicodeToUtf8(c.text);
    EXPECT_EQ(f.start, c.found.start) << UnicodeToUtf8(c.expr) << " on " << UnicodeToUtf8(c.text);
    EXPECT_EQ(f.end, c.found.end) << UnicodeToUtf8(c.expr) << " on " << UnicodeToUtf8(c.text);
  }
}

TEST(Grep, PathologicalPatternsStayFast) {
  const UnicodeString as(10000, u'a');
  EXPECT_FALSE(Search(u"a*a*a*a*a*a*a*a*a*a*b", as).matched);
  const Found f = Search(u"a*a*a*a*a*a*a*a*a*a*$", as);
  EXPECT_TRUE(f.matched);
  EXPECT_EQ(f.end, 10000);
  EXPECT_FALSE(Search(u"(aa)*(aa)*(aa)*b", as).matched);
}

// Random small expressions and texts: the fast matcher and the plain walk agree on the
// result, the match positions and where every token matched.
TEST(Grep, FastMatcherAgreesWithPlainBacktracking) {
  std::mt19937 rng(20261209);
  const std::vector<UnicodeString> atoms = {u"a",    u"b",    u"A",    u".", u"[ab]",
                                            u"[^a]", u"(ab)", u"(ba)", u"()"};
  const std::vector<UnicodeString> ops = {u"", u"", u"*", u"+", u"?"};
  int compared = 0;
  for (int round = 0; round < 20000; ++round) {
    UnicodeString expr = rng() % 5 == 0 ? u"^" : u"";
    const int n = 1 + static_cast<int>(rng() % 5);
    for (int i = 0; i < n; ++i) expr += atoms[rng() % atoms.size()] + ops[rng() % ops.size()];
    if (rng() % 5 == 0) expr += u"$";
    UnicodeString text;
    const int len = static_cast<int>(rng() % 9);
    for (int i = 0; i < len; ++i) text += static_cast<Char>(u"abAB"[rng() % 4]);
    TGrep g(nullptr);
    g.SetStopOnError(false);
    g.SetIgnoreCase(rng() % 3 == 0);
    g.SetRegExp(expr);
    if (g.LastError() != 0) continue;
    const int32_t start = 1 + static_cast<int32_t>(rng() % 3);
    g.SetSearchStartPos(start);
    int32_t pos = 0;
    const bool fast = g.MatchString(text, pos);
    Reference ref(g, g.IgnoreCase() ? LowerCase(text) : text);
    int32_t rs = 0, re = 0;
    const bool slow = ref.Find(start, rs, re);
    ASSERT_EQ(fast, slow) << UnicodeToUtf8(expr) << " on '" << UnicodeToUtf8(text) << "' from " << start;
    if (fast) {
      ASSERT_EQ(g.MatchStartPos(), rs) << UnicodeToUtf8(expr) << " on " << UnicodeToUtf8(text);
      ASSERT_EQ(g.MatchEndPos(), re) << UnicodeToUtf8(expr) << " on " << UnicodeToUtf8(text);
      for (int32_t k = 1; k <= g.NrOfRegExpTokens(); ++k)
        ASSERT_EQ(g.GetRegExpToken(k).ValidFrom, ref.validFrom[size_t(k - 1)])
            << UnicodeToUtf8(expr) << " token " << k;
    }
    ++compared;
  }
  EXPECT_GT(compared, 10000);
}

// A text without the longest required string is turned down before the full matcher
// runs; that must change nothing: the plain walk, which never looks for strings first,
// gives the same results and token positions on texts that hold the string, lack it,
// hold it only in the other case or only before the start position.
TEST(Grep, LiteralPrefilterKeepsTheResults) {
  const UnicodeString exprs[] = {
      u"error code [0-9]+", u"^err",    u"code$",     u"E(rr)+or", u"x*ab",       u"a.c",
      u"[^a-z]b",           u"[a-c]+d", uR"(\.txt$)", uR"(\#41B)", u"(ab)?cd",    u"c+d",
      uR"(\(x\))",          u"^$",      u"b?$",       u"(code)",   u"o.e [0-9]?", u"ERROR",
  };
  const UnicodeString texts[] = {
      u"error code 42",
      u"Error Code 7",
      u"my error code",
      u"code",
      u"xxab",
      u"aab",
      u"abc",
      u"a.c",
      u"file.txt",
      u"file.TXT",
      u"AB",
      u"Ab",
      u"cd",
      u"abcd",
      u"ccd",
      u"",
      u"errerr",
      u"(x)",
      u"Xab",
      u"code error",
      u"\u00c9rror code 1",
      u"eRRor code",
      u"one 5",
  };
  for (const auto& expr : exprs) {
    for (const bool ignoreCase : {false, true}) {
      TGrep g(nullptr);
      g.SetIgnoreCase(ignoreCase);
      g.SetRegExp(expr);
      for (const auto& text : texts) {
        for (const int32_t start : {1, 3}) {
          g.SetSearchStartPos(start);
          int32_t pos = 0;
          const bool fast = g.MatchString(text, pos);
          Reference ref(g, ignoreCase ? LowerCase(text) : text);
          int32_t rs = 0, re = 0;
          const std::string what = UnicodeToUtf8(expr) + " on '" + UnicodeToUtf8(text) + "'" +
                                   (ignoreCase ? " ignoring case" : "") + " from " + std::to_string(start);
          ASSERT_EQ(fast, ref.Find(start, rs, re)) << what;
          if (!fast) continue;
          EXPECT_EQ(g.MatchStartPos(), rs) << what;
          EXPECT_EQ(g.MatchEndPos(), re) << what;
          for (int32_t k = 1; k <= g.NrOfRegExpTokens(); ++k)
            EXPECT_EQ(g.GetRegExpToken(k).ValidFrom, ref.validFrom[size_t(k - 1)]) << what << " token " << k;
        }
      }
    }
  }
}

// The plain definition of FindLiteralBytes.
size_t NaiveFind(std::string_view text, std::string_view needle, bool fold) {
  auto f = [&](char c) { return fold && c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
  for (size_t i = 0; i + needle.size() <= text.size(); ++i) {
    size_t k = 0;
    while (k < needle.size() && f(text[i + k]) == f(needle[k])) ++k;
    if (k == needle.size()) return i;
  }
  return std::string_view::npos;
}

TEST(Grep, FindLiteralBytes) {
  constexpr size_t npos = std::string_view::npos;
  struct Case {
    std::string_view text, needle;
    bool fold;
    size_t at;
  };
  const Case cases[] = {
      {"hello world", "world", false, 6},
      {"hello", "", false, 0},
      {"", "a", false, npos},
      {"abc", "abcd", false, npos},
      {"HeLLo", "hello", true, 0},
      {"HeLLo", "hello", false, npos},
      {"xhELLO", "Hello", true, 1},
      {"@[`{", "`{", true, 2},  // only letters fold: "@" is not "`", "[" is not "{"
      {"\xC9t\xE9", "\xE9", true, 2},
      {"a\nb\rerror", "error", false, 4},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FindLiteralBytes(c.text, c.needle, c.fold), c.at) << c.text << " / " << c.needle;

  // Every place of the needle in texts of every length up to 70, in a buffer of exactly
  // that size, so that a read past the end shows under the address sanitizer.
  const std::string needles[] = {"q", "qZ", "Zq@", "needle", "aaaaaaaaaaaaaaaaab"};
  for (const std::string& needle : needles) {
    for (size_t len = 0; len <= 70; ++len) {
      for (size_t at = 0; at + needle.size() <= len || at == 0; ++at) {
        auto buffer = std::make_unique<char[]>(len + 1);
        std::string text(len, 'a');
        if (at + needle.size() <= len) text.replace(at, needle.size(), needle);
        std::memcpy(buffer.get(), text.data(), len);
        const std::string_view view(buffer.get(), len);
        for (const bool fold : {false, true})
          ASSERT_EQ(FindLiteralBytes(view, needle, fold), NaiveFind(view, needle, fold))
              << needle << " in " << text << (fold ? " folding" : "");
        if (at + needle.size() > len) break;
      }
    }
  }
  // Random texts over a few bytes that fold, almost fold, or do not.
  std::mt19937 rng(4711);
  const std::string alphabet = "aAbB@`\x80\n";
  auto draw = [&](size_t n) {
    std::string s;
    for (size_t i = 0; i < n; ++i) s += alphabet[rng() % alphabet.size()];
    return s;
  };
  for (int round = 0; round < 20000; ++round) {
    const std::string text = draw(rng() % 90), needle = draw(1 + rng() % 4);
    const bool fold = rng() % 2 == 0;
    ASSERT_EQ(FindLiteralBytes(text, needle, fold), NaiveFind(text, needle, fold))
        << needle << " in " << text << (fold ? " folding" : "");
  }
}

TEST(Grep, PrintRegExpListsTheTokens) {
  TGrep g(nullptr);
  g.SetRegExp(u"^ab(cd)*[x-z]+.?x.$");
  EXPECT_EQ(g.RegExpListing(),
            u"    taBol: \r\n taNormal: ab\r\n  taMult0: (string) cd\r\n  taMult1: (set) xyz\r\n"
            u"   taOpti: (anychar) \r\n taNormal: x\r\ntaAnyByte: \r\n    taEol: \r\nno errors\r\n");
  zub::testing::TempDir dir;
  g.PrintRegExp(dir.Name("re.txt"));
  EXPECT_EQ(dir.ReadBytes("re.txt"), UnicodeToAnsi(g.RegExpListing()));
  g.SetStopOnError(false);
  g.SetRegExp(u"[ab");
  EXPECT_EQ(g.RegExpListing(), u"    taSet: ab\r\nmismatch of set brackets\r\n");
  EXPECT_THROW(g.PrintRegExp(dir.Name("no/dir/re.txt")), EInOutError);
}

}  // namespace
}  // namespace zub
