#pragma once
// The push buttons and labels of the control panel and the pause window, made one way: named for
// the tests and the screen reader, placed in pixels, with a hint on each button.

#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <QString>

namespace soyka::ui {

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text, const QIcon& icon,
                        const QRect& geometry, const QString& hint);

// Aligned to the top, and left or as given.
QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                  Qt::Alignment horizontal = Qt::AlignLeft);

} // namespace soyka::ui
