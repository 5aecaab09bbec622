#pragma once
// The toolkit's own style, without the image files it reads at start-up. Every menu bar builds
// its overflow button at once, and the style's picture for it is an image file; the group box
// frame is drawn from an image file too. Reading an image file scans every image format plugin
// of the toolkit and decodes the file. Here the overflow arrows (a button our fixed-size windows
// never show) are drawn in code, and the frame's picture is the one decoded when the program was
// built.

#include <QPixmap>
#include <QProxyStyle>

namespace soyka::ui {

class DrawnIconStyle : public QProxyStyle {
public:
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override;
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;

private:
  // Read when a group box is first drawn.
  mutable QPixmap groupBoxFrame_;
};

// Makes DrawnIconStyle the application's style, once per process.
void useDrawnIconStyle();

} // namespace soyka::ui
