// The decoding menu's texts, compared character for character.
#include "MemoryDecoding.h"
#include "EngineTestSupport.h"
#include "MemoryWindowTests.h"

#include <QTest>

using soyka::Word12;
using soyka::testing::Cmd;
using soyka::testing::FactorialImage;
using soyka::testing::W;
using soyka::ui::MemoryCells;

Q_DECLARE_METATYPE(Word12)
Q_DECLARE_METATYPE(MemoryCells)

namespace {

MemoryCells Cells(const std::vector<Word12>& image) {
  MemoryCells cells{};
  std::copy(image.begin(), image.end(), cells.begin());
  return cells;
}

// Cell n holds 100 n + 7, so every addressed cell shows a different number.
MemoryCells NumberedCells() {
  MemoryCells cells{};
  for (int n = 0; n < soyka::CellCount; ++n) {
    cells[static_cast<std::size_t>(n)] = soyka::WordFromValue(100 * n + 7);
  }
  return cells;
}

} // namespace

class MemoryDecodingTest : public QObject {
  Q_OBJECT

private slots:
  void commandText_data() {
    QTest::addColumn<Word12>("cell");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    QTest::newRow("output and stop in 011")
        << FactorialImage[3] << 3 << QString("Ячейка 011:\rкоманда - 111  ВЫВОД, СТОП");
    QTest::newRow("copy in 000") << W("000000000000") << 0
                                 << QString("Ячейка 000:\rкоманда - 000  A1 ==> A3");
    QTest::newRow("multiply in 000")
        << FactorialImage[0] << 0 << QString("Ячейка 000:\rкоманда - 101  A1 * A2 ==> A3");
    QTest::newRow("add in 001") << FactorialImage[1] << 1
                                << QString("Ячейка 001:\rкоманда - 001  A1 + A2 ==> A3");
    QTest::newRow("jump if greater in 010")
        << FactorialImage[2] << 2 << QString("Ячейка 010:\rкоманда - 110  при A1 > A2 к A3");
    QTest::newRow("jump if equal in 111")
        << Cmd(4, 7, 7, 7) << 7 << QString("Ячейка 111:\rкоманда - 100  при A1 = A2 к A3");
    QTest::newRow("divide in 100")
        << Cmd(2, 0, 0, 0) << 4 << QString("Ячейка 100:\rкоманда - 010  A1 / A2 ==> A3");
    QTest::newRow("subtract in 101, addresses ignored")
        << W("011111111111") << 5 << QString("Ячейка 101:\rкоманда - 011  A1 - A2 ==> A3");
  }
  void commandText() {
    QFETCH(Word12, cell);
    QFETCH(int, row);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(soyka::ui::decodeCommandText(cell, row)), text);
  }

  void addressesText_data() {
    QTest::addColumn<MemoryCells>("memory");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    QTest::newRow("factorial, cell 011 names 101 three times")
        << Cells(FactorialImage) << 3
        << QString("Команда 011:\rA1  = 101,    число: 1\rA2  = 101,    число: 1\r"
                   "A3  = 101,    число: 1\r");
    QTest::newRow("factorial, cell 000 names 110, 101, 101")
        << Cells(FactorialImage) << 0
        << QString("Команда 000:\rA1  = 110,    число: 1\rA2  = 101,    число: 1\r"
                   "A3  = 101,    число: 1\r");

    MemoryCells distinct = NumberedCells();
    distinct[2] = Cmd(1, 4, 6, 7);
    QTest::newRow("three different cells")
        << distinct << 2
        << QString("Команда 010:\rA1  = 100,    число: 407\rA2  = 110,    число: 607\r"
                   "A3  = 111,    число: 707\r");

    MemoryCells zeros = NumberedCells();
    zeros[0] = W("111000000000");
    QTest::newRow("all addresses 000 show cell 0 itself")
        << zeros << 0
        << QString("Команда 000:\rA1  = 000,    число: 3584\rA2  = 000,    число: 3584\r"
                   "A3  = 000,    число: 3584\r");
    zeros[6] = Cmd(7, 0, 0, 0);
    QTest::newRow("all addresses 000 from cell 110")
        << zeros << 6
        << QString("Команда 110:\rA1  = 000,    число: 3584\rA2  = 000,    число: 3584\r"
                   "A3  = 000,    число: 3584\r");
  }
  void addressesText() {
    QFETCH(MemoryCells, memory);
    QFETCH(int, row);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(soyka::ui::decodeAddressesText(memory, row)), text);
  }

  void numberText_data() {
    QTest::addColumn<Word12>("cell");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    QTest::newRow("factorial cell 011")
        << FactorialImage[3] << 3 << QString("Ячейка 011: число 3949");
    QTest::newRow("twelve ones") << W("111111111111") << 5 << QString("Ячейка 101: число 4095");
    QTest::newRow("twelve zeros") << W("000000000000") << 7 << QString("Ячейка 111: число 0");
    QTest::newRow("bit 1 only") << W("000000000001") << 1 << QString("Ячейка 001: число 1");
    QTest::newRow("bit 12 only") << W("100000000000") << 4 << QString("Ячейка 100: число 2048");
    QTest::newRow("2989") << W("101110101101") << 0 << QString("Ячейка 000: число 2989");
  }
  void numberText() {
    QFETCH(Word12, cell);
    QFETCH(int, row);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(soyka::ui::decodeNumberText(cell, row)), text);
  }
};

int RunMemoryDecodingTest(int argc, char** argv) {
  MemoryDecodingTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "MemoryDecodingTest.moc"
