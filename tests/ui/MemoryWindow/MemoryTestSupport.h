#pragma once
// A memory window on a fresh machine, and the looks at it that the tests compare.

#include "BitEntry.h"
#include "EngineTestSupport.h"
#include "MemoryTestViews.h"
#include "MemoryWindow.h"
#include "WindowReadings.h"

#include <QImage>
#include <QTest>
#include <vector>

namespace soyka::ui {

// Lets QCOMPARE print a cursor position.
inline char* toString(const GridCell& cell) {
  return qstrdup(QStringLiteral("row %1 column %2").arg(cell.row).arg(cell.column).toUtf8());
}

} // namespace soyka::ui

namespace soyka::testing {

inline MachineState FreshMachine(const std::vector<Word12>& image) {
  MachineState state;
  InitializeMachine(state);
  for (std::size_t i = 0; i < image.size() && i < CellCount; ++i) {
    state.Memory[i] = image[i];
  }
  return state;
}

// The machine is loaded before the window exists, as at start-up, so creation shows it.
struct MemoryWindowRig {
  explicit MemoryWindowRig(const std::vector<Word12>& image = {})
      : state(FreshMachine(image)), views(state), window(state, views) {
    views.Attach(&window);
  }

  MachineState state;
  MemoryTestViews views;
  MemoryWindow window;
};

// Empty when the 96 cell texts equal the 96 bits of memory, else the first difference.
inline QString GridMismatch(const MemoryWindow& window, const MachineState& state) {
  for (int row = 0; row < CellCount; ++row) {
    const QString bits =
        QString::fromStdString(BitsText(state.Memory[static_cast<std::size_t>(row)]));
    const QString shown = RowText(window.grid_, row);
    if (shown != bits) {
      return QStringLiteral("row %1 shows %2, memory holds %3").arg(row).arg(shown, bits);
    }
  }
  return {};
}

inline ui::GridCell Cursor(const MemoryWindow& window) {
  return {window.grid_->currentRow(), window.grid_->currentColumn()};
}

// The marked cells as "0,3"; a cell with only one of its two bars shown appears as "3?".
inline QString MarkerState(const MemoryWindow& window) {
  QStringList cells;
  for (std::size_t cell = 0; cell < CellCount; ++cell) {
    const bool horizontal = !window.horizontalMarkers_[cell]->isHidden();
    const bool vertical = !window.verticalMarkers_[cell]->isHidden();
    if (horizontal && vertical) {
      cells << QString::number(cell);
    } else if (horizontal || vertical) {
      cells << QString::number(cell) + QLatin1Char('?');
    }
  }
  return cells.join(QLatin1Char(','));
}

inline void TypeBits(QWidget* grid, const std::string& bits) {
  for (const char bit : bits) {
    QTest::keyClick(grid, bit == '1' ? Qt::Key_1 : Qt::Key_0);
  }
}

// Shows the window and waits until it is active with the grid focused.
inline bool ShowActive(MemoryWindow& window) {
  window.show();
  window.activateWindow();
  return QTest::qWaitFor([&] { return window.isActiveWindow() && window.grid_->hasFocus(); });
}

} // namespace soyka::testing
