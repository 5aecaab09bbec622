// The help texts and the example program: the command-system summary, the interface help window
// and the example window with the memory image it loads.
#include "CommandSystemText.h"
#include "EngineTestSupport.h"
#include "ExampleDialog.h"
#include "ExampleProgram.h"
#include "InterfaceHelpDialog.h"
#include "ModalDriver.h"

#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>
#include <memory>
#include <sstream>

using soyka::testing::ModalDriver;

namespace {

QStringList MemoLines(const QPlainTextEdit* memo) {
  QStringList lines;
  for (QTextBlock block = memo->document()->begin(); block.isValid(); block = block.next()) {
    lines << block.text();
  }
  return lines;
}

int LeadingBlanks(const QString& line) {
  int blanks = 0;
  while (blanks < line.size() && line[blanks] == QLatin1Char(' ')) {
    ++blanks;
  }
  return blanks;
}

void AddLine(int line, int length, int lead, const QString& text) {
  QTest::addRow("line %d", line) << line << length << lead << text;
}

void AddLineColumns() {
  QTest::addColumn<int>("line");
  QTest::addColumn<int>("length");
  QTest::addColumn<int>("lead");
  QTest::addColumn<QString>("text");
}

void CompareLine(const QStringList& lines) {
  QFETCH(int, line);
  QFETCH(int, length);
  QFETCH(int, lead);
  QFETCH(QString, text);
  QVERIFY(line <= lines.size());
  const QString& shown = lines[line - 1];
  QCOMPARE(shown, text);
  QCOMPARE(shown.size(), length);
  QCOMPARE(LeadingBlanks(shown), lead);
}

std::string StateText(const soyka::MachineState& state) {
  std::ostringstream out;
  soyka::PrintMachineState(out, state, 0);
  return out.str();
}

// A machine in the middle of things, so that a loader touching anything but Memory shows.
soyka::MachineState BusyMachine() {
  soyka::MachineState state;
  soyka::InitializeMachine(state);
  for (int cell = 0; cell < soyka::CellCount; ++cell) {
    state.Memory[static_cast<std::size_t>(cell)] = soyka::WordFromValue(4095 - cell * 3);
  }
  state.CommandRegister = soyka::WordFromValue(1234);
  state.Accumulator = soyka::WordFromValue(99);
  soyka::SetCounter(state, 5);
  state.PreviousCounter = 4;
  state.RunMode = soyka::RunModeTact;
  state.Halted = false;
  state.ErrorMessage = "abort";
  state.TargetCell = 3;
  state.Opcode = 6;
  state.A1 = 1;
  state.A2 = 2;
  state.A3 = 7;
  state.FirstOperand = 10;
  state.SecondOperand = 20;
  state.MemoryWindowOpen = true;
  state.InputEnabled = true;
  state.LoadExampleChosen = true;
  return state;
}

} // namespace

class HelpDialogsTest : public QObject {
  Q_OBJECT

private slots:
  void commandSystemMessageLines_data() {
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");
    const QString lines[] = {
        "    Система команд:",
        "",
        "000  A1 ==> A3",
        "001  A1 + A2 ==> A3",
        "010  A1 / A2 ==> A3",
        "011  A1 - A2 ==> A3",
        "100  при A1 = A2 к A3",
        "101  A1 * A2 ==> A3",
        "110  при A1 > A2 к A3",
        "111  ВЫВОД, СТОП",
        "",
        "",
        "Команду можно рас-",
        "шифровать по щелчку",
        "ПРАВОЙ кнопки мыши",
        "в окне ОЗУ",
    };
    for (int i = 0; i < 16; ++i) {
      QTest::addRow("line %d", i + 1) << i + 1 << lines[i];
    }
  }

  void commandSystemMessageLines() {
    QFETCH(int, line);
    QFETCH(QString, text);
    const QStringList lines = QString::fromStdString(commandSystemText()).split(QLatin1Char('\r'));
    QCOMPARE(lines.size(), 17);
    QCOMPARE(lines[line - 1], text);
  }

  void commandSystemMessageEndsEveryLineWithACarriageReturn() {
    const std::string text = commandSystemText();
    QCOMPARE(std::count(text.begin(), text.end(), '\r'), std::ptrdiff_t(16));
    QCOMPARE(text.back(), '\r');
    QVERIFY(text.find('\n') == std::string::npos);
    // The commands appear exactly as the machine's own table has them, in code order.
    std::size_t from = 0;
    for (std::string_view command : soyka::CommandTable) {
      const std::size_t at = text.find(std::string(command) + '\r', from);
      QVERIFY(at != std::string::npos);
      QCOMPARE(text[at - 1], '\r');
      from = at + command.size();
    }
  }

  void interfaceHelpLines_data() {
    AddLineColumns();
    const QString q = QStringLiteral("\"");
    AddLine(1, 38, 0, "Некоторые правила работы с программой:");
    AddLine(2, 37, 0, "=====================================");
    AddLine(3, 0, 0, "");
    AddLine(4, 36, 0, "1. Чтобы увидеть содержимое дисплея,");
    AddLine(5, 39, 4, "    ОЗУ или регистров ЭВМ " + q + "Сойка" + q + " щелк-");
    AddLine(6, 39, 4, "    ните ЛЕВОЙ кнопкой мыши по соответ-");
    AddLine(7, 39, 4, "    ствующей картинке. Закрыть окно по-");
    AddLine(8, 38, 4, "    зволяет кнопка с красным крестом в");
    AddLine(9, 27, 4, "    его левом верхнем углу.");
    AddLine(10, 0, 0, "");
    AddLine(11, 34, 0, "2. Чтобы изменить содержимое  ОЗУ ");
    AddLine(12, 38, 4, "    ОБЯЗАТЕЛЬНО (!!!)   предварительно");
    AddLine(13, 36, 4, "    нажмите клавишу " + q + "ВВОД" + q + " на пульте");
    AddLine(14, 37, 4, "    управления " + q + "Сойки" + q + ". Обращайте при");
    AddLine(15, 37, 4, "    этом внимание на индикаторы ввода");
    AddLine(16, 38, 4, "    в окне ОЗУ и на пульте управления.");
    AddLine(17, 0, 0, "");
    AddLine(18, 34, 0, "3. Если Вас интересует расшифровка");
    AddLine(19, 37, 4, "    какой-нибудь ячейки ОЗУ, щелкните");
    AddLine(20, 37, 4, "    ПРАВОЙ кнопкой мыши в окне с ОЗУ.");
    AddLine(21, 0, 0, "");
    AddLine(22, 37, 0, "4. Если щелкнуть ПРАВОЙ кнопкой мышки");
    AddLine(23, 39, 4, "    в основном окне,  то можно получить");
    AddLine(24, 38, 4, "    ускоренный (по сравнению с главным");
    AddLine(25, 26, 4, "    меню) доступ к помощи.");
    AddLine(26, 0, 0, "");
    AddLine(27, 38, 0, "5. Если Вы указываете мышкой на объект");
    AddLine(28, 41, 4, "    управления и мышка покоится, то через");
    AddLine(29, 39, 4, "    некоторое время на экране автомати-");
    AddLine(30, 30, 4, "    чески возникнет подсказка.");
  }

  void interfaceHelpLines() {
    InterfaceHelpDialog help;
    const QStringList lines = MemoLines(help.rulesText_);
    QCOMPARE(lines.size(), 30);
    CompareLine(lines);
  }

  void interfaceHelpWindow() {
    InterfaceHelpDialog help;
    QCOMPARE(help.windowTitle(), QStringLiteral("Интерфейс"));
    QCOMPARE(help.size(), QSize(354, 207));
    QCOMPARE(help.minimumSize(), help.maximumSize());
    const Qt::WindowFlags flags = help.windowFlags();
    QVERIFY(flags & Qt::CustomizeWindowHint);
    QVERIFY(!(flags & (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint |
                       Qt::WindowMaximizeButtonHint | Qt::WindowSystemMenuHint)));
    QCOMPARE(help.font().pixelSize(), 13);
    QCOMPARE(help.textPanel_->geometry(), QRect(8, 8, 337, 153));
    QCOMPARE(help.rulesText_->parentWidget(), help.textPanel_);
    QCOMPARE(help.rulesText_->geometry(), QRect(8, 8, 321, 137));
    QVERIFY(help.rulesText_->isReadOnly());
    QCOMPARE(help.rulesText_->lineWrapMode(), QPlainTextEdit::NoWrap);
    QCOMPARE(help.rulesText_->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(!(help.rulesText_->focusPolicy() & Qt::TabFocus));
    QCOMPARE(help.okButton_->geometry(), QRect(136, 168, 89, 33));
    QCOMPARE(help.okButton_->text(), QStringLiteral("OK"));
    QVERIFY(!help.okButton_->icon().isNull());
  }

  void placedAfreshAtEveryShowing_data() {
    QTest::addColumn<bool>("example");
    QTest::newRow("interface help, centred") << false;
    QTest::newRow("example, at 333, 102") << true;
  }

  void placedAfreshAtEveryShowing() {
    QFETCH(bool, example);
    soyka::MachineState state;
    std::unique_ptr<QDialog> dialog;
    if (example) {
      dialog = std::make_unique<ExampleDialog>(state);
    } else {
      dialog = std::make_unique<InterfaceHelpDialog>();
    }
    const QRect screen = dialog->screen()->availableGeometry();
    const QPoint place = example
                             ? QPoint(333, 102)
                             : screen.center() - QPoint(dialog->width() / 2, dialog->height() / 2);
    for (int showing = 0; showing < 3; ++showing) {
      dialog->show();
      QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
      QCOMPARE(dialog->pos(), place);
      dialog->move(place + QPoint(40, 25));
      dialog->hide();
    }
  }

  void interfaceHelpScrollsButCannotBeEdited() {
    InterfaceHelpDialog help;
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    QScrollBar* scroll = help.rulesText_->verticalScrollBar();
    QVERIFY(scroll->maximum() > 0);
    help.rulesText_->setFocus();
    QTest::keyClick(help.rulesText_, Qt::Key_PageDown);
    QTest::keyClick(help.rulesText_, Qt::Key_PageDown);
    QTest::keyClick(help.rulesText_, Qt::Key_PageDown);
    QCOMPARE(scroll->value(), scroll->maximum());
    const QString before = help.rulesText_->toPlainText();
    QTest::keyClicks(help.rulesText_, QStringLiteral("abc"));
    QTest::keyClick(help.rulesText_, Qt::Key_Backspace);
    QTest::keyClick(help.rulesText_, Qt::Key_Return);
    QCOMPARE(help.rulesText_->toPlainText(), before);
    QVERIFY(MemoLines(help.rulesText_)[10].endsWith(QLatin1Char(' ')));
  }

  void interfaceHelpClosesWithOk() {
    InterfaceHelpDialog help;
    ModalDriver driver([&](QWidget*) { help.okButton_->click(); });
    const int result = help.exec();
    QVERIFY(driver.Answered());
    QVERIFY(!driver.TimedOut());
    QCOMPARE(result, int(QDialog::Accepted));
    QVERIFY(!help.isVisible());
  }

  void exampleLines_data() {
    AddLineColumns();
    AddLine(1, 27, 7, "       Вычисление N!  (n<7)");
    AddLine(2, 31, 0, "===============================");
    AddLine(3, 0, 0, "");
    AddLine(4, 28, 0, "000: 101 110 101 101  F:=F*K");
    AddLine(5, 28, 0, "001: 001 110 111 110  K:=K+1");
    AddLine(6, 34, 0, "010: 110 100 110 000  при N1>K к 0");
    AddLine(7, 35, 0, "011: 111 101 101 101  вывод F, стоп");
    AddLine(8, 25, 0, "100: граница цикла     N1");
    AddLine(9, 26, 0, "101: факториал           F");
    AddLine(10, 23, 0, "110: рабочая ячейка   K");
    AddLine(11, 16, 0, "111: константа 1");
    AddLine(12, 0, 0, "");
    AddLine(13, 26, 0, "ПРИМЕЧАНИЕ:  перед стартом");
    AddLine(14, 31, 0, "в ячейке 100 должно быть N+1, а");
    AddLine(15, 34, 0, "в ячейках 101, 110, 111 - число 1.");
  }

  void exampleLines() {
    soyka::MachineState state;
    ExampleDialog example(state);
    const QStringList lines = MemoLines(example.programText_);
    QCOMPARE(lines.size(), 15);
    CompareLine(lines);
  }

  void exampleShowsEveryLineWithoutScrolling() {
    soyka::MachineState state;
    ExampleDialog example(state);
    example.show();
    QVERIFY(QTest::qWaitForWindowExposed(&example));
    QTextCursor end(example.programText_->document()->lastBlock());
    end.movePosition(QTextCursor::EndOfBlock);
    QVERIFY(example.programText_->cursorRect(end).bottom() <
            example.programText_->viewport()->height());
    QCOMPARE(example.programText_->document()->findBlockByNumber(1).layout()->lineCount(), 1);
  }

  void exampleWindow() {
    soyka::MachineState state;
    ExampleDialog example(state);
    QCOMPARE(example.windowTitle(), QStringLiteral("Пример программы"));
    QCOMPARE(example.size(), QSize(297, 318));
    QCOMPARE(example.minimumSize(), example.maximumSize());
    const Qt::WindowFlags flags = example.windowFlags();
    QVERIFY(flags & Qt::WindowStaysOnTopHint);
    QVERIFY(!(flags & (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint |
                       Qt::WindowMaximizeButtonHint | Qt::WindowSystemMenuHint)));
    QCOMPARE(example.font().pixelSize(), 13);
    QCOMPARE(example.textPanel_->geometry(), QRect(8, 8, 281, 265));
    QCOMPARE(example.programText_->parentWidget(), example.textPanel_);
    QCOMPARE(example.programText_->geometry(), QRect(8, 8, 265, 249));
    QVERIFY(example.programText_->isReadOnly());
    QCOMPARE(example.programText_->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(example.programText_->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(example.programText_->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(example.okButton_->geometry(), QRect(24, 280, 89, 33));
    QCOMPARE(example.okButton_->text(), QStringLiteral("OK"));
    QVERIFY(example.okButton_->isDefault());
    QCOMPARE(example.loadButton_->geometry(), QRect(128, 280, 145, 33));
    QCOMPARE(example.loadButton_->text(), QStringLiteral("Ввести в ОЗУ"));
    QVERIFY(!example.loadButton_->icon().isNull());
    QVERIFY(!example.loadButton_->isDefault());
  }

  void exampleButtonsSetTheLoadChoice_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("before");
    QTest::addColumn<bool>("chosen");
    QTest::addColumn<int>("result");
    QTest::newRow("OK after load") << 1 << true << false << int(ExampleDialog::ResultOk);
    QTest::newRow("OK") << 1 << false << false << int(ExampleDialog::ResultOk);
    QTest::newRow("load") << 2 << false << true << int(ExampleDialog::ResultRetry);
    QTest::newRow("load again") << 2 << true << true << int(ExampleDialog::ResultRetry);
    QTest::newRow("Escape after load") << 0 << true << false << int(QDialog::Rejected);
  }

  void exampleButtonsSetTheLoadChoice() {
    QFETCH(int, button);
    QFETCH(bool, before);
    QFETCH(bool, chosen);
    QFETCH(int, result);
    soyka::MachineState state;
    soyka::InitializeMachine(state);
    state.LoadExampleChosen = before;
    ExampleDialog example(state);
    ModalDriver driver([&](QWidget* modal) {
      if (button == 1) {
        example.okButton_->click();
      } else if (button == 2) {
        example.loadButton_->click();
      } else {
        QTest::keyClick(modal, Qt::Key_Escape);
      }
    });
    QCOMPARE(example.exec(), result);
    QVERIFY(driver.Answered());
    QVERIFY(!driver.TimedOut());
    QCOMPARE(state.LoadExampleChosen, chosen);
  }

  void exampleImageIsTheFactorialProgram_data() {
    QTest::addColumn<int>("cell");
    QTest::addColumn<QString>("bits");
    const char* cells[] = {"101110101101", "001110111110", "110100110000", "111101101101",
                           "000000000110", "000000000001", "000000000001", "000000000001"};
    for (int cell = 0; cell < soyka::CellCount; ++cell) {
      QTest::addRow("cell %s", soyka::AddressText(cell).c_str()) << cell << cells[cell];
    }
  }

  void exampleImageIsTheFactorialProgram() {
    QFETCH(int, cell);
    QFETCH(QString, bits);
    QString imageRow;
    for (int b = 0; b < soyka::WordBits; ++b) {
      imageRow += QChar('0' + ExampleImage[static_cast<std::size_t>(cell * 12 + b)]);
    }
    QCOMPARE(imageRow, bits);
    soyka::MachineState state;
    soyka::InitializeMachine(state);
    LoadExample(state);
    const soyka::Word12& word = state.Memory[static_cast<std::size_t>(cell)];
    QCOMPARE(QString::fromStdString(soyka::BitsText(word)), bits);
    QVERIFY(word == soyka::testing::FactorialImage[static_cast<std::size_t>(cell)]);
  }

  void loadingWritesMemoryAndNothingElse() {
    soyka::MachineState state = BusyMachine();
    const soyka::MachineState before = state;
    LoadExample(state);
    soyka::MachineState expected = before;
    for (std::size_t cell = 0; cell < soyka::CellCount; ++cell) {
      expected.Memory[cell] = soyka::testing::FactorialImage[cell];
    }
    QCOMPARE(StateText(state), StateText(expected));
  }

  void loadingTwiceGivesTheSameMemoryAsOnce() {
    soyka::MachineState once = BusyMachine();
    LoadExample(once);
    soyka::MachineState twice = BusyMachine();
    LoadExample(twice);
    LoadExample(twice);
    QVERIFY(once.Memory == twice.Memory);
    QCOMPARE(StateText(once), StateText(twice));
  }

  void theLoadedProgramComputes120Then720() {
    soyka::testing::Machine machine;
    LoadExample(machine.state);
    for (int run = 0; run < 2; ++run) {
      soyka::StartRun(machine.state, machine.views);
      int ticks = 0;
      while (soyka::RunTick(machine.state, machine.views) == soyka::TickOutcome::RunGoesOn) {
        QVERIFY(++ticks < 100);
      }
    }
    QCOMPARE(machine.Cell(5), 720);
    QCOMPARE(machine.Cell(6), 7);
    QCOMPARE(machine.Calls("ShowDisplayRow").size(), std::size_t(6));
    QCOMPARE(machine.Calls("ShowDisplayRow").back(),
             std::string("ShowDisplayRow 3 5 001011010000 720"));
  }
};

QTEST_MAIN(HelpDialogsTest)
#include "HelpDialogsTest.moc"
