// The Qt main window's widget.
#pragma once

#include <QWidget>

#include <cstdint>

class QPushButton;
class QDropEvent;

class MainWindow : public QWidget {
 public:
  MainWindow();
  void EnableDrops();

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dragLeaveEvent(QDragLeaveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  uint32_t EffectFor(const QDropEvent* event) const;
  void Answer(QDropEvent* event);

  QPushButton* button_ = nullptr;
  bool data_acceptable_ = false;
};

// Whether the main window still exists (it is deleted when closed).
bool MainWindowExists();
