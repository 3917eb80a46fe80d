#pragma once

#include <QObject>
#include <map>
#include <string>

class QTabWidget;
class QWidget;

namespace orvane::ui {

class SkinLabel;

// gbPage6: the engineer page's plain controls in the tabs of Pg_Parameter,
// captioned from the engineer table in the language the locale chose.
class EngineerPageView : public QObject {
 public:
  EngineerPageView(QWidget* page, bool chinese);

  // Img_Logo4's double click: the Engineer tab and the locked controls.
  void Unlock();
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
