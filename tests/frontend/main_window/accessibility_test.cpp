// What a screen reader and the keyboard find on the main window: every control
// with its own Russian name, every button with its Alt letter, Qt's own
// dialogs in Russian.
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QKeySequence>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSet>
#include <QTabBar>
#include <QTest>
#include <algorithm>
#include <memory>

#include "frontend/dialogs/Resultdlg.h"
#include "frontend/dialogs/person_dialogs.h"
#include "frontend/main_window/Unit1.h"
#include "frontend/resources/qt_translations.h"
#include "frontend/widgets/degrees_spinedit.h"
#include "tests/frontend/find_widget.h"

namespace {

QString AccessibleName(QWidget* widget) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
  if (accessible == nullptr) return {};
  // A drop-down list gives its chosen item as its name; what it is comes
  // from the label tied to it.
  if (qobject_cast<QComboBox*>(widget) != nullptr) {
    const auto labels = accessible->relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : labels.front().first->text(QAccessible::Name);
  }
  return accessible->text(QAccessible::Name);
}

// The controls the Tab key can reach, the window's own: not the parts Qt
// builds inside a spin box, a list or a scrolled area, not the tab bars
// (which read their page names), not the hidden table.
QList<QWidget*> Controls(TForm1& window) {
  QList<QWidget*> controls;
  for (QWidget* widget : window.findChildren<QWidget*>()) {
    if (!(widget->focusPolicy() & Qt::TabFocus) || widget->window() != &window) continue;
    if (widget->objectName().startsWith(QLatin1String("qt_")) || widget->objectName().isEmpty())
      continue;
    if (qobject_cast<QTabBar*>(widget) != nullptr || widget == window.Memo1) continue;
    if (qobject_cast<QTabBar*>(widget->parentWidget()) != nullptr) continue;  // its scroll arrows
    controls << widget;
  }
  return controls;
}

}  // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TForm1> form_;

 private slots:
  void initTestCase() {
    form_ = std::make_unique<TForm1>();
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
  }
  void cleanupTestCase() { form_.reset(); }

  // Qt's own dialogs answer in Russian whatever the system's language (these
  // tests run under the C locale).
  void qtDialogsSpeakRussian() {
    QVERIFY(LoadQtRussianTranslations(*qApp));
    QMessageBox box(QMessageBox::Question, QStringLiteral("Удаление"), QStringLiteral("Удалить?"),
                    QMessageBox::Yes | QMessageBox::No, form_.get());
    QCOMPARE(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Да"));
    QCOMPARE(box.button(QMessageBox::No)->text().remove(QLatin1Char('&')), QStringLiteral("Нет"));
  }

  void controlsHaveTheirOwnNames_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    const std::pair<const char*, const char*> names[] = {
        {"Edit1", "Фамилия"},
        {"DateTimePicker1", "Дата рождения"},
        {"DateTimePicker2", "Время рождения"},
        {"SpinEdit13", "Разница с Гринвичем"},
        {"SpinEdit9", "Широта, градусы"},
        {"SpinEdit12", "Долгота, минуты"},
        {"ComboBox1", "Населенный пункт"},
    };
    for (const auto& [control, name] : names) {
      QTest::newRow(control) << QString::fromLatin1(control) << QString::fromUtf8(name);
    }
  }
  void controlsHaveTheirOwnNames() {
    QFETCH(QString, control);
    QFETCH(QString, name);
    QCOMPARE(AccessibleName(Find<QWidget>(*form_, control.toLatin1().constData())), name);
  }

  // Nothing the keyboard reaches is nameless, and no two controls share a
  // name, which is what made the date, time and zone boxes one to a listener.
  void everyControlHasANameOfItsOwn() {
    QSet<QString> seen;
    for (QWidget* control : Controls(*form_)) {
      const QString name = AccessibleName(control);
      QVERIFY2(!name.isEmpty(), qPrintable(control->objectName()));
      QVERIFY2(!seen.contains(name), qPrintable(control->objectName() + ": " + name));
      seen.insert(name);
    }
    // The result texts are among them.
    for (QPlainTextEdit* memo : {form_->Memo3, form_->Memo4, form_->Memo7, form_->Memo14}) {
      QVERIFY(seen.contains(AccessibleName(memo)));
    }
  }

  // Each button with a letter in its caption is pressed by Alt and a letter of
  // its own.
  void everyButtonHasItsOwnAltLetter() {
    QSet<QKeySequence> letters;
    for (QAbstractButton* button : form_->findChildren<QAbstractButton*>()) {
      if (!(button->focusPolicy() & Qt::TabFocus) || button->window() != form_.get()) continue;
      const QString text = button->text();
      if (std::none_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); })) continue;
      const QKeySequence mnemonic = QKeySequence::mnemonic(button->text());
      QVERIFY2(!mnemonic.isEmpty(), qPrintable(button->objectName()));
      QVERIFY2(!letters.contains(mnemonic), qPrintable(button->objectName()));
      letters.insert(mnemonic);
    }
    QVERIFY(letters.size() >= 7);  // Расчет, the three under it, the sexes, today
  }

  // The dialogs the main window opens close by Alt and a letter too: their
  // buttons, Qt's own «OK» among them, each have one, and no two of them
  // look alike (a Latin O beside a Cyrillic О).
  void dialogButtonsHaveAltLetters() {
    TOKBottomDlg1 result;
    TRenameDlg rename(frontend::BirthData{});
    const QString latin = QStringLiteral("ABCEHKMOPTXY");
    const QString cyrillic = QStringLiteral("АВСЕНКМОРТХУ");
    for (QDialog* dialog : std::initializer_list<QDialog*>{&result, &rename}) {
      QSet<QChar> letters;
      for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
        const QString text = button->text();
        const qsizetype mark = text.indexOf(QLatin1Char('&'));
        QVERIFY2(mark >= 0 && mark + 1 < text.size(), qPrintable(text));
        QChar letter = text[mark + 1].toUpper();
        if (const qsizetype same = latin.indexOf(letter); same >= 0) letter = cyrillic[same];
        QVERIFY2(!letters.contains(letter), qPrintable(text));
        letters.insert(letter);
      }
      QVERIFY(!letters.isEmpty());
    }
  }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
