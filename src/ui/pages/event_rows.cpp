#include "ui/pages/event_rows.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QSignalBlocker>
#include <algorithm>

#include "core/pages/macro_editor.h"

namespace orvane::ui {

void ShowPanelAt(QWidget* panel, QListWidget* list, const QPoint& at, QWidget* window) {
  QPoint place = list->viewport()->mapTo(window, at);
  place.setX(std::min(place.x(), window->width() - panel->width()));
  place.setY(std::min(place.y(), window->height() - panel->height()));
  panel->move(place);
  panel->show();
  panel->raise();
}

int ShowItems(QListWidget* list, const std::vector<std::string>& texts) {
  const QSignalBlocker quiet(list);
  const int wanted = static_cast<int>(texts.size());
  int same = 0;
  while (same < std::min(list->count(), wanted) &&
         list->item(same)->text().toStdString() == texts[static_cast<size_t>(same)]) {
    ++same;
  }
  while (list->count() > same)
    delete list->takeItem(list->count() - 1);
  for (int i = same; i < wanted; ++i)
    list->addItem(QString::fromStdString(texts[static_cast<size_t>(i)]));
  return same;
}

// One picture per line type: delay, press, release, X and Y moves, repeat
// start and stop.
QIcon RowIcon(int type) {
  static const struct {
    const char* glyph;
    QColor colour;
  } kLooks[9] = {{"\u2022", QColor(0x8A, 0x93, 0xA6)}, {"\u2193", QColor(0xE0, 0x4A, 0x5C)},
                 {"\u2191", QColor(0x4A, 0x9A, 0xE0)}, {"\u2192", QColor(0x5C, 0xC0, 0x7A)},
                 {"\u2190", QColor(0x5C, 0xC0, 0x7A)}, {"\u2193", QColor(0xD0, 0xB0, 0x4A)},
                 {"\u2191", QColor(0xD0, 0xB0, 0x4A)}, {"\u27F2", QColor(0xB0, 0x7A, 0xE0)},
                 {"\u25A0", QColor(0xB0, 0x7A, 0xE0)}};
  static QIcon icons[9];
  if (type < 0 || type > 8) return {};
  if (icons[type].isNull()) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(kLooks[type].colour);
    QFont font = painter.font();
    font.setPixelSize(14);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QString::fromUtf8(kLooks[type].glyph));
    icons[type] = QIcon(pixmap);
  }
  return icons[type];
}

void SetTextIfOther(QLineEdit* edit, const std::string& text) {
  if (edit->text().toStdString() != text) edit->setText(QString::fromStdString(text));
}

void ShowEventRows(QListWidget* list, const macro::MacroLines& lines, int selected_row) {
  std::vector<std::string> rows;
  for (size_t i = 1; i < lines.size(); ++i)
    rows.push_back(pages::RowText(lines[i]));
  ShowItems(list, rows);
  // A press and a release of one key read alike: the picture tells them
  // apart, so it is checked on every row.
  for (int i = 0; i < list->count(); ++i) {
    const QIcon icon = RowIcon(pages::RowPicture(lines[static_cast<size_t>(i) + 1]));
    if (list->item(i)->icon().cacheKey() != icon.cacheKey()) list->item(i)->setIcon(icon);
  }
  const QSignalBlocker quiet(list);
  list->setCurrentRow(selected_row);
  if (selected_row < 0) list->clearSelection();
  if (selected_row >= 0) list->scrollToItem(list->item(selected_row));
}

std::optional<std::string> EditRow(
    pages::EditKind kind, const RowDialogs& dialogs,
    const std::function<std::optional<std::string>(int)>& apply_key,
    const std::function<std::optional<std::string>(const std::string&)>& apply_number) {
  if (kind == pages::EditKind::kNone) return std::nullopt;
  const auto captions = [&dialogs](const char* title) {
    return MacroDialogView::Captions{QString::fromStdString(dialogs.text(title)),
                                     QString::fromStdString(dialogs.text("Str511")),
                                     QString::fromStdString(dialogs.text("Str512"))};
  };
  QFont font(QString::fromStdString(dialogs.text("FontName")));
  font.setPixelSize(15);
  if (kind == pages::EditKind::kPress || kind == pages::EditKind::kRelease) {
    MacroDialogView dialog(MacroDialogView::Kind::kKey, captions("Str520"), font, {},
                           dialogs.parent);
    if (dialogs.run(dialog) && dialog.VirtualKey() != 0) return apply_key(dialog.VirtualKey());
    return std::nullopt;
  }
  const bool delay = kind == pages::EditKind::kDelay;
  const pages::NumberBox box = delay                              ? pages::MacroEditor::kDelayBox
                               : kind == pages::EditKind::kRepeat ? pages::MacroEditor::kRepeatBox
                                                                  : pages::MacroEditor::kMoveBox;
  MacroDialogView dialog(
      delay ? MacroDialogView::Kind::kDelay : MacroDialogView::Kind::kValue,
      captions(delay ? "Str521" : "Str523"), font,
      [box](const std::string& previous, const std::string& typed) {
        return box.Typed(previous, typed);
      },
      dialogs.parent);
  if (dialogs.run(dialog)) return apply_number(dialog.Text());
  return std::nullopt;
}

}  // namespace orvane::ui
