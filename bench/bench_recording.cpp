// Recording a macro: CPU time of a 10 s recording with no input and of one
// with 200 key events (100 presses and releases, 50 ms apart) injected into
// the X server, and the delay from each injected event to its row on screen.
// The real window and the real X11 capture; needs an X display (Xvfb).
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "platform/linux/composite_hid_backend.h"
#include "platform/real_pacer.h"
#include "ui/app/main_window.h"
#include "ui/app/skin_label.h"
#include "ui/pages/macro_page_binder.h"
#include "x_injector.h"

namespace {

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The window's event loop, idle but for what arrives, for `ms` or until
// a row is added to `rows` when they are given.
void RunFor(int ms, QListWidget* rows = nullptr) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  if (rows != nullptr) {
    QObject::connect(rows->model(), &QAbstractItemModel::rowsInserted, &loop, &QEventLoop::quit);
  }
  loop.exec();
}

// 200 key events, 50 ms apart; the delays from each to its row. Returns the
// CPU time spent.
double InjectKeys(XInjector& injector, QListWidget* rows, std::vector<double>& delays_ms) {
  QElapsedTimer clock;
  clock.start();
  const double cpu = CpuSeconds();
  for (int i = 0; i < 200; ++i) {
    const int before = rows->count();
    injector.Key(i % 2 == 0);
    const qint64 sent = clock.nsecsElapsed();
    RunFor(40, rows);
    if (rows->count() != before) delays_ms.push_back((clock.nsecsElapsed() - sent) / 1e6);
    RunFor(static_cast<int>(std::max<qint64>(50 * (i + 1) - clock.elapsed(), 0)));
  }
  return CpuSeconds() - cpu;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace orvane;
  if (std::getenv("DISPLAY") == nullptr) {
    std::printf("recording: needs an X display (run it under Xvfb); nothing measured\n");
    return 0;
  }
  QApplication application(argc, argv);
  const auto folder = std::filesystem::temp_directory_path() /
                      ("orvane-bench-recording-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  auto backend = platform::MakeSystemHidBackend();
  platform::RealPacer pacer([] { QCoreApplication::processEvents(); });
  ui::MainWindow window(*backend, pacer, folder.string() + "/");
  window.show();
  window.ShowPage(app::Page::kMacro);
  app::PageSet& pages = window.shell().Pages();
  pages.macros.AddEntry("Bench");
  window.MacroPage().Editor().EntrySelected();
  // No delays: 4 bytes a keystroke, so the budget takes the most events.
  window.MacroPage().Editor().ChooseDelayMode(macro::DelayMode::kNone);
  auto* start = window.findChild<ui::SkinLabel*>("Btn_Start");
  auto* rows = window.findChild<QListWidget*>("LB_macro");
  XInjector injector;
  RunFor(500);
  // The window's own idle work (the device poll every 2.5 s), for comparison.
  double cpu = CpuSeconds();
  RunFor(10000);
  const double window_idle = CpuSeconds() - cpu;

  emit start->clicked();
  cpu = CpuSeconds();
  RunFor(10000);
  const double idle = CpuSeconds() - cpu;
  emit start->clicked();

  // The same keys without a recording: what injecting them and the window
  // seeing them cost by themselves.
  std::vector<double> unused;
  const double keys_alone = InjectKeys(injector, rows, unused);
  emit start->clicked();
  std::vector<double> delays_ms;
  const double busy = InjectKeys(injector, rows, delays_ms);
  emit start->clicked();

  std::sort(delays_ms.begin(), delays_ms.end());
  std::printf("window 10 s, not recording: %.3f s CPU (%.2f %% of a core)\n", window_idle,
              window_idle / 10.0 * 100);
  std::printf("recording 10 s, no input: %.3f s CPU (%.2f %% of a core; aim: under 1 %%)\n", idle,
              idle / 10.0 * 100);
  std::printf("200 key events in 10 s, not recording: %.3f s CPU (%.2f %% of a core)\n", keys_alone,
              keys_alone / 10.0 * 100);
  std::printf(
      "recording 10 s, 200 key events: %.3f s CPU (%.2f %% of a core; the recording's "
      "own share %.2f %%; aim: under 1 %%)\n",
      busy, busy / 10.0 * 100, (busy - keys_alone) / 10.0 * 100);
  if (!delays_ms.empty()) {
    std::printf(
        "event to its row on screen: median %.2f ms, max %.2f ms (%zu events recorded; "
        "the rest found the macro full)\n",
        delays_ms[delays_ms.size() / 2], delays_ms.back(), delays_ms.size());
  }
  std::filesystem::remove_all(folder);
  return 0;
}
