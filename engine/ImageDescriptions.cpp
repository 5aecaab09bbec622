// The two wordings of a memory image's fault: the console tool's English, whose lines scripts
// may already match, and the Russian of the learner's message box.
#include "MemoryImage.h"

namespace soyka {

std::string EnglishDescription(const ImageError& error) {
  const std::string line = "line " + std::to_string(error.line) + ": ";
  switch (error.fault) {
  case ImageFault::NoSuchFile:
    return "no such file";
  case ImageFault::IsFolder:
    return "a folder, not a file";
  case ImageFault::NotRegularFile:
    return "not a regular file";
  case ImageFault::Unreadable:
    return "cannot be read";
  case ImageFault::TooLarge:
    return "larger than 64 KiB";
  case ImageFault::NotText:
    return line + "not UTF-8 text";
  case ImageFault::NotAWord:
    return line + "not a 12-bit word of the digits 0 and 1";
  case ImageFault::TooManyWords:
    return line + "more than 8 words";
  case ImageFault::TooFewWords:
    return "expected 8 words, got " + std::to_string(error.words);
  case ImageFault::BadCheck:
    return line + "not a check of the form \"# Проверка: 110=25 111=17 -> 25 17 25\"";
  case ImageFault::CheckNumberTooLarge:
    return line + "a number of the check is larger than 4095";
  case ImageFault::BadCommandLimit:
    return line + "the command limit is not a whole number from 1 to 1000000";
  case ImageFault::SecondCommandLimit:
    return line + "a second command limit";
  }
  return {};
}

std::string RussianDescription(const ImageError& error) {
  const std::string line = "Строка " + std::to_string(error.line) + ": ";
  switch (error.fault) {
  case ImageFault::NoSuchFile:
    return "Такого файла нет.";
  case ImageFault::IsFolder:
    return "Это папка, а не файл.";
  case ImageFault::NotRegularFile:
    return "Это не обычный файл.";
  case ImageFault::Unreadable:
    return "Файл не удаётся прочитать.";
  case ImageFault::TooLarge:
    return "Файл больше 64 КБ, а в программе для «Сойки» всего 8 слов.";
  case ImageFault::NotText:
    return line + "это не текст в кодировке UTF-8.";
  case ImageFault::NotAWord:
    return line + "здесь должно быть слово из 12 цифр 0 и 1.";
  case ImageFault::TooManyWords:
    return line + "лишнее слово, в памяти всего 8 ячеек.";
  case ImageFault::TooFewWords:
    return "Слов в файле: " + std::to_string(error.words) + ", а нужно 8, по одному на ячейку.";
  case ImageFault::BadCheck:
    return line + "проверка записана не по образцу «# Проверка: 110=25 111=17 -> 25 17 25».";
  case ImageFault::CheckNumberTooLarge:
    return line + "в проверке число больше 4095, такого в ячейке не бывает.";
  case ImageFault::BadCommandLimit:
    return line + "предел команд должен быть целым числом от 1 до 1000000.";
  case ImageFault::SecondCommandLimit:
    return line + "предел команд уже задан выше, второй не нужен.";
  }
  return {};
}

} // namespace soyka
