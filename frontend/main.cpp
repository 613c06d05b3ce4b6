// Program entry: the main window, which creates the two dialogs of the
// calculator run; closing it ends the program. With the command line's
// options the horoscope is printed instead, without a window.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>
#include <cstdio>
#include <memory>

#include "frontend/calculator_run/termination.h"
#include "frontend/command_line/command_line.h"
#include "frontend/command_line/command_line_run.h"
#include "frontend/main_window/Unit1.h"
#include "frontend/resources/qt_translations.h"
#include "frontend/resources/resources.h"

int main(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
  // `velunor --text ...` prints the horoscope and opens no window.
  if (frontend::WantsCommandLine(arguments)) return RunCommandLine(argc, argv);

  QApplication application(argc, argv);
  LoadQtRussianTranslations(application);
  QApplication::setApplicationName(QStringLiteral("velunor"));
  // The title "Велунор" is the main window's caption. No application display
  // name: Qt would append it to every caption, and the dialogs would read
  // "Идет расчет... — Велунор" instead of their own captions.
  QApplication::setDesktopFileName(QStringLiteral("io.github.velunor.Velunor"));
  QApplication::setWindowIcon(LoadMainIcon());

  // Qt's own dialogs (files, printing) in Russian like the rest of the
  // window, when the system has Qt's translations; in English otherwise.
  QTranslator qtTexts;
  if (qtTexts.load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"),
                   QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qtTexts);
  }

  frontend::QuitOnTerminationSignals();

  try {
    // Leaving the event loop, by closing the window or by a termination signal,
    // destroys the main window, which removes its temporary files.
    const auto form1 = std::make_unique<TForm1>();
    form1->show();
    return QApplication::exec();
  } catch (const ResourceNotFound& error) {
    std::fprintf(stderr, "%s\n", error.what());
    QMessageBox::critical(nullptr, QStringLiteral("Велунор"), QString::fromUtf8(error.what()));
    return 1;
  }
}
