#include "colors/color_models.hpp"
#include "colors/named_colors.hpp"

namespace zub {

UnicodeString ObtainColorName(TColor Color, bool flag) {
  const UnicodeString hex = u"$" + ColorToHexStr(Color);
  for (size_t i = 0; i < AllZUBColors.size(); ++i) {
    if (AllZUBColors[i] != Color) continue;
    const UnicodeString name(AllZUBColorNames[i]);
    return flag ? hex + u" (cl" + name + u")" : name;
  }
  return hex;
}

UnicodeString ObtainColorName(TColor Color) {
  return ObtainColorName(Color, false);
}

}  // namespace zub
