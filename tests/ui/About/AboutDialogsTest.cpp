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
    return std::make_unique<AboutProgramDialog>();
  }
  if (which == QLatin1String("author")) {
    return std::make_unique<AboutAuthorDialog>();
  }
  return std::make_unique<ThanksDialog>();
}

QPushButton* OkButtonOf(QDialog* dialog) {
  if (auto* program = qobject_cast<AboutProgramDialog*>(dialog)) {
    return program->okButton_;
  }
  if (auto* author = qobject_cast<AboutAuthorDialog*>(dialog)) {
    return author->okButton_;
  }
  return qobject_cast<ThanksDialog*>(dialog)->okButton_;
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

class AboutDialogsTest : public QObject {
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
    AboutProgramDialog about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QVERIFY(about.productName_->text().contains(QStringLiteral("«Сойка»")));
    QCOMPARE(about.version_->text(), QStringLiteral("Версия " SOYKA_PROJECT_VERSION));
    QVERIFY(about.licence_->text().contains(QStringLiteral("MIT")));
    QVERIFY(!about.description_->text().isEmpty());
    QVERIFY(DrawsSomething(about.picture_));
    QVERIFY(!about.picture_->accessibleName().isEmpty());
  }

  void aboutTheAuthorNamesTheProjectTeam() {
    AboutAuthorDialog about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QCOMPARE(about.authorName_->text(), QStringLiteral("Разработчики проекта «Сойка»"));
    QVERIFY(about.description_->text().contains(QStringLiteral("MIT")));
    QVERIFY(DrawsSomething(about.picture_));
    QVERIFY(!about.picture_->accessibleName().isEmpty());
  }

  void thanksKeepsFourDifferentTexts() {
    QSet<QString> texts;
    for (int i = 0; i < ThanksDialog::TextCount; ++i) {
      const QStringList lines = ThanksDialog::textLines(i);
      QVERIFY(lines.size() >= 2);
      texts.insert(lines.join(QLatin1Char('\n')));
    }
    QCOMPARE(texts.size(), 4);
    QCOMPARE(ThanksDialog::TextIntervalMs, 8000);
    QCOMPARE(ThanksDialog::LineIntervalMs, 250);
  }

  void thanksWritesTheFirstTextOneLineAtATime() {
    ThanksDialog thanks;
    QCOMPARE(thanks.nextTextTimer_->interval(), 8000);
    QCOMPARE(thanks.nextLineTimer_->interval(), 250);
    thanks.show();
    QVERIFY(thanks.nextTextTimer_->isActive());
    QVERIFY(thanks.nextLineTimer_->isActive());
    QCOMPARE(thanks.currentText(), 0);
    const QStringList text = ThanksDialog::textLines(0);
    QCOMPARE(MemoLines(thanks.text_), text.mid(0, 1));
    for (int written = 2; written <= text.size(); ++written) {
      thanks.onNextLine();
      QCOMPARE(MemoLines(thanks.text_), text.mid(0, written));
    }
    QVERIFY(!thanks.nextLineTimer_->isActive());
    thanks.onNextLine();
    QCOMPARE(MemoLines(thanks.text_), text);
    QVERIFY(thanks.nextTextTimer_->isActive());
  }

  void thanksTurnsToTheNextTextAndWrapsAround() {
    ThanksDialog thanks;
    thanks.show();
    for (int turn = 1; turn <= 5; ++turn) {
      thanks.onNextText();
      const int expected = turn % ThanksDialog::TextCount;
      QCOMPARE(thanks.currentText(), expected);
      QCOMPARE(MemoLines(thanks.text_), ThanksDialog::textLines(expected).mid(0, 1));
      QVERIFY(thanks.nextLineTimer_->isActive());
    }
  }

  void thanksRunsOnItsOwnTimers() {
    ThanksDialog thanks;
    // The page is held while its lines come, then turned once by its timer and held again, so
    // that nothing here depends on how fast the machine is.
    thanks.setIntervals(PageHeldMs, QuickMs);
    thanks.show();
    QTRY_COMPARE_WITH_TIMEOUT(MemoLines(thanks.text_), ThanksDialog::textLines(0), WaitMs);
    QCOMPARE(thanks.currentText(), 0);
    connect(thanks.nextTextTimer_, &QTimer::timeout, &thanks,
            [&thanks] { thanks.nextTextTimer_->setInterval(PageHeldMs); });
    thanks.nextTextTimer_->setInterval(QuickMs);
    QTRY_COMPARE_WITH_TIMEOUT(thanks.currentText(), 1, WaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(MemoLines(thanks.text_), ThanksDialog::textLines(1), WaitMs);
    QCOMPARE(thanks.currentText(), 1);
  }

  void thanksStopsWhenHiddenAndStartsAfreshWhenShown() {
    ThanksDialog thanks;
    thanks.show();
    thanks.onNextText();
    thanks.onNextText();
    thanks.hide();
    QVERIFY(!thanks.nextTextTimer_->isActive());
    QVERIFY(!thanks.nextLineTimer_->isActive());
    thanks.show();
    QCOMPARE(thanks.currentText(), 0);
    QCOMPARE(MemoLines(thanks.text_), ThanksDialog::textLines(0).mid(0, 1));
    QVERIFY(thanks.nextTextTimer_->isActive());
  }

  void thanksTextCannotBeEdited() {
    ThanksDialog thanks;
    thanks.show();
    QVERIFY(thanks.text_->isReadOnly());
    const QString before = thanks.text_->toPlainText();
    QTest::keyClicks(thanks.text_, QStringLiteral("xyz"));
    QCOMPARE(thanks.text_->toPlainText(), before);
  }
};

QTEST_MAIN(AboutDialogsTest)
#include "AboutDialogsTest.moc"
