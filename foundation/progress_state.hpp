// The process-wide progress and abort state offered to long-running routines of client
// packages: a progress counter, the last reported value, an abort request and an optional
// progress callback. Nothing in this library reads or writes them except that loading the
// unit sets ProcStat to 0.
#pragma once

#include "foundation/zubbase_types.hpp"

namespace zub {

extern double ProcStat;
extern double LastProcStat;
extern bool AbortMathProc;
extern FeedBackProcType MathFeedBackProc;

}  // namespace zub
