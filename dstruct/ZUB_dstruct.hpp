// Unit ZUB_dstruct: data structures, checksums, encoders and combinatorics.
#pragma once

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

// Errors raised by this unit.
ZUB_DECLARE_EXCEPTION(EZUBDStructError, EZUBError);

}  // namespace zub

#include "dstruct/array_2d_stack.hpp"
#include "dstruct/ascii85.hpp"
#include "dstruct/assoc_array.hpp"
#include "dstruct/base64.hpp"
#include "dstruct/bit_field.hpp"
#include "dstruct/byte_matrix.hpp"
#include "dstruct/combinatorics.hpp"
#include "dstruct/crc.hpp"
#include "dstruct/feat_mat_props.hpp"
#include "dstruct/feature_matrix.hpp"
#include "dstruct/fifo.hpp"
#include "dstruct/logic_op.hpp"
#include "dstruct/nearest_value.hpp"
#include "dstruct/rle_encoder.hpp"
#include "dstruct/sha1.hpp"
#include "dstruct/string_accu.hpp"
#include "dstruct/string_array.hpp"
#include "dstruct/string_stack.hpp"
