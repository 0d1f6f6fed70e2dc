// Unit ZUB_streams: typed reads and writes on streams, the mixed file stream and tag reading.
#pragma once

#include "foundation/ZUB_zubbase.hpp"
