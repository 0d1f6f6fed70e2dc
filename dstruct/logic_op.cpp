#include "dstruct/logic_op.hpp"

namespace zub {

const std::array<UnicodeString, 6> IDS_LOGICOP = {u"AND", u"OR", u"XOR", u"ANDNOT", u"ORNOT", u"XORNOT"};

namespace {

// One loop per operation, so the compiler vectorises each.
template <typename Op>
void Apply(uint8_t* Own, const uint8_t* Other, size_t Count, Op op) {
  for (size_t i = 0; i < Count; ++i) Own[i] = static_cast<uint8_t>(op(Own[i], Other[i]));
}

}  // namespace

void CombineBytes(uint8_t* Own, const uint8_t* Other, size_t Count, TLogicOp Operation) {
  switch (Operation) {
    case loAND:
      Apply(Own, Other, Count, [](unsigned a, unsigned b) { return a & b; });
      break;
    case loOR:
      Apply(Own, Other, Count, [](unsigned a, unsigned b) { return a | b; });
      break;
    case loXOR:
      Apply(Own, Other, Count, [](unsigned a, unsigned b) { return a ^ b; });
      break;
    case loANDNot:
      Apply(Own, Other, Count, [](unsigned a, unsigned b) { return a & ~b; });
      break;
    case loORNot:
      Apply(Own, Other, Count, [](unsigned a, unsigned b) { return a | ~b; });
      break;
    case loXORNot:
      Apply(Own, Other, Count, [](unsigned a, unsigned b) { return a ^ ~b; });
      break;
  }
}

}  // namespace zub
