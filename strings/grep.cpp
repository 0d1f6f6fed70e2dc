#include "strings/grep.hpp"

#include <algorithm>
#include <vector>

#include "foundation/hex_digits.hpp"
#include "strings/char_class.hpp"
#include "strings/string_search.hpp"
#include "strings/stringl_error.hpp"

namespace zub {

UnicodeString TGrep::ErrorText(int32_t error) {
  switch (error) {
    case 0:
      return u"no errors";
    case 1:
      return u"reg.exp. must not start with $, *, ?, or +";
    case 2:
      return u"circumflex not allowed here";
    case 3:
      return u"no character allowed after end of line";
    case 4:
      return u"empty set";
    case 5:
      return u"circumflex has to be quoted in set";
    case 6:
      return u"mismatch of set brackets";
    case 7:
      return u"minus not allowed here";
    case 8:
      return u"mismatch of group brackets";
    case 9:
      return u"*, ?, + have to be applied to groups or sets only";
    case 10:
      return u"reg.exp. needs more than 64 tokens";
    case 11:
      return u"string longer than 255 characters in reg.exp.";
    case 12:
      return u"character above 255 in set";
    default:
      return u"unknown error";
  }
}

namespace {

// Each "\#" becomes, together with the two characters after it, the character whose code
// those characters give in hex (reading stops at the first non-hex digit). A "\#" right
// after a backslash stays as it is, whatever precedes that backslash: "\\\#41" keeps
// "\#41" for the escape handling of the compiler, which reads it as the literal "\#41".
// The text is read as it stands after the escapes before: a backslash taken as a hex digit
// is gone, and one produced by "\#5C" counts as the backslash before a following "\#".
// from[j] receives the index in s of the character that out[j] came from (for an escape,
// its backslash), so errors can be placed in the expression as the caller wrote it.
UnicodeString ExpandHexEscapes(const UnicodeString& s, std::vector<size_t>& from) {
  UnicodeString out;
  from.clear();
  size_t i = 0;
  while (i < s.size()) {
    const bool escape = s[i] == u'\\' && i + 1 < s.size() && s[i + 1] == u'#';
    if (escape && !out.empty() && out.back() == u'\\') {
      out.append(s, i, 2);
      from.push_back(i);
      from.push_back(i + 1);
      i += 2;
      continue;
    }
    if (escape) {
      size_t next = 0;
      const uint32_t code = ReadHexDigits(s, i + 2, 2, next);
      out += static_cast<Char>(code);
      from.push_back(i);
      i = std::min(i + 4, s.size());
      continue;
    }
    from.push_back(i);
    out += s[i++];
  }
  return out;
}

TGrepTokenAct RepeatKind(Char c) {
  return c == u'*' ? taMult0 : c == u'+' ? taMult1 : taOpti;
}

}  // namespace

int32_t TGrep::CompileRegExp(const UnicodeString& value) {
  FError = 0;
  FErrorPos = 0;
  std::vector<size_t> from;
  const UnicodeString expr = ExpandHexEscapes(FIgnoreCase ? LowerCase(value) : value, from);
  FLengRegExp = 0;
  for (TGrepToken& t : FregExp) {
    t.NumChars = 0;
    t.ValidFrom = 0;
  }
  bool negate = false;
  Char lastSetChar = u'A';
  int state = 0;

  auto last = [&]() -> TGrepToken& { return FregExp[static_cast<size_t>(FLengRegExp - 1)]; };
  auto append = [&](TGrepTokenAct act) {
    if (FLengRegExp == MaxGrepTokens) {
      FError = 10;
      return false;
    }
    ++FLengRegExp;
    last().Action = act;
    last().NumChars = 0;
    return true;
  };
  auto addChar = [&](TGrepToken& t, Char c) {
    if (t.NumChars >= 255) {
      FError = 11;
      return;
    }
    t.Params[static_cast<size_t>(++t.NumChars)] = c;
  };
  auto oneChar = [&](Char c) {
    if (append(taNormal)) addChar(last(), c);
  };
  auto startSet = [&]() {
    if (!append(taSet)) return;
    last().NumChars = -1;
    last().Params.fill(u' ');
  };
  auto mark = [&](Char c) {
    if (c > 255) {
      FError = 12;
      return;
    }
    last().Params[c] = u'*';
    lastSetChar = c;
  };
  auto startGroup = [&]() { append(taNormal); };

  size_t i = 0;
  size_t at = 0;  // where the construct being read starts in expr
  while (i < expr.size() && FError == 0) {
    at = i;
    Char c = expr[i++];
    bool escaped = false;
    if (c == u'\\' && i < expr.size()) {
      c = expr[i++];
      escaped = true;
    }
    const bool plain = !escaped;
    switch (state) {
      case 0:
        if (plain && (c == u'$' || c == u'*' || c == u'+' || c == u'?'))
          FError = 1;
        else if (plain && c == u'(')
          startGroup(), state = 5;
        else if (plain && c == u')')
          FError = 8;
        else if (plain && c == u'.')
          append(taAnyByte), state = 1;
        else if (plain && c == u'[')
          startSet(), state = 2;
        else if (plain && c == u']')
          FError = 6;
        else if (plain && c == u'^')
          append(taBol), state = 1;
        else
          oneChar(c), state = 1;
        break;
      case 1:
        if (plain && c == u'$')
          append(taEol), state = 7;
        else if (plain && c == u'(')
          startGroup(), state = 5;
        else if (plain && c == u')')
          FError = 8;
        else if (plain && c == u'.')
          append(taAnyByte);
        else if (plain && c == u'[')
          startSet(), state = 2;
        else if (plain && c == u']')
          FError = 6;
        else if (plain && c == u'^')
          FError = 2;
        else if (plain && (c == u'*' || c == u'+' || c == u'?')) {
          TGrepToken& t = last();
          if (t.Action == taNormal && t.NumChars == 1) {
            t.Action = RepeatKind(c);
          } else if (t.Action == taNormal && t.NumChars > 1) {
            const Char lastChar = t.Params[static_cast<size_t>(t.NumChars--)];
            if (append(RepeatKind(c))) addChar(last(), lastChar);
          } else if (t.Action == taAnyByte) {
            t.Action = RepeatKind(c);
            t.NumChars = 0;
          } else {
            FError = 9;
          }
        } else if (last().Action == taNormal) {
          addChar(last(), c);
        } else {
          oneChar(c);
        }
        break;
      case 2:
        if (plain && c == u'-')
          FError = 7;
        else if (plain && c == u']')
          FError = 4;
        else if (plain && c == u'^')
          negate = true, state = 3;
        else
          mark(c), state = 3;
        break;
      case 3:
        if (plain && c == u'-') {
          if (i >= expr.size()) break;  // nothing to range to: the set stays open
          const Char to = expr[i++];
          if (to > 255) {
            FError = 12;
            at = i - 1;
            break;
          }
          const Char lo = std::min(lastSetChar, to), hi = std::max(lastSetChar, to);
          for (uint32_t code = lo; code <= hi; ++code) last().Params[code] = u'*';
          lastSetChar = lo;
        } else if (plain && c == u'^') {
          FError = 5;
        } else if (plain && c == u']') {
          if (negate) {
            for (Char& p : last().Params) p = p == u'*' ? u' ' : u'*';
            negate = false;
          }
          state = 4;
        } else {
          mark(c);
        }
        break;
      case 4:
      case 6: {
        const bool isSetState = state == 4;
        if (plain && c == u'$')
          append(taEol), state = 7;
        else if (plain && c == u'(')
          startGroup(), state = 5;
        else if (plain && c == u')')
          FError = 8;
        else if (plain && (c == u'*' || c == u'+' || c == u'?')) {
          TGrepToken& t = last();
          if (isSetState && t.Action == taSet)
            t.Action = RepeatKind(c), t.NumChars = -1;
          else if (!isSetState && t.Action == taNormal)
            t.Action = RepeatKind(c);
          else
            FError = 9;
        } else if (plain && c == u'-') {
          if (isSetState)
            FError = 7;
          else
            oneChar(c), state = 1;
        } else if (plain && c == u'.')
          append(taAnyByte), state = 1;
        else if (plain && c == u'[')
          startSet(), state = 2;
        else if (plain && c == u']')
          FError = 6;
        else if (plain && c == u'^')
          FError = 2;
        else
          oneChar(c), state = 1;
        break;
      }
      case 5:
        if (plain && c == u')')
          state = 6;
        else if (plain && c == u'^')
          FError = 2;
        else
          addChar(last(), c);
        break;
      default:  // 7: after "$"
        FError = 3;
        break;
    }
  }
  if (FError != 0) {
    FErrorPos = static_cast<int32_t>(from[at]) + 1;
  } else if (state == 2 || state == 3 || state == 5) {
    FError = state == 5 ? 8 : 6;
    FErrorPos = static_cast<int32_t>(value.size()) + 1;
  }
  FRequired.clear();
  for (const UnicodeString& r : RequiredStrings())
    if (r.size() > FRequired.size()) FRequired = r;
  return FError;
}

std::vector<UnicodeString> TGrep::RequiredStrings() const {
  std::vector<UnicodeString> strings;
  for (int32_t k = 0; k < FLengRegExp; ++k) {
    const TGrepToken& t = FregExp[static_cast<size_t>(k)];
    if ((t.Action == taNormal || t.Action == taMult1) && t.NumChars > 0)
      strings.emplace_back(t.Params.begin() + 1, t.Params.begin() + 1 + t.NumChars);
  }
  return strings;
}

void TGrep::SetRegExp(const UnicodeString& value) {
  FRegExpStr = value;
  if (CompileRegExp(value) > 0 && FStopOnError)
    throw EZUBStringlError(ComponentMessage(*this, u"error in regular expression - ") + ErrorText(FError));
}

void TGrep::SetIgnoreCase(bool value) {
  FIgnoreCase = value;
  CompileRegExp(FRegExpStr);
}

TGrepToken TGrep::GetRegExpToken(int32_t regix) const {
  regix = std::clamp(regix, 1, std::max(FLengRegExp, 1));
  return FregExp[static_cast<size_t>(regix - 1)];
}

UnicodeString TGrep::RegExpListing() const {
  auto members = [](const TGrepToken& t) {
    UnicodeString m;
    for (size_t code = 0; code < 256; ++code)
      if (t.Params[code] == u'*') m += static_cast<Char>(code);
    return m;
  };
  auto text = [](const TGrepToken& t) {
    return UnicodeString(t.Params.begin() + 1, t.Params.begin() + 1 + std::max(t.NumChars, 0));
  };
  auto item = [&](const TGrepToken& t) {
    if (t.NumChars < 0) return u"(set) " + members(t);
    if (t.NumChars == 0) return UnicodeString(u"(anychar) ");
    return u"(string) " + text(t);
  };
  UnicodeString out;
  for (int32_t k = 0; k < FLengRegExp; ++k) {
    const TGrepToken& t = FregExp[static_cast<size_t>(k)];
    switch (t.Action) {
      case taNormal:
        out += u" taNormal: " + text(t);
        break;
      case taAnyByte:
        out += u"taAnyByte: ";
        break;
      case taEol:
        out += u"    taEol: ";
        break;
      case taBol:
        out += u"    taBol: ";
        break;
      case taSet:
        out += u"    taSet: " + members(t);
        break;
      case taMult0:
        out += u"  taMult0: " + item(t);
        break;
      case taMult1:
        out += u"  taMult1: " + item(t);
        break;
      case taOpti:
        out += u"   taOpti: " + item(t);
        break;
    }
    out += u"\r\n";
  }
  return out + ErrorText(FError) + u"\r\n";
}

void TGrep::PrintRegExp(const UnicodeString& FName) const {
  TextFile f;
  AssignFile(f, FName);
  Rewrite(f);
  Write(f, RegExpListing());
  CloseFile(f);
}

}  // namespace zub
