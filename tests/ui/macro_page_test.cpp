// The macro page through real widgets: naming, recording with injected
// desktop input, editing, the insert panel, import and export, and a
// recorded macro given to a button that plays it after Apply.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include "core/macro/macro_storage.h"
#include "platform/common/injected_input_capture.h"
#include "ui/app/png_image.h"
#include "ui/pages/macro_page_binder.h"
#include "window_fixture.h"

namespace orvane::ui {

namespace {

using Kind = platform::CapturedInput::Kind;

QStringList Rows(QListWidget* list) {
  QStringList rows;
  for (int i = 0; i < list->count(); ++i)
    rows << list->item(i)->text();
  return rows;
}

}  // namespace

class MacroPageTest : public QObject {
  Q_OBJECT

  // The window with the injected desktop and the dialogs answered: the
  // name dialog takes `name`, a number dialog has `typed` typed into it.
  struct Fixture {
    Fixture() {
      MainWindow::InputCaptureHook() = &capture;
      MainWindow::MacroDialogHook() = [this](MacroDialogView& dialog) {
        dialog.show();
        dialog.Input()->setFocus();
        QTest::keyClicks(dialog.Input(), typed);
        shown_in_dialog = dialog.Input()->text();
        return true;
      };
      window = std::make_unique<WindowFixture>();
      window->Plug();
      window->window->ShowPage(app::Page::kMacro);
    }
    ~Fixture() {
      MainWindow::InputCaptureHook() = nullptr;
      MainWindow::MacroDialogHook() = nullptr;
      MainWindow::FileDialogHook() = nullptr;
    }
    QListWidget* List(const char* name) { return window->Find<QListWidget>(name); }
    void NewMacro(const QString& name) {
      typed = name;
      window->Click("Btn_New");
    }
    void Record(const std::vector<platform::CapturedInput>& events) {
      window->Click("Btn_Start");
      QVERIFY(capture.Running());
      QCOMPARE(window->Find<QLabel>("Btn_Start")->text(), QString("Stop"));
      QVERIFY(window->Find<QLabel>("Img_Start")->pixmap().toImage() ==
              SkinPicture("MacroS_04").toImage());
      for (const auto& event : events)
        capture.Inject(event);
      window->Click("Btn_Start");
      QVERIFY(!capture.Running());
    }
    void RightClickRow(QListWidget* list, int row) {
      list->setCurrentRow(row);
      emit list->customContextMenuRequested(list->visualItemRect(list->item(row)).center());
    }

    platform::InjectedInputCapture capture;
    QString typed;
    QString shown_in_dialog;
    std::unique_ptr<WindowFixture> window;
  };

 private slots:
  void aRecordedMacroIsShownStoredAndPlayedByAButton() {
    Fixture f;
    f.NewMacro("Combo");
    QCOMPARE(Rows(f.List("LB_PCMacroName")), QStringList{"Combo"});
    QCOMPARE(Rows(f.List("LB_Name")), QStringList{"Combo"});
    // Another read lists the library again, in both lists, once.
    f.window->window->shell().RefreshPCMacroName();
    f.window->window->shell().RefreshPCMacroName();
    QCOMPARE(Rows(f.List("LB_Name")), QStringList{"Combo"});
    QCOMPARE(Rows(f.List("LB_PCMacroName")), QStringList{"Combo"});
    f.Record({{Kind::kKeyDown, 'A', 1000},
              {Kind::kKeyUp, 'A', 1300},
              {Kind::kKeyDown, 'B', 1500},
              {Kind::kKeyUp, 'B', 1520},
              {Kind::kButtonDown, 1, 1800},
              {Kind::kButtonUp, 1, 1850}});
    QCOMPARE(Rows(f.List("LB_macro")), (QStringList{"A", "300 ms", "A", "200 ms", "B", "20 ms", "B",
                                                    "280 ms", "RightKey", "50 ms", "RightKey"}));
    // The library file holds it: a new window over the same folder shows it.
    pages::MacroLibraryPage stored({[](std::string_view key) { return std::string(key); },
                                    f.window->folder.string() + "/", true});
    stored.Load();
    stored.Select(0);
    QCOMPARE(int(stored.State().macro.lines.size()), 12);
    // Key 5 plays it after Apply: slot 1 holds the entry's body.
    f.window->window->ShowPage(app::Page::kMain);
    f.window->Click("Key5");
    f.window->Hover("Key_Macro");
    auto* menu = f.List("LB_Name");
    QTest::mouseClick(menu->viewport(), Qt::LeftButton, {},
                      menu->visualItemRect(menu->item(0)).center());
    QCOMPARE(f.window->Find<QLabel>("Key5")->text(), QString("Combo"));
    f.window->Click("Btn_Apply_1");
    const auto& memory = f.window->firmware->memory();
    const macro::MacroBody body = stored.BodyOf(0);
    QVERIFY(std::equal(body.begin(), body.end(), memory.begin() + 0x120));
    QVERIFY(f.window->messages.isEmpty());
  }

  void editingDeletingAndInsertingRows() {
    Fixture f;
    f.NewMacro("Edit");
    f.Record({{Kind::kKeyDown, 'A', 1000}, {Kind::kKeyUp, 'A', 1300}});
    auto* rows = f.List("LB_macro");
    // Edit the delay: 3000 typed reads 2040.
    f.RightClickRow(rows, 1);
    QVERIFY(f.window->Find("Pnl_DevContent")->isVisible());
    f.typed = "3000";
    f.window->Click("Btn_Edit");
    QCOMPARE(f.shown_in_dialog, QString("2040"));
    QCOMPARE(Rows(rows), (QStringList{"A", "2040 ms", "A"}));
    // Insert X = -12 before the first row.
    f.RightClickRow(rows, 0);
    f.window->Click("Btn_Insert");
    QVERIFY(f.window->Find("Gb_Insert")->isVisible());
    auto* choice = f.window->Find<QComboBox>("CB_Insert");
    choice->setCurrentIndex(6);
    emit choice->activated(6);
    auto* x = f.window->Find<QLineEdit>("edt_XAxisValue");
    QVERIFY(x->isVisible());
    x->clear();
    QTest::keyClicks(x, "-12");
    f.window->Click("Btn_OK");
    QVERIFY(!f.window->Find("Gb_Insert")->isVisible());
    QCOMPARE(Rows(rows).first(), QString("X-Axis  -12"));
    // Deleting the press takes its release along.
    f.RightClickRow(rows, 1);
    f.window->Click("Btn_Del");
    QCOMPARE(Rows(rows), (QStringList{"X-Axis  -12", "2040 ms"}));
    // A press below the last row selects none.
    QTest::mousePress(rows->viewport(), Qt::LeftButton, {}, QPoint(10, rows->height() - 10));
    QCOMPARE(f.window->window->MacroPage().Editor().State().selected_row, -1);
    QCOMPARE(rows->currentRow(), -1);
  }

  void importAndExportThroughTheLibrarysPanel() {
    Fixture f;
    f.NewMacro("Out");
    const std::string exported = (f.window->folder / "out").string();
    MainWindow::FileDialogHook() = [&](bool save) { return save ? exported : exported + ".bin"; };
    f.RightClickRow(f.List("LB_PCMacroName"), 0);
    QVERIFY(f.window->Find("Pnl_PCMacro")->isVisible());
    f.window->Click("Btn_ExportOne");
    QCOMPARE(std::filesystem::file_size(exported + ".bin"), std::uintmax_t{256});
    // The same name again is refused; under a new name it is a second entry.
    f.window->Click("Btn_ImportOne");
    QCOMPARE(f.window->messages, QStringList{"This macro already exists"});
    f.typed = "In";
    f.RightClickRow(f.List("LB_PCMacroName"), 0);
    f.window->Click("Btn_NewName");
    f.window->Click("Btn_ImportOne");
    QCOMPARE(Rows(f.List("LB_PCMacroName")), (QStringList{"In", "Out"}));
  }
};

}  // namespace orvane::ui

QTEST_MAIN(orvane::ui::MacroPageTest)
#include "macro_page_test.moc"
