#include "app/Thread.h"

#include <process.h>
#include <cstdlib>

#include "app/Log.h"

int cThread::Start(ThreadRoutine pfnRoutine, void* pArg) {
  Stop();
  unsigned nId = 0;
  uintptr_t h = _beginthreadex(nullptr, 0, pfnRoutine, pArg, 0, &nId);
  if (!h) return 0;
  m_hThread = reinterpret_cast<HANDLE>(h);
  m_nId = nId;
  return 1;
}

bool cThread::Resume() {
  if (!m_hThread) return true;
  return ResumeThread(m_hThread) != static_cast<DWORD>(-1);
}

void cThread::Stop() {
  if (!m_hThread) return;
  // A thread suspended more than once needs one resume per suspension before it runs and can
  // see WM_QUIT; a resume that keeps failing is given up after the same number of tries as the
  // quit request.
  for (int i = 0; i < STOP_TRIES; ++i) {
    DWORD nPrev = ResumeThread(m_hThread);
    if (nPrev != static_cast<DWORD>(-1) && nPrev <= 1) break;
  }
  ErrorLog("Exit A");
  PostThreadMessageA(m_nId, WM_QUIT, 0, 0);
  ErrorLog("Exit B");
  ErrorLog("Exit C");
  int nTries = 0;
  while (WaitForSingleObject(m_hThread, 0) == WAIT_TIMEOUT) {
    Sleep(1);
    PostThreadMessageA(m_nId, WM_QUIT, 0, 0);
    if (++nTries >= STOP_TRIES) TerminateThread(m_hThread, 0);
  }
  ErrorLog("Exit D");
  CloseHandle(m_hThread);
  m_hThread = nullptr;
  m_nId = 0;
  ErrorLog("Exit E");
}

int cThread::RunAndWait(ThreadRoutine pfnRoutine, void* pArg) {
  if (!Start(pfnRoutine, pArg)) return 0;
  HANDLE h = m_hThread;
  while (WaitForSingleObject(h, 0) == WAIT_TIMEOUT) {
    MSG msg;
    if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message != WM_QUIT) continue;
      ErrorLog("msg.message == WM_QUIT");
      Stop();
      // The quit was meant for the message loop; taking it here must not keep the program alive.
      PostQuitMessage(static_cast<int>(msg.wParam));
      return 0;
    }
    // Nothing queued: sleep until the worker ends or a message arrives instead of spinning.
    MsgWaitForMultipleObjects(1, &h, FALSE, INFINITE, QS_ALLINPUT);
  }
  Stop();
  return 1;
}

namespace {

// Truncation towards zero, as the cells are addressed.
int32_t Trunc(double d) { return static_cast<int32_t>(d); }

}  // namespace

bool StepLine(double& x, double& y, int32_t nTargetX, int32_t nTargetY, double dSpeed) {
  int32_t dx = nTargetX - Trunc(x);
  int32_t dy = nTargetY - Trunc(y);
  const double dStepX = dx >= 0 ? 0.1 * dSpeed : -0.1 * dSpeed;
  const double dStepY = dy >= 0 ? 0.1 * dSpeed : -0.1 * dSpeed;
  dx = std::abs(dx);
  dy = std::abs(dy);
  // The major axis moves every sub-step, the minor one whenever the error reaches the major
  // distance; with equal distances y is the major axis.
  const bool bXMajor = dx > dy;
  const int32_t nMajor = bXMajor ? dx : dy;
  const int32_t nMinor = bXMajor ? dy : dx;
  double& dMajor = bXMajor ? x : y;
  double& dMinor = bXMajor ? y : x;
  const double dMajorStep = bXMajor ? dStepX : dStepY;
  const double dMinorStep = bXMajor ? dStepY : dStepX;
  int32_t nError = nMajor / 2;
  for (int i = 0; i < 10; ++i) {
    nError += nMinor;
    if (nError >= nMajor) {
      dMinor += dMinorStep;
      nError -= nMajor;
    }
    dMajor += dMajorStep;
    if (Trunc(x) == nTargetX && Trunc(y) == nTargetY) return true;
  }
  return false;
}
