// TShortString<N>: a string of at most N single-byte (Windows-1252) characters. Longer text
// is cut to N characters on assignment; characters without a Windows-1252 byte become '?'.
#pragma once

#include <cstddef>
#include <string>

#include "host/unicode.hpp"

namespace zub {

template <size_t N>
class TShortString {
  static_assert(N >= 1 && N <= 255, "a short string holds 1 to 255 characters");

 public:
  static constexpr size_t MaxLength = N;

  TShortString() = default;
  TShortString(std::u16string_view Text) { Set(UnicodeToAnsi(Text)); }
  TShortString(const Char* Text) : TShortString(std::u16string_view(Text)) {}
  static TShortString FromAnsi(std::string_view Bytes) {
    TShortString s;
    s.Set(AnsiString(Bytes));
    return s;
  }

  size_t Length() const { return FBytes.size(); }
  const AnsiString& Bytes() const { return FBytes; }
  UnicodeString Text() const { return AnsiToUnicode(FBytes); }
  operator UnicodeString() const { return Text(); }

  friend bool operator==(const TShortString& a, const TShortString& b) { return a.FBytes == b.FBytes; }

 private:
  void Set(AnsiString bytes) {
    if (bytes.size() > N) bytes.resize(N);
    FBytes = std::move(bytes);
  }
  AnsiString FBytes;
};

}  // namespace zub
