// A control array: element 0 is a hidden template placed at design time; the
// elements in use are loaded from it at run time, each index once.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/failure.h"

namespace footmark {

template <class Control>
class ControlArray {
 public:
  // Makes element `index` with the properties of element 0, hidden.
  using Loader = std::function<Control*(const Control& element0, int index)>;

  ControlArray(std::string name, Control& element0, int upperBound, Loader load)
      : name_(std::move(name)), elements_(static_cast<std::size_t>(upperBound) + 1), load_(std::move(load)) {
    elements_[0] = &element0;
  }

  // Loading an element that exists (element 0 among them) is a failure of the
  // platform, as is an index beyond the array.
  Control& Load(int index) {
    CheckIndex(index);
    if (elements_[index]) throw RuntimeFailure("Object already loaded: " + Name(index));
    elements_[index] = load_(*elements_[0], index);
    return *elements_[index];
  }

  Control& operator()(int index) const {
    CheckIndex(index);
    if (!elements_[index]) throw RuntimeFailure("Control array element " + Name(index) + " doesn't exist");
    return *elements_[index];
  }

  bool Exists(int index) const {
    return index >= 0 && index < static_cast<int>(elements_.size()) && elements_[index];
  }

  // Highest index loaded (0 while only the template exists).
  int UBound() const {
    int upper = 0;
    for (int i = 0; i < static_cast<int>(elements_.size()); ++i)
      if (elements_[i]) upper = i;
    return upper;
  }

 private:
  std::string Name(int index) const { return name_ + "(" + std::to_string(index) + ")"; }
  void CheckIndex(int index) const {
    if (index < 0 || index >= static_cast<int>(elements_.size()))
      throw RuntimeFailure("subscript out of range: " + Name(index) + " (0.." +
                           std::to_string(elements_.size() - 1) + ")");
  }

  std::string name_;
  std::vector<Control*> elements_;  // not owned: the container owns its controls
  Loader load_;
};

}  // namespace footmark
