#include "PaintWatchTest.h"

#include "PaintWatch.h"

#include <QLabel>
#include <QTest>
#include <QVBoxLayout>

using soyka::bench::PaintWatch;
using soyka::bench::WaitUntilPainted;

namespace {

constexpr int ShortWaitMs = 300;

} // namespace

void PaintWatchTest::waitsForEveryWindow() {
  QWidget first;
  QWidget second;
  first.resize(80, 60);
  second.resize(80, 60);
  first.show();
  // The second is never shown, so never painted: the wait ends by its timeout.
  QVERIFY(!WaitUntilPainted({&first, &second}, ShortWaitMs));
  second.show();
  QVERIFY(WaitUntilPainted({&second}));
}

void PaintWatchTest::callsBackOnce() {
  QWidget window;
  window.resize(80, 60);
  int calls = 0;
  PaintWatch watch({&window}, [&calls] { ++calls; });
  window.show();
  QTRY_COMPARE(calls, 1);
  window.repaint();
  window.update();
  QVERIFY(WaitUntilPainted({&window}));
  QCOMPARE(calls, 1);
}

void PaintWatchTest::childPaintCountsForItsWindow() {
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* label = new QLabel(QStringLiteral("Сойка"));
  label->setAutoFillBackground(true);
  layout->addWidget(label);
  QWidget unrelated;
  unrelated.resize(40, 40);
  bool painted = false;
  PaintWatch watch({&window}, [&painted] { painted = true; });
  unrelated.show();
  QVERIFY(WaitUntilPainted({&unrelated}));
  QVERIFY(!painted);
  window.show();
  QTRY_VERIFY(painted);
}
