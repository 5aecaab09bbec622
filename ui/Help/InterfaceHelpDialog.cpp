#include "InterfaceHelpDialog.h"

namespace {

// The rules, line by line; the blanks are part of the layout of the text.
QString helpText() {
  const QStringList lines = {
      QStringLiteral("Некоторые правила работы с программой:"),
      QStringLiteral("====================================="),
      QString(),
      QStringLiteral("1. Чтобы увидеть содержимое дисплея,"),
      QStringLiteral("    ОЗУ или регистров ЭВМ \"Сойка\" щелк-"),
      QStringLiteral("    ните ЛЕВОЙ кнопкой мыши по соответ-"),
      QStringLiteral("    ствующей картинке. Закрыть окно по-"),
      QStringLiteral("    зволяет кнопка с красным крестом в"),
      QStringLiteral("    его левом верхнем углу."),
      QString(),
      QStringLiteral("2. Чтобы изменить содержимое  ОЗУ "),
      QStringLiteral("    ОБЯЗАТЕЛЬНО (!!!)   предварительно"),
      QStringLiteral("    нажмите клавишу \"ВВОД\" на пульте"),
      QStringLiteral("    управления \"Сойки\". Обращайте при"),
      QStringLiteral("    этом внимание на индикаторы ввода"),
      QStringLiteral("    в окне ОЗУ и на пульте управления."),
      QString(),
      QStringLiteral("3. Если Вас интересует расшифровка"),
      QStringLiteral("    какой-нибудь ячейки ОЗУ, щелкните"),
      QStringLiteral("    ПРАВОЙ кнопкой мыши в окне с ОЗУ."),
      QString(),
      QStringLiteral("4. Если щелкнуть ПРАВОЙ кнопкой мышки"),
      QStringLiteral("    в основном окне,  то можно получить"),
      QStringLiteral("    ускоренный (по сравнению с главным"),
      QStringLiteral("    меню) доступ к помощи."),
      QString(),
      QStringLiteral("5. Если Вы указываете мышкой на объект"),
      QStringLiteral("    управления и мышка покоится, то через"),
      QStringLiteral("    некоторое время на экране автомати-"),
      QStringLiteral("    чески возникнет подсказка."),
  };
  return lines.join(QLatin1Char('\n'));
}

} // namespace

InterfaceHelpDialog::InterfaceHelpDialog(QWidget* parent)
    : ProgramDialog(QStringLiteral("Интерфейс"), 354, 207, soyka::ui::TitleButtons::None, parent) {
  textPanel_ = new QFrame(this);
  textPanel_->setGeometry(8, 8, 337, 153);
  textPanel_->setFrameStyle(QFrame::Panel | QFrame::Raised);

  rulesText_ = new QPlainTextEdit(textPanel_);
  rulesText_->setGeometry(8, 8, 321, 137);
  rulesText_->setReadOnly(true);
  rulesText_->setLineWrapMode(QPlainTextEdit::NoWrap);
  rulesText_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  rulesText_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Tab passes it by; a click still lets the learner scroll it with the keys.
  rulesText_->setFocusPolicy(Qt::ClickFocus);
  rulesText_->setPlainText(helpText());
  rulesText_->setAccessibleName(QStringLiteral("Правила работы с программой"));

  okButton_ = addOkButton(QRect(136, 168, 89, 33));
}
