// The worker thread that reads a stage file while the user interface waits, and the stepping of
// the line tool from cell to cell.
#pragma once

#include <windows.h>
#include <cstdint>

// What a worker thread runs: the argument given to cThread::Start, and the thread's exit code.
typedef unsigned(__stdcall* ThreadRoutine)(void* pArg);

// One routine on one worker thread, stopped firmly: the thread is asked to end with WM_QUIT and,
// when it does not answer in time, terminated.
class cThread {
 public:
  cThread() {}
  ~cThread() { Stop(); }
  cThread(const cThread&) = delete;
  cThread& operator=(const cThread&) = delete;

  // Starts the routine at once; 0 when the thread cannot be started. A thread still held is
  // stopped first, so no handle is lost.
  int Start(ThreadRoutine pfnRoutine, void* pArg);
  // True when no thread is held or the thread could be resumed.
  bool Resume();
  // Lets a suspended thread run, asks it to end and waits; after STOP_TRIES unanswered tries the
  // thread is terminated. Afterwards no thread is held.
  void Stop();
  // Starts the routine and waits for it on the calling thread, taking every message from the
  // calling thread's queue without dispatching it meanwhile. 1 when the routine ended, 0 when the
  // thread could not be started or a WM_QUIT arrived; the quit is then posted again so the
  // caller's message loop still ends, and the worker is stopped.
  int RunAndWait(ThreadRoutine pfnRoutine, void* pArg);

  bool IsHeld() const { return m_hThread != nullptr; }
  uint32_t Id() const { return m_nId; }

  // How many 1 ms tries a worker gets to answer WM_QUIT before it is terminated.
  static constexpr int STOP_TRIES = 200;

 private:
  uint32_t m_nId = 0;
  HANDLE m_hThread = nullptr;
};

// Moves the point (x, y) towards the target cell by one cell along the axis of the greater
// distance, in ten sub-steps of speed / 10; the other axis follows by the Bresenham rule on the
// integer distances. True as soon as the truncated point lies in the target cell.
bool StepLine(double& x, double& y, int32_t nTargetX, int32_t nTargetY, double dSpeed);
