// footmark: the window. Without an analysis file on the command line it asks
// for one in a file dialog.
//
//   footmark [ANALYSIS_FILE] [--sbc KN_PER_M2] [--max-volume M3] [--screenshot PNG]
//   footmark --help | --version
//
// --sbc chooses the SBC as if it were picked in the list; --max-volume sets
// the reference volume of the first pedestal candidate (10 m3); --screenshot
// saves a picture of the window once it is drawn and ends (messages then go
// to standard error rather than into boxes).
//
// Exit status: 0 normal end, 2 the input ended the program or a bad command
// line, 3 a run-time failure.
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QTimer>
#include <algorithm>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/frm_foot.h"
#include "design/design_run.h"
#include "handoff/cad_application.h"
#include "model/failure.h"
#include "model/scratch_files.h"

#ifndef FOOTMARK_VERSION
#define FOOTMARK_VERSION "unknown"
#endif

namespace {

using namespace footmark;

struct StartOptions {
  std::string analysisFile;
  std::optional<QString> sbc;
  std::optional<QString> screenshot;
  float maxVolume = 10;
};

// An unattended run (a screenshot) has nobody to close a box: the texts go
// to standard error instead.
class PrintedMessages : public MessageBoxes {
 public:
  void MsgBox(const std::string& text) override {
    std::string shown = text;
    std::replace(shown.begin(), shown.end(), '\r', '\n');  // a carriage return starts a line
    std::cerr << shown << '\n';
  }
  void ListBox(const std::string& heading, const std::vector<std::string>& messages) override {
    MsgBox(heading);
    for (const std::string& m : messages) MsgBox(m);
  }
};

constexpr const char* kUsage =
    "Usage: footmark [ANALYSIS_FILE] [--sbc KN_PER_M2] [--max-volume M3] [--screenshot PNG]\n";

// --help and --version are answered before the toolkit starts, so they need
// no display (the manual page is written from them at build time).
constexpr const char* kHelp =
    "  or:  footmark --help | --version\n"
    "\n"
    "footmark shows the plan of a building frame from the text output (.ANL)\n"
    "of a STAAD analysis, designs its isolated footings by IS 456:2000 for the\n"
    "SBC chosen, lets columns be dragged off their grid points, and writes the\n"
    "calculation report and the workbook beside the analysis file or hands the\n"
    "drawing to a running CAD program. Without ANALYSIS_FILE it asks for one.\n"
    "\n"
    "Options:\n"
    "  --sbc KN_PER_M2       choose the SBC as if it were picked in the list\n"
    "  --max-volume M3       reference volume of the first pedestal candidate\n"
    "                        (10 m3, at most 1000000)\n"
    "  --screenshot PNG      save a picture of the window once it is drawn, and\n"
    "                        end (messages then go to standard error)\n"
    "  -h, --help            this text\n"
    "  --version             the version\n"
    "\n"
    "Exit status:\n"
    "  0  normal end\n"
    "  2  the input ended the program, or a bad command line\n"
    "  3  a run-time failure\n"
    "\n"
    "The same design without a window: footmark-cli (footmark-cli --help).\n";

// Arguments are taken as bytes, so that a file name reaches the file system
// unchanged.
std::optional<StartOptions> ParseOptions(int argc, char** argv) {
  StartOptions options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if ((arg == "--sbc" || arg == "--screenshot") && i + 1 < argc) {
      (arg == "--sbc" ? options.sbc : options.screenshot) = QString::fromLocal8Bit(argv[++i]);
    } else if (arg == "--max-volume" && i + 1 < argc) {
      try {
        options.maxVolume = MaxVolumeFromText(argv[++i]);
      } catch (const ProgramEnd& e) {
        std::cerr << "footmark: " << e.what() << '\n';
        return std::nullopt;
      }
    } else if (arg.starts_with("-") || !options.analysisFile.empty()) {
      return std::nullopt;
    } else {
      options.analysisFile = arg;
    }
  }
  return options;
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage << kHelp;
      return kExitOk;
    }
    if (arg == "--version") {
      std::cout << "footmark " << FOOTMARK_VERSION << '\n';
      return kExitOk;
    }
  }
  RemoveScratchFilesOnInterrupt();
  QApplication app(argc, argv);  // takes the toolkit's own arguments out of argv
  QApplication::setApplicationName(kWindowCaption);
  QApplication::setApplicationDisplayName(kWindowCaption);
  const std::optional<StartOptions> options = ParseOptions(argc, argv);
  if (!options) {
    std::cerr << kUsage;
    return kExitInputEnds;
  }

  DialogFileChooser files;
  DialogMessageBoxes dialogBoxes;
  PrintedMessages printedBoxes;
  MessageBoxes& boxes = options->screenshot ? static_cast<MessageBoxes&>(printedBoxes) : dialogBoxes;
  const std::unique_ptr<CadAttacher> cad = PlatformCadAttacher();
  FrmFoot window({files, boxes, *cad, QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString()});
  window.SetMaxVolume(options->maxVolume);
  window.Form_Load(options->analysisFile);
  if (window.Ended()) return window.ExitStatus();
  window.show();

  QTimer::singleShot(0, &window, [&] {
    if (options->sbc) {
      window.combSBC->setEditText(*options->sbc);
      window.combSBC_Click();
    }
    if (options->screenshot && !window.Ended()) {
      const bool saved = window.grab().save(*options->screenshot);
      if (!saved) std::cerr << "footmark: cannot write " << options->screenshot->toStdString() << '\n';
      QCoreApplication::exit(saved ? kExitOk : kExitRuntimeFailure);
    }
  });
  return QApplication::exec();
}
