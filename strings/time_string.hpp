// TimeString: a number of seconds as a clock or duration text.
#pragma once

#include <cstdint>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

// seconds (negative counts as 0) in one of six layouts; 3723.25 s gives:
//   0 "01:02:03.25"   1 "01:02:03"   2 " 1h02"   3 " 1h02'03""   4 "01:02"   5 " 1:02a"
// any other format gives "". Hours are taken modulo 65536 and are not reduced to a day
// (100 hours give "100:00:00"; format 5 shows 25 hours as "13:00p"); hundredths are cut,
// not rounded. Minutes and seconds are counted from the reduced hours, as the classic
// routine does. NaN and infinities count as 0; values whose hours exceed 32 bits are
// shown with hours modulo 65536 and the minutes and seconds of their last hour.
UnicodeString TimeString(double seconds, uint8_t format);

}  // namespace zub
