#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>

#include "app/Thread.h"

namespace {

constexpr unsigned ENDED_BY_ITSELF = 7;

// A worker shared by the routines below; each test makes a fresh one.
struct cWorkerState {
  HANDLE hReady = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HANDLE hNever = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  std::atomic<bool> bReturned{false};
  DWORD nMainThread = GetCurrentThreadId();
  HWND hMainWnd = nullptr;
  ~cWorkerState() {
    CloseHandle(hReady);
    CloseHandle(hNever);
  }
};

// A thread has a message queue only after its first call that needs one.
void MakeQueue() {
  MSG msg;
  PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
}

unsigned QuitLoop(cWorkerState* st) {
  SetEvent(st->hReady);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
  }
  st->bReturned = true;
  return ENDED_BY_ITSELF;
}

// Answers WM_QUIT like a well-behaved worker.
unsigned __stdcall AnswersQuit(void* pArg) {
  MakeQueue();
  return QuitLoop(static_cast<cWorkerState*>(pArg));
}

// Blocks on something that never happens and never looks at its queue.
unsigned __stdcall IgnoresQuit(void* pArg) {
  auto* st = static_cast<cWorkerState*>(pArg);
  SetEvent(st->hReady);
  WaitForSingleObject(st->hNever, INFINITE);
  st->bReturned = true;
  return ENDED_BY_ITSELF;
}

DWORD ExitCodeAfterStop(cThread& th) {
  HANDLE h = OpenThread(THREAD_QUERY_INFORMATION, FALSE, th.Id());
  th.Stop();
  DWORD nCode = 12345;
  GetExitCodeThread(h, &nCode);
  CloseHandle(h);
  return nCode;
}

}  // namespace

TEST(Thread, StopWithoutThreadDoesNothing) {
  cThread th;
  th.Stop();
  EXPECT_FALSE(th.IsHeld());
  EXPECT_TRUE(th.Resume());
}

TEST(Thread, StopEndsTheWorkerItselfOrTerminatesItAfterItsTries) {
  struct {
    const char* name;
    ThreadRoutine pfn;
    int nSuspends;
    DWORD nExitCode;
    bool bReturned;
  } const cases[] = {
      {"answers WM_QUIT", AnswersQuit, 0, ENDED_BY_ITSELF, true},
      {"suspended twice, then answers", AnswersQuit, 2, ENDED_BY_ITSELF, true},
      {"never answers", IgnoresQuit, 0, 0, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    cWorkerState st;
    cThread th;
    ASSERT_EQ(1, th.Start(c.pfn, &st));
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(st.hReady, 10000));
    HANDLE h = OpenThread(THREAD_SUSPEND_RESUME, FALSE, th.Id());
    for (int i = 0; i < c.nSuspends; ++i) SuspendThread(h);
    CloseHandle(h);
    EXPECT_EQ(c.nExitCode, ExitCodeAfterStop(th));
    EXPECT_EQ(c.bReturned, st.bReturned.load());
    EXPECT_FALSE(th.IsHeld());
  }
}

TEST(Thread, DestructorStopsTheWorker) {
  cWorkerState st;
  HANDLE h = nullptr;
  {
    cThread th;
    ASSERT_EQ(1, th.Start(AnswersQuit, &st));
    h = OpenThread(SYNCHRONIZE, FALSE, th.Id());
  }
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(h, 0));
  CloseHandle(h);
}

// ---- waiting for a worker on the user-interface thread ----

namespace {

constexpr UINT WM_PROBE = WM_APP + 1;
constexpr UINT WM_NOISE = WM_APP + 2;
std::atomic<int> s_nDispatched{0};

// Counts every posted message that reaches the window; the probe, a sent message, answers
// whether posted messages still wait in the thread's queue.
LRESULT CALLBACK WaitProbeProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  if (uMsg == WM_PROBE) return HIWORD(GetQueueStatus(QS_POSTMESSAGE)) & QS_POSTMESSAGE ? 1 : 0;
  if (uMsg == WM_NOISE) ++s_nDispatched;
  return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

HWND MakeProbeWindow() {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = WaitProbeProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "ThreadTestProbe";
  RegisterClassA(&wc);
  return CreateWindowA("ThreadTestProbe", "", 0, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance,
                       nullptr);
}

// Posts messages to the waiting thread and its window, then ends once they were all taken.
unsigned __stdcall PostsWhileRunning(void* pArg) {
  auto* st = static_cast<cWorkerState*>(pArg);
  for (int i = 0; i < 5; ++i) {
    PostMessageA(st->hMainWnd, WM_NOISE, i, 0);
    PostThreadMessageA(st->nMainThread, WM_NOISE, i, 0);
  }
  while (SendMessageA(st->hMainWnd, WM_PROBE, 0, 0) != 0) Sleep(1);
  st->bReturned = true;
  return ENDED_BY_ITSELF;
}

unsigned __stdcall PostsQuitThenAnswers(void* pArg) {
  auto* st = static_cast<cWorkerState*>(pArg);
  MakeQueue();
  PostThreadMessageA(st->nMainThread, WM_QUIT, 5, 0);
  return QuitLoop(st);
}

}  // namespace

TEST(Thread, RunAndWaitDropsMessagesPostedMeanwhile) {
  MakeQueue();
  cWorkerState st;
  st.hMainWnd = MakeProbeWindow();
  ASSERT_NE(nullptr, st.hMainWnd);
  s_nDispatched = 0;
  cThread th;
  EXPECT_EQ(1, th.RunAndWait(PostsWhileRunning, &st));
  EXPECT_TRUE(st.bReturned);
  EXPECT_FALSE(th.IsHeld());
  EXPECT_EQ(0, s_nDispatched.load());
  MSG msg;
  EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_NOISE, WM_NOISE, PM_REMOVE));
  DestroyWindow(st.hMainWnd);
}

TEST(Thread, RunAndWaitGivesUpOnQuitAndKeepsTheQuitForTheLoop) {
  MakeQueue();
  cWorkerState st;
  cThread th;
  EXPECT_EQ(0, th.RunAndWait(PostsQuitThenAnswers, &st));
  EXPECT_FALSE(th.IsHeld());
  EXPECT_TRUE(st.bReturned);
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(static_cast<UINT>(WM_QUIT), msg.message);
  EXPECT_EQ(5u, msg.wParam);
}

// ---- line stepping ----

TEST(StepLine, ShallowLineMovesOneCellPerCallWithTheMinorAxisFollowing) {
  double x = 0.5, y = 0.5;
  EXPECT_FALSE(StepLine(x, y, 3, 1, 1.0));
  EXPECT_EQ(1, static_cast<int>(x));
  EXPECT_EQ(0, static_cast<int>(y));
  EXPECT_FALSE(StepLine(x, y, 3, 1, 1.0));
  EXPECT_EQ(2, static_cast<int>(x));
  EXPECT_EQ(1, static_cast<int>(y));
  EXPECT_TRUE(StepLine(x, y, 3, 1, 1.0));
  EXPECT_EQ(3, static_cast<int>(x));
  EXPECT_EQ(1, static_cast<int>(y));
}

TEST(StepLine, PointInTheTargetCellMovesOneSubStepOnBothAxes) {
  double x = 3.5, y = 2.5;
  EXPECT_TRUE(StepLine(x, y, 3, 2, 2.0));
  EXPECT_DOUBLE_EQ(3.7, x);
  EXPECT_DOUBLE_EQ(2.7, y);
}

TEST(StepLine, EveryDirectionTakesOneCallPerCellOfTheMajorAxis) {
  struct {
    int tx, ty;
  } const cases[] = {
      {10, 5}, {1, 5}, {5, 9}, {5, 1},   // horizontal and vertical, both ways
      {9, 9},  {2, 8}, {1, 1}, {8, 2},   // diagonals
      {7, 11}, {12, 3},                  // steep and shallow
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "to " << c.tx << "," << c.ty);
    double x = 5.5, y = 5.5;
    const int nMajor = std::max(std::abs(c.tx - 5), std::abs(c.ty - 5));
    int nCalls = 0;
    bool bDone = false;
    while (!bDone && nCalls < 200) {
      int nOldX = static_cast<int>(x), nOldY = static_cast<int>(y);
      bDone = StepLine(x, y, c.tx, c.ty, 1.0);
      ++nCalls;
      // One cell per call: the point never skips a cell on either axis.
      EXPECT_LE(std::abs(static_cast<int>(x) - nOldX), 1);
      EXPECT_LE(std::abs(static_cast<int>(y) - nOldY), 1);
    }
    EXPECT_TRUE(bDone);
    EXPECT_EQ(nMajor, nCalls);
    EXPECT_EQ(c.tx, static_cast<int>(x));
    EXPECT_EQ(c.ty, static_cast<int>(y));
  }
}
