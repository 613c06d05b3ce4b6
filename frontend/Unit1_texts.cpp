// The fixed explanatory texts of the result pages.
#include <QLabel>
#include <QPlainTextEdit>

#include "frontend/Unit1.h"
#include "frontend/resources.h"

namespace {

// Unfavourable days by month. The tabs line the days up in the text box.
const char16_t* const kUnfavourableDays =
    u"Января\t\t1, 2, 9, 15, 26, 30\n"
    u"Февраля\t\t1, 3, 7, 8, 9, 11, 14, 24, 26\n"
    u"Марта\t\t2, 3, 4, 15, 18, 20, 25\n"
    u"Апреля\t\t3, 4, 5, 6, 8, 20, 21, 25, 30\n"
    u"Майя\t\t2, 3, 6, 8, 12, 20, 21, 22, 27\n"
    u"Июня\t\t2, 3, 4, 5, 6, 7, 8, 20, 21, 22\n"
    u"Июля\t\t2, 4, 5, 6, 7, 8, 10, 12, 21, 22, 28\n"
    u"Августа\t\t4, 7, 8, 16, 18, 20\n"
    u"Сентября\t2, 3, 4, 8, 21, 24\n"
    u"Октября\t\t1, 2, 4, 5, 8, 9, 21, 22, 24, 30\n"
    u"Ноября\t\t1, 4, 5, 8, 11, 21\n"
    u"Декабря \t2, 3, 8, 21, 22, 24 ";

// A built-in text of the window, stored as UTF-8 lines under the control's name.
QString FixedText(const QString& controlName) {
  QString text = QString::fromUtf8(LoadResource(QStringLiteral("FORM_TEXT"), controlName));
  text.remove(u'\r');
  if (text.endsWith(u'\n')) text.chop(1);
  return text;
}

}  // namespace

void TForm1::LoadFixedTexts() {
  for (QPlainTextEdit* memo : {Memo13, Memo9, Memo10, Memo11}) {
    memo->setPlainText(FixedText(memo->objectName()));
  }
  Memo8->setPlainText(QString::fromUtf16(kUnfavourableDays));
  for (QLabel* label : {Label5, StaticText2, StaticText4}) {
    label->setText(FixedText(label->objectName()));
  }
  Label5->adjustSize();
}
