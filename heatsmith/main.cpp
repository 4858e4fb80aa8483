// Heatsmith: the schedule editor, a program of its own.
//
// `heatsmith --screenshot FILE` shows the window, saves a picture of it to
// FILE and ends (for documentation and for looking at it without a screen).
#include <QApplication>
#include <QPixmap>
#include <QStringList>
#include <QTimer>

#include <cstdio>

#include "form1.h"
#include "qt_prompter.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("heatsmith"));
  QApplication::setApplicationDisplayName(QStringLiteral("Velmora Heatsmith"));
  velmora::QtPrompter prompter;
  TForm1 form(prompter);
  prompter.SetParent(&form);
  form.show();

  const QStringList arguments = QApplication::arguments();
  const qsizetype at = arguments.indexOf(QStringLiteral("--screenshot"));
  if (at >= 0) {
    if (at + 1 >= arguments.size()) {
      std::fprintf(stderr, "heatsmith: --screenshot needs a file name\n");
      return 2;
    }
    const QString file = arguments[at + 1];
    QTimer::singleShot(500, &form, [&form, file] {
      const bool saved = form.grab().save(file);
      if (!saved)
        std::fprintf(stderr, "heatsmith: cannot write %s\n", qPrintable(file));
      QApplication::exit(saved ? 0 : 1);
    });
  }
  return application.exec();
}
