#include "dstruct/array_2d_stack.hpp"

#include <algorithm>
#include <new>

#include "dstruct/ZUB_dstruct.hpp"

namespace zub {

namespace {

constexpr int32_t kMaxStackSize = 999;

}  // namespace

T2DArrayStack::T2DArrayStack(TComponent* AOwner) : TComponent(AOwner) {
  try {
    FData.resize(static_cast<size_t>(FStackSize));
    FNames.resize(static_cast<size_t>(FStackSize));
  } catch (const std::bad_alloc&) {
    throw EZUBDStructError(ComponentMessage(*this, u"not enough memory on heap"));
  }
}

void T2DArrayStack::NotEnoughMemory() const {
  throw EZUBDStructError(ComponentMessage(*this, u"not enough memory"));
}

void T2DArrayStack::SetStackSize(int32_t n) {
  if (n < 1 || n > kMaxStackSize) return;
  try {
    std::vector<TDouble2DArray> data(static_cast<size_t>(n));
    std::vector<UnicodeString> names(static_cast<size_t>(n));
    FData.swap(data);
    FNames.swap(names);
  } catch (const std::bad_alloc&) {
    NotEnoughMemory();
  }
  FStackSize = n;
  FStackPoi = 0;
}

int32_t T2DArrayStack::Push(const TDouble2DArray& Arr) {
  return Push(Arr, UnicodeString());
}

int32_t T2DArrayStack::Push(const TDouble2DArray& Arr, const UnicodeString& Name) {
  if (FStackPoi >= FStackSize) return -1;
  // The slot above the top is not part of the stack, so a copy that fails half-way into it
  // leaves the stack as it was; writing into it reuses the storage of an entry popped or
  // forgotten there before.
  TDouble2DArray& slot = FData[static_cast<size_t>(FStackPoi)];
  try {
    const size_t cols = Arr.empty() ? 0 : Arr[0].size();
    slot.resize(Arr.size());
    for (size_t r = 0; r < Arr.size(); ++r) {
      const TDoubleArray& row = Arr[r];
      const size_t n = std::min(cols, row.size());
      slot[r].assign(row.begin(), row.begin() + static_cast<std::ptrdiff_t>(n));
      slot[r].resize(cols, 0.0);
    }
    FNames[static_cast<size_t>(FStackPoi)] = Name;
  } catch (const std::bad_alloc&) {
    NotEnoughMemory();
  }
  return ++FStackPoi;
}

int32_t T2DArrayStack::Pop(TDouble2DArray& Arr) {
  UnicodeString name;
  return Pop(Arr, name);
}

int32_t T2DArrayStack::Pop(TDouble2DArray& Arr, UnicodeString& Name) {
  if (FStackPoi == 0) {
    Arr.clear();
    Name.clear();
    return -1;
  }
  --FStackPoi;
  Arr = std::move(FData[static_cast<size_t>(FStackPoi)]);
  Name = std::move(FNames[static_cast<size_t>(FStackPoi)]);
  FData[static_cast<size_t>(FStackPoi)].clear();
  FNames[static_cast<size_t>(FStackPoi)].clear();
  return 0;
}

int32_t T2DArrayStack::CloneArray(int32_t ix, TDouble2DArray& Arr) const {
  if (ix < 1 || ix > FStackPoi) {
    Arr.clear();
    return -1;
  }
  try {
    TDouble2DArray copy(FData[static_cast<size_t>(ix - 1)]);
    Arr.swap(copy);
  } catch (const std::bad_alloc&) {
    NotEnoughMemory();
  }
  return 0;
}

int32_t T2DArrayStack::FindByName(const UnicodeString& Name) const {
  for (int32_t i = 0; i < FStackPoi; ++i)
    if (SameText(FNames[static_cast<size_t>(i)], Name)) return i + 1;
  return 0;
}

UnicodeString T2DArrayStack::GetArrayName(int32_t idx) const {
  if (idx < 1 || idx > FStackPoi) return UnicodeString();
  return FNames[static_cast<size_t>(idx - 1)];
}

void T2DArrayStack::SetArrayName(int32_t idx, const UnicodeString& value) {
  if (idx < 1 || idx > FStackPoi) return;
  FNames[static_cast<size_t>(idx - 1)] = value;
}

}  // namespace zub
