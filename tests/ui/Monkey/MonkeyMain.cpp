// The long monkey: as many random learner actions as asked, from a given seed, headless, and how
// many actions it took per second. On a broken invariant it prints the seed, what broke and the
// whole action list, and exits with status 1.
#include "Monkey.h"
#include "ProgramRig.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <cstdio>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication application(argc, argv);

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Random learner actions on the whole program, invariants checked after each."));
  parser.addHelpOption();
  const QCommandLineOption seedOption(QStringLiteral("seed"), QStringLiteral("The dice's seed."),
                                      QStringLiteral("number"), QStringLiteral("1"));
  const QCommandLineOption actionsOption(QStringLiteral("actions"),
                                         QStringLiteral("How many actions to take."),
                                         QStringLiteral("count"), QStringLiteral("200000"));
  const QCommandLineOption liveOption(
      QStringLiteral("live-timer"),
      QStringLiteral("Let the panel's timer tick every millisecond as well (not replayable)."));
  const QCommandLineOption listOption(QStringLiteral("list"),
                                      QStringLiteral("Print the action list also when all held."));
  parser.addOptions({seedOption, actionsOption, liveOption, listOption});
  parser.process(application);

  bool seedRead = false;
  bool actionsRead = false;
  soyka::monkey::MonkeyOptions options;
  options.seed = parser.value(seedOption).toULongLong(&seedRead);
  options.actions = parser.value(actionsOption).toInt(&actionsRead);
  options.liveTimer = parser.isSet(liveOption);
  if (!seedRead || !actionsRead || options.actions < 0) {
    std::fputs("soyka_monkey: --seed and --actions take non-negative whole numbers\n", stderr);
    return 2;
  }

  soyka::testing::ProgramRig program;
  soyka::monkey::Monkey monkey(program.state, program.windows, options);

  QElapsedTimer clock;
  clock.start();
  const bool held = monkey.Run();
  const double seconds = static_cast<double>(clock.elapsed()) / 1000.0;

  const double rate = seconds > 0 ? monkey.ActionsDone() / seconds : 0.0;
  if (!held) {
    std::fputs(qPrintable(monkey.Report()), stderr);
    std::fprintf(stderr, "%d actions in %.1f s, %.0f actions per second\n", monkey.ActionsDone(),
                 seconds, rate);
    return 1;
  }
  if (parser.isSet(listOption)) {
    std::fputs(qPrintable(monkey.Report()), stdout);
  }
  std::printf("%s\nevery invariant held: %d actions in %.1f s, %.0f actions per second\n",
              qPrintable(monkey.Summary()), monkey.ActionsDone(), seconds, rate);
  return 0;
}
