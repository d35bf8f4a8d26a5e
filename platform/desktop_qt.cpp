// Folder chooser, clipboard and message box over Qt Widgets.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringDecoder>

#include "platform/desktop.h"
#include "platform/large_memory.h"

namespace {

const char kBrowseCaption[] = "浏览文件夹";
const char kOkButton[] = "确定";

QMessageBox::Icon IconOf(int32_t style) {
  return (style & 0xF0) == kMessageBoxIconError ? QMessageBox::Critical
                                                : QMessageBox::NoIcon;
}

// The text as a QString, decoded into room asked of huge pages first: a
// million names are tens of megabytes, whose small-page faults would cost
// more than the decoding. Bytes that are not UTF-8 become U+FFFD.
QString Utf16Of(const Text& text) {
  QStringDecoder decoder(QStringDecoder::Utf8);
  QString utf16(static_cast<qsizetype>(decoder.requiredSpace(text.size())),
                Qt::Uninitialized);
  AdviseLargePages(utf16.data(), utf16.size() * sizeof(QChar));
  QChar* end = decoder.appendToBuffer(utf16.data(), text);
  utf16.truncate(end - utf16.constData());
  return utf16;
}

}  // namespace

Text BrowseForFolder(const Text& title) {
  // The caption names the dialog; title is the line above a Windows tree,
  // which this dialog does not have.
  (void)title;
  QString folder = QFileDialog::getExistingDirectory(
      QApplication::activeWindow(), QString::fromUtf8(kBrowseCaption),
      QDir::homePath(), QFileDialog::ShowDirsOnly);
  return QFile::encodeName(folder).toStdString();
}

bool SetClipboardText(const Text& text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->setText(Utf16Of(text));
  return clipboard->ownsClipboard();
}

void ShowMessageBox(const Text& text, int32_t style, const Text& title) {
  QMessageBox box(IconOf(style), QString::fromUtf8(title),
                  QString::fromUtf8(text), QMessageBox::NoButton,
                  QApplication::activeWindow());
  box.addButton(QString::fromUtf8(kOkButton), QMessageBox::AcceptRole);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}
