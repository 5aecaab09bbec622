#include "AboutAuthorDialog.h"

#include "Fonts.h"
#include "Pictures.h"

AboutAuthorDialog::AboutAuthorDialog(QWidget* parent)
    : ProgramDialog(QStringLiteral("Автор"), 360, 190, soyka::ui::TitleButtons::CloseOnly, parent) {
  picture_ =
      addPicture(soyka::ui::drawTeamPicture, QStringLiteral("Рисунок: команда разработчиков"));

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

  okButton_ = addOkButton(QRect(136, 150, 89, 30));
}
