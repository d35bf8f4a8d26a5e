// A drag source for the end-to-end tests: a small window at X,Y that, when
// the mouse is pressed in it, starts a real drag of file URLs (or of a text
// with --text) and prints how the target finished it. The X drag protocol's
// XdndFinished message says whether the target performed the drop; Qt's
// exec() only repeats the target's last status, so the message is read here.
//   qt_drag_source X Y [--text TEXT | PATH...]
#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdio>

namespace {

xcb_atom_t Atom(const char* name) {
  auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* connection = x11->connection();
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
      connection, xcb_intern_atom(connection, 0, strlen(name), name), nullptr);
  xcb_atom_t atom = XCB_ATOM_NONE;
  if (reply)
    atom = reply->atom;
  free(reply);
  return atom;
}

class FinishedWatcher : public QAbstractNativeEventFilter {
 public:
  FinishedWatcher() : finished_(Atom("XdndFinished")) {}
  bool nativeEventFilter(const QByteArray& type, void* message,
                         qintptr*) override {
    if (type != "xcb_generic_event_t")
      return false;
    auto* event = static_cast<xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE)
      return false;
    auto* client = reinterpret_cast<xcb_client_message_event_t*>(event);
    if (client->type == finished_) {
      printf("finished_accepted=%u\n", client->data.data32[1] & 1);
      fflush(stdout);
    }
    return false;
  }

 private:
  xcb_atom_t finished_;
};

class Source : public QWidget {
 public:
  explicit Source(QMimeData* (*make)()) : make_(make) {}

 protected:
  void mousePressEvent(QMouseEvent*) override {
    auto* drag = new QDrag(this);
    drag->setMimeData(make_());
    printf("dragging=1\n");
    fflush(stdout);
    Qt::DropAction action =
        drag->exec(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction);
    printf("exec_action=%d\n", static_cast<int>(action));
    fflush(stdout);
    // The target may still be reading the data: stay a little longer.
    QTimer::singleShot(3000, qApp, &QApplication::quit);
  }

 private:
  QMimeData* (*make_)();
};

QStringList arguments;

QMimeData* MakeUrls() {
  auto* data = new QMimeData;
  QList<QUrl> urls;
  for (const QString& path : arguments)
    urls << QUrl::fromLocalFile(path);
  data->setUrls(urls);
  return data;
}

QMimeData* MakeText() {
  auto* data = new QMimeData;
  data->setText(arguments.value(1));
  return data;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QStringList args = app.arguments().mid(1);
  if (args.size() < 2)
    return 2;
  int x = args.takeFirst().toInt(), y = args.takeFirst().toInt();
  arguments = args;
  bool text = !args.isEmpty() && args.first() == "--text";
  FinishedWatcher watcher;
  app.installNativeEventFilter(&watcher);
  Source source(text ? MakeText : MakeUrls);
  source.setWindowTitle("drag source");
  source.setGeometry(x, y, 60, 60);
  source.show();
  printf("ready=1\n");
  fflush(stdout);
  return app.exec();
}
