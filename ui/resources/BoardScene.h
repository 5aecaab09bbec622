#pragma once
// The main window's board as the learner sees it: the board picture, and on it the purple frames
// and the display and processor pictures. All of it is fixed, so it is drawn once, when the
// program is built, into one picture; the window keeps empty areas over it for the mouse, the
// hints, the screen reader and the keyboard's focus frame.

#include <QImage>
#include <QPoint>
#include <QRect>

namespace soyka::ui::board {

// In the main window's client coordinates, where the board picture's top left corner stands.
inline constexpr QPoint PictureOrigin(-4, -8);
inline constexpr QRect ProcessorFrame(282, 20, 132, 114);
inline constexpr QRect MemoryFrame(72, 123, 159, 110);
inline constexpr QRect DisplayFrame(394, 162, 164, 140);
inline constexpr QRect DisplayPicture(400, 168, 153, 129);
inline constexpr QRect ProcessorPicture(288, 24, 121, 105);

// The board with the frames and the pictures on it, in full colour.
QImage drawScene();

// The same picture in at most 256 colours: each colour of `image` goes to the mean of its group,
// the groups made by cutting the colours in two at the median of their widest channel until
// there are 256 of them. The same image always gives the same result.
QImage inPaletteColours(const QImage& image);

} // namespace soyka::ui::board
