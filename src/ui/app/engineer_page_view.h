#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <string>

#include "core/app/shell_view.h"

class QTabWidget;
class QWidget;

namespace orvane::ui {

class SkinLabel;

// What the engineer page's own buttons do: the window's operations.
struct EngineerActions {
  std::function<void()> close;
  std::function<void()> write;               // btn_Write: Apply
  std::function<void()> save_profile;        // Btn_Save_6
  std::function<void()> load_profile;        // Btn_Load_6
  std::function<void()> load_default;        // Btn_Default
  std::function<void()> import_base_macros;  // Btn_ImportBaseMacro
  std::function<void(app::Page)> show;       // its row of page buttons
};

// gbPage6: the engineer page's plain controls in the tabs of Pg_Parameter,
// captioned from the engineer table in the language the locale chose.
class EngineerPageView : public QObject {
 public:
  EngineerPageView(QWidget* page, bool chinese);

  // Img_Logo4's double click: the Engineer tab and the locked controls.
  void Unlock();
  void ConnectActions(const EngineerActions& actions);
  QWidget* Find(const std::string& name) const;
  SkinLabel* Logo() const { return logo_; }
  SkinLabel* CloseButton() const { return close_; }

 private:
  void BuildTitle(QWidget* page);
  void BuildControls(QWidget* page);

  bool chinese_;
  QTabWidget* tabs_ = nullptr;
  SkinLabel* logo_ = nullptr;
  SkinLabel* close_ = nullptr;
  std::map<std::string, QWidget*> by_name_;
};

}  // namespace orvane::ui
