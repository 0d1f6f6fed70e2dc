// Arbitrary sequences of byte and block reads and writes, seeks and size changes on a
// memory stream and on a file stream, each checked after every step against a string that
// plays the stream: the buffered window of both must never lose, invent or misplace a byte.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "host/file_stream.hpp"

namespace {

const std::string& ScratchFile() {
  static const std::string name = [] {
    std::string p = "/tmp/zub_fuzz_stream_XXXXXX";
    const int fd = mkstemp(p.data());
    if (fd < 0) std::abort();
    close(fd);
    return p;
  }();
  return name;
}

void Check(bool ok) {
  if (!ok) std::abort();
}

void Run(zub::TStream& s, const uint8_t* data, size_t size) {
  std::string model;
  int64_t pos = 0;
  size_t i = 0;
  auto next = [&]() -> uint32_t { return i < size ? data[i++] : 0; };
  while (i < size) {
    const uint32_t op = next() % 7;
    // Lengths up to a little beyond the file stream's 64 KiB buffer.
    const uint32_t n = (next() << 9 | next()) % 70000;
    switch (op) {
      case 0: {  // block write
        std::string bytes(n, '\0');
        for (uint32_t k = 0; k < n; ++k) bytes[k] = static_cast<char>(k * 13 + i);
        s.WriteBuffer(bytes.data(), static_cast<int32_t>(n));
        if (n == 0) break;  // nothing written, even past the end
        if (model.size() < static_cast<size_t>(pos) + n) model.resize(static_cast<size_t>(pos) + n);
        model.replace(static_cast<size_t>(pos), n, bytes);
        pos += n;
        break;
      }
      case 1:  // byte writes
        for (uint32_t k = 0; k < n % 300; ++k) {
          s.WriteByte(static_cast<uint8_t>(k));
          if (model.size() <= static_cast<size_t>(pos)) model.resize(static_cast<size_t>(pos) + 1);
          model[static_cast<size_t>(pos++)] = static_cast<char>(k);
        }
        break;
      case 2: {  // block read
        std::string got(n, '\0');
        const int32_t r = s.Read(got.data(), static_cast<int32_t>(n));
        const int64_t want = std::clamp<int64_t>(static_cast<int64_t>(model.size()) - pos, 0, n);
        Check(r == want);
        if (r > 0)
          Check(got.compare(0, static_cast<size_t>(r), model, static_cast<size_t>(pos),
                            static_cast<size_t>(r)) == 0);
        pos += r;
        break;
      }
      case 3:  // byte reads
        for (uint32_t k = 0; k < n % 300; ++k) {
          const int b = s.ReadByte();
          if (pos >= static_cast<int64_t>(model.size())) {
            Check(b == -1);
          } else {
            Check(b == static_cast<uint8_t>(model[static_cast<size_t>(pos++)]));
          }
        }
        break;
      case 4:  // seek, sometimes past the end
        pos = n % (model.size() + 1000);
        Check(s.Seek(pos, zub::soBeginning) == pos);
        break;
      case 5:  // size change
        model.resize(n % (model.size() + 1));
        s.SetSize(static_cast<int64_t>(model.size()));
        pos = std::min<int64_t>(pos, static_cast<int64_t>(model.size()));
        break;
      default:
        Check(s.AtEnd() == (pos >= static_cast<int64_t>(model.size())));
        break;
    }
    Check(s.Position() == pos);
    Check(s.Size() == static_cast<int64_t>(model.size()));
  }
  // What the stream holds, read back whole.
  s.SetPosition(0);
  std::string all(model.size(), '\0');
  s.ReadBuffer(all.data(), static_cast<int32_t>(all.size()));
  Check(all == model && s.ReadByte() == -1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  zub::TMemoryStream memory;
  Run(memory, data, size);
  zub::TFileStream file(zub::Utf8ToUnicode(ScratchFile()), zub::fmCreate);
  Run(file, data, size);
  file.Close();
  return 0;
}
