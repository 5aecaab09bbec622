#include "ProfiledApplication.h"

#include "ProcessFigures.h"

#include <QEvent>
#include <QPaintEvent>
#include <QStringList>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace soyka::bench {
namespace {

// A viewport or another part with no name of ours is named after the control it belongs to.
QString WidgetName(const QObject* widget) {
  const QObject* named = widget;
  while ((named->objectName().isEmpty() || named->objectName().startsWith(QLatin1String("qt_"))) &&
         named->parent() != nullptr) {
    named = named->parent();
  }
  return QStringLiteral("%1/%2").arg(named->objectName(),
                                     QLatin1String(widget->metaObject()->className()));
}

} // namespace

bool ProfiledApplication::notify(QObject* receiver, QEvent* event) {
  const QEvent::Type type = event->type();
  if ((type != QEvent::Paint && type != QEvent::UpdateRequest) || !receiver->isWidgetType()) {
    return QApplication::notify(receiver, event);
  }
  const auto start = MonotonicMicroseconds();
  const bool handled = QApplication::notify(receiver, event);
  const auto spent = MonotonicMicroseconds() - start;
  if (type == QEvent::UpdateRequest) {
    ++repaints_.count;
    repaints_.microseconds += spent;
    return handled;
  }
  Tally& tally = paints_[WidgetName(receiver)];
  ++tally.count;
  tally.microseconds += spent;
  const QSize whole = static_cast<QWidget*>(receiver)->size();
  if (!whole.isEmpty()) {
    double painted = 0;
    for (const QRect& rect : static_cast<QPaintEvent*>(event)->region()) {
      painted += static_cast<double>(rect.width()) * rect.height();
    }
    tally.areaShare += painted / (static_cast<double>(whole.width()) * whole.height());
  }
  return handled;
}

void ProfiledApplication::ResetProfile() {
  paints_.clear();
  repaints_ = {};
}

long long ProfiledApplication::PaintCount() const {
  long long count = 0;
  for (const auto& entry : paints_) {
    count += entry.second.count;
  }
  return count;
}

double ProfiledApplication::PaintMs(double divisor) const {
  long long microseconds = 0;
  for (const auto& entry : paints_) {
    microseconds += entry.second.microseconds;
  }
  return static_cast<double>(microseconds) / 1000.0 / divisor;
}

double ProfiledApplication::RepaintMs(double divisor) const {
  return static_cast<double>(repaints_.microseconds) / 1000.0 / divisor;
}

QString ProfiledApplication::PaintSummary(double divisor) const {
  std::vector<std::pair<long long, QString>> costliest;
  for (const auto& [widget, tally] : paints_) {
    const auto count = static_cast<double>(tally.count);
    costliest.emplace_back(
        tally.microseconds,
        QStringLiteral("%1 %2 x %3 ms (%4%)")
            .arg(widget)
            .arg(count / divisor, 0, 'f', 2)
            .arg(static_cast<double>(tally.microseconds) / 1000.0 / count, 0, 'f', 3)
            .arg(100.0 * tally.areaShare / count, 0, 'f', 0));
  }
  std::sort(costliest.rbegin(), costliest.rend());
  QStringList parts;
  for (const auto& entry : costliest) {
    parts << entry.second;
  }
  return parts.join(QStringLiteral(", "));
}

} // namespace soyka::bench
