// Makes a chosen allocation of a test program fail, to exercise the out-of-memory paths.
//
// Include this header in exactly one source file of a test program: it replaces the global
// operator new and delete (the plain, array and nothrow forms) of the whole program, the
// library's own allocations included. While a FailNextAllocation object is alive, one
// allocation throws std::bad_alloc (or gives null for the nothrow forms): the first after it,
// or the one after Skip others; those after it succeed, so the error can still be built and
// reported. Stepping Skip up from 0 fails each allocation of an operation in turn.
#pragma once

#include <cstdlib>
#include <new>

namespace zub::testing {

inline int gAllocationsUntilFailure = -1;  // -1: never fail

class FailNextAllocation {
 public:
  explicit FailNextAllocation(int Skip = 0) { gAllocationsUntilFailure = Skip; }
  ~FailNextAllocation() { gAllocationsUntilFailure = -1; }
  FailNextAllocation(const FailNextAllocation&) = delete;
  FailNextAllocation& operator=(const FailNextAllocation&) = delete;
};

inline void* TryAllocate(std::size_t size) noexcept {
  if (gAllocationsUntilFailure == 0) {
    gAllocationsUntilFailure = -1;
    return nullptr;
  }
  if (gAllocationsUntilFailure > 0) --gAllocationsUntilFailure;
  return std::malloc(size == 0 ? 1 : size);
}

inline void* Allocate(std::size_t size) {
  if (void* p = TryAllocate(size)) return p;
  throw std::bad_alloc();
}

}  // namespace zub::testing

void* operator new(std::size_t size) {
  return zub::testing::Allocate(size);
}
void* operator new[](std::size_t size) {
  return zub::testing::Allocate(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return zub::testing::TryAllocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return zub::testing::TryAllocate(size);
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete[](void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
  std::free(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
  std::free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
  std::free(p);
}
