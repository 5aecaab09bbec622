// Starting with an exercise file, in the program body's order: the file is read into the state,
// the windows are created and the main window shown, then the exercise is presented.
#include "ExerciseStart.h"
#include "ProgramWindows.h"

#include <QtTest>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sys/stat.h>

#include "ModalDriver.h"

using soyka::testing::ModalAnswerer;
using soyka::testing::PressMessageBoxButton;

namespace {

const std::filesystem::path Factorial =
    std::filesystem::path(SOYKA_EXERCISES_DIR) / "factorial.soyka";

QStringList GridRows(const QTableWidget* grid) {
  QStringList rows;
  for (int r = 0; r < grid->rowCount(); ++r) {
    QString text;
    for (int c = 0; c < grid->columnCount(); ++c) {
      text += grid->item(r, c)->text();
    }
    rows << text;
  }
  return rows;
}

} // namespace

class ExerciseStartTest : public QObject {
  Q_OBJECT

  soyka::MachineState state;
  std::unique_ptr<soyka::ui::ProgramWindows> windows;
  QTemporaryDir folder;

  QTableWidget* MemoryGrid() { return windows->memoryWindow().grid_; }

  std::unique_ptr<soyka::app::ExerciseStart> Begin(const std::filesystem::path& file) {
    soyka::InitializeMachine(state);
    return std::make_unique<soyka::app::ExerciseStart>(state, file);
  }

  void CreateWindows() {
    windows = std::make_unique<soyka::ui::ProgramWindows>(state);
    windows->show();
  }

private slots:
  void cleanup() { windows.reset(); }

  void aGoodFileIsInMemoryBeforeAnyWindowThenShownAndRunsToItsResult() {
    const auto exercise = Begin(Factorial);
    QCOMPARE(QString::fromStdString(soyka::BitsText(state.Memory[0])), "101110101101");
    QVERIFY(state.MemoryWindowOpen);
    CreateWindows();
    exercise->Present(*windows);
    QVERIFY(windows->memoryWindow().isVisible());
    QTRY_VERIFY(MemoryGrid()->hasFocus());
    QCOMPARE(GridRows(MemoryGrid()),
             (QStringList{"101110101101", "001110111110", "110100110000", "111101101101",
                          "000000000110", "000000000001", "000000000001", "000000000001"}));
    // Nothing else differs from any start.
    QCOMPARE(soyka::BitsText(state.CommandRegister) + soyka::BitsText(state.Accumulator) +
                 soyka::BitsText(state.CounterBits),
             std::string(27, '0'));
    QVERIFY(state.Halted && !state.InputEnabled && state.RunMode == soyka::RunModeAuto);
    QVERIFY(!windows->registersWindow().isVisible() && !windows->displayWindow().isVisible());

    windows->controlPanel_.onStartClicked();
    QTRY_VERIFY_WITH_TIMEOUT(state.Halted && windows->controlPanel_.startButton_->isEnabled(),
                             20000);
    QCOMPARE(windows->displayWindow().valueLabels_[0]->text().trimmed(), "120");
  }

  void aBadFileLeavesZerosAndShowsOneMessageNamingIt_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("named");
    const QString dir = folder.path();
    QTest::newRow("missing") << dir + "/missing.soyka" << QByteArray() << "Такого файла нет.";
    QTest::newRow("digit 2") << dir + "/two.soyka"
                             << QByteArray("# N!\n101110101101\n001110111112\n") << "Строка 3: ";
    QTest::newRow("bad check") << dir + "/check.soyka"
                               << QByteArray("# N!\n# Проверка: 110=25 -> 25\n") << "Строка 2: ";
    // Refused before they are opened: neither waits for ever before the first window.
    const QString fifo = dir + "/fifo.soyka";
    QVERIFY(::mkfifo(fifo.toLocal8Bit().constData(), 0600) == 0);
    QTest::newRow("FIFO") << fifo << QByteArray() << "Это не обычный файл.";
    QTest::newRow("device") << "/dev/zero" << QByteArray() << "Это не обычный файл.";
  }

  void aBadFileLeavesZerosAndShowsOneMessageNamingIt() {
    QFETCH(QString, file);
    QFETCH(QByteArray, text);
    QFETCH(QString, named);
    if (!text.isEmpty()) {
      std::ofstream(file.toStdString(), std::ios::binary) << text.toStdString();
    }
    const auto exercise = Begin(file.toStdString());
    QVERIFY(state.Memory == soyka::MachineState{}.Memory);
    CreateWindows();
    QString seen;
    ModalAnswerer boxes([&](QWidget* modal) {
      seen = qobject_cast<QMessageBox*>(modal)->text();
      PressMessageBoxButton(modal);
    });
    exercise->Present(*windows);
    QCOMPARE(boxes.Answered(), 1);
    QVERIFY2(seen.contains(file) && seen.contains(named), qPrintable(seen));
    QVERIFY(!state.MemoryWindowOpen && !windows->memoryWindow().isVisible());
    QVERIFY(GridRows(MemoryGrid()) == QStringList(8, QString(12, QLatin1Char('0'))));
  }
};

QTEST_MAIN(ExerciseStartTest)
#include "ExerciseStartTest.moc"
