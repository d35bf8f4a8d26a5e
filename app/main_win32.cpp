// The process entry: prepares the process, runs the program, shuts down.
#include <windows.h>
#include <ole2.h>

#include <new>

#include "app/program.h"
#include "core/text.h"

namespace {

const char kFatalCaption[] = "运行错误";
const char kFatalText[] =
    "程序遇到运行时错误, 即将结束.\r\n\r\n"
    "提取JPG文件名";

// The program's own folder becomes the current one, so that the program
// behaves the same whichever folder it was started from.
void EnterProgramFolder() {
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH)
    return;
  SetCurrentDirectoryA(ProgramFolderOf(Text(path, length)).c_str());
}

void PrepareProcess() {
  SetErrorMode(SetErrorMode(0) | SEM_FAILCRITICALERRORS |
               SEM_NOOPENFILEERRORBOX);
  OleInitialize(nullptr);
  EnterProgramFolder();
  std::set_new_handler([] { ReportFatalError(); });
}

}  // namespace

void ReportFatalError() {
  MessageBoxA(nullptr, kFatalText, kFatalCaption,
              MB_ICONERROR | MB_TASKMODAL);
  DiscardExitRoutine();
  OleUninitialize();
  ExitProcess(static_cast<UINT>(-1));
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  PrepareProcess();
  int code = StartProgram();
  RunExitRoutine();
  OleUninitialize();
  return code;
}
