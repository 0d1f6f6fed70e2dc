#include "foundation/zubbase_unit.hpp"

#include "foundation/csv_delimiters.hpp"
#include "foundation/name_tables.hpp"
#include "foundation/progress_state.hpp"

namespace zub::unit_zubbase {

void Initialization() {
  ProcStat = 0;
  FillCSVDelimiterIds();
  FillNameTables();
}

void Finalization() {
  ReleaseCSVDelimiterIds();
  ReleaseNameTables();
}

}  // namespace zub::unit_zubbase
