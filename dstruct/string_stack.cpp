#include "dstruct/string_stack.hpp"

#include <new>

#include "dstruct/ZUB_dstruct.hpp"
#include "strings/string_search.hpp"

namespace zub {

namespace {

constexpr int32_t kMaxStackSize = 999;

}  // namespace

TStringStack::TStringStack(TComponent* AOwner) : TComponent(AOwner) {
  try {
    FStrings.resize(static_cast<size_t>(FStackSize));
  } catch (const std::bad_alloc&) {
    throw EZUBDStructError(ComponentMessage(*this, u"not enough memory on heap"));
  }
}

void TStringStack::NotEnoughMemory() const {
  throw EZUBDStructError(ComponentMessage(*this, u"not enough memory"));
}

void TStringStack::SetStackSize(int32_t n) {
  if (n < 1 || n > kMaxStackSize) return;
  try {
    std::vector<UnicodeString> strings(static_cast<size_t>(n));
    FStrings.swap(strings);
  } catch (const std::bad_alloc&) {
    NotEnoughMemory();
  }
  FStackSize = n;
  FStackPoi = 0;
}

int32_t TStringStack::Push(const UnicodeString& Str) {
  if (FStackPoi >= FStackSize) return -1;
  // The slot above the top is not part of the stack, so a failed copy leaves it as it was.
  try {
    FStrings[static_cast<size_t>(FStackPoi)] = Str;
  } catch (const std::bad_alloc&) {
    NotEnoughMemory();
  }
  return ++FStackPoi;
}

int32_t TStringStack::Pop(UnicodeString& Str) {
  if (FStackPoi == 0) {
    Str.clear();
    return -1;
  }
  --FStackPoi;
  Str = std::move(FStrings[static_cast<size_t>(FStackPoi)]);
  FStrings[static_cast<size_t>(FStackPoi)].clear();
  return 0;
}

int32_t TStringStack::CloneString(int32_t ix, UnicodeString& Str) const {
  if (ix < 1 || ix > FStackPoi) {
    Str.clear();
    return -1;
  }
  try {
    Str = FStrings[static_cast<size_t>(ix - 1)];
  } catch (const std::bad_alloc&) {
    NotEnoughMemory();
  }
  return 0;
}

int32_t TStringStack::FindString(const UnicodeString& Str, bool SubString, bool IgnoreCase) const {
  for (int32_t i = 0; i < FStackPoi; ++i) {
    const UnicodeString& entry = FStrings[static_cast<size_t>(i)];
    const bool found = SubString    ? NumberedPos(Str, entry, 1, 1, IgnoreCase) > 0
                       : IgnoreCase ? SameText(entry, Str)
                                    : entry == Str;
    if (found) return i + 1;
  }
  return 0;
}

}  // namespace zub
