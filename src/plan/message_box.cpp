#include "plan/message_box.h"

#include <QApplication>
#include <QMessageBox>

#include "plan/picture_box.h"

namespace footmark {

void DialogMessageBoxes::MsgBox(const std::string& text) {
  // A carriage return inside a message starts a new line, as in the texts
  // the readers compose.
  QString shown = ToQt(text);
  shown.replace("\r\n", "\n").replace('\r', '\n');
  QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), shown, QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}

}  // namespace footmark
