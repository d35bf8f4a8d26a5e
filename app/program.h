// The life of the process: start-up, the message loop and shut-down.
#pragma once

using ExitRoutine = void (*)();

// The fatal error report: a box with no owner, then the end of the process.
inline constexpr char kFatalCaption[] = "运行错误";
inline constexpr char kFatalText[] =
    "程序遇到运行时错误, 即将结束.\n\n提取JPG文件名";

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
