#include "plan/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace footmark {

namespace {

// A carriage return inside a message starts a new line, as in the texts the
// readers compose. The model's texts are single-byte; ours are UTF-8 and
// ASCII wherever they meet the model's.
QString Shown(const std::string& text) {
  QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  return shown.replace("\r\n", "\n").replace('\r', '\n');
}

QMessageBox::Icon Icon(BoxIcon icon) {
  switch (icon) {
    case BoxIcon::Information: return QMessageBox::Information;
    case BoxIcon::Warning: return QMessageBox::Warning;
    case BoxIcon::Failure: return QMessageBox::Critical;
    case BoxIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

void DialogMessageBoxes::MsgBox(const std::string& text, BoxIcon icon) {
  QMessageBox box(Icon(icon), QApplication::applicationDisplayName(), Shown(text), QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}

bool DialogMessageBoxes::Ask(const std::string& text, BoxIcon icon, const std::string& yes, const std::string& no) {
  QMessageBox box(Icon(icon), QApplication::applicationDisplayName(), Shown(text), QMessageBox::NoButton,
                  QApplication::activeWindow());
  QPushButton* accept = box.addButton(Shown(yes), QMessageBox::AcceptRole);
  box.setDefaultButton(box.addButton(Shown(no), QMessageBox::RejectRole));
  box.exec();
  return box.clickedButton() == accept;
}

}  // namespace footmark
