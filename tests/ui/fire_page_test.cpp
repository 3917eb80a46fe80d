// The fire page through real widgets: a gun tuned, confirmed and bound,
// what reaches the mouse, and the hidden editor recording injected clicks.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "core/fire/fire_macros.h"
#include "core/macro/macro_storage.h"
#include "platform/common/injected_input_capture.h"
#include "window_fixture.h"

namespace orvane::ui {

namespace {

using Kind = platform::CapturedInput::Kind;
using Bytes = std::vector<uint8_t>;

QStringList Rows(QListWidget* list) {
  QStringList rows;
  for (int i = 0; i < list->count(); ++i)
    rows << list->item(i)->text();
  return rows;
}

// Repeat 30 times: press, X 0, Y 6, wait 96 ms, release; in every slot.
Bytes FireBlock() {
  const Bytes events = {0xFD, 0x1D, 0xA1, 0xFB, 0x00, 0xFA, 0x06, 0xFE, 0x0C, 0x21, 0xFC};
  Bytes block(256, 0);
  for (int slot = 0; slot < 10; ++slot) {
    uint8_t* at = block.data() + 24 * slot;
    at[0] = 1;
    at[1] = static_cast<uint8_t>(events.size() + 1);
    std::copy(events.begin(), events.end(), at + 2);
    at[events.size() + 2] = macro::MacroChecksum(std::span(at + 1, events.size() + 1));
  }
  return block;
}

}  // namespace

class FirePageTest : public QObject {
  Q_OBJECT

  struct Fixture {
    Fixture() {
      MainWindow::InputCaptureHook() = &capture;
      window = std::make_unique<WindowFixture>();
      window->firmware->memory() = config::DefaultImage(1);
      const Bytes block = FireBlock();
      std::copy(block.begin(), block.end(), window->firmware->memory().begin() + 0x500);
      window->bus.PlugMouse("mouse", window->firmware);
      window->window->shell().DevTimerTimer();
    }
    ~Fixture() { MainWindow::InputCaptureHook() = nullptr; }
    // Key3's menu, then its Fire Macro row.
    void OpenFromKey3() {
      window->window->ShowPage(app::Page::kMain);
      window->Click("Key3");
      window->Press("Key_FireMacro");
      QVERIFY(window->Find("gbPage5")->isVisible());
    }
    void Type(const char* edit, const QString& text) {
      auto* line = window->Find<QLineEdit>(edit);
      line->selectAll();
      QTest::keyClicks(line, text);
    }
    Bytes Memory(size_t address, size_t length) const {
      const auto& memory = window->firmware->memory();
      return Bytes(memory.begin() + address, memory.begin() + address + length);
    }
    template <size_t N>
    static Bytes Of(const std::array<uint8_t, N>& bytes) {
      return Bytes(bytes.begin(), bytes.end());
    }

    platform::InjectedInputCapture capture;
    std::unique_ptr<WindowFixture> window;
  };

 private slots:
  // Gun 1 tuned and confirmed: the mouse holds the page's tables and block,
  // and after Apply Key3 plays fire macro 1.
  void confirmSendsWhatThePageShows() {
    Fixture f;
    f.OpenFromKey3();
    f.window->Click("Btn_Fire1");
    QCOMPARE(f.window->Find<QLineEdit>("Edt_FireCnt1")->text(), QString("30"));
    QVERIFY(!f.window->Find("Edt_FireCnt2")->isVisible());
    f.Type("Edt_FireCnt1", "20");
    f.Type("Edt_FireX1", "-2");
    f.Type("Edt_FireY1", "9");
    f.Type("Edt_FireY1Offset", "4");
    f.Type("Edt_FireTime1", "120");
    f.window->Click("Btn_Fire7");
    QVERIFY(f.window->Find("Edt_FireCnt3")->isVisible());
    QVERIFY(f.window->Find("Img_GunMode5")->isVisible());
    f.window->Click("Btn_Fire1");
    QCOMPARE(f.window->Find<QLineEdit>("Edt_FireCnt1")->text(), QString("20"));
    f.window->Click("Btn_FireConfirm");
    QVERIFY(f.window->Find("gbPage1")->isVisible());
    QCOMPARE(f.window->Find<QLabel>("Key3")->text(), QString("AKM"));
    const config::Configuration& config = f.window->window->shell().Configuration();
    QCOMPARE(f.Memory(0x080, 30), Fixture::Of(config.data.FirePointerTable));
    QCOMPARE(f.Memory(0x0B0, 20), Fixture::Of(config.data.FireYOffsetTable));
    QCOMPARE(f.Memory(0x0D0, 30), Fixture::Of(config.data.FireColorTable));
    QCOMPARE(f.Memory(0x500, 256), Fixture::Of(config.FireMacroBlock));
    // The bytes the page computed: count - 1, X, Y, delay / 8, the offset pair.
    QCOMPARE(f.Memory(0x503, 1), Bytes{19});
    QCOMPARE(f.Memory(0x506, 1), Bytes{0xFE});
    QCOMPARE(f.Memory(0x508, 1), Bytes{9});
    QCOMPARE(f.Memory(0x50A, 1), Bytes{15});
    QCOMPARE(f.Memory(0x0B0, 2), (Bytes{4, 251}));
    QCOMPARE(fire::CheckFireSlot(std::span<const uint8_t, 24>(config.FireMacroBlock.data(), 24)),
             fire::SlotCheck::kSealed);
    f.window->Click("Btn_Apply_1");
    QCOMPARE(f.window->MouseButton(1, 3), (std::array<uint8_t, 3>{0x0C, 0x01, 0x01}));
    QVERIFY(f.window->messages.isEmpty());
  }

  // The only Left Click stays: nothing bound, nothing sent.
  void theLastLeftClickIsKept() {
    Fixture f;
    const auto before = f.window->firmware->memory();
    f.window->window->ShowPage(app::Page::kMain);
    f.window->Click("Key1");
    f.window->Press("Key_FireMacro");
    f.Type("Edt_FireCnt1", "9");
    f.window->Click("Btn_FireConfirm");
    QCOMPARE(f.window->messages, QStringList{"Please keep a Left Key"});
    QCOMPARE(f.window->Find<QLabel>("Key1")->text(), QString("Left Click"));
    QVERIFY(f.window->firmware->memory() == before);
  }

  // The engineer's gun-key list: an entry added, saved, and given to an
  // engineer key through its menu's gun-key list.
  void aGunKeyGoesToAnEngineerKey() {
    Fixture f;
    f.window->window->ShowPage(app::Page::kEngineer);
    emit f.window->Find<SkinLabel>("Img_Logo4")->doubleClicked();
    f.window->Find<QComboBox>("cb_SOSNumber")->setCurrentIndex(2);
    emit f.window->Find<QComboBox>("cb_SOSNumber")->activated(2);
    f.window->Find<QPushButton>("btn_AddScript")->click();
    QCOMPARE(Rows(f.window->Find<QListWidget>("LB_ScriptName")), QStringList{"Fire Macro1"});
    QVERIFY(std::filesystem::file_size(f.window->folder / "Orvane Fire Macro.bin") == 30);
    f.window->Click("btn_Key104");
    f.window->Hover("Key_TLFireMacro");
    auto* list = f.window->Find<QListWidget>("LB_Script");
    QVERIFY(list->isVisible());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    QCOMPARE(f.window->Find<QLabel>("btn_Key104")->text(), QString("Fire Macro1"));
    QCOMPARE(f.window->window->shell().Pages().buttons.State().codes[0][3], std::string("0C0103"));
    QVERIFY(!list->isVisible());
  }

  // The hidden editor records injected left clicks with their timing into
  // the slot, shut off from the slot list while it records; leaving the
  // page ends the recording.
  void theEditorRecordsClicks() {
    Fixture f;
    f.OpenFromKey3();
    emit f.window->Find<SkinLabel>("Img_Base_5_Unlock")->doubleClicked();
    auto* names = f.window->Find<QListWidget>("LB_FireMacroName");
    QVERIFY(names->isVisible());
    QTest::mouseClick(names->viewport(), Qt::LeftButton, {},
                      names->visualItemRect(names->item(1)).center());
    auto* rows = f.window->Find<QListWidget>("LB_FireMacro");
    QCOMPARE(Rows(rows).first(), QString("Rep-Start  30"));
    f.window->Click("Btn_FireStart");
    QVERIFY(f.capture.Running());
    QVERIFY(!names->isEnabled());
    f.capture.Inject({Kind::kButtonDown, 0, 1000});
    f.capture.Inject({Kind::kButtonUp, 0, 1080});
    f.capture.Inject({Kind::kButtonDown, 1, 2000});  // the right button is not recorded
    f.capture.Inject({Kind::kButtonDown, 0, 4000});
    f.capture.Inject({Kind::kButtonUp, 0, 4050});
    QCOMPARE(Rows(rows), (QStringList{"LeftKey", "80 ms", "LeftKey", "2040 ms", "880 ms", "LeftKey",
                                      "50 ms", "LeftKey"}));
    f.window->Click("Btn_FireStart");
    QVERIFY(!f.capture.Running());
    QVERIFY(names->isEnabled());
    const config::Configuration& config = f.window->window->shell().Configuration();
    const auto slot = std::span<const uint8_t, 24>(config.FireSlots.data() + 24, 24);
    QCOMPARE(Bytes(slot.begin(), slot.begin() + 15),
             (Bytes{1, 13, 0xA1, 0xFE, 0x0A, 0x21, 0xFE, 0xFF, 0xFE, 0x6E, 0xA1, 0xFE, 0x06, 0x21,
                    slot[14]}));
    QCOMPARE(fire::CheckFireSlot(slot), fire::SlotCheck::kSealed);
    // The page's row for gun 2 shows the recorded slot: no parameters left.
    f.window->Click("Btn_Fire2");
    QVERIFY(!f.window->Find<QLineEdit>("Edt_FireCnt1")->isEnabled());
    // Another recording, ended by leaving the page.
    f.window->Click("Btn_FireStart");
    QVERIFY(f.capture.Running());
    f.window->window->ShowPage(app::Page::kMacro);
    QVERIFY(!f.capture.Running());
    QVERIFY(!f.window->window->shell().Pages().recording.Taken());
  }
};

}  // namespace orvane::ui

QTEST_MAIN(orvane::ui::FirePageTest)
#include "fire_page_test.moc"
