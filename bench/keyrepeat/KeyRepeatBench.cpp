// Holding the down key in a flow's command list: 150 presses sent at once through the system's
// input to the command list of a flow of 999 commands on the character sheet's flow page, timed
// until the last of them is worked through (the row 150 selected alone, the input queue empty and
// the list painted). The yardstick is a plain list box with the same styles, size, font and rows,
// alone in a window of its own, taking the same presses in the same way; the two alternate.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/AppGlobals.h"
#include "app/WindowList.h"
#include "bench/BenchClock.h"
#include "bench/BenchEditor.h"
#include "bench/BenchProject.h"
#include "bench/WindowStart.h"
#include "flow/FlowPage.h"
#include "model/EditConfig.h"
#include "model/Stage.h"
#include "model/StageEditState.h"
#include "palette/DataSheets.h"
#include "resources/FlowPageIds.h"
#include "stage/FrameWnd.h"
#include "stage/StageWnd.h"
#include "startup/StartUp.h"

namespace {

constexpr int RUNS = 5;
constexpr int COMMANDS = 999;
constexpr int PRESSES = 150;
constexpr double GOAL = 1.3;
constexpr DWORD TIMEOUT_MS = 120000;

// Every message goes through the main loop's pre-translation, as it does in the editor.
void PumpOnce() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    if (!WindowList.PreTranslate(&msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
}

bool SelectedAlone(HWND hList, int nRow) {
  return SendMessageA(hList, LB_GETSELCOUNT, 0, 0) == 1 && SendMessageA(hList, LB_GETSEL, nRow, 0) > 0 &&
         SendMessageA(hList, LB_GETCARETINDEX, 0, 0) == nRow;
}

std::string RowText(HWND hList, int nRow) {
  const LRESULT n = SendMessageA(hList, LB_GETTEXTLEN, static_cast<WPARAM>(nRow), 0);
  if (n == LB_ERR || n <= 0) return std::string();
  std::string str(static_cast<size_t>(n) + 1, '\0');
  SendMessageA(hList, LB_GETTEXT, static_cast<WPARAM>(nRow), reinterpret_cast<LPARAM>(&str[0]));
  str.resize(static_cast<size_t>(n));
  return str;
}

// A list to press keys in: how to put its selection on the first row, and whether the selection
// has reached a row as far as its owner is concerned too.
struct cTarget {
  HWND hList;
  void (*pfnSelectFirst)(HWND);
  bool (*pfnReached)(HWND, int);
};

struct cRun {
  double dWall = -1, dCpu = 0;
};

// The presses, down and up each, sent as one input; then the thread works through them.
cRun Press(const cTarget& t) {
  t.pfnSelectFirst(t.hList);
  SendMessageA(t.hList, LB_SETTOPINDEX, 0, 0);
  SetForegroundWindow(GetAncestor(t.hList, GA_ROOT));
  SetFocus(t.hList);
  PumpOnce();
  UpdateWindow(GetAncestor(t.hList, GA_ROOT));
  std::vector<INPUT> v(2 * PRESSES);
  for (int i = 0; i < 2 * PRESSES; ++i) {
    v[i].type = INPUT_KEYBOARD;
    v[i].ki.wVk = VK_DOWN;
    v[i].ki.wScan = static_cast<WORD>(MapVirtualKeyA(VK_DOWN, MAPVK_VK_TO_VSC));
    v[i].ki.dwFlags = KEYEVENTF_EXTENDEDKEY | (i % 2 ? KEYEVENTF_KEYUP : 0);
  }
  cRun r;
  const double t0 = Now(), c0 = CpuNow();
  if (SendInput(static_cast<UINT>(v.size()), v.data(), sizeof(INPUT)) != v.size()) return r;
  const DWORD dwStart = GetTickCount();
  for (;;) {
    PumpOnce();
    if (t.pfnReached(t.hList, PRESSES) && !(GetQueueStatus(QS_INPUT) & 0xFFFF0000u)) break;
    if (GetTickCount() - dwStart > TIMEOUT_MS) return r;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
  UpdateWindow(GetAncestor(t.hList, GA_ROOT));
  PumpOnce();
  r.dWall = Now() - t0;
  r.dCpu = CpuNow() - c0;
  return r;
}

cFlowPage* s_lpPage = nullptr;

// As a click on the first row leaves the command list: selected alone, the page told.
void SelectFirstCommand(HWND hList) {
  SendMessageA(hList, LB_SETSEL, FALSE, -1);
  SendMessageA(hList, LB_SETSEL, TRUE, 0);
  SendMessageA(hList, LB_SETCARETINDEX, 0, 0);
  SendMessageA(hList, LB_SETANCHORINDEX, 0, 0);
  SendMessageA(s_lpPage->m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_FP_CMD_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(hList));
}
bool CommandReached(HWND hList, int nRow) { return SelectedAlone(hList, nRow) && s_lpPage->m_CmdList.m_nCurSel == nRow; }

void SelectFirstRow(HWND hList) {
  SendMessageA(hList, LB_SETSEL, FALSE, -1);
  SendMessageA(hList, LB_SETSEL, TRUE, 0);
  SendMessageA(hList, LB_SETCARETINDEX, 0, 0);
  SendMessageA(hList, LB_SETANCHORINDEX, 0, 0);
}
bool RowReached(HWND hList, int nRow) { return SelectedAlone(hList, nRow); }

// The plain list box: the command list's styles, client size, font and rows, in a window of its
// own placed where the sheet is.
HWND MakePlainList(HWND hCmdList, HWND& hFrame) {
  RECT rcSheet, rcList;
  GetWindowRect(GetAncestor(hCmdList, GA_ROOT), &rcSheet);
  GetWindowRect(hCmdList, &rcList);
  hFrame = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, rcSheet.left, rcSheet.top,
                           rcSheet.right - rcSheet.left, rcSheet.bottom - rcSheet.top, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
  const DWORD dwStyle = static_cast<DWORD>(GetWindowLongPtrA(hCmdList, GWL_STYLE)) & ~WS_DISABLED;
  HWND hList = CreateWindowExA(static_cast<DWORD>(GetWindowLongPtrA(hCmdList, GWL_EXSTYLE)), "LISTBOX", "", dwStyle,
                               rcList.left - rcSheet.left, rcList.top - rcSheet.top, rcList.right - rcList.left,
                               rcList.bottom - rcList.top, hFrame, nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(hList, WM_SETFONT, SendMessageA(hCmdList, WM_GETFONT, 0, 0), FALSE);
  SendMessageA(hList, WM_SETREDRAW, FALSE, 0);
  const int nRows = static_cast<int>(SendMessageA(hCmdList, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < nRows; ++i) SendMessageA(hList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(RowText(hCmdList, i).c_str()));
  SendMessageA(hList, LB_SETHORIZONTALEXTENT, SendMessageA(hCmdList, LB_GETHORIZONTALEXTENT, 0, 0), 0);
  SendMessageA(hList, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(hList, nullptr, TRUE);
  return hList;
}

bool Figures() {
  cEdChara& chara = Stage.m_vCharaGrid[Stage.CellIndex(2, 3)];
  chara = cEdChara();
  chara.m_nGraphic = 1;
  chara.m_nControl = 1;
  cEdFlow flow;
  for (int i = 0; i < COMMANDS; ++i) flow.m_vCommand.push_back(WaitCommand(10 + i % 500));
  chara.m_vFlow.assign(1, flow);
  StageEditState.m_lpCharaTarget = &chara;
  StageEditState.m_nEditContext = EDIT_CELL;
  EditConfig.m_nCharaSheetPage = cCharaDataSheet::PAGE_FLOW;
  cPropSheet* lpSlot = nullptr;
  OpenCharaDataSheet(FrameWnd.m_lpStageWnd, &lpSlot);
  cCharaDataSheet* lpSheet = static_cast<cCharaDataSheet*>(lpSlot);
  if (!lpSheet || !lpSheet->m_lpFlowPage || !lpSheet->m_lpFlowPage->m_hWnd) {
    printf("the character sheet did not show its flow page\n");
    return false;
  }
  s_lpPage = static_cast<cFlowPage*>(lpSheet->m_lpFlowPage);
  PumpOnce();
  const cTarget cmd{s_lpPage->m_CmdList.m_hWnd, SelectFirstCommand, CommandReached};
  HWND hFrame = nullptr;
  const cTarget plain{MakePlainList(cmd.hList, hFrame), SelectFirstRow, RowReached};
  if (SendMessageA(plain.hList, LB_GETCOUNT, 0, 0) != COMMANDS + 1) {
    printf("the lists do not hold %d rows\n", COMMANDS + 1);
    return false;
  }
  std::vector<double> vCmd, vPlain, vCmdCpu, vPlainCpu, vRatio;
  bool bDone = true;
  for (int r = 0; r < RUNS && bDone; ++r) {
    cRun a, b;
    // Each order in turn; the window not pressed in stays behind the other.
    if (r % 2) {
      b = Press(plain);
      a = Press(cmd);
    } else {
      a = Press(cmd);
      b = Press(plain);
    }
    bDone = a.dWall > 0 && b.dWall > 0;
    if (!bDone) {
      printf("NOT DONE (run %d): the %s did not reach row %d\n", r, a.dWall > 0 ? "plain list box" : "command list",
             PRESSES);
      break;
    }
    printf("  run %d: command list %.2f s [cpu %.2f s], plain list box %.2f s [cpu %.2f s], ratio %.2f\n", r, a.dWall,
           a.dCpu, b.dWall, b.dCpu, a.dWall / b.dWall);
    vCmd.push_back(a.dWall);
    vPlain.push_back(b.dWall);
    vCmdCpu.push_back(a.dCpu);
    vPlainCpu.push_back(b.dCpu);
    vRatio.push_back(a.dWall / b.dWall);
  }
  DestroyWindow(hFrame);
  delete lpSlot;
  PumpOnce();
  if (!bDone) return false;
  const double dRatio = Median(vRatio);
  printf("%d down presses sent at once, until the last is worked through and the list painted (medians of %d "
         "alternating runs; wall, cpu of the process): command list of %d commands %.2f s [cpu %.2f s], plain list box "
         "of the same rows %.2f s [cpu %.2f s]\n",
         PRESSES, RUNS, COMMANDS, Median(vCmd), Median(vCmdCpu), Median(vPlain), Median(vPlainCpu));
  printf("target %d down presses, command list / plain list box: %.2f (goal <= %.1f) %s\n", PRESSES, dRatio, GOAL,
         dRatio <= GOAL ? "met" : "missed");
  return dRatio <= GOAL;
}

}  // namespace

int main() {
  setvbuf(stdout, nullptr, _IONBF, 0);
  const std::string strDir = StartBenchEditor("keyrepeat_bench");
  if (strDir.empty()) return 1;
  PumpOnce();
  const bool bMet = Figures();
  EndBenchEditor(strDir, PumpOnce);
  return bMet ? 0 : 2;
}
