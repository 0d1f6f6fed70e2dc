// Unit ZUB_zubbase: the shared types of the library, its error base class, the CSV
// delimiter tables and the global progress state.
#pragma once

#include "foundation/ZUB_univconst.hpp"
#include "foundation/csv_delimiters.hpp"
#include "foundation/progress_state.hpp"
#include "foundation/hex_digits.hpp"
#include "foundation/zub_error.hpp"
#include "foundation/zubbase_types.hpp"
#include "host/host.hpp"
