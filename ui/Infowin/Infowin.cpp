#include "Infowin.h"

#include "Fonts.h"
#include "InfoPictures.h"
#include "MessageBoxes.h"

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

void SetLabelText(QLabel* label, const QString& text) {
  if (label->text() != text) {
    label->setText(text);
  }
}

void SetLabelText(QLabel* label, const std::string& text) {
  SetLabelText(label, QString::fromStdString(text));
}

QFrame* MakePanel(QWidget* parent, const char* name, const QString& accessibleName,
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

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                  Qt::Alignment horizontal) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(name));
  label->setGeometry(geometry);
  label->setAlignment(horizontal | Qt::AlignTop);
  return label;
}

// The longest error and comment texts are wider than their labels in the regular cut of the face.
void UseNarrowFace(QLabel* label) {
  QFont font = label->font();
  font.setStretch(QFont::Condensed);
  label->setFont(font);
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, const QIcon& icon,
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
  setFont(soyka::ui::SystemFont(13));
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

  Panel1 = MakePanel(this, "Panel1", QStringLiteral("Выполняемая команда"), QRect(32, 8, 129, 33));
  Label1 = MakeLabel(Panel1, "Label1", QStringLiteral("команда"), QRect(8, 9, 81, 16), Centred);
  LabPCS = MakeLabel(Panel1, "LabPCS", QStringLiteral("000"), QRect(88, 10, 32, 16), Centred);

  Panel2 = MakePanel(this, "Panel2", QStringLiteral("Такт"), QRect(TactPanelLeftAlone, 48, 65, 36));
  Label2 = MakeLabel(Panel2, "Label2", QStringLiteral("такт"), QRect(8, 9, 41, 16), Centred);
  LabTakt = MakeLabel(Panel2, "LabTakt", QStringLiteral("1"), QRect(48, 10, 8, 16), Centred);

  Panel3 = MakePanel(this, "Panel3", QStringLiteral("Ошибка"), QRect(80, 48, 105, 36));
  Label3 = MakeLabel(Panel3, "Label3", QStringLiteral("ОШИБКА:"), QRect(8, 1, 89, 16), Centred);
  QPalette maroon = Label3->palette();
  maroon.setColor(QPalette::WindowText, QColor(128, 0, 0));
  Label3->setPalette(maroon);
  LabErrMess = MakeLabel(Panel3, "LabErrMess", QStringLiteral("Деление на 0"), QRect(1, 18, 96, 16),
                         Centred);
  UseNarrowFace(LabErrMess);

  Panel4 = MakePanel(this, "Panel4", QStringLiteral("Комментарии"), QRect(192, 8, 121, 76));
  Label4 =
      MakeLabel(Panel4, "Label4", QStringLiteral("Комментарии"), QRect(8, 8, 105, 16), Centred);
  LabCom1 = MakeLabel(Panel4, "LabCom1", QStringLiteral("+1 в СчК."), QRect(1, 24, 111, 16), Left);
  LabCom2 =
      MakeLabel(Panel4, "LabCom2", QStringLiteral("подготовка к"), QRect(1, 40, 111, 16), Left);
  LabCom3 =
      MakeLabel(Panel4, "LabCom3", QStringLiteral("след. команде"), QRect(1, 56, 111, 16), Left);
  for (QLabel* line : {LabCom1, LabCom2, LabCom3}) {
    UseNarrowFace(line);
  }
}

void TInfo_win::CreateButtons() {
  BitBtn1 = MakeButton(this, "BitBtn1", QStringLiteral("Дальше"), soyka::ui::ContinuePicture(),
                       QRect(8, 89, 93, 33), QStringLiteral("Продолжить выполнение"));
  BitBtn2 = MakeButton(
      this, "BitBtn2", QStringLiteral("СТОП"),
      soyka::ui::WithGapAfter(style()->standardIcon(QStyle::SP_BrowserStop), StopPictureGap),
      QRect(112, 89, 93, 33), QStringLiteral("Прервать выполнение"));
  BitBtn2->setIconSize(soyka::ui::WithGapAfterSize(StopPictureGap));
  BitBtn3 = MakeButton(this, "BitBtn3", QStringLiteral("Помощь"),
                       style()->standardIcon(QStyle::SP_MessageBoxQuestion), QRect(216, 89, 93, 33),
                       QStringLiteral("Как выйти?"));
  setTabOrder(BitBtn1, BitBtn2);
  setTabOrder(BitBtn2, BitBtn3);
  connect(BitBtn1, &QPushButton::clicked, this, [this] { done(ResultContinue); });
  connect(BitBtn2, &QPushButton::clicked, this, [this] { done(ResultStop); });
  connect(BitBtn3, &QPushButton::clicked, this, &TInfo_win::BitBtn3Click);
}

void TInfo_win::SetExecutedAddress(const std::string& text) {
  SetLabelText(LabPCS, text);
}

void TInfo_win::SetTactComment(int tact, const std::string& line1, const std::string& line2,
                               const std::string& line3) {
  SetLabelText(LabTakt, QString::number(tact));
  SetLabelText(LabCom1, line1);
  SetLabelText(LabCom2, line2);
  SetLabelText(LabCom3, line3);
}

void TInfo_win::PauseForTact() {
  // Set before the window shows, so that the ticks arriving during the wait do nothing.
  state_.Halted = true;
  const bool error = !state_.ErrorMessage.empty();
  Panel2->setVisible(state_.RunMode == soyka::RunModeTact);
  Panel2->move(error ? TactPanelLeftBesideError : TactPanelLeftAlone, Panel2->y());
  Panel3->setVisible(error);
  SetLabelText(LabErrMess, state_.ErrorMessage);
  if (error) {
    // After an error the run can only be stopped; the next run start enables it again.
    BitBtn1->setEnabled(false);
  }
  if (state_.RunMode == soyka::RunModeStep) {
    SetLabelText(LabCom1, QString());
    SetLabelText(LabCom2, soyka::StepDescription(state_.Opcode));
    SetLabelText(LabCom3, QString());
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
  soyka::ui::ShowPlainMessage(this, HelpText);
}
