// Message boxes with an OK button, titled with the application's title. The
// window shows every box through MessageBoxes, which a test replaces.
#pragma once

#include <string>
#include <vector>

namespace footmark {

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // Returns when the user has closed the box.
  virtual void MsgBox(const std::string& text) = 0;
  // One box for many messages, each in its own words under a heading, with
  // a Copy button; returns when the user has closed it.
  virtual void ListBox(const std::string& heading, const std::vector<std::string>& messages) = 0;
};

class DialogMessageBoxes : public MessageBoxes {
 public:
  void MsgBox(const std::string& text) override;
  void ListBox(const std::string& heading, const std::vector<std::string>& messages) override;
};

}  // namespace footmark
