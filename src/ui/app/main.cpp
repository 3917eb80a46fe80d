// orvane-mouse: the Orvane Gaming Mouse utility.
#include <QApplication>
#include <QSystemTrayIcon>

#include "platform/driver_backend.h"
#include "platform/hid_backend.h"
#include "platform/pointer_settings.h"
#include "platform/program_folders.h"
#include "platform/real_pacer.h"
#include "platform/single_instance.h"
#include "ui/app/main_window.h"
#include "ui/app/png_image.h"

int main(int argc, char** argv) {
  using namespace orvane;
  // A second start brings the first window forward and creates nothing.
  if (platform::RaiseRunningInstance(ui::MainWindow::kCaption)) return 0;
  QApplication application(argc, argv);
  QApplication::setApplicationName("Orvane Gaming Mouse");
  auto backend = platform::MakeSystemHidBackend();
  auto driver = platform::MakeSystemDriverBackend();
  auto pointer = platform::MakeSystemPointerSettings();
  platform::RealPacer pacer([] { QCoreApplication::processEvents(); });
  const QIcon icon(ui::SkinPicture("AppIcon", false));
  QApplication::setWindowIcon(icon);
  ui::MainWindow window(*backend, pacer, platform::ProgramFolder(), driver.get(), pointer.get());
  QSystemTrayIcon tray(icon);
  if (QSystemTrayIcon::isSystemTrayAvailable()) tray.show();
  window.show();
  return application.exec();
}
