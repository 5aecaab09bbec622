#include "MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

namespace soyka::ui {

QString ApplicationTitle() {
  return QStringLiteral("Учебная ЭВМ \"Сойка\"");
}

QString ErrorTitle() {
  return QStringLiteral("Ошибка");
}

QString ShownText(const std::string& text) {
  QString shown = QString::fromStdString(text);
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return shown;
}

namespace {

int Show(QWidget* parent, QMessageBox::Icon icon, const QString& title, const std::string& text,
         QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton) {
  QMessageBox box(icon, title, ShownText(text), buttons, parent);
  // Above the control panel, which stays on top and would otherwise cover the box's buttons.
  box.setWindowFlag(Qt::WindowStaysOnTopHint);
  box.setDefaultButton(defaultButton);
  if (buttons & QMessageBox::No) {
    box.setEscapeButton(QMessageBox::No);
  }
  return box.exec();
}

} // namespace

void ShowErrorMessage(QWidget* parent, const std::string& text) {
  Show(parent, QMessageBox::Critical, ErrorTitle(), text, QMessageBox::Ok, QMessageBox::Ok);
}

void ShowPlainMessage(QWidget* parent, const std::string& text) {
  Show(parent, QMessageBox::NoIcon, ApplicationTitle(), text, QMessageBox::Ok, QMessageBox::Ok);
}

bool AskYesNo(QWidget* parent, const std::string& text) {
  return Show(parent, QMessageBox::Question, ApplicationTitle(), text,
              QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

} // namespace soyka::ui
