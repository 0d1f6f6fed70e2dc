#include "tools/zubkit/input.hpp"

#include <iostream>
#include <iterator>

namespace zubkit {

std::unique_ptr<zub::TStream> OpenInput(const std::string& path) {
  if (path != "-")
    return std::make_unique<zub::TFileStream>(zub::SystemNameToUnicode(path),
                                              zub::fmOpenRead | zub::fmShareDenyWrite);
  auto m = std::make_unique<zub::TMemoryStream>();
  char buf[65536];
  while (std::cin.read(buf, sizeof buf) || std::cin.gcount() > 0)
    m->WriteBuffer(buf, static_cast<int32_t>(std::cin.gcount()));
  m->SetPosition(0);
  return m;
}

}  // namespace zubkit
