#include "foundation/progress_state.hpp"

namespace zub {

double ProcStat = 0;
double LastProcStat = 0;
bool AbortMathProc = false;
FeedBackProcType MathFeedBackProc;

}  // namespace zub
