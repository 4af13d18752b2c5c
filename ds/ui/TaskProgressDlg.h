// The modal progress dialog of a long library call (template 331): the call
// runs on a worker thread and reports its percentage through TaskProgress.
#pragma once

#include <windows.h>

#include "common/driver/SIInterface.h"

// The long call: given the progress callback, gives the library's result.
using ProgressTask = int (*)(SIProgressCallback progress, void* context);

// Shows the dialog over `parent` with `caption` until the task has returned
// (Cancel asks the task to stop through the callback and still waits).
// Gives the task's result, or 2048 when the dialog or its thread could not be
// started; `dialogResult` (optional) receives IDOK or IDCANCEL.
int RunTaskProgress(HWND parent, const char* caption, ProgressTask task, void* context,
                    INT_PTR* dialogResult = nullptr);

// The progress callback handed to the task; safe on any thread.
int SI_CALL TaskProgress(int percent);
