#include "AboutProgramDialog.h"

#include "Fonts.h"
#include "Pictures.h"
#include "Version.h"

namespace {

QLabel* textLabel(QWidget* parent, const QString& text, const QRect& geometry, const QFont& font) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(geometry);
  label->setFont(font);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

QString versionText() {
  return QStringLiteral("Версия ") +
         QString::fromUtf8(soyka::SoykaVersion.data(),
                           static_cast<qsizetype>(soyka::SoykaVersion.size()));
}

} // namespace

AboutProgramDialog::AboutProgramDialog(QWidget* parent)
    : ProgramDialog(QStringLiteral("Программа"), 380, 236, soyka::ui::TitleButtons::CloseOnly,
                    parent) {
  picture_ =
      addPicture(soyka::ui::drawProcessorPicture, QStringLiteral("Рисунок: процессор учебной ЭВМ"));

  productName_ = textLabel(this, QStringLiteral("Учебная ЭВМ «Сойка»"), QRect(112, 12, 256, 22),
                           soyka::ui::systemFont(16, true));
  description_ = textLabel(this,
                           QStringLiteral("Тренажёр для уроков информатики: программа вводится в "
                                          "память по битам и выполняется целиком, по командам или "
                                          "по тактам, а окна показывают работу каждой части ЭВМ."),
                           QRect(112, 38, 256, 110), soyka::ui::systemFont(13));
  version_ = textLabel(this, versionText(), QRect(12, 154, 356, 18), soyka::ui::systemFont(13));
  licence_ = textLabel(this, QStringLiteral("Свободная программа, лицензия MIT."),
                       QRect(12, 172, 356, 18), soyka::ui::systemFont(13));

  okButton_ = addOkButton(QRect(145, 198, 89, 30));
}
