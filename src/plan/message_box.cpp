#include "plan/message_box.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "plan/picture_box.h"

namespace footmark {

namespace {

// A carriage return inside a message starts a new line, as in the texts the
// readers compose.
QString Shown(const std::string& text) {
  QString shown = ToQt(text);
  return shown.replace("\r\n", "\n").replace('\r', '\n');
}

}  // namespace

void DialogMessageBoxes::ListBox(const std::string& heading, const std::vector<std::string>& messages) {
  QDialog box(QApplication::activeWindow());
  box.setWindowTitle(QApplication::applicationDisplayName());
  auto* layout = new QVBoxLayout(&box);
  auto* label = new QLabel(Shown(heading), &box);
  label->setWordWrap(true);
  layout->addWidget(label);
  QStringList texts;
  for (const std::string& m : messages) texts << Shown(m);
  auto* list = new QPlainTextEdit(texts.join("\n\n"), &box);
  list->setReadOnly(true);
  list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  list->setMinimumSize(420, 320);
  layout->addWidget(list);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
  QPushButton* copy = buttons->addButton(QObject::tr("Copy"), QDialogButtonBox::ActionRole);
  QObject::connect(copy, &QPushButton::clicked, &box, [list] { QGuiApplication::clipboard()->setText(list->toPlainText()); });
  QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
  layout->addWidget(buttons);
  box.exec();
}

void DialogMessageBoxes::MsgBox(const std::string& text) {
  const QString shown = Shown(text);
  QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), shown, QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}

}  // namespace footmark
