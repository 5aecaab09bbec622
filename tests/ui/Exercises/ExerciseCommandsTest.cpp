// The exercise commands as the learner uses them in the whole program: open, type, check, save,
// leave; and the files that cannot be opened or written.
#include "MemoryImage.h"
#include "ModalDriver.h"
#include "ProgramRig.h"

#include <QMimeData>
#include <QtTest>
#include <fstream>
#include <sstream>

using soyka::testing::ModalAnswerer;
using soyka::testing::PressMessageBoxButton;
using soyka::testing::ProgramRig;

namespace {

// The shipped sum with its header and checks, and the solution a learner types into it.
const std::string SumHeader = "# Сумма A и B.\r\n# Проверка: 110=25 111=17 -> 25 17 42\r\n"
                              "# Проверка: 110=0 111=0 -> 0 0 0\r\n"
                              "# Проверка: 110=4000 111=96 -> Переполнение!\r\n";
const std::string SumWords = "000000000000\r\n000000000000\r\n000000000000\r\n000000000000\r\n"
                             "000000000000\r\n000000000000\r\n000000011001\r\n000000010001\r\n";
constexpr int SolutionAdd = 0b001'110'111'101;
constexpr int SolutionOutput = 0b111'110'111'101;

std::string FileText(const QString& file) {
  std::ifstream in(file.toStdString(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace

class ExerciseCommandsTest : public QObject {
  Q_OBJECT

  std::unique_ptr<ProgramRig> rig;
  QTemporaryDir folder;
  QString sum;

  soyka::ui::ExerciseCommands& Commands() { return rig->windows.exercises_; }

  // Types the solution's two words as the learner's keys would, each noted as typed.
  void TypeSolution() {
    rig->state.Memory[0] = soyka::WordFromValue(SolutionAdd);
    rig->state.Memory[1] = soyka::WordFromValue(SolutionOutput);
    emit rig->windows.memoryWindow().bitTyped();
  }

  // Runs `act`, answering each message box that comes up with the next of `buttons`; returns
  // the texts of the boxes.
  QStringList Answering(const std::vector<QMessageBox::StandardButton>& buttons,
                        const std::function<void()>& act) {
    QStringList seen;
    ModalAnswerer boxes([&](QWidget* modal) {
      seen << qobject_cast<QMessageBox*>(modal)->text();
      PressMessageBoxButton(modal,
                            buttons.at(std::min<std::size_t>(seen.size(), buttons.size()) - 1));
    });
    act();
    QApplication::processEvents();
    return seen;
  }

private slots:
  void init() {
    rig = std::make_unique<ProgramRig>();
    sum = folder.filePath("sum.soyka");
    std::ofstream(sum.toStdString(), std::ios::binary) << SumHeader << SumWords;
  }
  void cleanup() { rig.reset(); }

  void openingReplacesTheMemoryAndShowsItAndAFileThatCannotBeUsedChangesNothing() {
    QVERIFY(!Commands().checkAction_->isEnabled());
    Commands().openFile(sum);
    QCOMPARE(soyka::WordValue(rig->state.Memory[6]), 25);
    QVERIFY(rig->state.MemoryWindowOpen && rig->windows.memoryWindow().isVisible());
    QVERIFY(Commands().checkAction_->isEnabled());
    const auto memory = rig->state.Memory;
    for (const QString& bad : {folder.path(), QStringLiteral("/dev/zero")}) {
      const QStringList seen = Answering({QMessageBox::Ok}, [&] { Commands().openFile(bad); });
      QCOMPARE(seen.size(), 1);
      QVERIFY2(seen[0].contains(bad), qPrintable(seen[0]));
      QVERIFY(rig->state.Memory == memory);
    }
  }

  void checkingRunsOnACopyAndSaysWhatFailed() {
    Commands().openFile(sum);
    rig->windows.dispatcher_.ClearDisplay();
    QStringList seen = Answering({QMessageBox::Ok}, [&] { Commands().checkProgram(); });
    QCOMPARE(seen, QStringList{"Пройдено проверок: 0 из 3.\nПроверка 1: ожидалось 25 17 42, а "
                               "программа не остановилась за 1000 команд."});
    TypeSolution();
    const auto memory = rig->state.Memory;
    seen = Answering({QMessageBox::Ok}, [&] { Commands().checkProgram(); });
    QCOMPARE(seen, QStringList{"Все проверки пройдены: 3 из 3."});
    QVERIFY(rig->state.Memory == memory && rig->state.Halted);
  }

  void savingKeepsTheHeaderAndWritesTheWords() {
    Commands().openFile(sum);
    TypeSolution();
    // With changes, opening again asks first; «Отмена» keeps them.
    QStringList seen =
        Answering({QMessageBox::Cancel}, [&] { QVERIFY(!Commands().mayDiscardChanges()); });
    QCOMPARE(seen.size(), 1);
    QVERIFY2(seen[0].contains(sum), qPrintable(seen[0]));
    QVERIFY(Answering({}, [&] { QVERIFY(Commands().saveProgram()); }).isEmpty());
    std::string expected = SumHeader + "001110111101\r\n111110111101\r\n" + SumWords.substr(28);
    QCOMPARE(FileText(sum), expected);
    QVERIFY(Answering({}, [&] { QVERIFY(Commands().mayDiscardChanges()); }).isEmpty());
  }

  void aFileThatCannotBeWrittenStaysAndSaysWhy() {
    const QString nowhere = folder.filePath("missing/sum.soyka");
    Commands().adopt(nowhere, SumHeader + SumWords, {});
    TypeSolution();
    const auto memory = rig->state.Memory;
    // Offered «Сохранить как…», the learner says «Нет».
    const QStringList seen =
        Answering({QMessageBox::No}, [&] { QVERIFY(!Commands().saveProgram()); });
    QCOMPARE(seen.size(), 1);
    QVERIFY2(seen[0].contains(nowhere) && seen[0].contains("Такой папки нет.") &&
                 seen[0].contains("Сохранить её в другой файл?"),
             qPrintable(seen[0]));
    QVERIFY(rig->state.Memory == memory && !QFileInfo::exists(nowhere));
  }

  void leavingWithChangesAsksAfterTheExitQuestion() {
    Commands().openFile(sum);
    // No changes: the title bar's close ends the program without a question.
    QVERIFY(Answering({}, [&] { QVERIFY(rig->windows.mainWindow_.close()); }).isEmpty());
    rig->windows.show();
    TypeSolution();
    QStringList seen =
        Answering({QMessageBox::Cancel}, [&] { QVERIFY(!rig->windows.mainWindow_.close()); });
    QCOMPARE(seen.size(), 1);
    seen = Answering({QMessageBox::Yes, QMessageBox::Cancel},
                     [&] { rig->windows.mainWindow_.askToExit(); });
    QCOMPARE(seen.size(), 2);
    QCOMPARE(seen[0], "Действительно хотите выйти из программы?");
    QVERIFY(rig->windows.mainWindow_.isVisible());
    seen = Answering({QMessageBox::Yes, QMessageBox::Yes},
                     [&] { rig->windows.mainWindow_.askToExit(); });
    QCOMPARE(seen.size(), 2);
    QVERIFY(!rig->windows.mainWindow_.isVisible());
    QVERIFY(FileText(sum).find("001110111101\r\n") != std::string::npos);
  }

  void aDroppedFileOpensAndADroppedFolderIsRefused() {
    for (const QString& dropped : {sum, folder.path()}) {
      QMimeData data;
      data.setUrls({QUrl::fromLocalFile(dropped)});
      QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
      const QStringList seen = Answering({QMessageBox::Ok}, [&] {
        // The toolkit hands a drop only to a drag under way: the watcher gets it directly.
        QVERIFY(rig->windows.fileDrops_.eventFilter(&rig->windows.controlPanel_, &drop));
        QTest::qWait(50);
      });
      QVERIFY(drop.isAccepted() && rig->windows.controlPanel_.acceptDrops());
      QCOMPARE(seen.size(), dropped == sum ? 0 : 1);
      QCOMPARE(soyka::WordValue(rig->state.Memory[6]), 25);
    }
  }
};

QTEST_MAIN(ExerciseCommandsTest)
#include "ExerciseCommandsTest.moc"
