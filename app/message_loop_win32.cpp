#include <windows.h>

#include "app/program.h"
#include "platform/program_window_win32.h"
#include "ui/main_window_win32.h"

void RunMessageLoop() {
  if (!IsWindow(ProgramWindow()))
    return;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (HandleMainWindowKey(message))
      continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}
