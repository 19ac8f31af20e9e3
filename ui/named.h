#pragma once
// Controls are found by their names (tests, style sheets): each gets the
// name it has in the window's description as it is made.
#include <QString>

namespace tymba {

template <typename T>
T* named(T* widget, const QString& name) {
  widget->setObjectName(name);
  return widget;
}

}  // namespace tymba
