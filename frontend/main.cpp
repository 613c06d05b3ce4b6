// Program entry: the main window first, then the two dialogs of the calculator
// run; closing the main window ends the program.
#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <cstdio>

#include "frontend/Resultdlg.h"
#include "frontend/Unit1.h"
#include "frontend/progressdialog.h"
#include "frontend/resources.h"

namespace {

QIcon MainIcon() {
  QIcon icon;
  for (const char* size : {"16", "32"}) {
    QPixmap pixmap;
    try {
      pixmap.loadFromData(LoadResource(QStringLiteral("MAINICON"), QString::fromLatin1(size)));
    } catch (const ResourceNotFound&) {
      continue;  // a window without its icon still works
    }
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("velunor"));
  QApplication::setApplicationDisplayName(QStringLiteral("Велунор"));
  QApplication::setDesktopFileName(QStringLiteral("velunor"));
  QApplication::setWindowIcon(MainIcon());

  try {
    auto* form1 = new TForm1;
    form1->setAttribute(Qt::WA_DeleteOnClose);
    form1->OKBottomDlg = new TOKBottomDlg(form1);
    form1->OKBottomDlg1 = new TOKBottomDlg1(form1);
    form1->show();
    return QApplication::exec();
  } catch (const ResourceNotFound& error) {
    std::fprintf(stderr, "%s\n", error.what());
    QMessageBox::critical(nullptr, QStringLiteral("Велунор"), QString::fromUtf8(error.what()));
    return 1;
  }
}
