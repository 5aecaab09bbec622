#pragma once
// The keys that ask for a pop-up menu from the keyboard: the Menu key and Shift+F10.

#include <QKeyEvent>

namespace soyka::ui {

inline bool isMenuKey(const QKeyEvent& key) {
  return key.key() == Qt::Key_Menu ||
         (key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier);
}

} // namespace soyka::ui
