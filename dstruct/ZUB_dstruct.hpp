// Unit ZUB_dstruct: data structures, checksums, encoders and combinatorics.
#pragma once

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

// Errors raised by this unit.
ZUB_DECLARE_EXCEPTION(EZUBDStructError, EZUBError);

}  // namespace zub

#include "dstruct/assoc_array.hpp"
#include "dstruct/feat_mat_props.hpp"
#include "dstruct/feature_matrix.hpp"
#include "dstruct/string_array.hpp"
