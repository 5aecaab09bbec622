#pragma once
// The memory window: 8 cells of 12 bits, typed in bit by bit, with the markers of the executed
// cell and the decoding menu.

#include "BitGrid.h"
#include "Lamp.h"
#include "Machine.h"
#include "ViewOperations.h"
#include "ViewWindowBase.h"

#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <array>
#include <vector>

class QKeyEvent;

class MemoryWindow : public soyka::ui::ViewWindowBase {
  Q_OBJECT
public:
  MemoryWindow(soyka::MachineState& state, soyka::ViewOperations& views, QWidget* parent = nullptr);

  // View operations answered by this window.
  void RefreshMemoryView();
  void MoveCellMarker(int from, int to);
  void ShowCellMarker(int cell);
  void HideCellMarker(int cell);
  void setInputLamp(bool on);

  // Gives the grid the keyboard focus (and so this window the activation). The window system
  // may first hand the activation to the other views just put on screen: until it settles,
  // losing it does not end input, and input ends only if the window is then not active.
  void focusGrid();
  // The views that come up along with this window (the registers and the display): the only
  // windows that may hold the activation for a moment while the grid is being focused.
  void setCompanionViews(std::vector<const QWidget*> views);

  std::array<QLabel*, soyka::CellCount> rowLabels_;
  // The two bars that mark a cell: one under its row label and one to the right of it.
  std::array<QFrame*, soyka::CellCount> horizontalMarkers_;
  std::array<QFrame*, soyka::CellCount> verticalMarkers_;
  QLabel* inputLampCaption_;
  soyka::ui::Lamp* inputLamp_;
  QFrame* gridPanel_;
  soyka::ui::BitGrid* grid_;
  QMenu* decodingMenu_;
  QAction* decodeCommandAction_;
  QAction* decodeAddressesAction_;
  QAction* decodeNumberAction_;

signals:
  // A bit was typed into memory.
  void bitTyped();

public slots:
  void showCellAsCommand();
  void showCellAddresses();
  void showCellAsNumber();

protected:
  bool event(QEvent* event) override;
  // Key preview: every key meant for the grid passes here first.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

private:
  void createControls();
  void createPanel();
  void createMenu();

  void fillGridAtStart();
  void onActivated();
  void onDeactivated();
  void onBringUpSettled();
  // Bit entry: types the bit under the cursor and steps on as Tab would; true if it acted.
  bool typeBit(const QKeyEvent& key);
  // Decides which keys the grid gets at all: only those that move the cursor.
  bool gridTakesKey(const QKeyEvent& key) const;
  void stepCursor(bool forward);
  int cursorRow() const;
  // The decoding menu centred across anchor, hanging from it; from the keyboard the anchor is
  // the middle of the cursor's cell.
  void openDecodingMenu(const QPoint& anchor);
  void openDecodingMenuAtCursor();

  QTimer bringUp_;
  std::vector<const QWidget*> companionViews_;
};
