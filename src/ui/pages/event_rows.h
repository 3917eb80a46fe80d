#pragma once

#include <QIcon>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/macro/macro_lines.h"
#include "core/pages/event_line_edits.h"
#include "platform/input_capture.h"
#include "ui/macro/macro_dialog.h"

class QLineEdit;
class QListWidget;

// What the macro page's and the fire editor's event lists share on screen.
namespace orvane::ui {

// What a page with an event list needs of the window: its menus, messages,
// language, dialogs and the desktop's input for recording.
struct EventListWindow {
  std::function<void()> hide_all_menus;
  std::function<void(const std::string&)> show_message;
  std::function<std::string(std::string_view)> text;
  QWidget* window = nullptr;  // where the pop-up panels are placed
  // Runs a dialog: true when it was confirmed.
  std::function<bool(MacroDialogView&)> run_dialog;
  platform::InputCapture* capture = nullptr;
};

// A context panel shown at `at` of `list`, kept inside the window.
void ShowPanelAt(QWidget* panel, QListWidget* list, const QPoint& at, QWidget* window);

// A list's items become `texts`, touched only from the first that differs
// (a recording adds rows at the end). Returns that first row.
int ShowItems(QListWidget* list, const std::vector<std::string>& texts);
// The picture of an event row of line type 0..8.
QIcon RowIcon(int type);
void SetTextIfOther(QLineEdit* edit, const std::string& text);
// Row r shows line r + 1 with its picture; `selected_row` -1 for none.
void ShowEventRows(QListWidget* list, const macro::MacroLines& lines, int selected_row);

// The dialog a row's kind opens (the key, delay or value dialog), and its
// result handed on: a virtual key, or the number's text. Returns the message
// the edit produced.
struct RowDialogs {
  std::function<std::string(std::string_view)> text;
  QWidget* parent = nullptr;
  std::function<bool(MacroDialogView&)> run;
};
std::optional<std::string> EditRow(
    pages::EditKind kind, const RowDialogs& dialogs,
    const std::function<std::optional<std::string>(int)>& apply_key,
    const std::function<std::optional<std::string>(const std::string&)>& apply_number);

}  // namespace orvane::ui
