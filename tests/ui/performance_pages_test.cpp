// The DPI rows and the lighting page through real widgets, over the
// in-process emulated mouse.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "core/app/layout_keys.h"
#include "core/config/default_images.h"
#include "core/config/parameter_fields.h"
#include "core/config/section_checks.h"
#include "ui/app/png_image.h"
#include "ui/app/ruler_slider.h"
#include "window_fixture.h"

namespace orvane::ui {

namespace {

constexpr size_t kLedStateByte = 0x32;

// Default image 1 with the strip (all seven modes offered) or the two-colour LED.
void PlugWithLed(WindowFixture& f, bool strip) {
  auto& memory = f.firmware->memory();
  memory = config::DefaultImage(1);
  memory[0] = static_cast<uint8_t>(strip ? memory[0] & 0x7F : memory[0] | 0x80);
  memory[4] = 0xFF;
  if (!strip) memory[1] |= 0x08;  // the two-colour LED
  config::SealSection(std::span<uint8_t>(memory.data(), 48));
  f.bus.PlugMouse("mouse", f.firmware);
  f.window->shell().DevTimerTimer();
}

bool Shows(QLabel* label, const char* picture) {
  return label->pixmap().toImage() == SkinPicture(picture).toImage();
}

// A mouse-up on a ruler slider x pixels from its left edge.
void Release(RulerSlider* slider, int x) {
  QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(x, 10));
  QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(x, 10));
}

void Choose(QComboBox* combo, int index) {
  combo->setCurrentIndex(index);
  emit combo->activated(index);
}

}  // namespace

class PerformancePagesTest : public QObject {
  Q_OBJECT

 private slots:
  // The typical change: the advanced page, DPI level 3 to 1600 on its
  // slider, Apply; ParameterA byte 8 holds index 4 in the mouse.
  void level3To1600ReachesTheMouse() {
    WindowFixture f;
    f.Plug();
    f.Click("Btn_Adv_1");
    QVERIFY(f.Find("gbPage2")->isVisible());
    auto* slider = f.Find<RulerSlider>("slider_DPI3");
    QVERIFY(slider->isEnabled());
    Release(slider, 85);  // 75 < x <= 95: position 4
    QCOMPARE(slider->value(), 400);
    QCOMPARE(f.Find<QLabel>("lbl_DPI3Value")->text(), QString("1600"));
    QCOMPARE(f.Find<QComboBox>("cb_CPI3")->currentIndex(), 4);  // the engineer view
    QVERIFY(f.firmware->memory()[8] != 4);
    f.Click("Btn_Apply_2");
    const auto& memory = f.firmware->memory();
    QCOMPARE(int(memory[8]), 4);
    QVERIFY(config::ChecksumMatches(std::span<const uint8_t>(memory.data(), 48)));
    QVERIFY(f.messages.isEmpty());
  }

  // Either view of the level count and the current level drives the other.
  void levelCountAndCurrentLevelInBothViews() {
    WindowFixture f;
    f.Plug();
    f.Click("Btn_Adv_1");
    Choose(f.Find<QComboBox>("cb_CPIStep"), 4);  // six levels
    QCOMPARE(f.Find<QComboBox>("cbb_DPICount")->currentIndex(), 4);
    QVERIFY(f.Find("slider_DPI6")->isEnabled());
    QVERIFY(!f.Find("slider_DPI7")->isEnabled());
    QVERIFY(Shows(f.Find<QLabel>("Img_DPI6"), "CbS_E"));
    QCOMPARE(f.Find<QComboBox>("cb_CurrentCPI")->count(), 6);
    Choose(f.Find<QComboBox>("cbb_DPICount"), 1);  // three levels
    QCOMPARE(f.Find<QComboBox>("cb_CPIStep")->currentIndex(), 1);
    QVERIFY(!f.Find("slider_DPI4")->isEnabled());
    QVERIFY(!f.Find("cb_CPI4")->isVisibleTo(f.Find("gbCPI")));
    f.Click("Img_DPI2");
    QCOMPARE(f.Find<QComboBox>("cb_CurrentCPI")->currentIndex(), 1);
    QVERIFY(f.Find<QRadioButton>("rb_DPI2")->isChecked());
    f.Click("Img_DPI5");  // not in use: the current level stays
    QCOMPARE(f.Find<QComboBox>("cb_CurrentCPI")->currentIndex(), 1);
    // "8000" on the engineer page: the text says so, the slider stops at its end.
    Choose(f.Find<QComboBox>("cb_CPI1"), 11);
    QCOMPARE(f.Find<QLabel>("lbl_DPI1Value")->text(), QString("8000"));
    QCOMPARE(f.Find<RulerSlider>("slider_DPI1")->value(), 1000);
    f.Click("Btn_Apply_2");
    const auto& memory = f.firmware->memory();
    QCOMPARE(int(memory[2]), 3);
    QCOMPARE(int(memory[6]), 11);
    QCOMPARE(int(memory[0x30]), 1);
  }

  // A skin without the count combo: the level names switch levels on and
  // off, in the skin's colours for a level in use and one not in use.
  void levelNamesSwitchLevelsWhereTheSkinSaysSo() {
    WindowFixture f;
    std::string text = app::EmbeddedText("org1");
    text +=
        "\nDPI_Count_Visible=0\nColor_D_Selected_R=250\nColor_D_Selected_G=250\n"
        "Color_D_Selected_B=250\nColor_D_notSelected_R=90\nColor_D_notSelected_G=90\n"
        "Color_D_notSelected_B=90\n";
    f.window->ApplyLayoutTable(1, app::IniTable::Parse(text));
    f.Plug();
    f.Click("Btn_Adv_1");
    QVERIFY(!f.Find("cbb_DPICount")->isVisible());
    const int count = f.Find<QComboBox>("cb_CPIStep")->currentIndex() + 2;
    QVERIFY(count < 7);
    const auto name = [&](int level) {
      return f.Find<QLabel>(qPrintable(QString("lbl_DPI%1").arg(level)));
    };
    QCOMPARE(name(count + 1)->palette().color(QPalette::WindowText), QColor(90, 90, 90));
    f.Click(qPrintable(QString("lbl_DPI%1").arg(count + 1)));
    QCOMPARE(f.Find<QComboBox>("cb_CPIStep")->currentIndex(), count - 1);
    QCOMPARE(name(count + 1)->palette().color(QPalette::WindowText), QColor(250, 250, 250));
    QVERIFY(f.Find("slider_DPI" + QByteArray::number(count + 1))->isEnabled());
    QVERIFY(f.Find<QRadioButton>("rb_DPI" + QByteArray::number(count + 1))->isChecked());
    f.Click(qPrintable(QString("lbl_DPI%1").arg(count + 1)));
    QCOMPARE(f.Find<QComboBox>("cb_CPIStep")->currentIndex(), count - 2);
    f.Click("lbl_DPI1");  // levels 1 and 2 stay
    QCOMPARE(f.Find<QComboBox>("cb_CPIStep")->currentIndex(), count - 2);
  }

  void aColourPickedReachesTheEngineerEditsAndTheMouse() {
    WindowFixture f;
    PlugWithLed(f, true);
    int asked = 0;
    std::optional<QColor> answer = QColor(0x12, 0x34, 0x56);
    MainWindow::ColourDialogHook() = [&](const QColor&) {
      ++asked;
      return answer;
    };
    f.Click("Btn_Adv_1");
    f.Click("lbl_DPI2Col");
    QCOMPARE(asked, 1);
    QCOMPARE(f.Find<QLineEdit>("edt_CPI2R")->text(), QString("18"));
    QCOMPARE(f.Find<QLineEdit>("edt_CPI2B")->text(), QString("86"));
    QVERIFY(f.Find("cs_DPI2Col")->styleSheet().contains("#123456"));
    answer.reset();  // Cancel
    f.Click("lbl_DPI2Col");
    QCOMPARE(f.Find<QLineEdit>("edt_CPI2G")->text(), QString("52"));
    // Typed on the engineer page: above 255 reads 255, and the swatch follows.
    auto* green = f.Find<QLineEdit>("edt_CPI2G");
    green->clear();
    QTest::keyClicks(green, "300");
    QCOMPARE(green->text(), QString("255"));
    QVERIFY(f.Find("cs_DPI2Col")->styleSheet().contains("#12ff56"));
    f.Click("Btn_Apply_2");
    const auto& memory = f.firmware->memory();
    QCOMPARE(int(memory[29]), 0x12);
    QCOMPARE(int(memory[30]), 0xFF);
    QCOMPARE(int(memory[31]), 0x56);
    MainWindow::ColourDialogHook() = nullptr;
  }

  // The two-colour LED has no level colours: no swatch, no dialog.
  void twoColourLedHidesTheSwatches() {
    WindowFixture f;
    PlugWithLed(f, false);
    int asked = 0;
    MainWindow::ColourDialogHook() = [&](const QColor&) {
      ++asked;
      return std::optional<QColor>();
    };
    f.Click("Btn_Adv_1");
    QVERIFY(!f.Find("cs_DPI1Col")->isVisible());
    QVERIFY(!f.Find("lbl_DPI1Col")->isVisible());
    emit f.Find<SkinLabel>("lbl_DPI1Col")->clicked();
    QCOMPARE(asked, 0);
    MainWindow::ColourDialogHook() = nullptr;
  }

  void aimSliderWithoutAnAimButton() {
    WindowFixture f;
    f.Plug();
    f.Click("Btn_Adv_1");
    Release(f.Find<RulerSlider>("slider_DPI8"), 85);
    QCOMPARE(f.messages, QStringList{"Please select a AIM Key in Profile!"});
    QCOMPARE(f.Find<RulerSlider>("slider_DPI8")->value(), 0);
    QCOMPARE(f.Find<QLabel>("lbl_AIMKeyValue")->text(), QString("500"));
  }

  // A lighting mode, the strip's rows and the type, through the page and the
  // engineer controls, and what reaches the mouse.
  void lightingChangesReachTheMouse() {
    WindowFixture f;
    PlugWithLed(f, true);
    f.Click("Btn_Breath_1");
    QVERIFY(f.Find("gbPage3")->isVisible());
    QVERIFY(f.Find("lbl_MCULEDMode5")->isVisible());
    QVERIFY(!f.Find("lbl_RBLEDMode1")->isVisible());
    f.Click("lbl_MCULEDMode5");
    QVERIFY(Shows(f.Find<QLabel>("Img_MCULEDMode5"), "RdS_E"));
    QVERIFY(Shows(f.Find<QLabel>("Img_MCULEDMode1"), "RdS_D"));
    QCOMPARE(f.Find<QComboBox>("cb_MCULEDCurrentMode")->currentIndex(), 4);
    f.Click("Img_MCULEDNum_3");
    QCOMPARE(f.Find<QLineEdit>("edt_MCULEDNum")->text(), QString("6"));
    QVERIFY(Shows(f.Find<QLabel>("Img_MCULEDNum_3"), "Bar1_E"));
    QVERIFY(Shows(f.Find<QLabel>("Img_MCULEDNum_2"), "Bar1_D"));  // the marker style
    Release(f.Find<RulerSlider>("slider_Breath_Speed"), 100);
    QCOMPARE(f.Find<QLineEdit>("edt_MCULEDCrtStep")->text(), QString("4"));
    f.Click("lbl_LEDOff");
    QVERIFY(Shows(f.Find<QLabel>("Img_LEDOff"), "RdS_E"));
    QVERIFY(f.Find<QRadioButton>("rb_LEDOff")->isChecked());
    // The type is the engineer's, once unlocked. The synchronous LED has
    // neither modes nor rows; the light switch stays.
    QTest::keyClick(f.window.get(), Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::mouseDClick(f.Find("Img_Logo4"), Qt::LeftButton);
    QVERIFY(f.Find("rb_SyncLED")->isEnabled());
    f.Find<QRadioButton>("rb_SyncLED")->click();
    QWidget* page = f.Find("gbPage3");
    QVERIFY(!f.Find("lbl_MCULEDMode5")->isVisibleTo(page));
    QVERIFY(!f.Find("Img_MCULEDNum_3")->isVisibleTo(page));
    QVERIFY(!f.Find("slider_Breath_Speed")->isVisibleTo(page));
    QVERIFY(!f.Find("Img_LCPIOn")->isVisibleTo(page));
    QVERIFY(f.Find("Img_LEDOn")->isVisibleTo(page));
    QVERIFY(!f.Find("gbMCULEDCurrent")->isVisibleTo(f.Find("gbPage6")));
    f.Find<QRadioButton>("rb_MCULED")->click();
    QVERIFY(f.Find("gbMCULEDCurrent")->isVisibleTo(f.Find("gbPage6")));
    // Unticking a mode on the engineer page takes it off the page.
    f.Find<QCheckBox>("cb_Mode3")->click();
    QVERIFY(!f.Find("lbl_MCULEDMode3")->isVisible());
    QCOMPARE(f.Find<QComboBox>("cb_MCULEDCurrentMode")->itemText(2), QString("------"));
    QVERIFY(f.window->shell().SwitchPage(app::Page::kBreathing));
    f.Click("lbl_MCULEDMode5");
    f.Click("Btn_Apply_3");
    const auto& memory = f.firmware->memory();
    QCOMPARE(int(memory[kLedStateByte]), 5 | 0x08 | (4 << 5));
    QCOMPARE(int(memory[3] >> 4), 13 - 6);
    QCOMPARE(int(memory[4] & 0x08), 0);  // mode 3 off
    QVERIFY(config::ChecksumMatches(std::span<const uint8_t>(memory.data(), 48)));
    QVERIFY(f.messages.isEmpty());
  }

  // Without key-mode saving the mouse starts in key mode 1: the engineer's
  // key mode shows 1 and is locked, whichever profile page is open.
  void keyModeSavingOffLocksKeyModeOne() {
    WindowFixture f;
    f.Plug();
    auto* key_mode = f.Find<QComboBox>("cb_KeyMode");
    f.Find<QRadioButton>("rb_NoSave")->click();
    QVERIFY(!key_mode->isEnabled());
    QCOMPARE(key_mode->currentIndex(), 0);
    QVERIFY(Shows(f.Find<QLabel>("Img_NoSaveKeyMode"), "RdS_E"));
    f.Click("Btn_Second_1");
    QCOMPARE(key_mode->currentIndex(), 0);
    f.Find<QRadioButton>("rb_Save")->click();
    QVERIFY(key_mode->isEnabled());
    f.Click("Btn_Apply_1");
    QCOMPARE(int(f.firmware->memory()[0] & 0x08), 0);
  }

  // The engineer page's own settings: what the mouse holds shows after a
  // Read, read-only identifiers included; what is changed there reaches the
  // mouse with Apply. Typed identifiers keep to digits and one byte.
  void engineerSettingsBothWays() {
    WindowFixture f;
    f.Plug();
    auto& memory = f.firmware->memory();
    memory[0] = static_cast<uint8_t>((memory[0] & 0x8F) | config::OrientationCode(3) << 4);
    memory[1] = static_cast<uint8_t>(memory[1] & ~0x20);  // smoothing off
    config::SealSection(std::span<uint8_t>(memory.data(), 48));
    f.Click("Btn_Read_1");
    QCOMPARE(f.Find<QComboBox>("cb_SensorOri")->currentIndex(), 3);
    QVERIFY(!f.Find<QCheckBox>("cb_Smooth")->isChecked());
    QCOMPARE(f.Find<QLineEdit>("edt_VendorID_Rd")->text(),
             QString::number(config::ExpectedMakerId()));

    auto* maker = f.Find<QLineEdit>("edt_VendorID");
    maker->clear();
    QTest::keyClicks(maker, "3x00");
    QCOMPARE(maker->text(), QString("255"));
    maker->clear();
    QTest::keyClicks(maker, "0");
    QCOMPARE(maker->text(), QString("0"));
    f.Find<QCheckBox>("cb_Smooth")->click();
    f.Find<QRadioButton>("rb_FireFnOn")->click();
    f.Click("Btn_Apply_1");
    QCOMPARE(int(memory[0x36]), 0);
    QCOMPARE(int(memory[1] & 0x20), 0x20);
    QCOMPARE(int(memory[0] & 0x02), 0x02);
    QCOMPARE(int((memory[0] >> 4) & 7), int(config::OrientationCode(3)));
  }

  // Every number field takes digits only, a minus only where a field holds
  // moves or offsets; backspace always works.
  void numberFieldsDropOtherCharacters() {
    WindowFixture f;
    f.Plug();
    const struct {
      const char* name;
      const char* typed;
      const char* shown;
    } kCases[] = {{"Edt_Repeat1", "x-5", "5"},
                  {"edt_FireTime", "1a2", "12"},
                  {"edt_CPI1R", "2!0", "20"},
                  {"edt_XAxisValue", "-1x2", "-12"}};
    for (const auto& c : kCases) {
      auto* edit = f.Find<QLineEdit>(c.name);
      edit->setText("");
      QTest::keyClicks(edit, c.typed);
      QCOMPARE(edit->text(), QString(c.shown));
    }
    auto* x = f.Find<QLineEdit>("edt_XAxisValue");
    QTest::keyClick(x, Qt::Key_Backspace);
    QCOMPARE(x->text(), QString("-1"));
  }

  // The engineer edits correct what is typed, and the page follows.
  void lightingEditsCorrectTheirText() {
    WindowFixture f;
    PlugWithLed(f, true);
    auto* count = f.Find<QLineEdit>("edt_MCULEDNum");
    const struct {
      const char* typed;
      const char* shown;
    } kCases[] = {{"2", "4"}, {"14", "13"}, {"1", "1"}};
    for (const auto& c : kCases) {
      count->clear();
      QTest::keyClicks(count, c.typed);
      QCOMPARE(count->text(), QString(c.shown));
    }
    emit count->editingFinished();
    QCOMPARE(count->text(), QString("4"));
    QVERIFY(Shows(f.Find<QLabel>("Img_MCULEDNum_1"), "Bar1_E"));
    auto* speed = f.Find<QLineEdit>("edt_MCULEDCrtStep");
    speed->clear();
    QTest::keyClicks(speed, "9");
    QCOMPARE(speed->text(), QString("7"));
    QCOMPARE(f.Find<RulerSlider>("slider_Breath_Speed")->value(), 0);
  }
};

}  // namespace orvane::ui

QTEST_MAIN(orvane::ui::PerformancePagesTest)
#include "performance_pages_test.moc"
