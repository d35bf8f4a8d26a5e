// The process entry: prepares the process, runs the program, shuts down.
#include <windows.h>
#include <ole2.h>

#include <new>
#include <string>

#include "app/program.h"
#include "core/text.h"
#include "platform/wide_text_win32.h"

namespace {

bool ole_initialized = false;
// Made before the new handler is set: the report must not need memory.
std::wstring fatal_caption, fatal_text;

// The program's full path, however long.
std::wstring ModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, path.data(),
                                      static_cast<DWORD>(path.size()));
    if (length == 0)
      return std::wstring();
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);  // cut short: ask again with more room
  }
}

// The program's own folder becomes the current one, so that the program
// behaves the same whichever folder it was started from.
void EnterProgramFolder() {
  std::wstring path = ModulePath();
  if (path.empty())
    return;
  SetCurrentDirectoryW(WideText(ProgramFolderOf(TextOfWide(path))).c_str());
}

void PrepareProcess() {
  SetErrorMode(SetErrorMode(0) | SEM_FAILCRITICALERRORS |
               SEM_NOOPENFILEERRORBOX);
  // Without OLE the window takes no drops, but the program still runs; only
  // a successful initialisation is balanced by an uninitialisation.
  ole_initialized = SUCCEEDED(OleInitialize(nullptr));
  EnterProgramFolder();
  fatal_caption = WideText(kFatalCaption);
  fatal_text = WideText(kFatalText);
  std::set_new_handler([] { ReportFatalError(); });
}

void EndOle() {
  if (ole_initialized)
    OleUninitialize();
  ole_initialized = false;
}

}  // namespace

void ReportFatalError() {
  MessageBoxW(nullptr, fatal_text.c_str(), fatal_caption.c_str(),
              MB_ICONERROR | MB_TASKMODAL);
  DiscardExitRoutine();
  EndOle();
  ExitProcess(static_cast<UINT>(-1));
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  PrepareProcess();
  int code = StartProgram();
  RunExitRoutine();
  EndOle();
  return code;
}
