// The main loop's pre-translation (accelerators of the active window only), the walks over the
// window list while windows leave it, the idle step, the end of the loop, and Japanese typed into
// a modeless sheet under the loop reaching the file whole.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "ShellFixtures.h"
#include "app/AppGlobals.h"
#include "model/SystemData.h"
#include "resources/StageIds.h"
#include "resources/SystemSheetIds.h"
#include "startup/MainLoop.h"
#include "stage/StageWnd.h"
#include "support/StartedEditor.h"
#include "support/TypedSteps.h"

namespace {

class MainLoopTest : public ::testing::Test {
 protected:
  void TearDown() override {
    EXPECT_TRUE(WindowList.m_vWindows.empty());
    g_bAppActive = 0;
    g_bFocusRequest = 0;
  }
  cMsgBoxRecorder m_Boxes;
};

HACCEL F5Table(WORD wCommand) {
  ACCEL a = {FVIRTKEY, VK_F5, wCommand};
  return CreateAcceleratorTableA(&a, 1);
}

TEST_F(MainLoopTest, AcceleratorsReachOnlyTheActiveWindow) {
  cProbeDlg<1> a(IDD_STAGE, nullptr, cWindow::KIND_DIALOG, &WindowList, 50, 50);
  cProbeDlg<2> b(IDD_STAGE, nullptr, cWindow::KIND_DIALOG, &WindowList, 400, 50);
  a.DoModeless(0, 1);
  b.DoModeless(0, 1);
  a.m_vAccels.push_back({F5Table(5001), a.m_hWnd});
  b.m_vAccels.push_back({F5Table(5002), b.m_hWnd});
  auto fnPress = [&](HWND hTo) {
    a.m_vCommands.clear();
    b.m_vCommands.clear();
    MSG msg = KeyDownMsg(hTo, VK_F5);
    return WindowList.PreTranslate(&msg);
  };
  EXPECT_TRUE(UnderActivation(a.m_hWnd, [&] {
    return fnPress(a.m_hWnd) && a.m_vCommands == std::vector<WORD>{5001} && b.m_vCommands.empty();
  }));
  EXPECT_TRUE(UnderActivation(b.m_hWnd, [&] {
    return fnPress(a.m_hWnd) && b.m_vCommands == std::vector<WORD>{5002} && a.m_vCommands.empty();
  }));
}

TEST_F(MainLoopTest, AcceleratorForAControlFiresOnlyWhileTheControlHasTheFocus) {
  cProbeDlg<1> a(IDD_STAGE, nullptr, cWindow::KIND_DIALOG, &WindowList);
  a.DoModeless(0, 1);
  HWND hBar = GetDlgItem(a.m_hWnd, IDC_VSCROLL);
  ASSERT_TRUE(hBar);
  a.m_vAccels.push_back({F5Table(5003), hBar});
  EXPECT_TRUE(UnderActivation(a.m_hWnd, [&] {
    a.m_vCommands.clear();
    SetFocus(a.m_hWnd);
    MSG msg = KeyDownMsg(a.m_hWnd, VK_F5);
    WindowList.PreTranslate(&msg);
    bool bQuiet = a.m_vCommands.empty();
    SetFocus(hBar);
    msg = KeyDownMsg(hBar, VK_F5);
    WindowList.PreTranslate(&msg);
    return bQuiet && a.m_vCommands == std::vector<WORD>{5003};
  }));
}

TEST_F(MainLoopTest, PerFrameWalkSkipsWindowsThatLeaveItAndNotThoseThatJoin) {
  auto* lpA = new cProbeDlg<1>(IDD_STAGE, nullptr, cWindow::KIND_DIALOG, &WindowList);
  auto* lpB = new cProbeDlg<2>(IDD_STAGE, nullptr, cWindow::KIND_DIALOG, &WindowList);
  auto* lpC = new cProbeDlg<3>(IDD_STAGE, nullptr, cWindow::KIND_DIALOG, &WindowList);
  cProbeDlg<4> late(IDD_STAGE, nullptr, cWindow::KIND_DIALOG, &WindowList);
  lpA->m_fnFrame = [&](cProbeDlg<1>*) {
    WindowList.RemoveWindow(lpB);
    delete lpB;
    lpB = nullptr;
    WindowList.AddWindow(&late);
  };
  WindowList.AddWindow(lpA);
  WindowList.AddWindow(lpB);
  WindowList.AddWindow(lpC);
  WindowList.FrameAll();
  EXPECT_EQ(1, lpA->m_nFrames);
  EXPECT_EQ(1, lpC->m_nFrames);
  EXPECT_EQ(0, late.m_nFrames);
  WindowList.FrameAll();
  EXPECT_EQ(1, late.m_nFrames);
  for (cWindow* w : {static_cast<cWindow*>(lpA), static_cast<cWindow*>(lpC), static_cast<cWindow*>(&late)})
    WindowList.RemoveWindow(w);
  delete lpA;
  delete lpC;
}

TEST_F(MainLoopTest, HidingAllSurvivesAWindowDeletedByAnotherOnesHiding) {
  auto* lpA = new cProbeDlg<1>(IDD_STAGE, nullptr, cWindow::KIND_DIALOG, &WindowList);
  auto* lpB = new cProbeDlg<2>(IDD_STAGE, nullptr, cWindow::KIND_DIALOG, &WindowList);
  lpA->DoModeless(0, 1);
  lpB->DoModeless(0, 1);
  HWND hB = lpB->m_hWnd;
  lpA->m_fnMsg = [&](cProbeDlg<1>*, UINT uMsg, WPARAM wParam, LPARAM) {
    if (uMsg == WM_SHOWWINDOW && !wParam && lpB) {
      delete lpB;
      lpB = nullptr;
    }
  };
  WindowList.ShowAll(0);
  EXPECT_EQ(nullptr, lpB);
  EXPECT_FALSE(IsWindow(hB));
  EXPECT_EQ((std::vector<cWindow*>{lpA}), WindowList.m_vWindows);
  WindowList.EnableAll(0);
  EXPECT_TRUE(IsDisabled(lpA->m_hWnd));
  WindowList.EnableAll(1);
  EXPECT_FALSE(IsDisabled(lpA->m_hWnd));
  delete lpA;
  EXPECT_TRUE(m_Boxes.Shown().empty());
}

TEST_F(MainLoopTest, LoopEndsWithTheQuitCode) {
  PostQuitMessage(3);
  EXPECT_EQ(3u, RunMainLoop());
  EXPECT_TRUE(WaitFrame(0));
}

TEST_F(MainLoopTest, IdleStepDoesNothingWithoutAnEditor) {
  cProbeDlg<1> a(IDD_STAGE, nullptr, cWindow::KIND_DIALOG, &WindowList);
  a.DoModeless(0, 1);
  g_bAppActive = 1;
  ASSERT_EQ(nullptr, g_pCurEditor);
  EXPECT_TRUE(IdleStep());  // returns at once: the queue may be empty
  EXPECT_EQ(0, a.m_nFrames);
}

TEST_F(MainLoopTest, IdleStepRunsEveryFrameAndGivesTheFocusBackToTheEditor) {
  cStageWnd stage(IDD_STAGE, nullptr, cWindow::KIND_DIALOG, &WindowList);
  stage.DoModeless(0, 1);
  cProbeDlg<1> a(IDD_STAGE, nullptr, cWindow::KIND_DIALOG, &WindowList);
  a.DoModeless(0, 1);
  g_pCurEditor = &stage;
  g_bAppActive = 1;
  EXPECT_TRUE(Retried([&] {
    if (!Activate(a.m_hWnd)) return false;
    SetFocus(a.m_hWnd);
    g_bFocusRequest = 1;
    PostMessageA(nullptr, WM_NULL, 0, 0);  // the step waits for the next message first
    IdleStep();
    // A dialog hands its focus on to one of its items.
    HWND hFocus = GetFocus();
    return g_bFocusRequest == 0 && (hFocus == stage.m_hWnd || IsChild(stage.m_hWnd, hFocus));
  }));
  EXPECT_GE(a.m_nFrames, 1);
  g_pCurEditor = nullptr;
}

// Text as the system delivers what an input method or a keyboard layout produced: one key event
// per UTF-16 unit, through the system's input to the window with the focus.
void TypeUnicode(const std::wstring& str) {
  std::vector<INPUT> v;
  for (wchar_t wc : str) {
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wScan = wc;
    in.ki.dwFlags = KEYEVENTF_UNICODE;
    v.push_back(in);
    in.ki.dwFlags |= KEYEVENTF_KEYUP;
    v.push_back(in);
  }
  SendInput(static_cast<UINT>(v.size()), v.data(), sizeof(INPUT));
}

std::wstring WideText(HWND hWnd) {
  std::wstring str(static_cast<size_t>(GetWindowTextLengthW(hWnd)) + 1, L'\0');
  str.resize(static_cast<size_t>(GetWindowTextW(hWnd, &str[0], static_cast<int>(str.size()))));
  return str;
}

using TypedIntoSheetTest = cStartedEditorTest;

// The system settings sheet opened from the stage window runs modeless under the editor's own
// loop. The title typed there in double-byte characters (one of them with a trail byte that reads
// as a backslash) is stored in its Shift-JIS bytes, not as a middle dot per lead byte; the value
// edit beside it, a window of the program's own ANSI procedure, still takes its digits and
// refuses a letter.
TEST_F(TypedIntoSheetTest, JapaneseTypedIntoAModelessSheetIsStoredWhole) {
  struct cTyping {
    int nId;
    std::wstring strTyped;  // ends in a plain character: once it is there, everything before it is
  } const aTyping[] = {{IDC_SG_TITLE, L"アイソ1"}, {IDC_SG_1UP_SCORE, L"4x2"}};
  SystemData.m_b1UpOnClear = 1;  // enables the score's edit
  HWND hStage = FrameWnd.m_lpStageWnd->m_hWnd;
  cPropSheet* lpSheet = nullptr;
  HWND hPage = nullptr;
  std::vector<cTypedSteps::Step> vSteps = {[&] {
    SendMessageA(hStage, WM_COMMAND, ID_SYSTEM, 0);
    if (WindowList.m_vSheets.size() != 1) return false;
    lpSheet = WindowList.m_vSheets[0].lpSheet;
    hPage = reinterpret_cast<HWND>(SendMessageA(lpSheet->m_hSheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    return hPage != nullptr;
  }};
  for (const cTyping& t : aTyping) {
    vSteps.push_back([&] {
      HWND hEdit = GetDlgItem(hPage, t.nId);
      if (!FocusControl(lpSheet->m_hSheet, hEdit)) return false;
      SendMessageA(hEdit, EM_SETSEL, 0, -1);
      TypeUnicode(t.strTyped);
      return true;
    });
    vSteps.push_back([&] {
      std::wstring str = WideText(GetDlgItem(hPage, t.nId));
      return !str.empty() && str.back() == t.strTyped.back();
    });
  }
  vSteps.push_back([&] {
    SendMessageA(lpSheet->m_hSheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
    return true;
  });
  vSteps.push_back([&] {
    if (!WindowList.m_vSheets.empty()) return false;
    PostQuitMessage(0);
    return true;
  });
  cTypedSteps steps(vSteps, [&] {
    if (lpSheet && WindowList.HasSheet(lpSheet)) SendMessageA(lpSheet->m_hSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    PostQuitMessage(1);
  });
  EXPECT_EQ(0u, RunMainLoop());
  EXPECT_FALSE(steps.GaveUp());
  cEdSystem stored;
  ASSERT_TRUE(stored.Load(m_Dir.File("data\\System.dat").c_str()));
  const std::string strTitle = "\x83\x41\x83\x43\x83\x5C\x31";
  EXPECT_EQ(HexOf({strTitle.begin(), strTitle.end()}), HexOf({stored.m_strTitle.begin(), stored.m_strTitle.end()}));
  EXPECT_EQ(42, stored.m_n1UpScore);
}

}  // namespace
