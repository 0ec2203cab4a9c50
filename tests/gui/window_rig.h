// The window offscreen with its file dialog, message boxes and CAD application replaced, and a mouse.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QWindow>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "app/frm_foot.h"
#include "handoff/cad_standin.h"
#include "support/test_files.h"

namespace footmark::testing {

class RecordingBoxes : public MessageBoxes {
 public:
  void MsgBox(const std::string& text) override { texts.push_back(text); }
  void ListBox(const std::string& heading, const std::vector<std::string>& messages) override {
    lists.push_back(messages);
    texts.push_back(heading);
  }
  std::vector<std::string> texts;
  std::vector<std::vector<std::string>> lists;
};

class FixedChooser : public FileChooser {
 public:
  std::string ChooseFileToOpen(const QString& nameFilters) override { return filters = nameFilters, answer; }
  std::string answer;  // empty: the user cancels
  QString filters;
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

struct WindowRig {
  explicit WindowRig(CadAttacher* cadApplication = nullptr, std::string programFolder = {})
      : cad(cadApplication ? *cadApplication : standIn),
        form(FormPlatform{chooser, boxes, cad, programFolder.empty() ? scratch.path() : programFolder,
                          [this](const std::string& file, DesktopFile) { return opened.push_back(file), true; }}) {}

  // Start-up on an analysis file written to the scratch folder, then shown.
  void Start(const std::string& analysisText, const std::string& name = "frame.ANL") {
    chooser.answer = scratch.Write(name, analysisText);
    form.Form_Load();
    if (form.Ended()) return;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) throw std::runtime_error("window not exposed");
  }

  // Picks the SBC as a user does: typed into the list's box, then Enter.
  void ChooseSbc(const char* sbc) {
    form.combSBC->setFocus();
    form.combSBC->lineEdit()->selectAll();
    QTest::keyClicks(form.combSBC->lineEdit(), sbc);
    QTest::keyClick(form.combSBC->lineEdit(), Qt::Key_Return);
  }

  ArrayLabel& Marker(int support) { return form.Plan->LabCol(support); }
  const FootingRecord& Footing(int support) { return form.model().Footings[support]; }

  // Real mouse events through the window: a press on a marker's middle, then moves by pixels from there.
  void Press(int support, Qt::MouseButton button = Qt::LeftButton) {
    ArrayLabel& marker = Marker(support);
    pressedAt = pointer = marker.mapTo(&form, marker.rect().center());
    QTest::mousePress(form.windowHandle(), button, {}, pointer);
  }
  void MoveBy(int dx, int dy) { QTest::mouseMove(form.windowHandle(), pointer = pressedAt + QPoint(dx, dy)); }
  void Release(Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseRelease(form.windowHandle(), button, {}, pointer);
  }

  ScratchDir scratch;
  RecordingBoxes boxes;
  std::vector<std::string> opened;  // files shown in the desktop's programs
  FixedChooser chooser;
  CadStandIn standIn{DrawingViewer{}};
  CadAttacher& cad;
  FrmFoot form;
  QPoint pressedAt;
  QPoint pointer;
};

}  // namespace footmark::testing
