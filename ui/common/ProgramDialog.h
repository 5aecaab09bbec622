#pragma once
// A modal dialog of the program: a fixed window above the others, in the windows' face, placed
// afresh at every showing.

#include "FixedWindow.h"
#include "PictureBox.h"

#include <QDialog>
#include <QPoint>
#include <QPushButton>

namespace soyka::ui {

class ProgramDialog : public QDialog {
public:
  ProgramDialog(const QString& caption, int clientWidth, int clientHeight, TitleButtons buttons,
                QWidget* parent, Qt::WindowType kind = Qt::Window);

  void setVisible(bool visible) override;

protected:
  // Where the frame's top-left corner stands at each showing; centred on the screen unless a
  // dialog has a place of its own.
  virtual QPoint place() const;

  // The default button, OK with its tick, that accepts the dialog.
  QPushButton* addOkButton(const QRect& geometry);
  // The dialog's picture in its top-left corner, named for the screen reader.
  QWidget* addPicture(PictureBox::Drawing drawing, const QString& name);
};

} // namespace soyka::ui
