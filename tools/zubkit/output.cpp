#include "tools/zubkit/output.hpp"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <new>
#include <streambuf>

#include "host/exceptions.hpp"

namespace zubkit {

namespace {

// A streambuf over a file descriptor that raises WriteError when a write fails.
class DescriptorBuf : public std::streambuf {
 public:
  explicit DescriptorBuf(int fd) : FFd(fd) { setp(FBuf, FBuf + sizeof FBuf); }

  void Flush() {
    const char* p = pbase();
    const char* end = pptr();
    setp(FBuf, FBuf + sizeof FBuf);  // what failed to go out is dropped, not retried
    while (p < end) {
      const ssize_t n = ::write(FFd, p, static_cast<size_t>(end - p));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        const int e = n < 0 ? errno : EIO;
        throw WriteError(std::strerror(e), e == EPIPE);
      }
      p += n;
    }
  }

 protected:
  int_type overflow(int_type ch) override {
    Flush();
    if (!traits_type::eq_int_type(ch, traits_type::eof())) {
      *pptr() = traits_type::to_char_type(ch);
      pbump(1);
    }
    return traits_type::not_eof(ch);
  }
  std::streamsize xsputn(const char* s, std::streamsize n) override {
    std::streamsize done = 0;
    while (done < n) {
      if (pptr() == epptr()) Flush();
      const std::streamsize k = std::min<std::streamsize>(n - done, epptr() - pptr());
      std::memcpy(pptr(), s + done, static_cast<size_t>(k));
      pbump(static_cast<int>(k));
      done += k;
    }
    return n;
  }
  int sync() override {
    Flush();
    return 0;
  }

 private:
  int FFd;
  char FBuf[1 << 16];
};

DescriptorBuf& Buf() {
  static DescriptorBuf buf(STDOUT_FILENO);
  return buf;
}

}  // namespace

std::ostream& Out() {
  static std::ostream out(&Buf());
  // Let WriteError through instead of turning it into a silent bad state.
  static const bool strict = (out.exceptions(std::ios::badbit), true);
  (void)strict;
  return out;
}

void FlushOut() {
  Out();  // the stream exists before its buffer is flushed through it
  Buf().Flush();
}

void ReportInputError(const std::string& command, const std::string& name, const std::exception& e) {
  FlushOut();
  std::cerr << "zubkit " << command << ": ";
  if (dynamic_cast<const zub::Exception*>(&e) == nullptr)
    std::cerr << (name == "-" ? "(standard input)" : name) << ": "
              << (dynamic_cast<const std::bad_alloc*>(&e) != nullptr ? "out of memory" : e.what());
  else
    std::cerr << (name == "-" ? "(standard input): " : "") << e.what();
  std::cerr << "\n";
}

}  // namespace zubkit
