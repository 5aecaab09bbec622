#pragma once
// The toolkit's own words (Да and Нет on the standard boxes, the entries of a text's context
// menu) in Russian whatever the classroom machine's locale, like every other text of the program.

class QCoreApplication;

namespace soyka::ui {

// Installs the toolkit's Russian translation when the system has it; otherwise its English stays.
void useRussianToolkitTexts(QCoreApplication& application);

} // namespace soyka::ui
