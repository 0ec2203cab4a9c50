// Fixed-capacity tables with the bounds of the data model.
//
// Table<T, U0, U1, ...> has indices 0..U0, 0..U1, ... like the arrays of the
// data model; every access checks its indices first and raises RuntimeFailure
// before anything past an end is touched. Storage lives on the heap so that a
// model of several megabytes can be built many times side by side.
#pragma once

#include <array>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "model/failure.h"

namespace footmark {

// Zeroed storage of plain numbers, taken from the system's zero pages: a page
// nobody writes is never touched, so a sparse grid of megabytes costs only
// what it holds.
template <class T>
class ZeroStorage {
  static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_default_constructible_v<T>);

 public:
  explicit ZeroStorage(std::size_t n)
      : n_(n), data_(static_cast<T*>(std::calloc(n == 0 ? 1 : n, sizeof(T)))) {
    if (!data_) throw std::bad_alloc();
  }
  ZeroStorage(const ZeroStorage& other) : ZeroStorage(other.n_) {
    if (n_ != 0) std::memcpy(data_.get(), other.data_.get(), n_ * sizeof(T));
  }
  ZeroStorage& operator=(const ZeroStorage& other) {
    if (this == &other) return *this;
    if (n_ == other.n_ && data_) {
      if (n_ != 0) std::memcpy(data_.get(), other.data_.get(), n_ * sizeof(T));
    } else {
      ZeroStorage copy(other);
      std::swap(n_, copy.n_);
      std::swap(data_, copy.data_);
    }
    return *this;
  }
  ZeroStorage(ZeroStorage&& other) noexcept : n_(std::exchange(other.n_, 0)), data_(std::move(other.data_)) {}
  ZeroStorage& operator=(ZeroStorage&& other) noexcept {
    n_ = std::exchange(other.n_, 0);
    data_ = std::move(other.data_);
    return *this;
  }

  T& operator[](std::size_t i) { return data_.get()[i]; }
  const T& operator[](std::size_t i) const { return data_.get()[i]; }
  void assign(std::size_t, const T&) {
    if (n_ != 0) std::memset(data_.get(), 0, n_ * sizeof(T));
  }

 private:
  struct Free {
    void operator()(T* p) const { std::free(p); }
  };
  std::size_t n_;
  std::unique_ptr<T, Free> data_;
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
