// Times the calculation as the user meets it, with the built-in calculator:
//   - from a press of "Расчет" to the filled result pages;
//   - from starting the program to the first result shown (each start is a
//     fresh process: this program run again with --first-result).
// Usage: frontend_bench [clicks [starts]]   (default 50 and 10)
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench/frontend/timings.h"
#include "frontend/dialogs/Resultdlg.h"
#include "frontend/dialogs/progressdialog.h"
#include "frontend/main_window/Unit1.h"

namespace {

constexpr char kFirstResultFlag[] = "--first-result";

TForm1* CreateWindows() {
  auto* form = new TForm1;
  form->show();
  return form;
}

// Runs the event loop until the start-up calculation has filled the pages.
void WaitForFirstResult(const TForm1& form) {
  QTimer poll;
  poll.setInterval(0);
  QObject::connect(&poll, &QTimer::timeout, [&form] {
    if (!form.Label1->text().isEmpty()) QCoreApplication::quit();
  });
  poll.start();
  QCoreApplication::exec();
}

using bench::Print;
using bench::Summarise;
using bench::Summary;

std::vector<double> TimeClicks(TForm1& form, int clicks) {
  std::vector<double> samples;
  for (int i = 0; i < clicks; ++i) {
    QElapsedTimer clock;
    clock.start();
    form.Button1->click();  // returns when the pages are filled
    samples.push_back(clock.nsecsElapsed() / 1e6);
  }
  return samples;
}

std::vector<double> TimeStarts(const QString& program, int starts) {
  std::vector<double> samples;
  for (int i = 0; i < starts; ++i) {
    QProcess child;
    QElapsedTimer clock;
    clock.start();
    child.start(program, {QString::fromLatin1(kFirstResultFlag)});
    // The child writes one line as soon as its first result is shown.
    while (child.state() != QProcess::NotRunning && !child.canReadLine()) {
      child.waitForReadyRead(30'000);
    }
    const double elapsed = clock.nsecsElapsed() / 1e6;
    if (child.readLine().trimmed() == "shown") samples.push_back(elapsed);
    child.waitForFinished(30'000);
  }
  return samples;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const QStringList arguments = QCoreApplication::arguments();

  if (arguments.size() > 1 && arguments[1] == QLatin1String(kFirstResultFlag)) {
    TForm1* form = CreateWindows();
    WaitForFirstResult(*form);
    std::printf("shown\n");
    std::fflush(stdout);
    delete form;
    return 0;
  }

  const int clicks = arguments.size() > 1 ? arguments[1].toInt() : 50;
  const int starts = arguments.size() > 2 ? arguments[2].toInt() : 10;

  TForm1* form = CreateWindows();
  WaitForFirstResult(*form);
  const std::vector<double> clickSamples = TimeClicks(*form, std::max(clicks, 1));
  delete form;
  Print("click to filled pages", clickSamples.size(), Summarise(clickSamples));

  const std::vector<double> startSamples =
      TimeStarts(QCoreApplication::applicationFilePath(), std::max(starts, 1));
  if (startSamples.empty()) {
    std::printf("program start to first result: no start showed a result\n");
    return 1;
  }
  Print("program start to first result", startSamples.size(), Summarise(startSamples));
  return 0;
}
