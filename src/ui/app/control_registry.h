#pragma once

#include <QString>
#include <QWidget>
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
    QWidget* widget = window_->findChild<QWidget*>(QString::fromUtf8(name.data(), name.size()));
    if (widget == nullptr) throw std::logic_error("no control named " + std::string(name));
    T* typed = qobject_cast<T*>(widget);
    if (typed == nullptr) {
      throw std::logic_error("the control " + std::string(name) + " is a " +
                             widget->metaObject()->className() + ", not a " +
                             T::staticMetaObject.className());
    }
    return typed;
  }

 private:
  QWidget* window_;
};

}  // namespace orvane::ui
