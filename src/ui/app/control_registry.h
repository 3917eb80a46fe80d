#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

namespace orvane::ui {

// The window's controls by name (their object names). A lookup of a name
// that is not there, or of the wrong kind of control, throws: a binder that
// names a control the window lacks fails at start-up and in the tests, never
// later with a null pointer.
class ControlRegistry {
 public:
  explicit ControlRegistry(QWidget* window) : window_(window) {}

  template <typename T = QWidget>
  T* Get(std::string_view name) const {
    QWidget* widget = Find(name);
    T* typed = qobject_cast<T*>(widget);
    if (typed == nullptr) {
      throw std::logic_error("the control " + std::string(name) + " is a " +
                             widget->metaObject()->className() + ", not a " +
                             T::staticMetaObject.className());
    }
    return typed;
  }

 private:
  // A redraw asks for hundreds of controls; each name is looked for in the
  // window's tree once.
  QWidget* Find(std::string_view name) const {
    auto found = found_.find(name);
    if (found != found_.end() && !found->second.isNull()) return found->second;
    QWidget* widget = window_->findChild<QWidget*>(QString::fromUtf8(name.data(), name.size()));
    if (widget == nullptr) throw std::logic_error("no control named " + std::string(name));
    found_[std::string(name)] = widget;
    return widget;
  }

  QWidget* window_;
  mutable std::map<std::string, QPointer<QWidget>, std::less<>> found_;
};

}  // namespace orvane::ui
