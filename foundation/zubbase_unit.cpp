#include "foundation/zubbase_unit.hpp"

#include "foundation/csv_delimiters.hpp"
#include "foundation/progress_state.hpp"

namespace zub::unit_zubbase {

void Initialization() {
  ProcStat = 0;
  FillCSVDelimiterIds();
}

void Finalization() {
  ReleaseCSVDelimiterIds();
}

}  // namespace zub::unit_zubbase
