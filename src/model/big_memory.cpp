#include "model/big_memory.h"

#include <cstdint>
#include <cstdlib>
#include <new>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace footmark {

namespace {

#ifdef __linux__
constexpr std::size_t kHugePage = std::size_t{2} << 20;
// Below half a huge page the rounding up would waste more than it saves.
constexpr std::size_t kMapped = kHugePage / 2;

std::size_t Mapped(std::size_t bytes) { return (bytes + kHugePage - 1) / kHugePage * kHugePage + kHugePage; }
#endif

}  // namespace

void* AllocateZeroed(std::size_t bytes) {
  if (bytes == 0) bytes = 1;
#ifdef __linux__
  if (bytes >= kMapped) {
    // Mapped one huge page larger, so the block can start on a huge page
    // boundary; the slack is unmapped again.
    const std::size_t length = Mapped(bytes);
    void* raw = ::mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED) throw std::bad_alloc();
    const auto start = reinterpret_cast<std::uintptr_t>(raw);
    const std::uintptr_t aligned = (start + kHugePage - 1) / kHugePage * kHugePage;
    const std::size_t head = aligned - start, body = length - kHugePage;
    if (head > 0) ::munmap(raw, head);
    if (kHugePage - head > 0) ::munmap(reinterpret_cast<void*>(aligned + body), kHugePage - head);
    ::madvise(reinterpret_cast<void*>(aligned), body, MADV_HUGEPAGE);  // advice only: fine if refused
    return reinterpret_cast<void*>(aligned);
  }
#endif
  void* block = std::calloc(bytes, 1);
  if (!block) throw std::bad_alloc();
  return block;
}

void FreeZeroed(void* block, std::size_t bytes) {
  if (bytes == 0) bytes = 1;
#ifdef __linux__
  if (bytes >= kMapped) {
    ::munmap(block, Mapped(bytes) - kHugePage);
    return;
  }
#endif
  std::free(block);
}

}  // namespace footmark
