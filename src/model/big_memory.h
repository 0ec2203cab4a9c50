// Zeroed memory for tables and texts of megabytes.
//
// Every page a process touches for the first time costs a fault, and on a
// virtual machine a fault costs tens of microseconds: a 2 MB table touched
// page by page costs more than the design. Large blocks are therefore
// mapped with huge pages where the system offers them (Linux), a few faults
// for megabytes; small ones, and every block elsewhere, come from calloc.
#pragma once

#include <cstddef>
#include <memory>

namespace footmark {

// A zeroed block of `bytes` (at least 1); throws std::bad_alloc.
void* AllocateZeroed(std::size_t bytes);
void FreeZeroed(void* block, std::size_t bytes);

// Owns a zeroed block.
class ZeroedBlock {
 public:
  ZeroedBlock() = default;
  explicit ZeroedBlock(std::size_t bytes) : bytes_(bytes), data_(AllocateZeroed(bytes)) {}
  ~ZeroedBlock() { Reset(); }
  ZeroedBlock(ZeroedBlock&& other) noexcept { *this = std::move(other); }
  ZeroedBlock& operator=(ZeroedBlock&& other) noexcept {
    if (this != &other) {
      Reset();
      bytes_ = other.bytes_;
      data_ = other.data_;
      other.bytes_ = 0;
      other.data_ = nullptr;
    }
    return *this;
  }
  ZeroedBlock(const ZeroedBlock&) = delete;
  ZeroedBlock& operator=(const ZeroedBlock&) = delete;

  void* Data() const { return data_; }
  std::size_t Bytes() const { return bytes_; }

 private:
  void Reset() {
    if (data_) FreeZeroed(data_, bytes_);
    data_ = nullptr;
    bytes_ = 0;
  }
  std::size_t bytes_ = 0;
  void* data_ = nullptr;
};

}  // namespace footmark
