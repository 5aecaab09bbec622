#include "BoardScene.h"

#include "Palette.h"
#include "Pictures.h"

#include <QColor>
#include <QPainter>
#include <algorithm>
#include <map>
#include <utility>
#include <vector>

namespace soyka::ui::board {
namespace {

constexpr int PaletteSize = 256;

// A purple block with rounded corners: the ellipse of each corner is a quarter of the shorter side.
void drawFrame(QPainter& painter, const QRect& frame) {
  const QRectF box(frame);
  const double radius = std::min(box.width(), box.height()) / 8.0;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Purple, 1));
  painter.setBrush(Purple);
  painter.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
  painter.restore();
}

// Each picture is drawn in its own box, as a widget of that size draws it.
void drawInBox(QPainter& painter, const QRect& box, void (*drawing)(QPainter&, const QRectF&)) {
  painter.save();
  painter.translate(box.topLeft());
  drawing(painter, QRectF(0, 0, box.width(), box.height()));
  painter.restore();
}

struct ColourCount {
  QRgb colour;
  long long pixels;
};

int channel(QRgb colour, int which) {
  return which == 0 ? qRed(colour) : which == 1 ? qGreen(colour) : qBlue(colour);
}

// A run of colours, the palette entry they share to be.
struct Group {
  std::vector<ColourCount>::iterator first;
  std::vector<ColourCount>::iterator last;

  // The channel in which the group's colours lie furthest apart, and how far.
  std::pair<int, int> widestChannel() const {
    std::pair<int, int> widest{0, -1};
    for (int which = 0; which < 3; ++which) {
      const auto [low, high] = std::minmax_element(first, last, [which](auto a, auto b) {
        return channel(a.colour, which) < channel(b.colour, which);
      });
      const int range = channel(high->colour, which) - channel(low->colour, which);
      if (range > widest.second) {
        widest = {which, range};
      }
    }
    return widest;
  }

  QRgb mean() const {
    long long red = 0;
    long long green = 0;
    long long blue = 0;
    long long pixels = 0;
    for (auto at = first; at != last; ++at) {
      red += qRed(at->colour) * at->pixels;
      green += qGreen(at->colour) * at->pixels;
      blue += qBlue(at->colour) * at->pixels;
      pixels += at->pixels;
    }
    return qRgb(int((red + pixels / 2) / pixels), int((green + pixels / 2) / pixels),
                int((blue + pixels / 2) / pixels));
  }
};

} // namespace

QImage drawScene() {
  QImage scene = drawBoardPicture().convertToFormat(QImage::Format_RGB32);
  QPainter painter(&scene);
  painter.translate(-PictureOrigin);
  drawFrame(painter, ProcessorFrame);
  drawFrame(painter, MemoryFrame);
  drawFrame(painter, DisplayFrame);
  drawInBox(painter, DisplayPicture, drawDisplayPicture);
  drawInBox(painter, ProcessorPicture, drawProcessorPicture);
  painter.end();
  return scene;
}

QImage inPaletteColours(const QImage& image) {
  const QImage source = image.convertToFormat(QImage::Format_RGB32);
  std::map<QRgb, long long> histogram;
  for (int y = 0; y < source.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    for (int x = 0; x < source.width(); ++x) {
      ++histogram[line[x] | 0xff000000U];
    }
  }
  std::vector<ColourCount> colours;
  for (const auto& [colour, pixels] : histogram) {
    colours.push_back({colour, pixels});
  }

  std::vector<Group> groups{{colours.begin(), colours.end()}};
  while (groups.size() < PaletteSize) {
    // The group whose colours lie furthest apart is cut at the median pixel of that channel.
    int widestRange = 0;
    int which = 0;
    auto widest = groups.end();
    for (auto group = groups.begin(); group != groups.end(); ++group) {
      const auto [channelOfGroup, range] = group->widestChannel();
      if (range > widestRange) {
        widestRange = range;
        which = channelOfGroup;
        widest = group;
      }
    }
    if (widest == groups.end()) {
      break; // every group holds one colour
    }
    std::sort(widest->first, widest->last, [which](const ColourCount& a, const ColourCount& b) {
      const int left = channel(a.colour, which);
      const int right = channel(b.colour, which);
      return left != right ? left < right : a.colour < b.colour;
    });
    long long total = 0;
    for (auto at = widest->first; at != widest->last; ++at) {
      total += at->pixels;
    }
    auto cut = widest->first;
    for (long long seen = 0; seen * 2 < total && cut != widest->last - 1;) {
      seen += cut->pixels;
      ++cut;
    }
    cut = std::max(cut, widest->first + 1);
    const Group upper{cut, widest->last};
    widest->last = cut;
    groups.push_back(upper);
  }

  QList<QRgb> palette;
  std::map<QRgb, uchar> indexOf;
  for (const Group& group : groups) {
    for (auto at = group.first; at != group.last; ++at) {
      indexOf[at->colour] = static_cast<uchar>(palette.size());
    }
    palette.push_back(group.mean());
  }
  QImage result(source.size(), QImage::Format_Indexed8);
  result.setColorTable(palette);
  for (int y = 0; y < source.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    uchar* indices = result.scanLine(y);
    for (int x = 0; x < source.width(); ++x) {
      indices[x] = indexOf.at(line[x] | 0xff000000U);
    }
  }
  return result;
}

} // namespace soyka::ui::board
