// Unit ZUB_htmlsupport: the template-driven HTML producer and URL helpers.
#pragma once

#include "foundation/ZUB_zubbase.hpp"
