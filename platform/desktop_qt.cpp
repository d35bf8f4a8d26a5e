// Folder chooser, clipboard and message box over Qt Widgets.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>

#include "platform/desktop.h"

namespace {

const char kBrowseCaption[] = "浏览文件夹";
const char kOkButton[] = "确定";

QMessageBox::Icon IconOf(int32_t style) {
  return (style & 0xF0) == kMessageBoxIconError ? QMessageBox::Critical
                                                : QMessageBox::NoIcon;
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
  clipboard->setText(QString::fromUtf8(text.data(), TextLength(text)));
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
