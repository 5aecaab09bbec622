#pragma once
// The memory window: 8 cells of 12 bits, typed in bit by bit, with the markers of the executed
// cell and the decoding menu.

#include "Lamp.h"
#include "Machine.h"
#include "ViewOperations.h"

#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QWidget>
#include <array>
#include <vector>

class QKeyEvent;

namespace soyka::ui {
class BitGrid;
}

class TSoyka_mem : public QWidget {
  Q_OBJECT
public:
  TSoyka_mem(soyka::MachineState& state, soyka::ViewOperations& views, QWidget* parent = nullptr);

  // View operations answered by this window.
  void RefreshMemoryView();
  void MoveCellMarker(int from, int to);
  void ShowCellMarker(int cell);
  void HideCellMarker(int cell);
  void SetInputLamp(bool on);

  // Gives the grid the keyboard focus (and so this window the activation). The window system
  // may first hand the activation to the other views just put on screen: until it settles,
  // losing it does not end input, and input ends only if the window is then not active.
  void FocusGrid();
  // The views that come up along with this window (the registers and the display): the only
  // windows that may hold the activation for a moment while the grid is being focused.
  void SetCompanionViews(std::vector<const QWidget*> views);

  QPushButton* BitBtn1;
  std::array<QLabel*, soyka::CellCount> RowLabels;
  std::array<QFrame*, soyka::CellCount> u;  // u0..u7: horizontal marker bars
  std::array<QFrame*, soyka::CellCount> u1; // u10..u17: vertical marker bars
  QLabel* InputCaption;
  soyka::ui::Lamp* input_ind;
  QFrame* Panel1;
  QTableWidget* Soyka_mem; // the bit grid
  QMenu* PopupMenu1;
  QAction* N1;
  QAction* N2;
  QAction* N3;

public slots:
  void BitBtn1Click();
  void N1Click();
  void N2Click();
  void N3Click();

protected:
  bool event(QEvent* event) override;
  // Key preview: every key meant for the grid passes here first.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  // Only the close button closes the view: the window system's requests are refused, so the open
  // flag and the screen always agree.
  void closeEvent(QCloseEvent* event) override;

private:
  void CreateControls();
  void CreatePanel();
  void CreateMenu();

  void FormCreate();
  void FormActivate();
  void FormDeactivate();
  void BringUpSettled();
  // Bit entry: types the bit under the cursor and steps on as Tab would; true if it acted.
  bool FormKeyDown(const QKeyEvent& key);
  // Decides which keys the grid gets at all: only those that move the cursor or open the menu.
  bool Soyka_memKeyPress(const QKeyEvent& key) const;
  void StepCursor(bool forward);
  int CursorRow() const;

  soyka::MachineState& state_;
  soyka::ViewOperations& views_;
  soyka::ui::BitGrid* grid_;
  QTimer bringUp_;
  std::vector<const QWidget*> companionViews_;
};
