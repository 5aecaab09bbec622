#pragma once
// The program's pictures. Every one is drawn by code, the same on every call. The fixed ones are
// drawn when the program is built and kept in it as bare pixels, which the program shows without
// drawing or decoding anything at start-up.

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QRectF>
#include <array>

namespace soyka::ui {

inline constexpr int BoardWidth = 590;
inline constexpr int BoardHeight = 430;

// A circuit board seen from above: traces, chips, capacitors and a few keyboard keys.
QImage drawBoardPicture();

// Vector drawings that fill `box`, stretched to it.
void drawDisplayPicture(QPainter& painter, const QRectF& box);
void drawProcessorPicture(QPainter& painter, const QRectF& box);
void drawTeamPicture(QPainter& painter, const QRectF& box);

// The program's icon, stretched to `box`; also drawn into the installed icon files.
void drawApplicationIcon(QPainter& painter, const QRectF& box);
// The icon alone on a transparent square of that side.
QImage drawApplicationIconImage(int side);
// The sides of the window icon, in the order they are kept.
inline constexpr std::array<int, 5> IconSides{16, 24, 32, 48, 64};

// The pictures as the program holds them.
// The main window's board with everything that stands on it, in 256 colours, like a photograph
// of the classic machine: BoardWidth x BoardHeight, RGB32.
QImage boardPicture();
// The window icon in every side of IconSides.
QIcon applicationIcon();

} // namespace soyka::ui
