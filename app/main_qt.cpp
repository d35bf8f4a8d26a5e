// The process entry on Linux: the Qt application around the program.
#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>

#include <cstdlib>
#include <new>

#include "app/program.h"
#include "ui/main_window_qt.h"

namespace {

// Qt's own dialog texts (Cancel, Look in, ...) in Chinese, like ours.
void LoadQtTranslations(QTranslator& translator) {
  if (translator.load(QLocale(QLocale::Chinese, QLocale::China), "qtbase", "_",
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(&translator);
}

}  // namespace

void ReportFatalError() {
  QMessageBox::critical(nullptr, QString::fromUtf8(kFatalCaption),
                        QString::fromUtf8(kFatalText));
  DiscardExitRoutine();
  std::_Exit(255);
}

void RunMessageLoop() {
  if (MainWindowExists())
    QApplication::exec();
}

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QTranslator translator;
  LoadQtTranslations(translator);
  QDir::setCurrent(QCoreApplication::applicationDirPath());
  std::set_new_handler([] { ReportFatalError(); });
  int code = StartProgram();
  RunExitRoutine();
  return code;
}
