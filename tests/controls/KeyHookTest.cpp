// The keyboard hook: keys meant for the active dialog reach the dialog itself while a child
// control has the focus, as a copy or as the dialog's hooked-key message, never while an
// input-method composition takes them, and not in a modeless dialog while Ctrl is held.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../app/ShellFixtures.h"
#include "BoundTestDlg.h"
#include "app/KeyHook.h"
#include "resources/InputDlgIds.h"

namespace {

struct cKeyMsg {
  UINT uMsg;
  WPARAM wKey;
  bool operator==(const cKeyMsg& o) const { return uMsg == o.uMsg && wKey == o.wKey; }
};

std::ostream& operator<<(std::ostream& os, const cKeyMsg& m) { return os << m.uMsg << ":" << m.wKey; }

const UINT HOOKED = cDialog::WM_HOOKED_KEY;

// Takes the key messages the hook posted to the window, without handling them.
std::vector<cKeyMsg> TakeKeyMsgs(HWND hWnd) {
  std::vector<cKeyMsg> v;
  MSG msg;
  while (PeekMessageA(&msg, hWnd, WM_KEYDOWN, WM_KEYUP, PM_REMOVE)) v.push_back({msg.message, msg.wParam});
  while (PeekMessageA(&msg, hWnd, HOOKED, HOOKED, PM_REMOVE)) v.push_back({msg.message, msg.wParam});
  return v;
}

struct cStep {
  WPARAM wKey;
  bool bUp;
  int nIme;
};

class KeyHookTest : public testing::Test {
 protected:
  void TearDown() override { EXPECT_TRUE(WindowList.m_vWindows.empty()); }
  // Runs the steps through the hook as the system would with the dialog active; the key
  // messages it posted, or false when the activation could not be kept.
  bool Run(cBoundTestDlg& dlg, const std::vector<cStep>& vSteps, std::vector<cKeyMsg>& vGot) {
    return UnderActivation(dlg.m_hWnd, [&] {
      TakeKeyMsgs(dlg.m_hWnd);
      for (const cStep& s : vSteps) {
        cFakeIme::s_nState = s.nIme;
        KeyHookProc(HC_ACTION, s.wKey, s.bUp ? static_cast<LPARAM>(0xC0000001) : 1);
      }
      vGot = TakeKeyMsgs(dlg.m_hWnd);
      return true;
    });
  }
  cMsgBoxRecorder m_Boxes;
};

}  // namespace

TEST_F(KeyHookTest, HookCopiesKeysToTheActiveDialogByItsRules) {
  const int I = IME_IDLE, C = IME_COMPOSING, N = IME_NO_CONTEXT;
  struct {
    const char* pszName;
    bool bModeless;
    std::vector<cStep> vSteps;
    std::vector<cKeyMsg> vExpected;
  } const aCases[] = {
      {"plain key copied", false, {{VK_F9, false, I}, {VK_F9, true, I}}, {{WM_KEYDOWN, VK_F9}, {WM_KEYUP, VK_F9}}},
      {"forward keys as the hooked-key message", false,
       {{VK_F8, false, I}, {VK_SPACE, false, I}, {VK_LEFT, false, I}, {VK_DELETE, false, I}},
       {{HOOKED, VK_F8}, {HOOKED, VK_SPACE}, {HOOKED, VK_LEFT}, {HOOKED, VK_DELETE}}},
      {"paging keys are copied", false, {{VK_PRIOR, false, I}, {VK_HOME, false, I}},
       {{WM_KEYDOWN, VK_PRIOR}, {WM_KEYDOWN, VK_HOME}}},
      {"forward key while composing is a plain copy", false, {{VK_F8, false, C}}, {{WM_KEYDOWN, VK_F8}}},
      {"forward key without input context is a plain copy", false, {{VK_F8, false, N}}, {{WM_KEYDOWN, VK_F8}}},
      {"Enter while composing stays with the input method", false, {{VK_RETURN, false, C}}, {}},
      {"Enter otherwise copied", false, {{VK_RETURN, false, I}}, {{WM_KEYDOWN, VK_RETURN}}},
      {"Escape while composing stays with the input method", false, {{VK_ESCAPE, false, C}}, {}},
      {"Escape otherwise copied", false, {{VK_ESCAPE, false, I}}, {{WM_KEYDOWN, VK_ESCAPE}}},
      {"Tab never copied", false, {{VK_TAB, false, I}}, {}},
      {"modal dialog gets keys while Ctrl is held", false,
       {{VK_CONTROL, false, I}, {'C', false, I}, {'C', true, I}, {VK_CONTROL, true, I}},
       {{WM_KEYDOWN, VK_CONTROL}, {WM_KEYDOWN, 'C'}, {WM_KEYUP, 'C'}, {WM_KEYUP, VK_CONTROL}}},
      {"modeless dialog gets none while Ctrl is held", true,
       {{VK_CONTROL, false, I}, {'C', false, I}, {'C', true, I}, {VK_CONTROL, true, I}, {'C', false, I}},
       {{WM_KEYUP, VK_CONTROL}, {WM_KEYDOWN, 'C'}}},
  };
  cFakeIme ime;
  for (const auto& c : aCases) {
    SCOPED_TRACE(c.pszName);
    cTestRecord rec;
    cBoundTestDlg dlg(&rec);
    ASSERT_TRUE(dlg.Open());
    dlg.m_Hook.m_bModeless = c.bModeless ? 1 : 0;
    std::vector<cKeyMsg> vGot;
    ASSERT_TRUE(Run(dlg, c.vSteps, vGot));
    EXPECT_EQ(c.vExpected, vGot);
    EXPECT_EQ(0, cHook::IsCtrlHeld());
  }
  EXPECT_TRUE(m_Boxes.Shown().empty());  // the missing input context is reported only with the error log
}

TEST_F(KeyHookTest, KeysOfAWindowWithoutTheHookAreLeftAlone) {
  cFakeIme ime;
  cTestRecord rec;
  cBoundTestDlg dlg(&rec);
  ASSERT_TRUE(dlg.Open());
  RemovePropA(dlg.m_hWnd, "cHook");
  std::vector<cKeyMsg> vGot;
  ASSERT_TRUE(Run(dlg, {{VK_F9, false, IME_IDLE}}, vGot));
  EXPECT_TRUE(vGot.empty());
  EXPECT_FALSE(cHook::IsForwardKey(VK_PRIOR));
  EXPECT_FALSE(cHook::IsForwardKey(VK_F9));
  EXPECT_TRUE(cHook::IsForwardKey(VK_F1));
  EXPECT_TRUE(cHook::IsForwardKey(VK_DOWN));
}

// The real route: keys typed on the keyboard (injected at the X server) while the text box of a
// modal dialog has the focus reach the dialog through the installed hook.
TEST_F(KeyHookTest, InjectedKeysReachTheActiveModalDialogThroughTheHook) {
  bool bOk = Retried([&] {
    std::vector<cKeyMsg> vGot;
    HWND hFocusAtKeys = nullptr;
    cProbeDlg<41> dlg(IDD_INPUT_STRING, nullptr, cWindow::KIND_DIALOG, &WindowList);
    dlg.m_fnInit = [](cProbeDlg<41>* p) { PostMessageA(p->m_hWnd, WM_APP, 0, 0); };
    dlg.m_fnMsg = [&](cProbeDlg<41>* p, UINT uMsg, WPARAM wParam, LPARAM) {
      if (uMsg == WM_APP) {
        SetTimer(p->m_hWnd, 1, 3000, nullptr);  // gives up when the keys went elsewhere
        if (!Activate(p->m_hWnd)) return p->Close(0);
        SetFocus(GetDlgItem(p->m_hWnd, IDC_INPUT_EDIT));
        hFocusAtKeys = GetFocus();
        InjectKey(VK_F9);
        InjectKey(VK_F8);
        return;
      }
      if (uMsg == WM_TIMER) return p->Close(0);
      if (uMsg == WM_KEYDOWN || uMsg == WM_KEYUP || uMsg == HOOKED) vGot.push_back({uMsg, wParam});
      if (uMsg == WM_KEYUP && wParam == VK_F8) p->Close(1);
    };
    if (dlg.DoModal(0) != 1) return false;
    EXPECT_NE(nullptr, hFocusAtKeys);
    // The copies: F9 down and up as themselves; F8 down as the hooked-key message, which the
    // dialog base turns into a key press of the dialog (seen here first, as it is sent from
    // within the handling of that message).
    std::vector<cKeyMsg> vExpected = {{WM_KEYDOWN, VK_F9}, {WM_KEYUP, VK_F9}, {WM_KEYDOWN, VK_F8},
                                      {HOOKED, VK_F8},     {WM_KEYUP, VK_F8}};
    EXPECT_EQ(vExpected, vGot);
    return vExpected == vGot;
  });
  EXPECT_TRUE(bOk);
}
