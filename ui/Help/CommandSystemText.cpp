#include "CommandSystemText.h"

#include "Machine.h"

std::string commandSystemText() {
  std::string text = "    Система команд:\r\r";
  for (std::string_view command : soyka::CommandTable) {
    text += command;
    text += '\r';
  }
  text += "\r\rКоманду можно рас-\rшифровать по щелчку\rПРАВОЙ кнопки мыши\rв окне ОЗУ\r";
  return text;
}
