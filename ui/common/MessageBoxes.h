#pragma once
// The toolkit's standard message boxes, with the machine's texts. A carriage return in a text is
// a line break.

#include <QString>
#include <string>

class QMessageBox;
class QWidget;

namespace soyka::ui {

// The program's own title, used as the caption of plain boxes.
QString applicationTitle();
// The caption of the machine-error box.
QString errorTitle();

// A machine text with its carriage returns turned into the toolkit's line breaks.
QString shownText(const std::string& text);

// Error icon, one OK; shown at once, modal to the whole program, and gone when closed: its
// `finished` tells when.
QMessageBox* openErrorMessage(QWidget* parent, const std::string& text);
// No icon, one OK; returns when closed.
void showPlainMessage(QWidget* parent, const std::string& text);
// Question icon, Yes (default) and No (cancel); true only for Yes.
bool askYesNo(QWidget* parent, const std::string& text);

enum class Answer { Yes, No, Cancel };
// Question icon, Yes (default), No and Cancel (also the answer of Escape and of closing the box).
Answer askYesNoCancel(QWidget* parent, const std::string& text);

// Keeps a dialog above the control panel, which stays on top and would otherwise cover it.
void keepAboveControlPanel(QWidget& dialog);

} // namespace soyka::ui
