#include "ui/app/main_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBitmap>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QUrl>
#include <QWindow>

#include "core/app/engineer_captions.h"
#include "core/app/engineer_controls.h"
#include "core/app/key_menus.h"
#include "core/app/layout_keys.h"
#include "core/app/layout_rules.h"
#include "core/config/action_codes.h"
#include "core/config/parameter_fields.h"
#include "core/macro/macro_slots.h"
#include "core/pages/button_page_controls.h"
#include "ui/app/layout_colour.h"
#include "ui/app/message_dialog.h"
#include "ui/app/page_buttons_view.h"
#include "ui/app/png_image.h"
#include "ui/app/rolling_caption_view.h"
#include "ui/config/assembly_key_dialog.h"
#include "ui/pages/button_page_binder.h"
#include "ui/pages/dpi_page_binder.h"
#include "ui/pages/engineer_page_binder.h"
#include "ui/pages/fire_editor_binder.h"
#include "ui/pages/fire_page_binder.h"
#include "ui/pages/key_labels_view.h"
#include "ui/pages/lighting_page_binder.h"
#include "ui/pages/macro_page_binder.h"
#include "ui/pages/pointer_page_binder.h"

namespace orvane::ui {

std::function<void(const QString&)>& MainWindow::MessageHook() {
  static std::function<void(const QString&)> hook;
  return hook;
}

MainWindow::MainWindow(platform::HidBackend& backend, platform::Pacer& pacer, std::string exe_dir,
                       platform::DriverBackend* driver, platform::PointerSettings* pointer)
    : QWidget(nullptr, Qt::FramelessWindowHint) {
  setObjectName("TForm1");
  setWindowTitle(kCaption);
  setAttribute(Qt::WA_NoSystemBackground, false);
  controls_ = std::make_unique<ControlRegistry>(this);
  shell_ = std::make_unique<app::Shell>(backend, pacer, *this, timer_, std::move(exe_dir), driver,
                                        pointer);
  connect(&timer_.timer, &QTimer::timeout, this, [this] { shell_->DevTimerTimer(); });
  const QImage background = SkinImage("L1_BackGround");
  skin_width_ = background.width();
  skin_height_ = background.height();
  setFixedSize(skin_width_, skin_height_);
  // The maroon of the background is see-through: the window takes its shape.
  skin_mask_ = QBitmap::fromImage(background.convertToFormat(QImage::Format_RGB32)
                                      .createMaskFromColor(qRgb(0x80, 0, 0), Qt::MaskInColor));
  setMask(skin_mask_);
  BuildPages();
  ConnectButtons();
  BindPages();
  ApplyLayout(1);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const app::Point at = app::CentredWindow(screen->size().width(), screen->size().height(),
                                             skin_width_, skin_height_);
    move(at.x, at.y);
  }
  shell_->Start();
}

MainWindow::~MainWindow() { timer_.timer.stop(); }

std::string MainWindow::AskAssemblyKey() {
  QFont font(QString::fromStdString(shell_->Text("FontName")));
  font.setPixelSize(15);
  AssemblyKeyDialogView dialog([this](std::string_view key) { return shell_->Text(key); }, font,
                               this);
  if (AssemblyDialogHook()) return AssemblyDialogHook()(dialog);
  return dialog.exec() == QDialog::Accepted ? dialog.Code() : std::string();
}

std::function<std::string(AssemblyKeyDialogView&)>& MainWindow::AssemblyDialogHook() {
  static std::function<std::string(AssemblyKeyDialogView&)> hook;
  return hook;
}

void MainWindow::BuildPages() {
  rolling_ = std::make_unique<RollingCaptionView>([this] { return shell_->Settings().tr_enable; });
  for (int n = 0; n < 6; ++n) {
    pages_[n] = new QWidget(this);
    pages_[n]->setObjectName(QString("gbPage%1").arg(n + 1));
    pages_[n]->setGeometry(0, 0, n == 5 ? 1000 : skin_width_, n == 5 ? 600 : skin_height_);
    if (n < 5) {
      backgrounds_[n] = new QLabel(pages_[n]);
      backgrounds_[n]->setObjectName(QString("Img_Base_%1").arg(n + 1));
      backgrounds_[n]->setGeometry(0, 0, skin_width_, skin_height_);
      page_pictures_[n] = new QLabel(pages_[n]);
      page_pictures_[n]->setObjectName(QString("Img_P%1").arg(n + 1));
    }
  }
  pages_[5]->setAutoFillBackground(true);
  page_buttons_ = std::make_unique<PageButtonsView>(
      std::array<QWidget*, 4>{pages_[0], pages_[1], pages_[2], pages_[3]}, shell_->Settings(),
      [this] { return shell_->MouseConnected(); });
  page_controls_ = std::make_unique<PageControlsView>(
      std::array<QWidget*, 5>{pages_[0], pages_[1], pages_[2], pages_[3], pages_[4]}, this);
  for (const char* record : {"Btn_Start", "Btn_InsertStart", "Btn_FireStart"})
    rolling_->Attach(controls_->Get<SkinLabel>(record));
  BuildKeyLabels();
  BuildKeyMenu();
  BuildEngineerPage();
  BuildMarkers();
  for (int copy = 1; copy <= 4; ++copy) {
    // Transparent full-page covers that swallow input while the UI is locked.
    blockers_[copy - 1] = new QWidget(pages_[copy - 1]);
    blockers_[copy - 1]->setObjectName(QString("Disable_All_%1").arg(copy));
    blockers_[copy - 1]->setGeometry(0, 0, skin_width_, skin_height_);
    QPalette shade = blockers_[copy - 1]->palette();
    shade.setColor(QPalette::Window, QColor(18, 20, 26, 225));
    blockers_[copy - 1]->setPalette(shade);
    auto* caption = new QLabel(blockers_[copy - 1]);
    caption->setObjectName(QString("lbl_NoMouse_%1").arg(copy));
    caption->setAlignment(Qt::AlignCenter);
    caption->setStyleSheet("color: #E6E8EE; font-size: 20px;");
    caption->setGeometry(0, skin_height_ / 2 - 40, skin_width_, 80);
    blockers_[copy - 1]->hide();
  }
}

void MainWindow::BuildKeyLabels() {
  key_labels_ = std::make_unique<KeyLabelsView>(pages_[0], *rolling_);
}

void MainWindow::BuildKeyMenu() {
  key_menus_ = std::make_unique<KeyMenuView>(this);
  key_menus_->AttachLists(findChild<QListWidget*>("LB_Name"), findChild<QListWidget*>("LB_Script"));
}

void MainWindow::BuildEngineerPage() {
  // Chosen once at start from the locale, as the engineer table is.
  engineer_ = std::make_unique<EngineerPageView>(
      pages_[5], app::ChineseEngineerCaptions(QLocale().name().toStdString()));
  connect(engineer_->Logo(), &SkinLabel::doubleClicked, this, [this] {
    shell_->UnlockEngineer();
    engineer_->Unlock();
  });
  // Page 5's background double click unlocks the fire-macro editor's controls.
  auto* fire_base = new SkinLabel("Img_Base_5_Unlock", pages_[4]);
  fire_base->setGeometry(0, 0, skin_width_, skin_height_);
  fire_base->lower();
  backgrounds_[4]->lower();
  connect(fire_base, &SkinLabel::doubleClicked, this, [this] {
    shell_->UnlockEngineer();
    fire_editor_->Show();
  });
  EngineerActions actions;
  actions.close = [this] { close(); };
  actions.write = [this] { shell_->Btn_Apply_0Click(); };
  actions.save_profile = [this] { SaveProfile(); };
  actions.load_profile = [this] { LoadProfile(); };
  actions.load_default = [this] { shell_->Btn_DefaultClick(); };
  actions.import_base_macros = [this] {
    HideAllMenu();
    const QString file = QFileDialog::getOpenFileName(this, {}, {}, "LoadFile(*.bin)");
    if (!file.isEmpty()) shell_->ImportBaseMacroFile(file.toStdString());
  };
  actions.show = [this](app::Page page) { OnPageButton(page); };
  engineer_->ConnectActions(actions);
  connect(controls_->Get<QTabWidget>(app::kEngineerTabsName), &QTabWidget::currentChanged, this,
          [this] { HideAllMenu(); });
  // Entering any combo box or edit closes the pop-up menus.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (qobject_cast<QComboBox*>(now) || qobject_cast<QLineEdit*>(now)) HideAllMenu();
  });
}

// The invisible radio buttons that mark the current page and language.
void MainWindow::BuildMarkers() {
  for (const auto& [group_name, names] :
       {std::pair<const char*, std::vector<const char*>>{
            "gbPageCtl", {"rb_1", "rb_2", "rb_4", "rb_5", "rb_6", "rb_7"}},
        std::pair<const char*, std::vector<const char*>>{"gbLangCtl",
                                                         {"rb_Lang1", "rb_Lang2", "rb_Lang3"}}}) {
    auto* group = new QWidget(this);
    group->setObjectName(group_name);
    group->hide();
    for (const char* name : names)
      new QRadioButton(name, group);
    for (QRadioButton* marker : group->findChildren<QRadioButton*>())
      marker->setObjectName(marker->text());
  }
}

void MainWindow::SetMarkers() {
  static const std::map<app::Page, const char*> kMarkers = {
      {app::Page::kMain, "rb_1"},     {app::Page::kSecond, "rb_2"},
      {app::Page::kAdvanced, "rb_4"}, {app::Page::kBreathing, "rb_5"},
      {app::Page::kMacro, "rb_6"},    {app::Page::kEngineer, "rb_7"}};
  // The fire page has no marker: the one of the page it was opened from stays.
  if (const auto marker = kMarkers.find(shell_->CurrentPage()); marker != kMarkers.end())
    findChild<QRadioButton*>(marker->second)->setChecked(true);
  findChild<QRadioButton*>(QString("rb_Lang%1").arg(shell_->LangIndex()))->setChecked(true);
}

void MainWindow::HideAllMenu() {
  key_menus_->HideAll();
  page_controls_->HidePopups();
}

void MainWindow::SetKeyMenuHeight(int height) { key_menus_->SetHeight(height); }

void MainWindow::ConnectButtons() {
  const auto on = [this](const char* name, const std::function<void()>& action) {
    page_buttons_->OnClick(name, action);
  };
  // The writing buttons take their pressed look on all four pages until the
  // pointer leaves them.
  const auto pressed = [this](const char* name) { page_buttons_->ShowPressed(name); };
  on("Read", [this] { shell_->Btn_Read_0Click(); });
  on("Apply", [this, pressed] {
    pressed("Apply");
    shell_->Btn_Apply_0Click();
  });
  on("Confirm", [this, pressed] {
    pressed("Confirm");
    if (shell_->Btn_Confirm_0Click()) close();
  });
  for (int n = 1; n <= 3; ++n) {
    const std::string name = "Confirm" + std::to_string(n);
    on(name.c_str(), [this, pressed, name, n] {
      pressed(name.c_str());
      shell_->LoadStoredConfiguration(n);
    });
  }
  // Exit waits for device work under way to end: the session is still on
  // the stack, letting window messages run between its chunks.
  on("Exit", [this] {
    if (device_work_) {
      close_after_work_ = true;
    } else {
      close();
    }
  });
  on("Mini", [this] { showMinimized(); });
  on("Main", [this] { OnPageButton(app::Page::kMain); });
  on("Second", [this] { OnPageButton(app::Page::kSecond); });
  on("Adv", [this] { OnPageButton(app::Page::kAdvanced); });
  on("Breath", [this] { OnPageButton(app::Page::kBreathing); });
  on("Macro", [this] { OnPageButton(app::Page::kMacro); });
  on("Engineer", [this] { OnPageButton(app::Page::kEngineer); });
  on("Save", [this] { SaveProfile(); });
  on("Load", [this] { LoadProfile(); });
  on("Lang1", [this] { OnLanguageButton(1); });
  on("Lang2", [this] { OnLanguageButton(2); });
  on("Lang3", [this] { OnLanguageButton(3); });
}

void MainWindow::PlacePagePicture(int n, int page) {
  QLabel* picture = page_pictures_[page - 1];
  picture->setPixmap(SkinPicture(QString("L%1_Back%2").arg(n).arg(page)));
  const std::string prefix = "P" + std::to_string(page);
  picture->setGeometry(layout_.Integer(layout_section_, prefix + "_X"),
                       layout_.Integer(layout_section_, prefix + "_Y"), picture->pixmap().width(),
                       picture->pixmap().height());
}

void MainWindow::ApplyLayout(int n) {
  ApplyLayoutTable(n, app::IniTable::Parse(app::EmbeddedText("org" + std::to_string(n))));
}

void MainWindow::ApplyLayoutTable(int n, const app::IniTable& table) {
  layout_section_ = "org" + std::to_string(n);
  layout_ = table;
  const QPixmap background = SkinPicture(QString("L%1_BackGround").arg(n));
  for (QLabel* base : backgrounds_)
    base->setPixmap(background);
  for (int page = 1; page <= 5; ++page)
    PlacePagePicture(n, page);
  page_buttons_->Place(layout_, layout_section_);
  key_labels_->Place(layout_, layout_section_);
  page_controls_->Place(layout_, layout_section_, shell_->Settings());
  page_controls_->SetMacroListItemHeight(layout_.Integer(layout_section_, "MacroNameHeight"));
  ApplyLanguage();
  MarkPageButtons();
}

QString MainWindow::Text(const char* key) const {
  return QString::fromStdString(shell_->Text(key));
}

QColor MainWindow::LayoutColour(const char* prefix) const {
  return ui::LayoutColour(layout_, layout_section_, prefix);
}

void MainWindow::ApplyLanguage() {
  const QString family = QString::fromStdString(shell_->Text("FontName"));
  key_labels_->Style(layout_, layout_section_, family);
  const auto text = [this](std::string_view key) { return shell_->Text(key); };
  page_buttons_->Caption(layout_, layout_section_, text, family);
  key_menus_->Style(layout_, layout_section_, text, family);
  page_controls_->Caption(layout_, layout_section_, text, family);
  // The product title names the application; Qt would append a display name
  // to the window caption, which a second start looks for exactly.
  QApplication::setApplicationName(QString::fromStdString(shell_->Text("Title")));
  RedrawPages();
}

void MainWindow::MarkPageButtons() {
  page_buttons_->Mark(shell_->CurrentPage(), shell_->LangIndex());
}

void MainWindow::OnPageButton(app::Page page) {
  if (shell_->SwitchPage(page)) {
    // The two control pages choose their key mode on the engineer page,
    // unless the mouse does not keep its key mode: then it is always 1.
    auto* key_mode = controls_->Get<QComboBox>("cb_KeyMode");
    if (page == app::Page::kMain) key_mode->setCurrentIndex(0);
    if (page == app::Page::kSecond && key_mode->isEnabled()) key_mode->setCurrentIndex(1);
    MarkPageButtons();
  }
}

void MainWindow::OnLanguageButton(int n) {
  shell_->SelectLanguage(n);
  ApplyLayout(n);
  SetMarkers();
}

// The file dialogs open only with a mouse to read from or write to.
bool MainWindow::RequireMouse() {
  if (!shell_->MouseConnected()) ShowMessage(shell_->Text("Str020"));
  return shell_->MouseConnected();
}

void MainWindow::SaveProfile() {
  if (!RequireMouse()) return;
  const QString file = QFileDialog::getSaveFileName(this, {}, {}, "SaveFile(*.bin)");
  if (!file.isEmpty()) shell_->SaveProfile(file.toStdString());
}

void MainWindow::LoadProfile() {
  if (!RequireMouse()) return;
  const QString file = QFileDialog::getOpenFileName(this, {}, {}, "LoadFile(*.bin)");
  if (!file.isEmpty()) shell_->LoadProfile(file.toStdString());
}

void MainWindow::ShowPage(app::Page page) {
  EndRecordingsBesides(page);
  SetMarkers();
  if (page_buttons_) MarkPageButtons();
  RedrawPages();
  const int shown = page == app::Page::kMain || page == app::Page::kSecond ? 0
                    : page == app::Page::kAdvanced                         ? 1
                    : page == app::Page::kBreathing                        ? 2
                    : page == app::Page::kMacro                            ? 3
                    : page == app::Page::kFire                             ? 4
                                                                           : 5;
  for (int n = 0; n < 6; ++n)
    pages_[n]->setVisible(n == shown);
  if (shown == 5) {
    setFixedSize(1000, 600);
    clearMask();
  } else {
    setFixedSize(skin_width_, skin_height_);
    setMask(skin_mask_);
  }
}

void MainWindow::SetInputBlocked(bool blocked) {
  // Without a mouse read, the page shows a plain no-mouse state rather than
  // settings that are not the mouse's.
  const bool no_mouse = shell_->PagesLocked();
  for (QWidget* blocker : blockers_) {
    blocker->setVisible(blocked);
    blocker->setAutoFillBackground(no_mouse);
    blocker->raise();
    if (auto* caption = blocker->findChild<QLabel*>()) {
      // A mouse that is there but unread (a read failed) is not to be connected.
      caption->setText(no_mouse && !shell_->MouseConnected() ? Text("Str100") : QString());
    }
  }
  // Leaving, minimising and the language never wait for a mouse.
  page_buttons_->RaiseAlwaysUsable();
}

void MainWindow::SetBusyVisible(bool visible) {
  device_work_ = visible;
  if (visible) {
    busy_.ShowCentredOn(*this);
  } else {
    busy_.hide();
    if (close_after_work_) QTimer::singleShot(0, this, &QWidget::close);
  }
}

void MainWindow::ShowMessage(const std::string& text) {
  const QString message = QString::fromStdString(text).replace("\r", "\n");
  if (MessageHook()) {
    MessageHook()(message);
    return;
  }
  // RefreshFormMessagDialog: the skinned box with one OK button.
  QFont font(QString::fromStdString(shell_->Text("FontName")));
  font.setPixelSize(15);
  const QString ok = Text("Str420");
  MessageDialog box(message, ok.isEmpty() ? QString("OK") : ok, font, this);
  box.exec();
}

void MainWindow::ShowMacroLibraryNames(const std::vector<std::string>& names) {
  for (const char* list_name : {"LB_Name", "LB_PCMacroName"}) {
    auto* list = findChild<QListWidget*>(list_name);
    if (list == nullptr) continue;
    list->clear();
    for (const std::string& name : names)
      list->addItem(QString::fromStdString(name));
  }
  // The macro menu is as tall as its names, within the window.
  if (auto* menu = findChild<QListWidget*>("LB_Name")) {
    const int rows = std::clamp(static_cast<int>(names.size()), 1, 12);
    menu->resize(menu->width(), rows * 24 + 4);
  }
}

void MainWindow::ShowConfiguration(const config::Configuration&) { RedrawPages(); }

void MainWindow::mousePressEvent(QMouseEvent* event) {
  // A press on the page background closes the menus and moves the window:
  // by the window manager, or by ourselves where there is none to ask.
  HideAllMenu();
  if (event->button() == Qt::LeftButton) {
    const bool moved_by_manager = windowHandle() != nullptr && windowHandle()->startSystemMove();
    if (!moved_by_manager) drag_from_ = event->globalPosition().toPoint() - pos();
  }
  QWidget::mousePressEvent(event);
}

// Closing the window ends the program, whatever other top-level windows
// (the busy window, a dialog) Qt still counts.
void MainWindow::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  if (event->isAccepted()) QCoreApplication::quit();
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
  if (drag_from_ && (event->buttons() & Qt::LeftButton)) {
    move(event->globalPosition().toPoint() - *drag_from_);
  }
  QWidget::mouseMoveEvent(event);
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event) {
  drag_from_.reset();
  QWidget::mouseReleaseEvent(event);
}

// A double click (the unlocks) is not the start of a drag.
void MainWindow::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

void MainWindow::keyPressEvent(QKeyEvent* event) {
  // The engineer page has no button in any layout: Ctrl+Shift+E opens it,
  // and the same keys lead back to the main page.
  if (event->key() == Qt::Key_E &&
      event->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier)) {
    const bool on_engineer = shell_->CurrentPage() == app::Page::kEngineer;
    OnPageButton(on_engineer ? app::Page::kMain : app::Page::kEngineer);
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace orvane::ui
