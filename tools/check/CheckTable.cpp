#include "CheckTable.h"

#include <algorithm>

namespace soyka {
namespace {

// A field as a spreadsheet reads it back: quoted when it holds a comma, a quote or a line break.
std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) {
    return text;
  }
  std::string quoted = "\"";
  for (char c : text) {
    quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  }
  return quoted + "\"";
}

} // namespace

void PrintLines(std::ostream& out, const std::vector<CheckedFile>& files) {
  for (const CheckedFile& file : files) {
    out << file.file << ": ";
    if (file.unreadable) {
      out << "не прочитан: " << *file.unreadable << "\n";
      continue;
    }
    const CheckSummary& summary = file.summary;
    out << summary.passed << " из " << summary.total << " проверок, до " << summary.mostCommands
        << " команд";
    if (!summary.firstFailure.empty()) {
      out << "; " << summary.firstFailure;
    }
    out << "\n";
  }
  const auto passed = std::count_if(files.begin(), files.end(),
                                    [](const CheckedFile& file) { return file.Passed(); });
  out << "Файлов, прошедших все проверки: " << passed << " из " << files.size() << ".\n";
}

void PrintCsv(std::ostream& out, const std::vector<CheckedFile>& files) {
  out << "файл,пройдено,всего,наибольшее число команд,первая неудача\r\n";
  for (const CheckedFile& file : files) {
    const CheckSummary& summary = file.summary;
    out << CsvField(file.file) << "," << summary.passed << "," << summary.total << ",";
    if (file.unreadable) {
      out << "," << CsvField("не прочитан: " + *file.unreadable);
    } else {
      out << summary.mostCommands << "," << CsvField(summary.firstFailure);
    }
    out << "\r\n";
  }
}

} // namespace soyka
