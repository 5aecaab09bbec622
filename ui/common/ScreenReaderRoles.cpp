#include "ScreenReaderRoles.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTimer>

namespace soyka::ui {
namespace {

bool isClass(const QString& className, const QMetaObject& meta) {
  return className == QLatin1String(meta.className());
}

QAccessibleInterface* roleFactory(const QString& className, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget == nullptr) {
    return nullptr;
  }
  if (isClass(className, GroupPanel::staticMetaObject)) {
    return new QAccessibleWidget(widget, QAccessible::Grouping);
  }
  if (isClass(className, Announcer::staticMetaObject)) {
    return new QAccessibleWidget(widget, QAccessible::Notification);
  }
  return nullptr;
}

// Installed once, by the first of these widgets: the factory answers only for their classes.
void installRoleFactory() {
  static const bool installed = [] {
    QAccessible::installFactory(roleFactory);
    return true;
  }();
  (void)installed;
}

} // namespace

GroupPanel::GroupPanel(QWidget* parent) : QFrame(parent) {
  installRoleFactory();
}

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
  installRoleFactory();
  setGeometry(0, 0, 0, 0);
  // Shown only for a moment per message, so showing the window does not repeat the last one.
  setVisible(false);
}

void Announcer::announce(const QString& text) {
  setAccessibleName(text);
  setVisible(true);
  QTimer::singleShot(0, this, [this] { setVisible(false); });
}

} // namespace soyka::ui
