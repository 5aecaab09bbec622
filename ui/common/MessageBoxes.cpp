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

void keepAboveControlPanel(QWidget& dialog) {
  dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
}

namespace {

QMessageBox* makeBox(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                     const std::string& text, QMessageBox::StandardButtons buttons,
                     QMessageBox::StandardButton defaultButton) {
  auto* box = new QMessageBox(icon, title, shownText(text), buttons, parent);
  keepAboveControlPanel(*box);
  box->setDefaultButton(defaultButton);
  if (buttons & QMessageBox::Cancel) {
    box->setEscapeButton(QMessageBox::Cancel);
  } else if (buttons & QMessageBox::No) {
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

Answer askYesNoCancel(QWidget* parent, const std::string& text) {
  switch (showBox(parent, QMessageBox::Question, applicationTitle(), text,
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes)) {
  case QMessageBox::Yes:
    return Answer::Yes;
  case QMessageBox::No:
    return Answer::No;
  default:
    return Answer::Cancel;
  }
}

} // namespace soyka::ui
