#pragma once

#include <QApplication>
#include <QEnterEvent>
#include <QTest>
#include <filesystem>
#include <memory>

#include "core/config/default_images.h"
#include "platform/common/virtual_pacer.h"
#include "sim/sim_hid_bus.h"
#include "ui/app/main_window.h"
#include "ui/app/skin_label.h"

namespace orvane::ui {

// The real main window over an in-process emulated mouse, in virtual time:
// the test plays DevTimer's ticks itself.
struct WindowFixture {
  WindowFixture() {
    // A folder of its own for the files the program keeps beside itself.
    static int count = 0;
    folder = std::filesystem::temp_directory_path() /
             ("orvane-ui-" + std::to_string(QCoreApplication::applicationPid()) + "-" +
              std::to_string(++count));
    std::filesystem::create_directories(folder);
    MainWindow::MessageHook() = [this](const QString& text) { messages << text; };
    window = std::make_unique<MainWindow>(bus, pacer, folder.string() + "/");
    window->show();
  }
  ~WindowFixture() {
    MainWindow::MessageHook() = nullptr;
    window.reset();
    std::filesystem::remove_all(folder);
  }
  template <typename T = QWidget>
  T* Find(const char* name) {
    return window->findChild<T*>(name);
  }
  void Click(const char* name) { QTest::mouseClick(Find<SkinLabel>(name), Qt::LeftButton); }
  // Any control, a menu row too.
  void Press(const char* name) {
    QWidget* widget = Find(name);
    QVERIFY2(widget != nullptr, name);
    QTest::mouseClick(widget, Qt::LeftButton);
  }
  void Hover(const char* name) {
    QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), QPointF(3, 3));
    QApplication::sendEvent(Find(name), &enter);
  }
  std::array<uint8_t, 3> MouseButton(int profile, int k) const {
    const auto& memory = firmware->memory();
    const size_t at = 0x040 + 27 * (profile - 1) + 3 * (k - 1);
    return {memory[at], memory[at + 1], memory[at + 2]};
  }
  void Plug() {
    firmware->memory() = config::DefaultImage(1);
    bus.PlugMouse("mouse", firmware);
    window->shell().DevTimerTimer();
  }

  std::filesystem::path folder;
  platform::VirtualPacer pacer;
  sim::SimHidBus bus;
  std::shared_ptr<sim::MouseFirmware> firmware = std::make_shared<sim::MouseFirmware>();
  QStringList messages;
  std::unique_ptr<MainWindow> window;
};

}  // namespace orvane::ui
