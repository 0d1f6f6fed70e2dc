// SortStringList: sorting a string list by a key text found inside each item.
#pragma once

#include <cstdint>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

// Sorts list in place by the text that follows the n-th occurrence of key in each item
// (n < 0 counts occurrences from the right), shifted by offset - 1 characters (offset 1:
// exactly the text after the key). Sort texts compare by character code. With numeric, a
// sort text that begins with a digit has its leading digits compared by value (any number
// of digits), then the rest of the text.
// Returns 0 when sorted, -1 when an item lacks the key, -2 when the sort text position
// falls outside an item (after -1 or -2 the order is whatever the sort reached), -3 for
// n = 0 (the list is not touched). ignoreCase folds A..Z when finding the key. The
// parameters live in the call, so sorts may run on several threads at once.
int32_t SortStringList(TStringList& list, std::u16string_view key, int32_t n, int32_t offset, bool ignoreCase,
                       bool numeric);

}  // namespace zub
