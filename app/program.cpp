#include "app/program.h"

#include <cfenv>
#include <new>

#include "command/extract_and_copy.h"
#include "ui/main_window.h"

namespace {
ExitRoutine exit_routine = nullptr;
}

int StartProgram() {
  // Round to nearest, every floating-point exception masked.
  std::fesetenv(FE_DFL_ENV);
  InitProgramVariables();
  SetExitRoutine(ReleaseProgramVariables);
  if (!LoadStartWindow())
    ReportFatalError();
#ifdef JPGNAMES_TEST_ALLOCATION_FAILURE
  // Test build only: an allocation that cannot be met, once the window is up.
  static void* volatile doomed = ::operator new(static_cast<size_t>(-1) / 2);
  (void)doomed;
#endif
  RunMessageLoop();
  return 0;
}

void InitProgramVariables() {
  // FolderPath and DroppedFlag start empty and 0 as they are; the window's
  // creation sets DroppedFlag again.
}

void SetExitRoutine(ExitRoutine routine) { exit_routine = routine; }

void RunExitRoutine() {
  ExitRoutine routine = exit_routine;
  exit_routine = nullptr;
  if (routine)
    routine();
}

void DiscardExitRoutine() { exit_routine = nullptr; }

void ReleaseProgramVariables() {
  FolderPath.clear();
  FolderPath.shrink_to_fit();
}
