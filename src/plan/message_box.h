// Message boxes with an OK button, titled with the application's title. The
// window shows every box through MessageBoxes, which a test replaces.
#pragma once

#include <string>

namespace footmark {

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // Returns when the user has closed the box.
  virtual void MsgBox(const std::string& text) = 0;
};

class DialogMessageBoxes : public MessageBoxes {
 public:
  void MsgBox(const std::string& text) override;
};

}  // namespace footmark
