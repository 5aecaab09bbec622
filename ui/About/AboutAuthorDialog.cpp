#include "AboutAuthorDialog.h"

#include "FixedWindow.h"
#include "Fonts.h"
#include "GlyphIcon.h"
#include "PictureBox.h"
#include "Pictures.h"

AboutAuthorDialog::AboutAuthorDialog(QWidget* parent) : ProgramDialog(parent) {
  soyka::ui::setUpFixedWindow(this, QStringLiteral("Автор"), 360, 190,
                              soyka::ui::TitleButtons::CloseOnly, true);
  setFont(soyka::ui::systemFont(13));

  picture_ = new soyka::ui::PictureBox(soyka::ui::drawTeamPicture, this);
  picture_->setGeometry(12, 12, 88, 88);
  picture_->setAccessibleName(QStringLiteral("Рисунок: команда разработчиков"));

  authorName_ = new QLabel(QStringLiteral("Разработчики проекта «Сойка»"), this);
  authorName_->setGeometry(112, 12, 236, 40);
  authorName_->setFont(soyka::ui::systemFont(16, true));
  authorName_->setWordWrap(true);

  description_ =
      new QLabel(QStringLiteral("Программа сделана для занятий по устройству ЭВМ в школе "
                                "и в вузе. Исходные тексты открыты: их можно изучать и "
                                "дополнять по лицензии MIT."),
                 this);
  description_->setGeometry(112, 56, 236, 84);
  description_->setWordWrap(true);
  description_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  okButton_ = new QPushButton(soyka::ui::okGlyph(), QStringLiteral("OK"), this);
  okButton_->setGeometry(136, 150, 89, 30);
  okButton_->setDefault(true);
  connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
}
