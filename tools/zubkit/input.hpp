// Opening a command's input: a file read as bytes, or standard input for "-".
#pragma once

#include <memory>
#include <string>

#include "zubcorekit.hpp"

namespace zubkit {

// A stream over the file's bytes, or over all of standard input for "-".
std::unique_ptr<zub::TStream> OpenInput(const std::string& path);

}  // namespace zubkit
