#include "ProfiledApplicationTest.h"

#include "PaintWatch.h"
#include "ProfiledApplication.h"

#include <QRegularExpression>
#include <QTest>

using soyka::bench::ProfiledApplication;

namespace {

ProfiledApplication& App() {
  return *static_cast<ProfiledApplication*>(qApp);
}

// The "name/Class count x cost ms (share%)" entry of one widget in the summary.
QRegularExpressionMatch Entry(const QString& summary, const QString& widget) {
  return QRegularExpression(QRegularExpression::escape(widget) +
                            QStringLiteral(" ([0-9.]+) x ([0-9.]+) ms \\(([0-9]+)%\\)"))
      .match(summary);
}

// A named window on screen and painted once, so that what follows is counted alone.
bool ShowBoard(QWidget& window) {
  window.setObjectName(QStringLiteral("Board"));
  window.resize(100, 100);
  window.show();
  return soyka::bench::WaitUntilPainted({&window});
}

} // namespace

void ProfiledApplicationTest::init() {
  QCoreApplication::processEvents();
  App().ResetProfile();
}

void ProfiledApplicationTest::countsPaintsPerWidget() {
  QWidget window;
  QVERIFY(ShowBoard(window));
  App().ResetProfile();
  constexpr int Repaints = 4;
  for (int i = 0; i < Repaints; ++i) {
    window.repaint();
  }
  QCOMPARE(App().PaintCount(), Repaints);
  const QRegularExpressionMatch entry =
      Entry(App().PaintSummary(1), QStringLiteral("Board/QWidget"));
  QVERIFY2(entry.hasMatch(), qPrintable(App().PaintSummary(1)));
  QCOMPARE(entry.captured(1), QStringLiteral("4.00"));
  // Per two units (two ticks, say), half as many.
  QCOMPARE(Entry(App().PaintSummary(2), QStringLiteral("Board/QWidget")).captured(1),
           QStringLiteral("2.00"));
}

void ProfiledApplicationTest::measuresThePaintedShare_data() {
  QTest::addColumn<QRect>("dirty");
  QTest::addColumn<int>("percent");
  QTest::newRow("whole") << QRect(0, 0, 100, 100) << 100;
  QTest::newRow("quarter") << QRect(0, 0, 50, 50) << 25;
  QTest::newRow("one row of ten") << QRect(0, 40, 100, 10) << 10;
}

void ProfiledApplicationTest::measuresThePaintedShare() {
  QFETCH(QRect, dirty);
  QFETCH(int, percent);
  QWidget window;
  QVERIFY(ShowBoard(window));
  App().ResetProfile();
  window.repaint(dirty);
  const QRegularExpressionMatch entry =
      Entry(App().PaintSummary(1), QStringLiteral("Board/QWidget"));
  QVERIFY2(entry.hasMatch(), qPrintable(App().PaintSummary(1)));
  QCOMPARE(entry.captured(3).toInt(), percent);
}

void ProfiledApplicationTest::startsAfresh() {
  QWidget window;
  QVERIFY(ShowBoard(window));
  window.repaint();
  QVERIFY(App().PaintCount() > 0);
  App().ResetProfile();
  QCOMPARE(App().PaintCount(), 0);
  QCOMPARE(App().PaintMs(1), 0.0);
  QCOMPARE(App().RepaintMs(1), 0.0);
  QVERIFY(App().PaintSummary(1).isEmpty());
}
