// The process: the entry sequence (timer, logs, single instance, window class), the start-up
// routine that brings the editor to a visible stage window, and the shut-down routine that runs
// after the message loop ends.
#pragma once

#include <windows.h>

// The whole run of the editor; returns the exit code.
int AppMain(HINSTANCE hInstance);
// The frame window's class; false when it cannot be registered.
bool RegisterFrameClass(HINSTANCE hInstance);
// True when the editor is ready and the loop may run.
bool StartUp();
// Releases what start-up acquired; once, after the loop.
void ShutDown();

// Texts of the single-instance question.
extern const char* const DOUBLE_START_TEXT;
extern const char* const DOUBLE_START_CAPTION;
