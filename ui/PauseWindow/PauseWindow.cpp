#include "PauseWindow.h"

#include "ControlMakers.h"
#include "Fonts.h"
#include "GlyphIcon.h"
#include "MessageBoxes.h"
#include "PausePictures.h"

#include <QKeyEvent>
#include <QStringList>

namespace {

constexpr int ClientWidth = 323;
constexpr int ClientHeight = 125;
constexpr int WindowLeft = 303;
constexpr int WindowTop = 302;
// The tact panel stands beside the error panel, or in its place when there is no error.
constexpr int TactPanelLeftBesideError = 8;
constexpr int TactPanelLeftAlone = 70;
constexpr int StopPictureGap = 12;

// How to leave Step and Tact modes; lines end with a carriage return.
const std::string HelpText = "Выход из режимов\r"
                             "\"ШАГ\"  и  \"ТАКТ\"\r"
                             " Т О Л Ь К О ( !!! )\r"
                             "по кнопке \"СТОП\"!!!";

void setLabelText(QLabel* label, const QString& text) {
  if (label->text() != text) {
    label->setText(text);
  }
}

void setLabelText(QLabel* label, const std::string& text) {
  setLabelText(label, QString::fromStdString(text));
}

QFrame* makePanel(QWidget* parent, const char* name, const QString& accessibleName,
                  const QRect& geometry) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(QLatin1String(name));
  panel->setAccessibleName(accessibleName);
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setLineWidth(1);
  panel->setGeometry(geometry);
  QPalette palette = panel->palette();
  palette.setColor(QPalette::Window, palette.color(QPalette::Button));
  panel->setPalette(palette);
  panel->setAutoFillBackground(true);
  return panel;
}

QLabel* makePanelLabel(QWidget* parent, const char* name, const QString& text,
                       const QRect& geometry, Qt::Alignment horizontal) {
  QLabel* label = soyka::ui::makeLabel(parent, name, text, geometry, horizontal);
  // Each label belongs to its panel; Orca then speaks the window's description, which gives all
  // the texts in reading order, instead of whichever labels happen to be three words long.
  label->setBuddy(parent);
  return label;
}

// The longest error and comment texts are wider than their labels in the regular cut of the face.
void useNarrowFace(QLabel* label) {
  QFont font = label->font();
  font.setStretch(soyka::ui::CondensedWidth);
  label->setFont(font);
}

} // namespace

PauseWindow::PauseWindow(soyka::MachineState& state, QWidget* parent)
    : ProgramDialog(QStringLiteral("Выполнено:"), ClientWidth, ClientHeight,
                    soyka::ui::TitleButtons::None, parent, Qt::Dialog),
      state_(state) {
  move(place());
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, palette.color(QPalette::Dark));
  setPalette(palette);
  setAutoFillBackground(true);

  createPanels();
  createButtons();
  // The other windows take no input while a pause waits.
  setWindowModality(Qt::ApplicationModal);
  connect(this, &QDialog::finished, this, [this](int result) {
    emit answered(result == ResultContinue ? soyka::PauseAnswer::Continue
                  : result == ResultBack   ? soyka::PauseAnswer::Back
                                           : soyka::PauseAnswer::Stop);
  });
}

void PauseWindow::createPanels() {
  constexpr Qt::Alignment Centred = Qt::AlignHCenter;
  constexpr Qt::Alignment Left = Qt::AlignLeft;

  commandPanel_ =
      makePanel(this, "commandPanel", QStringLiteral("Выполняемая команда"), QRect(32, 8, 129, 33));
  commandCaption_ = makePanelLabel(commandPanel_, "commandCaption", QStringLiteral("команда"),
                                   QRect(8, 9, 81, 16), Centred);
  addressLabel_ = makePanelLabel(commandPanel_, "addressLabel", QStringLiteral("000"),
                                 QRect(88, 10, 32, 16), Centred);

  tactPanel_ =
      makePanel(this, "tactPanel", QStringLiteral("Такт"), QRect(TactPanelLeftAlone, 48, 65, 36));
  tactCaption_ = makePanelLabel(tactPanel_, "tactCaption", QStringLiteral("такт"),
                                QRect(8, 9, 41, 16), Centred);
  tactLabel_ =
      makePanelLabel(tactPanel_, "tactLabel", QStringLiteral("1"), QRect(48, 10, 8, 16), Centred);

  errorPanel_ = makePanel(this, "errorPanel", QStringLiteral("Ошибка"), QRect(80, 48, 105, 36));
  errorCaption_ = makePanelLabel(errorPanel_, "errorCaption", QStringLiteral("ОШИБКА:"),
                                 QRect(8, 1, 89, 16), Centred);
  QPalette maroon = errorCaption_->palette();
  maroon.setColor(QPalette::WindowText, QColor(128, 0, 0));
  errorCaption_->setPalette(maroon);
  errorLabel_ = makePanelLabel(errorPanel_, "errorLabel", QStringLiteral("Деление на 0"),
                               QRect(1, 18, 96, 16), Centred);
  useNarrowFace(errorLabel_);

  commentsPanel_ =
      makePanel(this, "commentsPanel", QStringLiteral("Комментарии"), QRect(192, 8, 121, 76));
  commentsCaption_ = makePanelLabel(commentsPanel_, "commentsCaption",
                                    QStringLiteral("Комментарии"), QRect(8, 8, 105, 16), Centred);
  commentLines_[0] = makePanelLabel(commentsPanel_, "commentLine0", QStringLiteral("+1 в СчК."),
                                    QRect(1, 24, 111, 16), Left);
  commentLines_[1] = makePanelLabel(commentsPanel_, "commentLine1", QStringLiteral("подготовка к"),
                                    QRect(1, 40, 111, 16), Left);
  commentLines_[2] = makePanelLabel(commentsPanel_, "commentLine2", QStringLiteral("след. команде"),
                                    QRect(1, 56, 111, 16), Left);
  for (QLabel* line : commentLines_) {
    useNarrowFace(line);
  }
}

void PauseWindow::createButtons() {
  continueButton_ = soyka::ui::makeButton(this, "continueButton", QStringLiteral("Дальше"),
                                          soyka::ui::continuePicture(), QRect(8, 89, 93, 33),
                                          QStringLiteral("Продолжить выполнение"));
  stopButton_ =
      soyka::ui::makeButton(this, "stopButton", QStringLiteral("СТОП"),
                            soyka::ui::withGapAfter(soyka::ui::stopGlyph(), StopPictureGap),
                            QRect(112, 89, 93, 33), QStringLiteral("Прервать выполнение"));
  stopButton_->setIconSize(soyka::ui::withGapAfterSize(StopPictureGap));
  helpButton_ = soyka::ui::makeButton(this, "helpButton", QStringLiteral("Помощь"),
                                      soyka::ui::questionGlyph(), QRect(216, 89, 93, 33),
                                      QStringLiteral("Как выйти?"));
  backButton_ =
      soyka::ui::makeButton(this, "backButton", QString(), soyka::ui::backPicture(),
                            QRect(4, 8, 24, 33), QStringLiteral("Вернуться на шаг назад"));
  backButton_->setAccessibleName(QStringLiteral("Назад"));
  setTabOrder(continueButton_, stopButton_);
  setTabOrder(stopButton_, helpButton_);
  setTabOrder(helpButton_, backButton_);
  connect(continueButton_, &QPushButton::clicked, this, [this] { done(ResultContinue); });
  connect(stopButton_, &QPushButton::clicked, this, [this] { done(ResultStop); });
  connect(backButton_, &QPushButton::clicked, this, [this] { done(ResultBack); });
  connect(helpButton_, &QPushButton::clicked, this, &PauseWindow::onHelpClicked);
}

QPoint PauseWindow::place() const {
  return {WindowLeft, WindowTop};
}

void PauseWindow::SetExecutedAddress(const std::string& text) {
  setLabelText(addressLabel_, text);
}

void PauseWindow::SetTactComment(int tact, const std::string& line1, const std::string& line2,
                                 const std::string& line3) {
  setLabelText(tactLabel_, QString::number(tact));
  setLabelText(commentLines_[0], line1);
  setLabelText(commentLines_[1], line2);
  setLabelText(commentLines_[2], line3);
}

std::optional<soyka::PauseAnswer> PauseWindow::PauseForTact() {
  const soyka::PauseView& pause = state_.View.Pause;
  setLabelText(addressLabel_, pause.Address);
  setLabelText(tactLabel_, QString::number(pause.Tact));
  commentsPanel_->setVisible(pause.CommentsVisible);
  tactPanel_->setVisible(pause.TactVisible);
  tactPanel_->move(pause.TactBesideError ? TactPanelLeftBesideError : TactPanelLeftAlone,
                   tactPanel_->y());
  errorPanel_->setVisible(pause.ErrorVisible);
  setLabelText(errorLabel_, pause.Error);
  continueButton_->setEnabled(pause.ContinueEnabled);
  backButton_->setEnabled(pause.BackEnabled);
  for (std::size_t line = 0; line < commentLines_.size(); ++line) {
    setLabelText(commentLines_[line], pause.Lines[line]);
  }
  setAccessibleDescription(spokenText());
  (continueButton_->isEnabled() ? continueButton_ : stopButton_)->setFocus();
  setResult(0);
  show();
  return std::nullopt;
}

QString PauseWindow::spokenText() const {
  QStringList parts{commandCaption_->text() + QLatin1Char(' ') + addressLabel_->text()};
  if (tactPanel_->isVisibleTo(this)) {
    parts << tactCaption_->text() + QLatin1Char(' ') + tactLabel_->text();
  }
  if (errorPanel_->isVisibleTo(this)) {
    parts << errorCaption_->text() + QLatin1Char(' ') + errorLabel_->text();
  }
  if (commentsPanel_->isVisibleTo(this)) {
    QStringList lines;
    for (const QLabel* line : commentLines_) {
      if (!line->text().trimmed().isEmpty()) {
        lines << line->text().trimmed();
      }
    }
    if (!lines.isEmpty()) {
      parts << lines.join(QLatin1Char(' '));
    }
  }
  return parts.join(QStringLiteral(". "));
}

void PauseWindow::EnableInfoContinue() {
  continueButton_->setEnabled(true);
}

void PauseWindow::SetInfoCommentsVisible(bool visible) {
  commentsPanel_->setVisible(visible);
}

void PauseWindow::CloseInfoWindow() {
  // A pause that is closed from outside ends as a stop.
  if (isVisible()) {
    done(QDialog::Rejected);
  }
}

void PauseWindow::keyPressEvent(QKeyEvent* event) {
  // Backspace is Назад's key, wherever the focus stands in the pause.
  if (event->key() == Qt::Key_Backspace) {
    if (backButton_->isEnabled()) {
      backButton_->click();
    }
    return;
  }
  QDialog::keyPressEvent(event);
}

void PauseWindow::onHelpClicked() {
  soyka::ui::showPlainMessage(this, HelpText);
}
