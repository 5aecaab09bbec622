#include "MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <memory>

namespace soyka::ui {

QString applicationTitle() {
  return QStringLiteral("Учебная ЭВМ \"Сойка\"");
}

QString errorTitle() {
  return QStringLiteral("Ошибка");
}

QString shownText(const std::string& text) {
  QString shown = QString::fromStdString(text);
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return shown;
}

namespace {

QMessageBox* makeBox(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                     const std::string& text, QMessageBox::StandardButtons buttons,
                     QMessageBox::StandardButton defaultButton) {
  auto* box = new QMessageBox(icon, title, shownText(text), buttons, parent);
  // Above the control panel, which stays on top and would otherwise cover the box's buttons.
  box->setWindowFlag(Qt::WindowStaysOnTopHint);
  box->setDefaultButton(defaultButton);
  if (buttons & QMessageBox::No) {
    box->setEscapeButton(QMessageBox::No);
  }
  return box;
}

int showBox(QWidget* parent, QMessageBox::Icon icon, const QString& title, const std::string& text,
            QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton) {
  const std::unique_ptr<QMessageBox> box(
      makeBox(parent, icon, title, text, buttons, defaultButton));
  return box->exec();
}

} // namespace

QMessageBox* openErrorMessage(QWidget* parent, const std::string& text) {
  QMessageBox* box =
      makeBox(parent, QMessageBox::Critical, errorTitle(), text, QMessageBox::Ok, QMessageBox::Ok);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setWindowModality(Qt::ApplicationModal);
  box->show();
  return box;
}

void showPlainMessage(QWidget* parent, const std::string& text) {
  showBox(parent, QMessageBox::NoIcon, applicationTitle(), text, QMessageBox::Ok, QMessageBox::Ok);
}

bool askYesNo(QWidget* parent, const std::string& text) {
  return showBox(parent, QMessageBox::Question, applicationTitle(), text,
                 QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

} // namespace soyka::ui
