#pragma once
// The program's pictures. Every one is drawn by code, the same on every call.

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QRectF>

namespace soyka::ui {

inline constexpr int BoardWidth = 590;
inline constexpr int BoardHeight = 430;

// A circuit board seen from above: traces, chips, capacitors and a few keyboard keys. Drawn once,
// when the program is built: boardPicture() reads the drawing out of the program itself.
QImage boardPicture();
QImage drawBoardPicture();
// The drawing's pixels as the program holds them: BoardHeight rows of BoardWidth 32-bit pixels.
inline constexpr QImage::Format BoardFormat = QImage::Format_RGB32;

// Vector drawings that fill `box`, stretched to it.
void drawDisplayPicture(QPainter& painter, const QRectF& box);
void drawProcessorPicture(QPainter& painter, const QRectF& box);
void drawTeamPicture(QPainter& painter, const QRectF& box);

// The program's icon, stretched to `box`; also drawn into the installed icon files.
void drawApplicationIcon(QPainter& painter, const QRectF& box);

// The window icon in the usual sizes.
QIcon applicationIcon();

} // namespace soyka::ui
