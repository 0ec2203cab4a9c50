// Fixed-capacity tables with the bounds of the data model.
//
// Table<T, U0, U1, ...> has indices 0..U0, 0..U1, ... like the arrays of the
// data model; every access checks its indices first and raises RuntimeFailure
// before anything past an end is touched. Storage lives on the heap so that a
// model of several megabytes can be built many times side by side.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "model/failure.h"

namespace footmark {

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
  std::vector<T> data_;
};

}  // namespace footmark
