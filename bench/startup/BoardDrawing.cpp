// The board picture the main window takes while it is created: the first in a fresh process (the
// program's pages still to be read in, as at start-up) and the median of the takes after it.
// Usage: soyka_bench_board [DRAWINGS]
#include "Pictures.h"
#include "ProcessFigures.h"
#include "Report.h"

#include <QApplication>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

using soyka::bench::MonotonicMicroseconds;

// Draws the board once; milliseconds, or a negative value if nothing came out.
double DrawingMs() {
  const auto start = MonotonicMicroseconds();
  const QImage board = soyka::ui::boardPicture();
  const auto drawn = MonotonicMicroseconds();
  return board.isNull() ? -1.0 : static_cast<double>(drawn - start) / 1000.0;
}

} // namespace

int main(int argc, char** argv) {
  const int drawings = argc > 1 ? std::atoi(argv[1]) : 20;
  int toolkitArgc = 1;
  QApplication app(toolkitArgc, argv);
  if (drawings <= 0) {
    return 2;
  }
  const double first = DrawingMs();
  std::vector<double> later;
  for (int drawing = 0; drawing < drawings; ++drawing) {
    later.push_back(DrawingMs());
  }
  if (first < 0 || *std::min_element(later.begin(), later.end()) < 0) {
    return 1;
  }
  std::sort(later.begin(), later.end());
  soyka::bench::Report("first_ms", first);
  soyka::bench::Report("later_median_ms", later[later.size() / 2]);
  return 0;
}
