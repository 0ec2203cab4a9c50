// Message boxes titled with the application's title. The window shows every
// box through MessageBoxes, which a test replaces.
#pragma once

#include <string>

namespace footmark {

enum class BoxIcon { None, Information, Warning, Failure };

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // A box with an OK button; returns when the user has closed it.
  virtual void MsgBox(const std::string& text, BoxIcon icon = BoxIcon::None) = 0;
  // A question with two buttons: true for `yes` ("Send anyway"), false for
  // `no` ("Cancel") or a box closed without an answer.
  virtual bool Ask(const std::string& text, BoxIcon icon, const std::string& yes, const std::string& no) = 0;
};

class DialogMessageBoxes : public MessageBoxes {
 public:
  void MsgBox(const std::string& text, BoxIcon icon) override;
  bool Ask(const std::string& text, BoxIcon icon, const std::string& yes, const std::string& no) override;
};

}  // namespace footmark
