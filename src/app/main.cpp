// footmark: the window. Without an analysis file on the command line it asks
// for one in a file dialog.
//
//   footmark [ANALYSIS_FILE] [--sbc KN_PER_M2] [--max-volume M3] [--screenshot PNG]
//   footmark --help | --version
//
// --sbc chooses the SBC as if it were typed in the SBC box; --max-volume sets
// the reference volume of the first pedestal candidate (10 m3); both are
// kept in the project file beside the analysis file. --screenshot saves a
// picture of the screen (of the window where there is no screen) once the
// window is drawn and ends; messages then go to standard error rather than
// into boxes, and nothing is remembered or saved.
//
// Exit status: 0 normal end, 2 the input ended the program or a bad command
// line, 3 a run-time failure.
#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/frm_foot.h"
#include "design/design_run.h"
#include "handoff/cad_application.h"
#include "model/failure.h"
#include "model/platform_paths.h"
#include "model/scratch_files.h"

#ifndef FOOTMARK_VERSION
#define FOOTMARK_VERSION "unknown"
#endif

namespace {

using namespace footmark;

struct StartOptions {
  std::string analysisFile;
  std::optional<std::string> sbc;
  std::optional<std::string> maxVolume;
  std::optional<QString> screenshot;
};

// An unattended run (a screenshot) has nobody to close a box: the texts go
// to standard error instead, and every question is answered no.
class PrintedMessages : public MessageBoxes {
 public:
  void MsgBox(const std::string& text, BoxIcon) override {
    std::string shown = text;
    std::replace(shown.begin(), shown.end(), '\r', '\n');  // a carriage return starts a line
    std::cerr << shown << '\n';
  }
  bool Ask(const std::string& text, BoxIcon icon, const std::string&, const std::string&) override {
    MsgBox(text, icon);
    return false;
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
    "of a STAAD analysis with its isolated footings designed by IS 456:2000 at\n"
    "the SBC chosen, each coloured by its verdict; columns are dragged off their\n"
    "grid points, the SBC changed at any time, and the calculation report, the\n"
    "workbook and the drawing are written beside the analysis file or handed to\n"
    "a running CAD program. Without ANALYSIS_FILE it asks for one. What is set\n"
    "is kept in NAME.footmark.json beside the analysis file.\n"
    "\n"
    "Options:\n"
    "  --sbc KN_PER_M2       the SBC, as if it were typed in the SBC box\n"
    "  --max-volume M3       reference volume of the first pedestal candidate\n"
    "                        (10 m3, at most 1000000)\n"
    "  --screenshot PNG      save a picture of the screen once the window is\n"
    "                        drawn, and end (messages then go to standard error)\n"
    "  -h, --help            this text\n"
    "  --version             the version\n"
    "\n"
    "Exit status:\n"
    "  0  normal end\n"
    "  2  the input ended the program, or a bad command line\n"
    "  3  a run-time failure\n"
    "\n"
    "The same design without a window: footmark-cli (footmark-cli --help).\n";

std::optional<StartOptions> ParseOptions(const std::vector<std::string>& args) {
  StartOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool valued = arg == "--sbc" || arg == "--max-volume" || arg == "--screenshot";
    if (valued && i + 1 < args.size()) {
      const std::string& value = args[++i];
      if (arg == "--sbc") options.sbc = value;
      if (arg == "--max-volume") options.maxVolume = value;
      if (arg == "--screenshot") options.screenshot = QString::fromStdString(value);
    } else if (arg.starts_with("-") || !options.analysisFile.empty()) {
      return std::nullopt;
    } else {
      options.analysisFile = arg;
    }
  }
  if (options.maxVolume) {
    try {
      MaxVolumeFromText(*options.maxVolume);
    } catch (const ProgramEnd& e) {
      std::cerr << "footmark: " << e.what() << '\n';
      return std::nullopt;
    }
  }
  return options;
}

// The arguments left once the toolkit has taken its own (-platform, -style).
// On Windows the wide command line still holds those, and only Qt knows
// which of them it took.
std::vector<std::string> ProgramArguments(int argc, char** argv) {
#ifdef _WIN32
  (void)argc, (void)argv;
  std::vector<std::string> args;
  const QStringList all = QCoreApplication::arguments();
  for (qsizetype i = 1; i < all.size(); ++i) args.push_back(all[i].toUtf8().toStdString());
  return args;
#else
  return Utf8Arguments(argc, argv);
#endif
}

// The picture once the window is on the screen and drawn: the whole screen
// on a real display, so that the frame of the window manager shows.
void SaveScreenshot(FrmFoot& window, const QString& file, int triesLeft = 50) {
  if (!window.windowHandle()->isExposed() && triesLeft > 0) {
    QTimer::singleShot(100, &window, [&window, file, triesLeft] { SaveScreenshot(window, file, triesLeft - 1); });
    return;
  }
  // A window manager frames and paints the window a moment after it is exposed.
  const bool offscreen = QGuiApplication::platformName() == "offscreen";
  QTimer::singleShot(offscreen ? 0 : 500, &window, [&window, file, offscreen] {
    QPixmap picture = window.screen()->grabWindow(0);
    if (picture.isNull() || offscreen) picture = window.grab();
    const bool saved = picture.save(file);
    if (!saved) std::cerr << "footmark: cannot write " << file.toStdString() << '\n';
    QCoreApplication::exit(saved ? kExitOk : kExitRuntimeFailure);
  });
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
#ifdef _WIN32
  // Qt's offscreen platform (unattended pictures) reads fonts from one folder
  // only, by default one inside Qt's own build: the system's is the one there is.
  if (qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR") && !qEnvironmentVariableIsEmpty("WINDIR"))
    qputenv("QT_QPA_FONTDIR", qgetenv("WINDIR") + "\\Fonts");
#endif
  QApplication app(argc, argv);  // takes the toolkit's own arguments out of argv
  QApplication::setApplicationName(kWindowCaption);
  QApplication::setApplicationDisplayName(kWindowCaption);
  const std::optional<StartOptions> options = ParseOptions(ProgramArguments(argc, argv));
  if (!options) {
    std::cerr << kUsage;
    return kExitInputEnds;
  }

  DialogFileChooser files;
  DialogMessageBoxes dialogBoxes;
  PrintedMessages printedBoxes;
  const bool unattended = options->screenshot.has_value();
  MessageBoxes& boxes = unattended ? static_cast<MessageBoxes&>(printedBoxes) : dialogBoxes;
  const std::unique_ptr<CadAttacher> cad = PlatformCadAttacher();
  const QString settings =
      unattended ? QString() : QSettings(QSettings::IniFormat, QSettings::UserScope, "footmark", "footmark").fileName();
  FrmFoot window({.Files = files, .Boxes = boxes, .Cad = *cad, .SettingsFile = settings, .SaveProjects = !unattended});
  window.Form_Load(options->analysisFile);
  if (window.Ended()) return window.ExitStatus();
  window.show();
  if (options->maxVolume) window.ApplyMaxVolume(*options->maxVolume);
  if (options->sbc) window.ApplySbc(*options->sbc);
  if (options->screenshot) SaveScreenshot(window, *options->screenshot);
  return QApplication::exec();
}
