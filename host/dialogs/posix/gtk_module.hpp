// Finds and loads the GTK dialog module (see host/dialogs/save_dialog.hpp for the places
// it is looked for).
#pragma once

#include "host/dialogs/gtk/module_interface.hpp"

namespace zub::host {

// The module's entry table, or null when no module of the expected interface version can
// be loaded; a failure is not remembered, so the next call looks again.
const ZubGtkModule* LoadGtkModule();

}  // namespace zub::host
