// The main window over Qt Widgets: a fixed-size window with one button,
// and the whole window a drop target for local folders.
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QIcon>
#include <QKeyEvent>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QUrl>
#include <QWidget>

#include "command/extract_and_copy.h"
#include "ui/main_window.h"
#include "ui/main_window_form.h"
#include "ui/main_window_qt.h"

namespace {

MainWindow* main_window = nullptr;

// Local file paths only: a drag of anything else carries no folder.
bool CarriesLocalFiles(const QMimeData* data) {
  if (!data || !data->hasUrls())
    return false;
  for (const QUrl& url : data->urls())
    if (!url.isLocalFile())
      return false;
  return !data->urls().isEmpty();
}

uint32_t AllowedEffects(const QDropEvent* event) {
  return static_cast<uint32_t>(event->possibleActions().toInt());
}

}  // namespace

MainWindow::MainWindow() {
  setWindowTitle(QString::fromUtf8(kMainWindowCaption));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(kClientWidth, kClientHeight);
  QIcon icon;
  for (int size : {16, 32, 48})
    icon.addFile(QString(":/icons/%1.png").arg(size), QSize(size, size));
  setWindowIcon(icon);
  setFocusPolicy(Qt::NoFocus);

  button_ = new QPushButton(QString::fromUtf8(kButtonCaption), this);
  button_->setGeometry(kButtonRect.x, kButtonRect.y, kButtonRect.width,
                       kButtonRect.height);
  button_->setAutoDefault(false);
  button_->setDefault(false);
  button_->setFocusPolicy(Qt::StrongFocus);
  connect(button_, &QPushButton::clicked, [] { ExtractAndCopy(); });
}

void MainWindow::EnableDrops() { setAcceptDrops(true); }

uint32_t MainWindow::EffectFor(const QDropEvent* event) const {
  Qt::KeyboardModifiers keys = event->modifiers();
  return ChooseDropEffect(data_acceptable_, keys & Qt::ControlModifier,
                          keys & Qt::ShiftModifier, AllowedEffects(event));
}

// Accepts the drag with the chosen effect, or refuses it.
void MainWindow::Answer(QDropEvent* event) {
  uint32_t effect = EffectFor(event);
  if (effect == kDropNone) {
    event->ignore();
    return;
  }
  event->setDropAction(static_cast<Qt::DropAction>(effect));
  event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  data_acceptable_ = CarriesLocalFiles(event->mimeData());
  Answer(event);
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event) { Answer(event); }

void MainWindow::dragLeaveEvent(QDragLeaveEvent*) { data_acceptable_ = false; }

void MainWindow::dropEvent(QDropEvent* event) {
  if (EffectFor(event) == kDropNone) {
    event->ignore();
    return;
  }
  TextList paths;
  for (const QUrl& url : event->mimeData()->urls())
    paths.push_back(QFile::encodeName(url.toLocalFile()).toStdString());
  OnFilesDropped(DroppedPathsText(paths));
  // Reported as not performed: no source may take it for a finished move.
  event->setDropAction(Qt::IgnoreAction);
  event->ignore();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  event->ignore();
}

bool MainWindow::focusNextPrevChild(bool) {
  // The button is the only control: Tab and Shift+Tab leave the focus there.
  button_->setFocus(Qt::TabFocusReason);
  return true;
}

bool LoadStartWindow() {
  main_window = new MainWindow;
  main_window->setAttribute(Qt::WA_DeleteOnClose);
  QObject::connect(main_window, &QObject::destroyed,
                   [] { main_window = nullptr; });
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect area = screen->geometry();
    main_window->move(area.x() + (area.width() - kClientWidth) / 2,
                      area.y() + (area.height() - kClientHeight) / 2);
  }
  OnMainWindowCreated();
  if (!main_window)
    return true;
  main_window->show();
  main_window->activateWindow();
  return true;
}

bool RegisterDropTarget() {
  static bool registered = false;
  if (registered || !main_window)
    return false;
  registered = true;
  main_window->EnableDrops();
  return true;
}

bool MainWindowExists() { return main_window != nullptr; }
