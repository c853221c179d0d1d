// The input dialogs driven as the user would: a number or a text typed, OK, Cancel or the close
// box; and the notice that disables the other windows while it is up.
#include <gtest/gtest.h>

#include <functional>

#include "../app/ShellFixtures.h"
#include "BoundTestDlg.h"
#include "controls/InputDlg.h"
#include "resources/InputDlgIds.h"

namespace {

// Runs the step inside the modal loop of the dialog the test opens, once the dialog of class D
// is up and initialised (a thread timer polls for it: the loop dispatches its ticks).
template <class D>
class cModalDriver {
 public:
  explicit cModalDriver(std::function<void(D*)> fnStep) {
    s_fnStep = std::move(fnStep);
    s_bDone = false;
    m_nTimer = SetTimer(nullptr, 0, 10, &cModalDriver::Tick);
  }
  ~cModalDriver() {
    KillTimer(nullptr, m_nTimer);
    s_fnStep = nullptr;
  }
  bool Done() const { return s_bDone; }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    D* p = D::Current();
    if (s_bDone || !p || !p->m_hWnd || !p->m_bInit) return;
    s_bDone = true;
    s_fnStep(p);
  }
  UINT_PTR m_nTimer;
  static std::function<void(D*)> s_fnStep;
  static bool s_bDone;
};

template <class D>
std::function<void(D*)> cModalDriver<D>::s_fnStep;
template <class D>
bool cModalDriver<D>::s_bDone;

void Press(cDialog* p, int nId) {
  SendMessageA(p->m_hWnd, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(p->m_hWnd, nId)));
}

class InputDlgTest : public testing::Test {
 protected:
  void TearDown() override {
    EXPECT_TRUE(WindowList.m_vWindows.empty());
    EXPECT_EQ(nullptr, cValueDlg::Current());
    EXPECT_EQ(nullptr, cStringDlg::Current());
  }
  cMsgBoxRecorder m_Boxes;
};

}  // namespace

TEST_F(InputDlgTest, ValueAboveTheMaximumIsStoredAsTheMaximumOnOk) {
  int32_t nValue = 5;
  std::string strTitle, strShown;
  cModalDriver<cValueDlg> drive([&](cValueDlg* p) {
    HWND hEdit = GetDlgItem(p->m_hWnd, IDC_INPUT_EDIT);
    char sz[64] = "";
    GetWindowTextA(p->m_hWnd, sz, sizeof sz);
    strTitle = sz;
    DWORD dwStart = 0, dwEnd = 0;
    SendMessageA(hEdit, EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
    EXPECT_EQ(0u, dwStart);
    EXPECT_EQ(1u, dwEnd);  // the whole "5": typing replaces it
    for (char c : std::string("150")) SendMessageA(hEdit, WM_CHAR, static_cast<unsigned char>(c), 1);
    strShown = TextOf(hEdit);
    EXPECT_EQ(5, nValue);
    Press(p, IDC_INPUT_OK);
  });
  EXPECT_EQ(1, InputValue(nullptr, &WindowList, &nValue, 1, 99, "値の入力", nullptr, 1));
  EXPECT_TRUE(drive.Done());
  EXPECT_EQ("値の入力", strTitle);
  EXPECT_EQ("150", strShown);  // as typed; the maximum is what OK stores
  EXPECT_EQ(99, nValue);
}

TEST_F(InputDlgTest, CancelOrTheCloseBoxKeepsTheValue) {
  for (int nHow = 0; nHow < 2; ++nHow) {
    SCOPED_TRACE(nHow);
    int32_t nValue = 5;
    cModalDriver<cValueDlg> drive([&](cValueDlg* p) {
      HWND hEdit = GetDlgItem(p->m_hWnd, IDC_INPUT_EDIT);
      for (char c : std::string("50")) SendMessageA(hEdit, WM_CHAR, static_cast<unsigned char>(c), 1);
      if (nHow == 0)
        Press(p, IDC_INPUT_CANCEL);
      else
        SendMessageA(p->m_hWnd, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(0, InputValue(nullptr, &WindowList, &nValue, 1, 99, "データ数", nullptr, 1));
    EXPECT_TRUE(drive.Done());
    EXPECT_EQ(5, nValue);
  }
}

TEST_F(InputDlgTest, ValueBelowTheMinimumIsStoredAsTheMinimum) {
  int32_t nValue = 50;
  cModalDriver<cValueDlg> drive([&](cValueDlg* p) {
    HWND hEdit = GetDlgItem(p->m_hWnd, IDC_INPUT_EDIT);
    SetWindowTextA(hEdit, "");
    SendMessageA(hEdit, WM_CHAR, '-', 1);
    SendMessageA(hEdit, WM_CHAR, '4', 1);
    Press(p, IDC_INPUT_OK);
  });
  EXPECT_EQ(1, InputValue(nullptr, &WindowList, &nValue, 1, 999, "データ数", nullptr, 1));
  EXPECT_EQ(1, nValue);
}

TEST_F(InputDlgTest, ValueDialogAtAPositionOffScreenStaysInTheWorkArea) {
  int32_t nValue = 1;
  RECT rcWin = {0, 0, 0, 0};
  cModalDriver<cValueDlg> drive([&](cValueDlg* p) {
    GetWindowRect(p->m_hWnd, &rcWin);
    Press(p, IDC_INPUT_OK);
  });
  EXPECT_EQ(1, InputValueAt(nullptr, &WindowList, &nValue, 1, 9, "値の入力", 5000, -300));
  RECT rcWork;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
  EXPECT_GE(rcWin.left, rcWork.left);
  EXPECT_GE(rcWin.top, rcWork.top);
  EXPECT_LE(rcWin.right, rcWork.right);
  EXPECT_GT(rcWin.right, rcWin.left);
}

TEST_F(InputDlgTest, ValueDialogCentresOnItsAnchorControl) {
  cTestRecord rec;
  cBoundTestDlg owner(&rec);
  ASSERT_TRUE(owner.Open());
  MoveWindow(owner.m_hWnd, 300, 300, 500, 400, TRUE);
  cControl* lpAnchor = FindCtrl(owner.m_vButton, IDC_T_BUTTON);
  lpAnchor->UpdatePos();
  RECT rcAnchor, rcWin = {0, 0, 0, 0};
  GetWindowRect(lpAnchor->m_hWnd, &rcAnchor);
  int32_t nValue = 3;
  cModalDriver<cValueDlg> drive([&](cValueDlg* p) {
    GetWindowRect(p->m_hWnd, &rcWin);
    Press(p, IDC_INPUT_CANCEL);
  });
  EXPECT_EQ(0, InputValue(&owner, &WindowList, &nValue, 1, 9, "データ数", lpAnchor, 1));
  // Centred on the anchor's middle, give or take the frame.
  int nMidX = (rcAnchor.left + rcAnchor.right) / 2, nMidY = (rcAnchor.top + rcAnchor.bottom) / 2;
  EXPECT_NEAR(nMidX, (rcWin.left + rcWin.right) / 2, 12);
  EXPECT_NEAR(nMidY, (rcWin.top + rcWin.bottom) / 2, 30);
}

TEST_F(InputDlgTest, StringDialogCountsDoubleByteCharactersAsOne) {
  std::string str = "旧名";
  std::string strShown;
  cModalDriver<cStringDlg> drive([&](cStringDlg* p) {
    HWND hEdit = GetDlgItem(p->m_hWnd, IDC_INPUT_EDIT);
    EXPECT_EQ("旧名", TextOf(hEdit));
    SetWindowTextA(hEdit, "");
    for (int i = 0; i < 13; ++i) PasteInto(hEdit, "変");
    strShown = TextOf(hEdit);
    Press(p, IDC_INPUT_OK);
  });
  EXPECT_EQ(1, InputString(nullptr, &WindowList, &str, 12, 1, "変数名の入力", nullptr, 1));
  EXPECT_EQ(24u, strShown.size());
  EXPECT_EQ(strShown, str);

  std::string strBytes = "abc";
  cModalDriver<cStringDlg> drive2([&](cStringDlg* p) {
    HWND hEdit = GetDlgItem(p->m_hWnd, IDC_INPUT_EDIT);
    SetWindowTextA(hEdit, "");
    PasteInto(hEdit, "abcdefgh");
    Press(p, IDC_INPUT_CANCEL);
  });
  EXPECT_EQ(0, InputStringAt(nullptr, &WindowList, &strBytes, 5, 0, "文字列の入力", 10, 10));
  EXPECT_EQ("abc", strBytes);
}

TEST_F(InputDlgTest, NoticeDisablesTheOtherWindowsUntilItCloses) {
  cTestRecord rec;
  cBoundTestDlg other(&rec);
  ASSERT_TRUE(other.Open());
  ShowNotice(&other, &WindowList, "ステージを保存しています...", "ステージの保存", &other, 1, 1);
  cNoticeDlg* lpNotice = cNoticeDlg::Current();
  ASSERT_NE(nullptr, lpNotice);
  HWND hNotice = lpNotice->m_hWnd;
  ASSERT_TRUE(IsWindow(hNotice));
  EXPECT_TRUE(IsDisabled(other.m_hWnd));
  EXPECT_FALSE(IsDisabled(hNotice));
  EXPECT_TRUE(WindowList.HasWindow(lpNotice));
  EXPECT_EQ("ステージを保存しています...", TextOf(GetDlgItem(hNotice, IDC_NOTICE_TEXT)));
  EXPECT_EQ("ステージの保存", TextOf(hNotice));

  // A second notice replaces the first.
  ShowNotice(&other, &WindowList, "ステージを読み込んでいます...", "ステージの読み込み", &other, 1, 1);
  EXPECT_FALSE(IsWindow(hNotice));
  lpNotice = cNoticeDlg::Current();
  ASSERT_NE(nullptr, lpNotice);
  EXPECT_EQ("ステージを読み込んでいます...", TextOf(GetDlgItem(lpNotice->m_hWnd, IDC_NOTICE_TEXT)));
  EXPECT_TRUE(IsDisabled(other.m_hWnd));

  hNotice = lpNotice->m_hWnd;
  CloseNotice();
  EXPECT_EQ(nullptr, cNoticeDlg::Current());
  EXPECT_FALSE(IsWindow(hNotice));
  EXPECT_FALSE(IsDisabled(other.m_hWnd));
  EXPECT_FALSE(WindowList.HasWindow(lpNotice));
  CloseNotice();  // none open: only the cursor
  EXPECT_TRUE(m_Boxes.Shown().empty());
}
