#pragma once
// The toolkit's standard message boxes, with the machine's texts. A carriage return in a text is
// a line break.

#include <QString>
#include <string>

class QWidget;

namespace soyka::ui {

// The program's own title, used as the caption of plain boxes.
QString ApplicationTitle();
// The caption of the machine-error box.
QString ErrorTitle();

// A machine text with its carriage returns turned into the toolkit's line breaks.
QString ShownText(const std::string& text);

// Error icon, one OK; returns when closed.
void ShowErrorMessage(QWidget* parent, const std::string& text);
// No icon, one OK; returns when closed.
void ShowPlainMessage(QWidget* parent, const std::string& text);
// Question icon, Yes (default) and No (cancel); true only for Yes.
bool AskYesNo(QWidget* parent, const std::string& text);

} // namespace soyka::ui
