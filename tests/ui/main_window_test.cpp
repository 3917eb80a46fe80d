#include "ui/app/main_window.h"

#include "window_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBitmap>
#include <QComboBox>
#include <QEnterEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <filesystem>
#include <set>

#include "core/app/engineer_captions.h"
#include "core/app/engineer_controls.h"
#include "core/app/key_menus.h"
#include "core/app/layout_keys.h"
#include "core/app/page_controls.h"
#include "core/config/default_images.h"
#include "core/config/section_checks.h"
#include "core/macro/macro_storage.h"
#include "core/pages/button_page_controls.h"
#include "core/pages/fire_page_controls.h"
#include "core/pages/macro_page_controls.h"
#include "core/pages/performance_controls.h"
#include "platform/common/virtual_pacer.h"
#include "sim/sim_hid_bus.h"
#include "ui/app/message_dialog.h"
#include "ui/app/png_image.h"
#include "ui/app/skin_label.h"
#include "ui/config/assembly_key_dialog.h"

namespace orvane::ui {

// The real main window over an in-process emulated mouse, in virtual time:
// the test plays DevTimer's ticks itself.
class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  using Fixture = WindowFixture;

 private slots:
  void startsOnPageOneWithInputBlocked() {
    Fixture f;
    QCOMPARE(f.window->windowTitle(), QString("Orvane Gaming Mouse v1.0"));
    QVERIFY(f.Find("gbPage1")->isVisible());
    QVERIFY(!f.Find("gbPage2")->isVisible());
    QVERIFY(f.Find("Disable_All_1")->isVisible());
    QCOMPARE(f.Find<QLabel>("Key1")->text(), QString("Left Click"));
    QVERIFY(f.window->devTimer().timer.isActive());
    QCOMPARE(f.window->devTimer().timer.interval(), 2500);
    // The window is shaped by the maroon of its background.
    QVERIFY(!f.window->mask().isEmpty());
    QVERIFY(!f.window->mask().contains(QPoint(0, 0)));
    QVERIFY(f.window->mask().contains(QPoint(450, 300)));
  }

  void everySkinFamilyIsEmbeddedWithoutAMaroonFringe() {
    QStringList names = {"CbS_D",  "CbS_E", "RdS_D",           "RdS_E",        "Bar1_D",
                         "Bar1_E", "Col_F", "InsertDelayBase", "Slider_Ruler", "Slider_Thumb",
                         "Msg",    "Wait",  "MiniS_01",        "MiniS_02"};
    for (const QString family : {"BtnS", "SetS", "ExitS", "WebS", "MacroBtnS"}) {
      for (int state = 1; state <= 3; ++state)
        names << QString("%1_0%2").arg(family).arg(state);
    }
    for (int n = 1; n <= 4; ++n)
      names << QString("MacroS_0%1").arg(n);
    for (int n = 1; n <= 2; ++n)
      names << QString("KeyS_0%1").arg(n);
    for (int gun = 1; gun <= 7; ++gun)
      names << QString("Gun%1_01").arg(gun) << QString("Gun%1_02").arg(gun);
    for (int mode = 1; mode <= 5; ++mode)
      names << QString("GunMode%1").arg(mode);
    for (int set = 1; set <= 3; ++set) {
      names << QString("L%1_BackGround").arg(set);
      for (int page = 1; page <= 5; ++page)
        names << QString("L%1_Back%2").arg(set).arg(page);
    }
    for (const QString& name : names) {
      const QImage image = SkinImage(name);
      QVERIFY2(!image.isNull(), qPrintable(name));
      // Transparent pixels are exactly 0x800000 and nothing else comes near it.
      for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
          const QColor c = image.pixelColor(x, y);
          const bool maroon = c.red() == 0x80 && c.green() == 0 && c.blue() == 0;
          const int near = std::abs(c.red() - 0x80) + c.green() + c.blue();
          QVERIFY2(maroon || near > 6, qPrintable(QString("%1 at %2,%3").arg(name).arg(x).arg(y)));
        }
      }
    }
    QVERIFY(DecodePng(std::span<const uint8_t>()).isNull());
  }

  void layoutTablePlacesAndHidesButtons() {
    Fixture f;
    QCOMPARE(f.Find("Btn_Apply_1")->geometry().topLeft(), QPoint(650, 548));
    QCOMPARE(f.Find("Img_Apply_3")->geometry().topLeft(), QPoint(650, 548));
    QCOMPARE(f.Find("Btn_Apply_1")->size(), f.Find("Img_Apply_1")->size());
    QVERIFY(f.Find("Btn_Apply_1")->isVisibleTo(f.Find("gbPage1")));
    QVERIFY(!f.Find("Btn_Confirm2_1")->isVisibleTo(f.Find("gbPage1")));  // Btn_A5_Enable=0
    QCOMPARE(f.Find("Img_P1")->geometry(), QRect(20, 112, 860, 430));
    // The page buttons leave room at both ends of their picture.
    QCOMPARE(f.Find("Btn_Main_1")->geometry(), QRect(38, 70, 104, 32));
    // The engineer page buttons: at (10, 10) by the same rule, never shown.
    QCOMPARE(f.Find("Btn_Engineer_2")->geometry(), QRect(18, 10, 104, 32));
    QVERIFY(!f.Find("Img_Engineer_2")->isVisibleTo(f.Find("gbPage2")));
  }

  void layoutRulesFromAnotherTable() {
    Fixture f;
    std::string text = app::EmbeddedText("org1");
    text += "\nBtn_A1_Enable=0\nBtn_A2_X=820\nBtn_A2_Y=600\nBtn_A8_Y=9480\n";
    f.window->ApplyLayoutTable(1, app::IniTable::Parse(text));
    for (int copy = 1; copy <= 4; ++copy) {
      const QWidget* page = f.Find(qPrintable(QString("gbPage%1").arg(copy)));
      QVERIFY(!f.Find(qPrintable(QString("Btn_Confirm_%1").arg(copy)))->isVisibleTo(page));
      QVERIFY(!f.Find(qPrintable(QString("Img_Confirm_%1").arg(copy)))->isVisibleTo(page));
      QCOMPARE(f.Find(qPrintable(QString("Img_Apply_%1").arg(copy)))->pos(), QPoint(820, 600));
    }
    // Present, but outside the window.
    QVERIFY(f.Find("Btn_Read_1")->isVisibleTo(f.Find("gbPage1")));
    QVERIFY(!f.window->rect().intersects(f.Find("Btn_Read_1")->geometry()));
  }

  void pluggingReadsAndUnlocks() {
    Fixture f;
    f.firmware->memory() = config::DefaultImage(1);
    f.firmware->memory()[1] |= 0x02;  // hold DPI to switch profiles
    config::SealSection(std::span<uint8_t>(f.firmware->memory().data(), 48));
    f.bus.PlugMouse("mouse", f.firmware);
    f.window->shell().DevTimerTimer();
    // The option lamps show what the mouse holds.
    QCOMPARE(f.Find<QLabel>("Img_ComboKey2")->pixmap().toImage(), SkinPicture("CbS_E").toImage());
    QCOMPARE(f.Find<QLabel>("Img_ComboKey1")->pixmap().toImage(), SkinPicture("CbS_D").toImage());
    QVERIFY(!f.Find("Disable_All_1")->isVisible());
    QVERIFY(f.messages.isEmpty());
    QVERIFY(f.window->shell().MouseConnected());
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
      QVERIFY2(widget == f.window.get() || !widget->isVisible(), qPrintable(widget->objectName()));
    }
  }

  void unpluggingShowsTheConnectMessageOnce() {
    Fixture f;
    f.Plug();
    f.bus.Unplug("mouse");
    f.window->shell().DevTimerTimer();
    f.window->shell().DevTimerTimer();
    QCOMPARE(
        f.messages,
        QStringList{
            "Please Connect the USB Device\n\nPlease check your device is attached to USB port"});
    QVERIFY(f.Find("Disable_All_1")->isVisible());
  }

  void pageButtonWithoutAMouse() {
    Fixture f;
    f.Click("Btn_Adv_1");
    QCOMPARE(f.messages, QStringList{"Finding the specified device"});
    QVERIFY(f.Find("gbPage1")->isVisible());
    QVERIFY(!f.Find("gbPage2")->isVisible());
  }

  void languageSwitchTranslatesCaptions() {
    Fixture f;
    f.Plug();
    f.Click("Btn_Lang2_1");
    QCOMPARE(f.Find<QLabel>("Btn_Main_1")->text(), QString("Office Mode"));
    QCOMPARE(f.Find<QLabel>("Key1")->text(), QString("Left Click"));
    f.Click("Btn_Lang3_2");
    QCOMPARE(f.Find<QLabel>("Key1")->text(), QString("左键"));
    QCOMPARE(f.Find<QLabel>("Btn_Apply_4")->text(), QString("应用"));
    f.Click("Btn_Lang1_1");
    QCOMPARE(f.Find<QLabel>("Btn_Main_1")->text(), QString("Profile1"));
  }

  void languageSwitchKeepsAMacroName() {
    Fixture f;
    config::Image image = config::DefaultImage(1);
    const auto name = macro::EncodeMacroName("Recoil");
    std::copy(name.begin(), name.end(), image.begin() + 0x100);
    image[0x040 + 9] = 0x06;  // button 4 of key mode 1 plays slot 1
    image[0x040 + 10] = 0x01;
    image[0x040 + 11] = 0x21;
    config::SealSection(std::span<uint8_t>(image.data() + 0x040, 55));
    f.bus.PlugMouse("mouse", f.firmware);
    f.firmware->memory() = image;
    f.window->shell().DevTimerTimer();
    QCOMPARE(f.Find<QLabel>("Key4")->text(), QString("Recoil"));
    f.Click("Btn_Lang3_1");
    QCOMPARE(f.Find<QLabel>("Key4")->text(), QString("Recoil"));
    QCOMPARE(f.Find<QLabel>("Key1")->text(), QString("左键"));
  }

  // The whole way of a new user: Key4's label, Standard, Right Click, Apply.
  void aPickedFunctionReachesTheMouse() {
    Fixture f;
    f.Plug();
    f.Click("Key4");
    QVERIFY(f.Find("Pnl_Main")->isVisible());
    f.Hover("Key_Standard");
    QVERIFY(f.Find("Pnl_MseKey")->isVisible());
    f.Press("Key_Right");
    QVERIFY(!f.Find("Pnl_Main")->isVisible());
    QVERIFY(!f.Find("Pnl_MseKey")->isVisible());
    QCOMPARE(f.Find<QLabel>("Key4")->text(), QString("Right Click"));
    QCOMPARE(f.Find<QLabel>("btn_Key104")->text(), QString("Right Click"));
    // Nothing reaches the mouse before Apply.
    QCOMPARE(f.MouseButton(1, 4), (std::array<uint8_t, 3>{0x01, 0x08, 0x00}));
    f.Click("Btn_Apply_1");
    QCOMPARE(f.MouseButton(1, 4), (std::array<uint8_t, 3>{0x01, 0x02, 0x00}));
    const auto& memory = f.firmware->memory();
    QVERIFY(config::ChecksumMatches(std::span<const uint8_t>(memory.data() + 0x040, 55)));
    QVERIFY(f.messages.isEmpty());
  }

  // LB_NameClick: a library macro picked in the key menu's macro list goes
  // into a slot of the mouse, and the button plays it after Apply.
  void aLibraryMacroPickedInTheKeyMenu() {
    Fixture f;
    f.Plug();
    app::PageSet& pages = f.window->shell().Pages();
    QCOMPARE(pages.macros.AddEntry("Burst"), std::nullopt);
    f.window->shell().RefreshPCMacroName();
    f.Click("Key4");
    f.Hover("Key_Macro");
    auto* list = f.Find<QListWidget>("LB_Name");
    QVERIFY(list->isVisible());
    QCOMPARE(list->count(), 1);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    QVERIFY(!list->isVisible());
    QCOMPARE(f.Find<QLabel>("Key4")->text(), QString("Burst"));
    QCOMPARE(f.Find<QLabel>("btn_Key104")->text(), QString("Burst"));
    f.Click("Btn_Apply_1");
    QCOMPARE(int(f.MouseButton(1, 4)[0]), 0x06);
    const auto& memory = f.firmware->memory();
    const auto name = macro::EncodeMacroName("Burst");
    QVERIFY(std::equal(name.begin(), name.end(), memory.begin() + 0x100));
    QVERIFY(f.messages.isEmpty());
  }

  void theLastLeftClickCannotBeReplaced() {
    Fixture f;
    f.Plug();
    f.Click("Key1");
    f.Press("Key_Standard");
    f.Press("Key_Right");
    QCOMPARE(f.messages, QStringList{"Please keep a Left Key"});
    QCOMPARE(f.Find<QLabel>("Key1")->text(), QString("Left Click"));
    // From the engineer view of profile 2 the same rule holds.
    f.Click("btn_Key201");
    f.Press("Key_Standard");
    f.Press("Key_Middle");
    QCOMPARE(f.messages.size(), 2);
    QCOMPARE(f.Find<QLabel>("btn_Key201")->text(), QString("Left Click"));
  }

  // Every sub-menu opens from its row, on a solid panel, wholly inside the window.
  void everySubmenuOpensInsideTheWindow() {
    Fixture f;
    f.Plug();
    for (const char* label : {"Key1", "Key5", "Key6", "Key9"}) {
      for (const auto& [row, submenu] :
           std::vector<std::pair<const char*, const char*>>{{"Key_Standard", "Pnl_MseKey"},
                                                            {"Key_Special", "Pnl_Special"},
                                                            {"Key_Media", "Pnl_Media"},
                                                            {"Key_WWW", "Pnl_WWW"},
                                                            {"Key_MyPC", "Pnl_MyPC"}}) {
        f.Click(label);
        f.Hover(row);
        QWidget* menu = f.Find(submenu);
        QVERIFY2(menu->isVisible(), submenu);
        QVERIFY2(f.window->rect().contains(menu->geometry()), submenu);
        QVERIFY2(!menu->geometry().intersects(f.Find("Pnl_Main")->geometry()), submenu);
      }
      f.Hover("Key_Special");
      f.Hover("Key_CPIKey");
      QVERIFY(f.Find("Pnl_CPIKey")->isVisible());
      QVERIFY(f.Find("Pnl_Special")->isVisible());
      QVERIFY(f.window->rect().contains(f.Find("Pnl_CPIKey")->geometry()));
      f.Hover("Key_Assembly");
      QVERIFY(!f.Find("Pnl_Special")->isVisible());
    }
  }

  // The main page's options and the engineer's check boxes are two views of
  // one setting: a change in either shows in both at once.
  void theTwoViewsOfAnOptionNeverDisagree() {
    Fixture f;
    f.Plug();
    const auto on = [&f](const char* box) { return f.Find<QAbstractButton>(box)->isChecked(); };
    const auto lamp = [&f](int k) {
      return f.Find<QLabel>(QString("Img_ComboKey%1").arg(k).toUtf8())->pixmap().toImage() ==
             SkinPicture("CbS_E").toImage();
    };
    QVERIFY(on("cb_CPIPress") && lamp(2));
    f.Click("IB_ComboKey1");
    QVERIFY(on("cb_MidPress") && lamp(1));
    QVERIFY(!on("cb_CPIPress") && !lamp(2));
    QTest::keyClick(f.window.get(), Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
    f.Find<QAbstractButton>("cb_CPIPress")->click();
    QVERIFY(on("cb_CPIPress") && lamp(2));
    QVERIFY(on("cb_MidPress") && lamp(1));  // the engineer box sets its own option only
    f.Click("Btn_Apply_1");
    QCOMPARE(f.firmware->memory()[1] & 0x03, 0x03);
  }

  void aUserDefinedKeyFromTheAssemblyDialog() {
    Fixture f;
    f.Plug();
    MainWindow::AssemblyDialogHook() = [](AssemblyKeyDialogView& dialog) {
      dialog.show();
      QTest::keyClick(dialog.findChild<QLineEdit*>("Edt_Assembly"), Qt::Key_K);
      dialog.findChild<QAbstractButton*>("CB_Ctrl")->click();
      QTest::mouseClick(dialog.findChild<QWidget*>("IB_Confirm"), Qt::LeftButton);
      return dialog.Code();
    };
    f.Click("Key8");
    f.Press("Key_Assembly");
    MainWindow::AssemblyDialogHook() = nullptr;
    QCOMPARE(f.window->shell().Pages().buttons.State().codes[0][7], std::string("02010E"));
    QCOMPARE(f.Find<QLabel>("Key8")->text(), QString("Ctrl+K"));
  }

  // With no mouse the window is no trap: the connect message comes once
  // even with no HID device at all, the page says there is no mouse, and
  // leaving, minimising and the language stay within reach.
  void withoutAMouseTheWindowStaysUsable() {
    Fixture f;
    f.window->shell().DevTimerTimer();
    f.window->shell().DevTimerTimer();
    QCOMPARE(f.messages.size(), 1);
    QVERIFY(f.messages[0].startsWith("Please Connect the USB Device"));
    QWidget* blocker = f.Find("Disable_All_1");
    QVERIFY(blocker->isVisible());
    QCOMPARE(f.Find<QLabel>("lbl_NoMouse_1")->text(), QString("Please Connect the USB Device"));
    for (const char* name : {"Btn_Exit_1", "Btn_Mini_1", "Btn_Lang2_1"}) {
      QWidget* button = f.Find(name);
      const QPoint centre = button->geometry().center();
      QCOMPARE(button->parentWidget()->childAt(centre), button);
    }
    f.Click("Btn_Lang2_1");
    QCOMPARE(f.window->shell().LangIndex(), 2);
    QCOMPARE(f.Find<QLabel>("Btn_Lang1_1")->text(), QString("English"));
    QCOMPARE(f.Find<QLabel>("Btn_Lang2_1")->text(), QString("Office"));
    f.Plug();
    QVERIFY(!blocker->isVisible());
  }

  // The numbers on the mouse picture sit on its drawn buttons, and each
  // label carries the same number as its button.
  void theMousePictureNumbersItsButtons() {
    Fixture f;
    const QImage mouse = SkinImage("MousePic");
    for (int k = 1; k <= 9; ++k) {
      const pages::MouseSpot spot = pages::MouseButtonSpot(k);
      const QColor at = mouse.pixelColor(static_cast<int>(spot.x * mouse.width()),
                                         static_cast<int>(spot.y * mouse.height()));
      QVERIFY2(at.red() > at.blue() + 30, qPrintable(QString("button %1 is not drawn").arg(k)));
      QCOMPARE(f.Find<QLabel>(QString("lbl_MouseKey%1").arg(k).toUtf8())->text(),
               QString::number(k));
      QLabel* beside = f.Find<QLabel>(QString("lbl_KeyNum%1").arg(k).toUtf8());
      const QRect label = f.Find(QString("Key%1").arg(k).toUtf8())->geometry();
      QVERIFY(beside->geometry().right() < label.left());
      QVERIFY(std::abs(beside->geometry().center().y() - label.center().y()) <= 1);
    }
  }

  void applyThatDoesNotStickShowsFail() {
    Fixture f;
    f.Plug();
    f.firmware->faults().sticky[0x0D0] = 0x00;
    f.Click("Btn_Apply_1");
    QCOMPARE(
        f.messages,
        QStringList{"Fail\n\nThe byte at 0x0D0 did not keep its value after 3 repair passes."});
    QCOMPARE(f.Find<QLabel>("Img_Apply_3")->pixmap().toImage(), SkinPicture("BtnS_03").toImage());
    QVERIFY(!f.Find("Disable_All_1")->isVisible());
    QVERIFY(f.window->devTimer().timer.isActive());
  }

  void keyMenuOpensAwayFromTheEdges() {
    Fixture f;
    f.Plug();
    f.Click("Key1");  // left column: to the right of the label's centre
    QWidget* menu = f.Find("Pnl_Main");
    QVERIFY(menu->isVisible());
    const QRect key1 = f.Find("Key1")->geometry();
    QCOMPARE(menu->pos(), QPoint(key1.x() + key1.width() / 2, key1.y() + key1.height() / 2));
    QCOMPARE(menu->height(), 170);  // the main page: no fire-macro row
    f.Click("Key6");                // near the right edge: to the left
    const QRect key6 = f.Find("Key6")->geometry();
    QCOMPARE(menu->x(), key6.x() + key6.width() / 2 - menu->width());
    QCOMPARE(f.Find<QLabel>("Key_Standard")->text(), QString(" * Standard Mouse Keys"));
  }

  void engineerPageByGestureWithLocaleCaptions() {
    for (const auto& [locale, title] :
         {std::pair<const char*, QString>{"zh_CN", "工程人员界面"}, {"en_US", "Engineer"}}) {
      QLocale::setDefault(QLocale(locale));
      Fixture f;
      QCOMPARE(f.Find<QTabWidget>("Pg_Parameter")->tabText(1), title);
      f.Plug();
      QTest::keyClick(f.window.get(), Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
      QVERIFY(f.Find("gbPage6")->isVisible());
      QCOMPARE(f.window->size(), QSize(1000, 600));
      auto* tabs = f.Find<QTabWidget>("Pg_Parameter");
      QVERIFY(!f.window->shell().EngineerUnlocked());
      QVERIFY(!tabs->isTabVisible(1));
      QVERIFY(!f.Find("cb_SensorOri")->isEnabled());
      QVERIFY(!f.Find("Btn_Default")->isVisible());
      QTest::mouseDClick(f.Find("Img_Logo4"), Qt::LeftButton);
      QVERIFY(f.window->shell().EngineerUnlocked());
      QVERIFY(tabs->isTabVisible(1));
      QVERIFY(f.Find("cb_SensorOri")->isEnabled());
      QVERIFY(f.Find("rb_BreLED")->isEnabled());
      QVERIFY(f.Find("Btn_Default")->isVisible());
      QVERIFY(f.Find("Btn_ImportGunMacro")->isVisible());
      QTest::keyClick(f.window.get(), Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
      QVERIFY(f.Find("gbPage1")->isVisible());
    }
    QLocale::setDefault(QLocale::c());
  }

  void hoverPicturesAndNoRollingCaption() {
    Fixture f;
    f.Plug();
    auto* key1 = f.Find<SkinLabel>("Key1");
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(key1, &enter);
    QTest::qWait(450);                              // two ticks of the rolling caption, were it on
    QCOMPARE(key1->text(), QString("Left Click"));  // TR_Enable is 0
    QCOMPARE(f.Find<QLabel>("Img_Key1")->pixmap().toImage(), SkinPicture("KeyS_02").toImage());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(key1, &leave);
    QCOMPARE(f.Find<QLabel>("Img_Key1")->pixmap().toImage(), SkinPicture("KeyS_01").toImage());
  }

  // Every control of the catalogue stands on its own page, and what the
  // layout shows lies inside the skin.
  void everyPageHoldsItsControls() {
    Fixture f;
    const QRect skin(0, 0, 900, 600);
    for (const app::PageControl& control : app::PageControls()) {
      const QString name = QString::fromStdString(control.name);
      QWidget* widget = f.Find(qPrintable(name));
      QVERIFY2(widget != nullptr, qPrintable(name));
      const QString page = control.page == 0 ? "TForm1" : QString("gbPage%1").arg(control.page);
      QWidget* holder = control.page == 0 ? f.window.get() : f.Find(qPrintable(page));
      QVERIFY2(holder->isAncestorOf(widget), qPrintable(name));
      if (!widget->isVisibleTo(holder)) continue;
      const QRect at(widget->mapTo(holder, QPoint(0, 0)), widget->size());
      const bool parked = at.x() >= app::kHiddenCoordinate || at.y() >= app::kHiddenCoordinate;
      QVERIFY2(parked || skin.contains(at),
               qPrintable(name + " at " + QString::number(at.x()) + "," + QString::number(at.y())));
      QVERIFY2(parked || !at.isEmpty(), qPrintable(name));
    }
    for (const app::EngineerControl& control : app::EngineerControls())
      QVERIFY2(f.Find(control.name.c_str()) != nullptr, control.name.c_str());
    QCOMPARE(f.Find<QLabel>("lbl_LED_Status")->text(), QString("LED Status"));
    QCOMPARE(f.Find<QLabel>("lbl_MCULEDNum_1")->text(), QString("4"));
    QCOMPARE(f.Find<QLabel>("Btn_Fire1")->text(), QString("AKM"));
    QCOMPARE(f.Find<QComboBox>("CB_Insert")->itemText(0), QString("Insert Delay Front"));
    QCOMPARE(f.Find<QAbstractButton>("rb_MCULED")->text(), QString("MCU LED"));
    QCOMPARE(f.Find<QComboBox>("cb_SensorOri")->count(), 8);
    // Both count combos show what the controller holds.
    const int count = f.window->shell().Pages().dpi.State().level_count;
    QCOMPARE(f.Find<QComboBox>("cb_CPIStep")->currentIndex(), count - 2);
    QCOMPARE(f.Find<QComboBox>("cbb_DPICount")->currentIndex(), count - 2);
    // The Fire key's interval as the image holds it.
    const int interval = config::GetFireBurst(f.window->shell().Configuration().data).interval;
    QCOMPARE(f.Find<QLineEdit>("Edt_DelayTime1")->text(), QString::number(interval));
    // Only the shipped style's half of each display pair is shown.
    QVERIFY(f.Find("slider_DPI1")->isVisibleTo(f.Find("gbPage2")));  // DPILED_Status 1
    QVERIFY(!f.Find("Img_DPI1_1")->isVisibleTo(f.Find("gbPage2")));
    QVERIFY(!f.Find("Gb_Insert")->isVisibleTo(f.Find("gbPage4")));
    QVERIFY(f.Find("Gb_Delay")->isVisibleTo(f.Find("gbPage4")));
  }

  // The page controls that wait for their own code: clicking every one of
  // them changes nothing in the image and sends nothing to the mouse.
  void pageControlsAreInert() {
    std::set<std::string> bound;
    for (const auto& names : {pages::DpiPageControlNames(), pages::LightingPageControlNames(),
                              pages::MacroPageControlNames(), pages::FirePageControlNames()})
      bound.insert(names.begin(), names.end());
    Fixture f;
    f.Plug();
    const config::Configuration before = f.window->shell().Configuration();
    const int calls = f.bus.counters().feature_calls;
    for (const app::Page page :
         {app::Page::kAdvanced, app::Page::kBreathing, app::Page::kMacro, app::Page::kFire}) {
      f.window->ShowPage(page);
      for (const app::PageControl& control : app::PageControls()) {
        auto* label = f.Find<SkinLabel>(control.name.c_str());
        if (label == nullptr || !label->isVisible() || bound.count(control.name)) continue;
        QTest::mouseClick(label, Qt::LeftButton);
      }
    }
    const config::Configuration& after = f.window->shell().Configuration();
    QVERIFY(after.DevImage == before.DevImage && after.data == before.data);
    QVERIFY(after.FireSlots == before.FireSlots && after.MacroSlots1To4 == before.MacroSlots1To4);
    QCOMPARE(f.bus.counters().feature_calls, calls);
    QVERIFY(f.messages.isEmpty());
  }

  void layoutPlacesPageControls() {
    Fixture f;
    std::string text = app::EmbeddedText("org1");
    text +=
        "\nLED_Status_Lable_X=123\nLED_Status_Lable_Y=321\nLED_Status_Lable_Width=77\n"
        "MCULEDNum_X=100\nMCULEDNum_Y=400\nMCULEDNum_D=4\nComboKey2_Enable=0\n"
        "DPI_Count_Visible=0\n";
    f.window->ApplyLayoutTable(1, app::IniTable::Parse(text));
    QCOMPARE(f.Find("lbl_LED_Status")->geometry(), QRect(123, 321, 77, 22));
    // The LED count row: image i at X + (i - 1) * (width + D), its number 24 lower.
    QCOMPARE(f.Find("Img_MCULEDNum_3")->pos(), QPoint(100 + 2 * 40, 400));
    QCOMPARE(f.Find("lbl_MCULEDNum_3")->pos(), QPoint(100 + 2 * 40, 424));
    QVERIFY(!f.Find("IB_ComboKey2")->isVisibleTo(f.Find("gbPage1")));
    QVERIFY(!f.Find("Img_ComboKey2")->isVisibleTo(f.Find("gbPage1")));
    QVERIFY(f.Find("IB_ComboKey1")->isVisibleTo(f.Find("gbPage1")));
    // The gun-key option needs GD_Enable, which the shipped product leaves off.
    QVERIFY(!f.Find("IB_ComboKey3")->isVisibleTo(f.Find("gbPage1")));
    QVERIFY(!f.Find("cbb_DPICount")->isVisibleTo(f.Find("gbPage2")));
    // The macro lists take their item height from the layout.
    f.window->ApplyLayoutTable(1, app::IniTable::Parse(text + "MacroNameHeight=31\n"));
    auto* list = f.Find<QListWidget>("LB_macro");
    list->addItem("Delay 48 ms");
    QCOMPARE(list->visualItemRect(list->item(0)).height(), 31);
  }

  void languageSwitchRecaptionsThePages() {
    Fixture f;
    f.Plug();
    QCOMPARE(f.Find<QLabel>("lbl_MCULEDMode2")->text(), QString("Multicolor"));
    f.Click("Btn_Lang3_1");
    QCOMPARE(f.Find<QLabel>("lbl_LED_Status")->text(), QString("灯光状态"));
    QCOMPARE(f.Find<QLabel>("lbl_MCULEDMode2")->text(), QString("模式2"));
    QCOMPARE(f.Find<QLabel>("Key_Left")->text(), QString(" * 左键"));
  }

  void hoverPicturesOfThePageFamilies() {
    Fixture f;
    const auto hover = [&](const char* label, const char* picture, const QString& on,
                           const QString& off) {
      QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
      QApplication::sendEvent(f.Find(label), &enter);
      QCOMPARE(f.Find<QLabel>(picture)->pixmap().toImage(), SkinPicture(on).toImage());
      QEvent leave(QEvent::Leave);
      QApplication::sendEvent(f.Find(label), &leave);
      QCOMPARE(f.Find<QLabel>(picture)->pixmap().toImage(), SkinPicture(off).toImage());
    };
    hover("Btn_New", "Img_New", "MacroS_02", "MacroS_01");
    hover("Btn_OK", "Img_OK", "MacroBtnS_02", "MacroBtnS_01");
    hover("Btn_Fire3", "Img_Fire3", "Gun3_02", "Gun3_01");
    hover("Btn_FireConfirm", "Img_FireConfirm", "BtnS_02", "BtnS_01");
    hover("Btn_Close", "Btn_Close", "ExitS_02", "ExitS_01");
    hover("btn_Key205", "Img_Key205", "KeyS_02", "KeyS_01");
    // Pop-up menu items: white on the macro colour while hovered.
    auto* item = f.Find<QLabel>("Btn_NewMacro");
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(item, &enter);
    QCOMPARE(item->palette().color(QPalette::WindowText), QColor(Qt::white));
    QCOMPARE(item->palette().color(QPalette::Window), QColor(200, 40, 50));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(item, &leave);
    QCOMPARE(item->palette().color(QPalette::Window), QColor(34, 36, 44));
  }

  void fireEditorUnlockShowsTheRecordingControls() {
    Fixture f;
    f.Plug();
    f.window->ShowPage(app::Page::kFire);
    QVERIFY(!f.Find("Btn_FireStart")->isVisible());
    QTest::mouseDClick(f.Find("Img_Base_5_Unlock"), Qt::LeftButton, {}, QPoint(5, 5));
    for (const char* name : {"Btn_FireStart", "Img_FireStart", "LB_FireMacroName", "LB_FireMacro",
                             "GB_FireDelay", "Img_FireDelay"}) {
      QVERIFY2(f.Find(name)->isVisible(), name);
    }
    QVERIFY(f.window->shell().EngineerUnlocked());
  }

  void keyMenusHoldTheirItems() {
    Fixture f;
    for (const app::KeyMenuPanel& panel : app::KeyMenuPanels()) {
      QWidget* menu = f.Find(panel.name.c_str());
      QVERIFY2(menu != nullptr && !menu->isVisible(), panel.name.c_str());
      for (const app::KeyMenuItem& item : panel.items) {
        auto* row = menu->findChild<QLabel*>(item.name.c_str());
        QVERIFY2(row != nullptr && row->text().startsWith(" * "), item.name.c_str());
        QCOMPARE(row->findChild<QLabel*>() != nullptr, item.group);
      }
    }
    QCOMPARE(f.Find<QLabel>("Key_Middle")->text(), QString(" * Middle Click"));
    // E-Mail lies below the three visible rows of its 74-pixel panel.
    QVERIFY(f.Find("Key_EMail")->y() >= f.Find("Pnl_MyPC")->height());
  }

  void engineerKeyButtonOpensTheMenuAboveIt() {
    Fixture f;
    f.Plug();
    QTest::keyClick(f.window.get(), Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(f.Find<QLabel>("btn_Key101")->text(), QString("Left Click"));
    f.Click("btn_Key203");
    QWidget* menu = f.Find("Pnl_Main");
    QVERIFY(menu->isVisible());
    QCOMPARE(menu->height(), 194);  // the engineer page shows row 8
    QVERIFY(f.Find("Key_TLFireMacro")->isVisible());
    QVERIFY(!f.Find("Key_FireMacro")->isVisible());
    // Left = button.Left + 10; Top = button.Top + Pg_Parameter.Top + the key-mode
    // group's Top - panel height + 38, but never above the window's top edge.
    const QRect button = f.Find("btn_Key203")->geometry();
    const int top = button.y() + f.Find("Pg_Parameter")->y() + f.Find("gbKeyMode2")->y() - 194 + 38;
    QVERIFY(top < 0);
    QCOMPARE(menu->pos(), QPoint(button.x() + 10, 0));
    // Entering an edit closes the pop-up menus.
    f.window->activateWindow();
    f.Find("edt_VendorID")->setFocus();
    QTRY_VERIFY(!menu->isVisible());
  }

  void messageDialogIsSkinned() {
    Fixture f;
    MessageDialog box("Fail", "OK", QFont(), f.window.get());
    QCOMPARE(box.size(), SkinPicture("Msg").size());
    QVERIFY(!box.mask().contains(QPoint(0, 0)));  // the maroon corner is see-through
    QVERIFY(box.mask().contains(QPoint(box.width() / 2, box.height() / 2)));
    QCOMPARE(box.TextLabel()->text(), QString("Fail"));
    box.show();
    QTest::mouseClick(box.OkButton(), Qt::LeftButton);
    QCOMPARE(box.result(), int(QDialog::Accepted));
  }

  void pageSwitchWithAMouse() {
    Fixture f;
    f.Plug();
    // The profile pages choose the key mode where the mouse keeps it.
    f.Find<QRadioButton>("rb_Save")->click();
    f.Click("Btn_Second_1");
    QCOMPARE(f.Find<QComboBox>("cb_KeyMode")->currentIndex(), 1);
    f.Click("Btn_Adv_1");
    QVERIFY(f.Find("gbPage2")->isVisible());
    QVERIFY(!f.Find("gbPage1")->isVisible());
    // Exactly one invisible marker names the page.
    QVERIFY(f.Find<QRadioButton>("rb_4")->isChecked());
    QVERIFY(!f.Find<QRadioButton>("rb_1")->isChecked());
    f.Click("Btn_Lang3_2");
    QVERIFY(f.Find<QRadioButton>("rb_Lang3")->isChecked());
    QVERIFY(!f.Find<QRadioButton>("rb_Lang1")->isChecked());
    f.Click("Btn_Main_2");
    QVERIFY(f.Find("gbPage1")->isVisible());
  }
};

}  // namespace orvane::ui

QTEST_MAIN(orvane::ui::MainWindowTest)
#include "main_window_test.moc"
