// Unit ZUB_filesys: paths, files, text files, the save dialog and the registry.
#pragma once

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

// Errors raised by this unit.
ZUB_DECLARE_EXCEPTION(EZUBFileSysError, EZUBError);

}  // namespace zub

#include "filesys/asc_header.hpp"
#include "filesys/directories.hpp"
#include "filesys/drives.hpp"
#include "filesys/file_copy.hpp"
#include "filesys/file_delete.hpp"
#include "filesys/password.hpp"
#include "filesys/path_names.hpp"
#include "filesys/program_association.hpp"
#include "filesys/registry_values.hpp"
#include "filesys/save_dialog.hpp"
#include "filesys/system_folders.hpp"
#include "filesys/text_file_read.hpp"
#include "filesys/text_file_type.hpp"
#include "filesys/text_file_write.hpp"
