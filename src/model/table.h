// Fixed-capacity tables with the bounds of the data model.
//
// Table<T, U0, U1, ...> has indices 0..U0, 0..U1, ... like the arrays of the
// data model; every access checks its indices first and raises RuntimeFailure
// before anything past an end is touched. Storage lives on the heap so that a
// model of several megabytes can be built many times side by side.
#pragma once

#include <array>
#include <cstddef>
#include <cstring>
#include <memory>
#include <span>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "model/big_memory.h"
#include "model/failure.h"

namespace footmark {

// Zeroed storage of plain numbers (big_memory.h): a page nobody writes is
// never touched, and a table of megabytes takes few faults.
template <class T>
class ZeroStorage {
  static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_default_constructible_v<T>);

 public:
  explicit ZeroStorage(std::size_t n) : n_(n), block_(n * sizeof(T)) {}
  ZeroStorage(const ZeroStorage& other) : ZeroStorage(other.n_) { Copy(other); }
  ZeroStorage& operator=(const ZeroStorage& other) {
    if (this == &other) return *this;
    if (n_ != other.n_ || !block_.Data()) *this = ZeroStorage(other.n_);
    Copy(other);
    return *this;
  }
  ZeroStorage(ZeroStorage&& other) noexcept : n_(std::exchange(other.n_, 0)), block_(std::move(other.block_)) {}
  ZeroStorage& operator=(ZeroStorage&& other) noexcept {
    n_ = std::exchange(other.n_, 0);
    block_ = std::move(other.block_);
    return *this;
  }

  T& operator[](std::size_t i) { return Data()[i]; }
  const T& operator[](std::size_t i) const { return Data()[i]; }
  void assign(std::size_t, const T&) {
    if (n_ != 0) std::memset(Data(), 0, n_ * sizeof(T));
  }

 private:
  T* Data() const { return static_cast<T*>(block_.Data()); }
  void Copy(const ZeroStorage& other) {
    if (n_ != 0) std::memcpy(Data(), other.Data(), n_ * sizeof(T));
  }
  std::size_t n_;
  ZeroedBlock block_;
};

// Plain numbers (all bits zero is their zero) in zero pages, records in a vector.
template <class T>
using TableStorage = std::conditional_t<std::is_arithmetic_v<T>, ZeroStorage<T>, std::vector<T>>;

template <class T, int... Upper>
class Table {
  static_assert(sizeof...(Upper) >= 1);
  static constexpr std::array<int, sizeof...(Upper)> kUpper{Upper...};

 public:
  explicit Table(const char* name = "table") : name_(name), data_(Size()) {}

  static constexpr int Rank() { return sizeof...(Upper); }
  static constexpr int UpperBound(int dim = 0) { return kUpper[dim]; }
  static constexpr std::size_t Size() { return ((static_cast<std::size_t>(Upper) + 1) * ...); }

  template <class... I>
  T& operator()(I... idx) {
    return data_[Offset(idx...)];
  }
  template <class... I>
  const T& operator()(I... idx) const {
    return data_[Offset(idx...)];
  }
  T& operator[](long long i) { return data_[Offset(i)]; }
  const T& operator[](long long i) const { return data_[Offset(i)]; }

  // Every element along the last index, the leading indices checked once:
  // for scans over the whole of a large table.
  template <class... I>
  std::span<const T> Row(I... idx) const {
    static_assert(sizeof...(I) + 1 == sizeof...(Upper), "a row takes all indices but the last");
    return {&data_[Offset(idx..., 0)], static_cast<std::size_t>(kUpper[sizeof...(Upper) - 1]) + 1};
  }

  const char* Name() const { return name_; }
  // Zero (value-initialise) every element.
  void Clear() { data_.assign(Size(), T{}); }

 private:
  template <class... I>
  std::size_t Offset(I... idx) const {
    static_assert(sizeof...(I) == sizeof...(Upper), "wrong number of indices");
    const long long in[] = {static_cast<long long>(idx)...};
    std::size_t off = 0;
    for (std::size_t d = 0; d < sizeof...(Upper); ++d) {
      if (in[d] < 0 || in[d] > kUpper[d]) Fail(in[d], kUpper[d]);
      off = off * (static_cast<std::size_t>(kUpper[d]) + 1) + static_cast<std::size_t>(in[d]);
    }
    return off;
  }
  [[noreturn]] void Fail(long long index, int upper) const {
    throw RuntimeFailure("subscript out of range: index " + std::to_string(index) + " of " + name_ +
                         " (0.." + std::to_string(upper) + ")");
  }

  const char* name_;
  TableStorage<T> data_;
};

}  // namespace footmark
