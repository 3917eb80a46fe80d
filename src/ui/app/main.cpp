// orvane-mouse: the Orvane Gaming Mouse utility.
#include <unistd.h>
#include <QApplication>
#include <QSystemTrayIcon>

#include <vector>

#include "platform/composite_hid_backend.h"
#include "platform/driver_backend.h"
#include "platform/pointer_settings.h"
#include "platform/real_pacer.h"
#include "ui/app/main_window.h"
#include "ui/app/png_image.h"
#include "ui/app/single_instance.h"

namespace {

std::string ProgramFolder() {
  std::vector<char> path(4096);
  const ssize_t length = readlink("/proc/self/exe", path.data(), path.size() - 1);
  if (length <= 0) return "./";
  const std::string text(path.data(), static_cast<size_t>(length));
  return text.substr(0, text.find_last_of('/') + 1);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace orvane;
  // A second start brings the first window forward and creates nothing.
  if (ui::RaiseRunningInstance(ui::MainWindow::kCaption)) return 0;
  QApplication application(argc, argv);
  QApplication::setApplicationName("Orvane Gaming Mouse");
  auto backend = platform::MakeSystemHidBackend();
  auto driver = platform::MakeSystemDriverBackend();
  auto pointer = platform::MakeSystemPointerSettings();
  platform::RealPacer pacer([] { QCoreApplication::processEvents(); });
  const QIcon icon(ui::SkinPicture("AppIcon", false));
  QApplication::setWindowIcon(icon);
  ui::MainWindow window(*backend, pacer, ProgramFolder(), driver.get(), pointer.get());
  QSystemTrayIcon tray(icon);
  if (QSystemTrayIcon::isSystemTrayAvailable()) tray.show();
  window.show();
  return application.exec();
}
