#pragma once
// The colours that carry state in every window.

#include <QColor>

namespace soyka::ui {

inline const QColor LampRed(255, 0, 0);      // no run; input disabled
inline const QColor LampGreen(0, 128, 0);    // run under way; input enabled; counter bit 1
inline const QColor LampGrey(128, 128, 128); // counter bit 0
inline const QColor Purple(128, 0, 128);     // memory digits, cell markers, board frames

} // namespace soyka::ui
