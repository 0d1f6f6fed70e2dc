// Unit ZUB_zubcolors: colour models and conversions, the colour array, named colours and
// ready-made scales.
#pragma once

#include "colors/color_array.hpp"
#include "colors/color_models.hpp"
#include "colors/color_tables.hpp"
#include "colors/colors_error.hpp"
#include "colors/named_colors.hpp"
#include "foundation/ZUB_zubbase.hpp"
