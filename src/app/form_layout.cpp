// FrmFoot's controls at their places (twips of the client area) and its menu
// bar, in their start state.
#include <QAction>
#include <QComboBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QMenuBar>

#include "app/frm_foot.h"
#include "plan/twips.h"

namespace footmark {

namespace {

// The client area the window starts with: every control of the layout is
// inside it, several of them beyond the 4560 x 3030 design area.
constexpr double kStartWidth = 14400;
constexpr double kStartHeight = 9000;

QLabel* AddLabel(QWidget* client, const char* text, double left, double top, double width, double height) {
  auto* label = new QLabel(QString::fromLatin1(text), client);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  PlaceInTwips(*label, left, top, width, height);
  // The layout was made for a smaller system font: a caption that does not
  // fit on one line widens its label instead of being cut.
  const int needed = qCeil(QFontMetricsF(label->font()).horizontalAdvance(label->text())) + 1;
  if (needed > label->width()) label->resize(needed, label->height());
  return label;
}

}  // namespace

void FrmFoot::BuildControls() {
  auto* client = new QWidget(this);
  setCentralWidget(client);

  combSBC = new QComboBox(client);
  combSBC->setEditable(true);
  combSBC->setInsertPolicy(QComboBox::NoInsert);
  for (const char* sbc : {"100", "150", "200", "250", "300", "350", "400", "450"})
    combSBC->addItem(QString::fromLatin1(sbc), 0);
  combSBC->setCurrentIndex(-1);
  combSBC->setEditText("Select");
  PlaceInTwips(*combSBC, 7320, 1320, 975, 315);
  connect(combSBC, &QComboBox::activated, this, [this] { combSBC_Click(); });

  Label1 = AddLabel(client, "SBC in kN/M2", 6000, 1320, 1095, 255);
  LabNoSrea = AddLabel(client, "Footings", 3720, 2640, 2775, 495);
  LabLoadCases = AddLabel(client, "Load Cases", 9720, 2400, 3375, 615);
  LabFckFe = AddLabel(client, "Fck/Fe", 6480, 3960, 2655, 615);

  PicFoot = new PictureBox(client);
  PlaceInTwips(*PicFoot, 840, 5400, 2895, 1815);
  PicFoot->hide();
  Plan = std::make_unique<PlanControls>(*PicFoot);
  ArrayLabel& marker0 = Plan->LabCol(0);
  marker0.MouseDown = [this](int16 index, int16 button, int16 shift, float x, float y) {
    LabCol_MouseDown(index, button, shift, x, y);
  };
  marker0.MouseMove = [this](int16 index, int16 button, int16 shift, float x, float y) {
    LabCol_MouseMove(index, button, shift, x, y);
  };

  resize(TwipsToPixels(kStartWidth, logicalDpiX()),
         TwipsToPixels(kStartHeight, logicalDpiY()) + menuBar()->sizeHint().height());
}

void FrmFoot::BuildMenu() {
  QMenuBar* bar = menuBar();
  dezine = bar->addAction("Design");
  Grping = bar->addAction("Footings and Columns Grouping");
  Coffset = bar->addAction("Set Column Offsets");
  sendtoacad = bar->addAction("Send To AutoCad");
  sendtoXL = bar->addAction("Send to Excel");
  ex_t = bar->addAction("   Exit");
  for (QAction* item : {dezine, Grping, Coffset, sendtoacad, sendtoXL}) item->setEnabled(false);
  connect(dezine, &QAction::triggered, this, [this] { dezine_Click(); });
  connect(sendtoacad, &QAction::triggered, this, [this] { sendtoacad_Click(); });
  connect(sendtoXL, &QAction::triggered, this, [this] { sendtoXL_Click(); });
  connect(ex_t, &QAction::triggered, this, [this] { ex_t_Click(); });
}

}  // namespace footmark
