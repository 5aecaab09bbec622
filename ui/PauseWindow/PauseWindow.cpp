#include "PauseWindow.h"

#include "Fonts.h"
#include "MessageBoxes.h"
#include "PausePictures.h"

#include <QStyle>

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

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                  Qt::Alignment horizontal) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(name));
  label->setGeometry(geometry);
  label->setAlignment(horizontal | Qt::AlignTop);
  return label;
}

// The longest error and comment texts are wider than their labels in the regular cut of the face.
void useNarrowFace(QLabel* label) {
  QFont font = label->font();
  font.setStretch(QFont::Condensed);
  label->setFont(font);
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text, const QIcon& icon,
                        const QRect& geometry, const QString& hint) {
  auto* button = new QPushButton(icon, text, parent);
  button->setObjectName(QLatin1String(name));
  button->setGeometry(geometry);
  button->setIconSize(QSize(soyka::ui::InfoPictureSize, soyka::ui::InfoPictureSize));
  button->setToolTip(hint);
  return button;
}

} // namespace

TInfo_win::TInfo_win(soyka::MachineState& state, QWidget* parent) : QDialog(parent), state_(state) {
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint);
  setWindowTitle(QStringLiteral("Выполнено:"));
  setFixedSize(ClientWidth, ClientHeight);
  move(WindowLeft, WindowTop);
  setFont(soyka::ui::systemFont(13));
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, palette.color(QPalette::Dark));
  setPalette(palette);
  setAutoFillBackground(true);

  CreatePanels();
  CreateButtons();
}

void TInfo_win::CreatePanels() {
  constexpr Qt::Alignment Centred = Qt::AlignHCenter;
  constexpr Qt::Alignment Left = Qt::AlignLeft;

  Panel1 = makePanel(this, "Panel1", QStringLiteral("Выполняемая команда"), QRect(32, 8, 129, 33));
  Label1 = makeLabel(Panel1, "Label1", QStringLiteral("команда"), QRect(8, 9, 81, 16), Centred);
  LabPCS = makeLabel(Panel1, "LabPCS", QStringLiteral("000"), QRect(88, 10, 32, 16), Centred);

  Panel2 = makePanel(this, "Panel2", QStringLiteral("Такт"), QRect(TactPanelLeftAlone, 48, 65, 36));
  Label2 = makeLabel(Panel2, "Label2", QStringLiteral("такт"), QRect(8, 9, 41, 16), Centred);
  LabTakt = makeLabel(Panel2, "LabTakt", QStringLiteral("1"), QRect(48, 10, 8, 16), Centred);

  Panel3 = makePanel(this, "Panel3", QStringLiteral("Ошибка"), QRect(80, 48, 105, 36));
  Label3 = makeLabel(Panel3, "Label3", QStringLiteral("ОШИБКА:"), QRect(8, 1, 89, 16), Centred);
  QPalette maroon = Label3->palette();
  maroon.setColor(QPalette::WindowText, QColor(128, 0, 0));
  Label3->setPalette(maroon);
  LabErrMess = makeLabel(Panel3, "LabErrMess", QStringLiteral("Деление на 0"), QRect(1, 18, 96, 16),
                         Centred);
  useNarrowFace(LabErrMess);

  Panel4 = makePanel(this, "Panel4", QStringLiteral("Комментарии"), QRect(192, 8, 121, 76));
  Label4 =
      makeLabel(Panel4, "Label4", QStringLiteral("Комментарии"), QRect(8, 8, 105, 16), Centred);
  LabCom1 = makeLabel(Panel4, "LabCom1", QStringLiteral("+1 в СчК."), QRect(1, 24, 111, 16), Left);
  LabCom2 =
      makeLabel(Panel4, "LabCom2", QStringLiteral("подготовка к"), QRect(1, 40, 111, 16), Left);
  LabCom3 =
      makeLabel(Panel4, "LabCom3", QStringLiteral("след. команде"), QRect(1, 56, 111, 16), Left);
  for (QLabel* line : {LabCom1, LabCom2, LabCom3}) {
    useNarrowFace(line);
  }
}

void TInfo_win::CreateButtons() {
  BitBtn1 = makeButton(this, "BitBtn1", QStringLiteral("Дальше"), soyka::ui::continuePicture(),
                       QRect(8, 89, 93, 33), QStringLiteral("Продолжить выполнение"));
  BitBtn2 = makeButton(
      this, "BitBtn2", QStringLiteral("СТОП"),
      soyka::ui::withGapAfter(style()->standardIcon(QStyle::SP_BrowserStop), StopPictureGap),
      QRect(112, 89, 93, 33), QStringLiteral("Прервать выполнение"));
  BitBtn2->setIconSize(soyka::ui::withGapAfterSize(StopPictureGap));
  BitBtn3 = makeButton(this, "BitBtn3", QStringLiteral("Помощь"),
                       style()->standardIcon(QStyle::SP_MessageBoxQuestion), QRect(216, 89, 93, 33),
                       QStringLiteral("Как выйти?"));
  setTabOrder(BitBtn1, BitBtn2);
  setTabOrder(BitBtn2, BitBtn3);
  connect(BitBtn1, &QPushButton::clicked, this, [this] { done(ResultContinue); });
  connect(BitBtn2, &QPushButton::clicked, this, [this] { done(ResultStop); });
  connect(BitBtn3, &QPushButton::clicked, this, &TInfo_win::BitBtn3Click);
}

void TInfo_win::SetExecutedAddress(const std::string& text) {
  setLabelText(LabPCS, text);
}

void TInfo_win::SetTactComment(int tact, const std::string& line1, const std::string& line2,
                               const std::string& line3) {
  setLabelText(LabTakt, QString::number(tact));
  setLabelText(LabCom1, line1);
  setLabelText(LabCom2, line2);
  setLabelText(LabCom3, line3);
}

void TInfo_win::PauseForTact() {
  // Set before the window shows, so that the ticks arriving during the wait do nothing.
  state_.Halted = true;
  const bool error = !state_.ErrorMessage.empty();
  Panel2->setVisible(state_.RunMode == soyka::RunModeTact);
  Panel2->move(error ? TactPanelLeftBesideError : TactPanelLeftAlone, Panel2->y());
  Panel3->setVisible(error);
  setLabelText(LabErrMess, state_.ErrorMessage);
  if (error) {
    // After an error the run can only be stopped; the next run start enables it again.
    BitBtn1->setEnabled(false);
  }
  if (state_.RunMode == soyka::RunModeStep) {
    setLabelText(LabCom1, QString());
    setLabelText(LabCom2, soyka::StepDescription(state_.Opcode));
    setLabelText(LabCom3, QString());
  }
  (BitBtn1->isEnabled() ? BitBtn1 : BitBtn2)->setFocus();
  if (exec() != ResultContinue) {
    state_.ErrorMessage = std::string(soyka::AbortMessage);
  }
}

void TInfo_win::EnableInfoContinue() {
  BitBtn1->setEnabled(true);
}

void TInfo_win::SetInfoCommentsVisible(bool visible) {
  Panel4->setVisible(visible);
}

void TInfo_win::CloseInfoWindow() {
  // A pause that is closed from outside ends as a stop.
  if (isVisible()) {
    done(QDialog::Rejected);
  }
}

void TInfo_win::BitBtn3Click() {
  soyka::ui::showPlainMessage(this, HelpText);
}
