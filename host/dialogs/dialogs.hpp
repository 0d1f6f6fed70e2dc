// The platform's common dialogs.
#pragma once

#include "host/dialogs/common_dialog.hpp"
#include "host/dialogs/save_dialog.hpp"
