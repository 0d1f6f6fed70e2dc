#include "dstruct/string_accu.hpp"

#include <limits>
#include <new>

#include "dstruct/ZUB_dstruct.hpp"

namespace zub {

namespace {

// Room for the first entries, so that a small accumulator grows without rehashing.
constexpr size_t kInitialRoom = 16;

}  // namespace

TStringAccu::TStringAccu(TComponent* AOwner)
    : TComponent(AOwner), FIndex(0, EntryHash{&FStrArray}, EntryEqual{&FStrArray}) {
  try {
    FStrArray.reserve(kInitialRoom);
    FCntArray.reserve(kInitialRoom);
    FIndex.reserve(kInitialRoom);
  } catch (const std::bad_alloc&) {
    throw EZUBDStructError(ComponentMessage(*this, u"not enough memory on heap"));
  }
}

void TStringAccu::NotEnoughMemory() const {
  throw EZUBDStructError(ComponentMessage(*this, u"not enough memory"));
}

void TStringAccu::Clear() {
  FIndex.clear();
  FStrArray.clear();
  FCntArray.clear();
  FSize = 0;
}

void TStringAccu::Add(std::u16string_view AString) {
  const auto it = FIndex.find(AString);
  if (it != FIndex.end()) {
    int32_t& count = FCntArray[static_cast<size_t>(*it)];
    if (count < std::numeric_limits<int32_t>::max()) ++count;
    return;
  }
  // Positions stay within int32 too.
  if (FSize == std::numeric_limits<int32_t>::max()) NotEnoughMemory();
  // Each step either succeeds or leaves its container as it was, so undoing the steps done
  // restores the accumulator.
  int done = 0;
  try {
    FStrArray.emplace_back(AString);
    ++done;
    FCntArray.push_back(1);
    ++done;
    FIndex.insert(FSize);
  } catch (const std::bad_alloc&) {
    if (done >= 2) FCntArray.pop_back();
    if (done >= 1) FStrArray.pop_back();
    NotEnoughMemory();
  }
  ++FSize;
}

UnicodeString TStringAccu::GetString(int32_t ix) const {
  if (ix < 1 || ix > FSize) return UnicodeString();
  return FStrArray[static_cast<size_t>(ix - 1)];
}

int32_t TStringAccu::GetCount(int32_t ix) const {
  if (ix < 1 || ix > FSize) return 0;
  return FCntArray[static_cast<size_t>(ix - 1)];
}

}  // namespace zub
