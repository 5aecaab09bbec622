// The information dialogs: about the program, about the author, and the acknowledgements that
// turn their pages by themselves.
#include "AboutAuthorDialog.h"
#include "AboutProgramDialog.h"
#include "ModalDriver.h"
#include "ThanksDialog.h"

#include <QtTest>
#include <memory>

using soyka::testing::ModalDriver;

namespace {

// Timer intervals for the acknowledgements: a page that stays for the whole test, and quick steps.
constexpr int PageHeldMs = 3'600'000;
constexpr int QuickMs = 10;
// Only so that a broken build does not wait for ever.
constexpr int WaitMs = 20'000;

std::unique_ptr<QDialog> MakeDialog(const QString& which) {
  if (which == QLatin1String("program")) {
    return std::make_unique<TAbout_prog>();
  }
  if (which == QLatin1String("author")) {
    return std::make_unique<TAbout_avtor>();
  }
  return std::make_unique<TThanks>();
}

QPushButton* OkButtonOf(QDialog* dialog) {
  if (auto* program = qobject_cast<TAbout_prog*>(dialog)) {
    return program->OKButton;
  }
  if (auto* author = qobject_cast<TAbout_avtor*>(dialog)) {
    return author->OKButton;
  }
  return qobject_cast<TThanks*>(dialog)->OKButton;
}

QStringList MemoLines(const QPlainTextEdit* memo) {
  const QString text = memo->toPlainText();
  return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

// Whether any pixel of the widget differs from its first one: a picture that drew nothing fails.
bool DrawsSomething(QWidget* widget) {
  const QImage image = widget->grab().toImage();
  const QRgb first = image.pixel(0, 0);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != first) {
        return true;
      }
    }
  }
  return false;
}

} // namespace

class InfoDialogsTest : public QObject {
  Q_OBJECT

private slots:
  void shownModallyAndClosedByOk_data() {
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("caption");
    QTest::newRow("program") << "program"
                             << "Программа";
    QTest::newRow("author") << "author"
                            << "Автор";
    QTest::newRow("thanks") << "thanks"
                            << "Благодарности";
  }

  void shownModallyAndClosedByOk() {
    QFETCH(QString, which);
    QFETCH(QString, caption);
    std::unique_ptr<QDialog> dialog = MakeDialog(which);
    QCOMPARE(dialog->windowTitle(), caption);
    QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
    QPushButton* ok = OkButtonOf(dialog.get());
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QVERIFY(ok->isDefault());
    bool modal = false;
    ModalDriver driver([&](QWidget* shown) {
      modal = shown == dialog.get() && dialog->isModal();
      ok->click();
    });
    QCOMPARE(dialog->exec(), int(QDialog::Accepted));
    QVERIFY(driver.Answered());
    QVERIFY(!driver.TimedOut());
    QVERIFY(modal);
    QVERIFY(!dialog->isVisible());
  }

  void centredAfreshAtEveryShowing_data() { shownModallyAndClosedByOk_data(); }

  void centredAfreshAtEveryShowing() {
    QFETCH(QString, which);
    std::unique_ptr<QDialog> dialog = MakeDialog(which);
    const QPoint centre = dialog->screen()->availableGeometry().center();
    for (int showing = 0; showing < 3; ++showing) {
      dialog->show();
      QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
      QVERIFY((dialog->frameGeometry().center() - centre).manhattanLength() <= 2);
      dialog->move(dialog->pos() + QPoint(40, 25));
      dialog->hide();
    }
  }

  void everyLabelShowsItsWholeText_data() {
    QTest::addColumn<QString>("which");
    QTest::newRow("program") << "program";
    QTest::newRow("author") << "author";
  }

  void everyLabelShowsItsWholeText() {
    QFETCH(QString, which);
    std::unique_ptr<QDialog> dialog = MakeDialog(which);
    const QList<QLabel*> labels = dialog->findChildren<QLabel*>();
    QVERIFY(labels.size() >= 2);
    for (QLabel* label : labels) {
      const int needed =
          label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
      QVERIFY2(needed <= label->height(), qPrintable(label->text()));
      QVERIFY2(label->wordWrap() || label->sizeHint().width() <= label->width(),
               qPrintable(label->text()));
      QVERIFY2(dialog->rect().contains(label->geometry()), qPrintable(label->text()));
    }
  }

  void aboutTheProgramTellsNameVersionAndLicence() {
    TAbout_prog about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QVERIFY(about.ProductName->text().contains(QStringLiteral("«Сойка»")));
    QCOMPARE(about.Version->text(), QStringLiteral("Версия 1.0"));
    QVERIFY(about.Copyright->text().contains(QStringLiteral("MIT")));
    QVERIFY(!about.Comments->text().isEmpty());
    QVERIFY(DrawsSomething(about.Image1));
    QVERIFY(!about.Image1->accessibleName().isEmpty());
  }

  void aboutTheAuthorNamesTheProjectTeam() {
    TAbout_avtor about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QCOMPARE(about.AuthorName->text(), QStringLiteral("Разработчики проекта «Сойка»"));
    QVERIFY(about.Comments->text().contains(QStringLiteral("MIT")));
    QVERIFY(DrawsSomething(about.Image1));
    QVERIFY(!about.Image1->accessibleName().isEmpty());
  }

  void thanksKeepsFourDifferentTexts() {
    QSet<QString> texts;
    for (int i = 0; i < TThanks::TextCount; ++i) {
      const QStringList lines = TThanks::TextLines(i);
      QVERIFY(lines.size() >= 2);
      texts.insert(lines.join(QLatin1Char('\n')));
    }
    QCOMPARE(texts.size(), 4);
    QCOMPARE(TThanks::TextIntervalMs, 8000);
    QCOMPARE(TThanks::LineIntervalMs, 250);
  }

  void thanksWritesTheFirstTextOneLineAtATime() {
    TThanks thanks;
    QCOMPARE(thanks.Timer1->interval(), 8000);
    QCOMPARE(thanks.Timer2->interval(), 250);
    thanks.show();
    QVERIFY(thanks.Timer1->isActive());
    QVERIFY(thanks.Timer2->isActive());
    QCOMPARE(thanks.CurrentText(), 0);
    const QStringList text = TThanks::TextLines(0);
    QCOMPARE(MemoLines(thanks.Memo1), text.mid(0, 1));
    for (int written = 2; written <= text.size(); ++written) {
      thanks.Timer2Timer();
      QCOMPARE(MemoLines(thanks.Memo1), text.mid(0, written));
    }
    QVERIFY(!thanks.Timer2->isActive());
    thanks.Timer2Timer();
    QCOMPARE(MemoLines(thanks.Memo1), text);
    QVERIFY(thanks.Timer1->isActive());
  }

  void thanksTurnsToTheNextTextAndWrapsAround() {
    TThanks thanks;
    thanks.show();
    for (int turn = 1; turn <= 5; ++turn) {
      thanks.Timer1Timer();
      const int expected = turn % TThanks::TextCount;
      QCOMPARE(thanks.CurrentText(), expected);
      QCOMPARE(MemoLines(thanks.Memo1), TThanks::TextLines(expected).mid(0, 1));
      QVERIFY(thanks.Timer2->isActive());
    }
  }

  void thanksRunsOnItsOwnTimers() {
    TThanks thanks;
    // The page is held while its lines come, then turned once by its timer and held again, so
    // that nothing here depends on how fast the machine is.
    thanks.SetIntervals(PageHeldMs, QuickMs);
    thanks.show();
    QTRY_COMPARE_WITH_TIMEOUT(MemoLines(thanks.Memo1), TThanks::TextLines(0), WaitMs);
    QCOMPARE(thanks.CurrentText(), 0);
    connect(thanks.Timer1, &QTimer::timeout, &thanks,
            [&thanks] { thanks.Timer1->setInterval(PageHeldMs); });
    thanks.Timer1->setInterval(QuickMs);
    QTRY_COMPARE_WITH_TIMEOUT(thanks.CurrentText(), 1, WaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(MemoLines(thanks.Memo1), TThanks::TextLines(1), WaitMs);
    QCOMPARE(thanks.CurrentText(), 1);
  }

  void thanksStopsWhenHiddenAndStartsAfreshWhenShown() {
    TThanks thanks;
    thanks.show();
    thanks.Timer1Timer();
    thanks.Timer1Timer();
    thanks.hide();
    QVERIFY(!thanks.Timer1->isActive());
    QVERIFY(!thanks.Timer2->isActive());
    thanks.show();
    QCOMPARE(thanks.CurrentText(), 0);
    QCOMPARE(MemoLines(thanks.Memo1), TThanks::TextLines(0).mid(0, 1));
    QVERIFY(thanks.Timer1->isActive());
  }

  void thanksTextCannotBeEdited() {
    TThanks thanks;
    thanks.show();
    QVERIFY(thanks.Memo1->isReadOnly());
    const QString before = thanks.Memo1->toPlainText();
    QTest::keyClicks(thanks.Memo1, QStringLiteral("xyz"));
    QCOMPARE(thanks.Memo1->toPlainText(), before);
  }
};

QTEST_MAIN(InfoDialogsTest)
#include "AboutDialogsTest.moc"
