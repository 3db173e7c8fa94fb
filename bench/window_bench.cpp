// Timings of the window on the bundled dictionary, under a display (run it with xvfb-run):
//   StartUpToFirstPage  constructing the window (page pane, readers, list) with its splash, until
//                       the first verb page has been drawn; one cold run, first in the process.
//   KeyPressToPage      a letter typed into an empty verb box, until the page of the verb it
//                       finds has been drawn; the median over the letters of the alphabet.
// "Drawn" is two animation frames after the page's body changed: the frame that holds the change
// has then been produced. The page tells the benchmark by setting its title.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <algorithm>
#include <memory>
#include <vector>

#include "shell/cexplorer1.h"
#include "shell/cmyedit.h"
#include "shell/cquorixdlg.h"
#include "shell/fontconfiguration.h"

using namespace quorix;

namespace {

constexpr int kWaitLimitMs = 10000;

// A copy of the program folder, so that the query cache the window writes stays out of the build.
class ProgramFolderCopy {
 public:
  ProgramFolderCopy() {
    const QString app = QStringLiteral(QUORIX_APP_DIR "/");
    for (const char* file : {"hebrew.db", "russian.db", "rusearch.db", "english.db", "ensearch.db", "welcome.htm"}) {
      QFile::copy(app + QLatin1String(file), folder_.filePath(QLatin1String(file)));
    }
    QDir().mkpath(folder_.filePath(QStringLiteral("img")));
    for (const QString& file : QDir(app + QStringLiteral("img")).entryList(QDir::Files)) {
      QFile::copy(app + QStringLiteral("img/") + file, folder_.filePath(QStringLiteral("img/")) + file);
    }
  }
  QString path() const { return folder_.path() + QLatin1Char('/'); }

 private:
  QTemporaryDir folder_;
};

// Sets the page title to a fresh token once the page has drawn a state: either the next change of
// the body, or (for the start) the first body that holds a verb page.
class PaintProbe {
 public:
  explicit PaintProbe(QWebEnginePage* page) : page_(page) {}

  void armForNextChange() {
    run(QStringLiteral("const o = new MutationObserver(() => { o.disconnect(); stamp(); });"
                       "o.observe(document.body, {childList: true, subtree: true, characterData: true});"));
  }
  void armForVerbPage() {
    run(QStringLiteral("const poll = () => document.getElementById('scrl_id') ? stamp() : setTimeout(poll, 1);"
                       "poll();"));
  }
  // False when the page did not report within the limit.
  bool waitUntilDrawn() {
    if (drawn()) return true;
    QEventLoop loop;
    const auto connection = QObject::connect(page_, &QWebEnginePage::titleChanged, &loop, [&] {
      if (drawn()) loop.quit();
    });
    QTimer::singleShot(kWaitLimitMs, &loop, &QEventLoop::quit);
    loop.exec();
    QObject::disconnect(connection);
    return drawn();
  }

 private:
  bool drawn() const { return page_->title() == token_; }

  void run(const QString& watch) {
    token_ = QStringLiteral("drawn %1").arg(++count_);
    page_->runJavaScript(QStringLiteral("(() => { const stamp = () => requestAnimationFrame(() => "
                                        "requestAnimationFrame(() => { document.title = '%1'; })); %2 })();")
                             .arg(token_, watch));
  }

  QWebEnginePage* page_;
  QString token_;
  int count_ = 0;
};

struct Window {
  ProgramFolderCopy folder;
  std::unique_ptr<CQuorixDlg> dialog;
  CExplorer1* pane = nullptr;
};

// Opens the window as the program does; with `splash` false the 1.5 s splash is left out.
bool openWindow(Window& window, bool splash) {
  auto pane = std::make_unique<CExplorer1>();
  window.pane = pane.get();
  CQuorixDlg::Options options;
  options.showSplash = splash;
  window.dialog = std::make_unique<CQuorixDlg>(window.folder.path(), std::move(pane), nullptr, options);
  if (!window.dialog->start()) return false;
  window.dialog->show();
  return true;
}

// Turns a real event loop until the start document has loaded. (A waiting loop that sleeps between
// rounds of events, as QTest's does, slows the engine's browser side, which runs on this thread.)
bool waitForStartPage(CExplorer1& pane) {
  if (pane.startPageLoaded()) return true;
  QEventLoop loop;
  QObject::connect(&pane, &CExplorer1::startPageReady, &loop, &QEventLoop::quit);
  QTimer::singleShot(kWaitLimitMs, &loop, &QEventLoop::quit);
  loop.exec();
  return pane.startPageLoaded();
}

// Turns a real event loop for a while.
void turnEvents(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0.0 : values[values.size() / 2];
}

void StartUpToFirstPage(benchmark::State& state) {
  for (auto _ : state) {
    Window window;
    QElapsedTimer clock;
    clock.start();
    if (!openWindow(window, true)) {
      state.SkipWithError("the window did not start");
      return;
    }
    const double started = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    PaintProbe probe(window.pane->view()->page());
    if (!waitForStartPage(*window.pane)) {
      state.SkipWithError("the start page did not load");
      return;
    }
    const double startPage = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    probe.armForVerbPage();
    if (!probe.waitUntilDrawn()) {
      state.SkipWithError("the first page was not drawn");
      return;
    }
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    state.SetIterationTime(seconds);
    state.counters["first_page_ms"] = seconds * 1000.0;
    // The phases: the start-up sequence with its splash, the start document's load, the first page.
    state.counters["window_started_ms"] = started;
    state.counters["start_page_loaded_ms"] = startPage;
  }
}
BENCHMARK(StartUpToFirstPage)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

void KeyPressToPage(benchmark::State& state) {
  Window window;
  if (!openWindow(window, false) || !waitForStartPage(*window.pane)) {
    state.SkipWithError("the window did not start");
    return;
  }
  PaintProbe probe(window.pane->view()->page());
  probe.armForVerbPage();
  probe.waitUntilDrawn();
  CMyEdit* input = window.dialog->verbInput();
  input->setFocus();
  // Each letter finds another verb than the one before, so every key press changes the page.
  const QString letters = QStringLiteral("אבגדהוזחטיכלמנסעפצקרשת");
  std::vector<double> times;
  int next = 0;
  for (auto _ : state) {
    input->clear();
    turnEvents(50);
    probe.armForNextChange();
    const QChar letter = letters[next++ % letters.size()];
    QElapsedTimer clock;
    clock.start();
    QTest::sendKeyEvent(QTest::Click, input, Qt::Key_unknown, QString(letter), Qt::NoModifier);
    if (!probe.waitUntilDrawn()) {
      state.SkipWithError("the page was not drawn after a key press");
      return;
    }
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    state.SetIterationTime(seconds);
    times.push_back(seconds * 1000.0);
  }
  state.counters["median_ms"] = median(times);
  state.counters["max_ms"] = times.empty() ? 0.0 : *std::max_element(times.begin(), times.end());
}
BENCHMARK(KeyPressToPage)->Iterations(44)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  useProgramFontConfiguration(QStringLiteral(QUORIX_APP_DIR));
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
