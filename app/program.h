// The life of the process: start-up, the message loop and shut-down.
#pragma once

using ExitRoutine = void (*)();

// Runs the program: the variables, the exit routine, the start window and
// the message loop, in this order. Returns 0 once the loop has ended.
int StartProgram();

void InitProgramVariables();
// One slot: a second call replaces the first routine.
void SetExitRoutine(ExitRoutine routine);
// Runs the exit routine, if any, once.
void RunExitRoutine();
// Forgets the exit routine without running it (after a fatal error).
void DiscardExitRoutine();
// The exit routine of this program: releases the stored folder.
void ReleaseProgramVariables();

// Carries every event until the main window has been closed.
void RunMessageLoop();

// Tells the user that the program met a run-time error, then ends the
// process without the exit routine.
[[noreturn]] void ReportFatalError();
