// Initialisation and finalisation of the unit ZUB_zubbase, run by the package frame.
#pragma once

namespace zub::unit_zubbase {

// Sets ProcStat to 0 and fills the unit's string tables.
void Initialization();
// Releases the unit's string tables.
void Finalization();

}  // namespace zub::unit_zubbase
