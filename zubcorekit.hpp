// zubcorekit: every unit of the library.
#pragma once

#include "colors/ZUB_zubcolors.hpp"
#include "cpuid/ZUB_cpuid.hpp"
#include "dstruct/ZUB_dstruct.hpp"
#include "filesys/ZUB_filesys.hpp"
#include "foundation/ZUB_univconst.hpp"
#include "foundation/ZUB_zubbase.hpp"
#include "foundation/zubcorekit_rt_120XS.hpp"
#include "html/ZUB_htmlsupport.hpp"
#include "streams/ZUB_streams.hpp"
#include "strings/ZUB_stringl.hpp"
