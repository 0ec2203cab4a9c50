// The window offscreen with its file dialogs, message boxes and CAD application replaced, and a mouse.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QStatusBar>
#include <QTest>
#include <QWindow>
#include <deque>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#ifndef _WIN32
#include <sys/fsuid.h>
#include <unistd.h>
#endif

#include "app/frm_foot.h"
#include "handoff/cad_standin.h"
#include "support/test_files.h"

namespace footmark::testing {

class RecordingBoxes : public MessageBoxes {
 public:
  void MsgBox(const std::string& text, BoxIcon icon) override { texts.push_back(text), icons.push_back(icon); }
  bool Ask(const std::string& text, BoxIcon icon, const std::string& yes, const std::string&) override {
    MsgBox(text, icon);
    const bool answer = !answers.empty() && answers.front() == yes;
    if (!answers.empty()) answers.pop_front();
    return answer;
  }
  std::vector<std::string> texts;
  std::vector<BoxIcon> icons;
  std::deque<std::string> answers;  // the buttons pressed, in turn; none: the second button
};

class FixedChooser : public FileChooser {
 public:
  std::string ChooseFileToOpen(const QString& nameFilters, const QString&) override {
    return filters = nameFilters, answer;
  }
  std::string ChooseFileToSave(const QString& nameFilters, const QString& suggested) override {
    saveAsked = suggested.toStdString();
    return filters = nameFilters, saveAnswer;
  }
  std::string answer, saveAnswer;  // empty: the user cancels
  QString filters;
  std::string saveAsked;
};

class NoCadRunning : public CadAttacher {
 public:
  std::unique_ptr<CadApplication> Attach(const std::string&) override { throw std::runtime_error("no CAD running"); }
};

// The 4 x 3 example, optionally with the sections of some ground-storey columns
// replaced, e.g. {1, "230.0 mm X  230.0 mm"}: column c stands on support c.
inline std::string Example(const std::vector<std::pair<int, std::string>>& sections = {}) {
  std::string text = ReadFile(SourcePath("examples/frame-4x3-2storey.ANL"));
  for (const auto& [column, section] : sections) {
    const std::string number = std::to_string(column);
    const std::string heading = "N O." + std::string(6 - number.size(), ' ') + number + "   D E S I G N";
    const std::size_t from = text.find("CROSS SECTION:", text.find(heading)) + 14;
    text.replace(from, text.find("COVER", from) - from, "  " + section + "   ");
  }
  return text;
}

// File access as an ordinary user, for whom permission bits count: the superuser
// takes the identity of nobody for the file system while the object lives.
struct AsOrdinaryUser {
#ifndef _WIN32
  AsOrdinaryUser() : root(::geteuid() == 0) {
    if (root) ::setfsgid(65534), ::setfsuid(65534);
  }
  ~AsOrdinaryUser() {
    if (root) ::setfsuid(0), ::setfsgid(0);
  }
  bool root;
#else
  AsOrdinaryUser() {}  // no file-system identity to take: the folder's ACL would have to say it
#endif
};

struct WindowRig {
  // The settings are the rig's own unless another folder is given.
  explicit WindowRig(CadAttacher* cadApplication = nullptr, const std::string& settingsFolder = {})
      : cad(cadApplication ? *cadApplication : standIn),
        form({.Files = chooser, .Boxes = boxes, .Cad = cad,
              .SettingsFile = QString::fromStdString((settingsFolder.empty() ? settings.path() : settingsFolder) +
                                                     "/footmark.ini"),
              .Open = [this](const std::string& file, DesktopFile) { return opened.push_back(file), true; },
              .TemporaryRoot = temporary.path()}) {}

  // Start-up on an analysis file written to the scratch folder (or on a file given), then shown.
  void Start(const std::string& analysisText, const std::string& name = "frame.ANL") {
    chooser.answer = scratch.Write(name, analysisText);
    Open({});
  }
  void Open(const std::string& file) {
    form.Form_Load(file);
    if (form.Ended()) return;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) throw std::runtime_error("window not exposed");
  }

  // The SBC as a user gives it: typed into the box, then Enter.
  void ChooseSbc(const char* sbc) {
    form.combSBC->setFocus();
    form.combSBC->lineEdit()->selectAll();
    QTest::keyClicks(form.combSBC->lineEdit(), sbc);
    QTest::keyClick(form.combSBC->lineEdit(), Qt::Key_Return);
  }

  const FootingRecord& Footing(int support) { return form.model().Footings[support]; }

  // Real mouse events through the window: a column's marker taken at its middle, moved by
  // (dx, dy) plan metres, then let go. The status bar's text just before letting go is returned.
  QString Drag(int support, double dx, double dy, Qt::MouseButton button = Qt::LeftButton) {
    PlanView& view = *form.Plan;
    const QPointF at = form.Plan->Handle(support)->sceneBoundingRect().center();
    const QPoint from = view.viewport()->mapTo(&form, view.mapFromScene(at));
    const QPoint to = view.viewport()->mapTo(&form, view.mapFromScene(at + QPointF(dx, dy)));
    QTest::mousePress(form.windowHandle(), button, {}, from);
    QTest::mouseMove(form.windowHandle(), (from + to) / 2);
    QTest::mouseMove(form.windowHandle(), to);
    const QString readout = form.statusBar()->currentMessage();
    QTest::mouseRelease(form.windowHandle(), button, {}, to);
    return readout;
  }

  std::string Beside(const std::string& name) const { return (std::filesystem::path(scratch.path()) / name).string(); }

  ScratchDir scratch, settings, temporary;
  RecordingBoxes boxes;
  std::vector<std::string> opened;  // files shown in the desktop's programs
  FixedChooser chooser;
  CadStandIn standIn{DrawingViewer{}};
  CadAttacher& cad;
  FrmFoot form;
};

}  // namespace footmark::testing
