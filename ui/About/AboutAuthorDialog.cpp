#include "AboutAuthorDialog.h"

#include "FixedWindow.h"
#include "Fonts.h"
#include "PictureBox.h"
#include "Pictures.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

TAbout_avtor::TAbout_avtor(QWidget* parent) : QDialog(parent) {
  soyka::ui::setUpFixedWindow(this, QStringLiteral("Автор"), 360, 190,
                              soyka::ui::TitleButtons::CloseOnly, false);
  setFont(soyka::ui::systemFont(13));

  Image1 = new soyka::ui::PictureBox(soyka::ui::drawTeamPicture, this);
  Image1->setGeometry(12, 12, 88, 88);
  Image1->setAccessibleName(QStringLiteral("Рисунок: команда разработчиков"));

  AuthorName = new QLabel(QStringLiteral("Разработчики проекта «Сойка»"), this);
  AuthorName->setGeometry(112, 12, 236, 40);
  AuthorName->setFont(soyka::ui::systemFont(16, true));
  AuthorName->setWordWrap(true);

  Comments = new QLabel(QStringLiteral("Программа сделана для занятий по устройству ЭВМ в школе "
                                       "и в вузе. Исходные тексты открыты: их можно изучать и "
                                       "дополнять по лицензии MIT."),
                        this);
  Comments->setGeometry(112, 56, 236, 84);
  Comments->setWordWrap(true);
  Comments->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  OKButton =
      new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("OK"), this);
  OKButton->setGeometry(136, 150, 89, 30);
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TAbout_avtor::setVisible(bool visible) {
  // Centred afresh at every showing: a re-shown frame would otherwise creep down by its title bar.
  if (visible) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    move(screen.center() - QPoint(width() / 2, height() / 2));
  }
  QDialog::setVisible(visible);
}
