// Enter and Escape typed on the keyboard, through the real keyboard hook, in the dialogs of the
// behaviour editors: Enter confirms and Escape cancels as the dialog's own buttons do, unless the
// control with the focus takes the key itself (a text of several lines, an open drop-down list).
// Dialogs without a cancel button (the command palettes, the bitmap tool) close on Escape as their
// close button does.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

#include "controls/InputDlg.h"
#include "app/WindowList.h"
#include "flow/CmdDlg.h"
#include "flow/CmdPaletteDlg.h"
#include "flow/FlowCtrlCmdDlgs.h"
#include "flow/KeyCondDlg.h"
#include "flow/StatusCondPages.h"
#include "model/CommandKindTable.h"
#include "model/Database.h"
#include "model/StageEditState.h"
#include "model/StageOptionTables.h"
#include "controls/GraphicPickDlg.h"
#include "project/BmpConvDlg.h"
#include "project/DbEditDialogs.h"
#include "resources/CondPageIds.h"
#include "resources/ControlCmdIds.h"
#include "resources/DbEditIds.h"
#include "resources/FlowPageIds.h"
#include "resources/InputDlgIds.h"
#include "resources/PaletteEntryIds.h"
#include "resources/ProjectSheetIds.h"
#include "CmdDlgTestSupport.h"
#include "support/TestSupport.h"
#include "support/TypedSteps.h"

namespace {

const INT_PTR GAVE_UP = 77;

typedef std::function<cDialog*()> CurrentFn;

// One dialog of a family, run modally as its opener runs it; its result comes back.
struct cFamily {
  const char* pszName;
  CurrentFn fnCurrent;
  std::function<INT_PTR()> fnRun;
  uint16_t wFocus;  // a control that leaves Enter and Escape to the dialog
  INT_PTR nEscaped = 0;  // the result of Escape: that of the dialog's cancel or close button
};

cEdCommand s_Cmd;
cCond s_Cond;
cEdKeyCond s_KeyCond;
int32_t s_nValue = 5;
uint16_t s_wPicked = 0;

template <class D>
INT_PTR RunCmd(int nKind) {
  s_Cmd = cEdCommand();
  s_Cmd.m_nKind = static_cast<int8_t>(nKind);
  cCmdEditInfo info{&s_Cmd, 1};
  D dlg(CharaCmdDlgKind(nKind).m_wTemplateId, nullptr, cWindow::KIND_DIALOG, &info, &WindowList,
        static_cast<cControl*>(nullptr), 0);
  return dlg.DoModal(0);
}

INT_PTR RunDistanceCond() {
  s_Cond = cCond();
  cCondEditContext ctx;
  ctx.lpCond = &s_Cond;
  ctx.bNew = 1;
  cDistanceCondDlg dlg(IDD_COND_DISTANCE, nullptr, cWindow::KIND_DIALOG, ctx, &WindowList,
                       static_cast<cControl*>(nullptr), 1);
  return dlg.DoModal(0);
}

INT_PTR RunKeyCond() {
  s_KeyCond = cEdKeyCond();
  cKeyCondEditInfo info{&s_KeyCond, 1};
  cKeyCondDlg dlg(IDD_KEY_COND, nullptr, cWindow::KIND_DIALOG, &info, &WindowList, static_cast<cControl*>(nullptr), 0);
  return dlg.DoModal(0);
}

INT_PTR RunSwordPos() {
  cSwordPosDlg dlg(IDD_DB_SWORD_POS, nullptr, cWindow::KIND_DIALOG, &WindowList, static_cast<cControl*>(nullptr), 1);
  return dlg.DoModal(0);
}

INT_PTR RunCount() {
  s_nValue = 5;
  cValueDlg dlg(nullptr, &WindowList, &s_nValue, 1, 999, "データ数");
  return dlg.DoModal(0);
}

INT_PTR RunPicker() {
  s_wPicked = 0;
  cGraphicPickDlg dlg(IDD_GRAPHIC_PICK, nullptr, cWindow::KIND_DIALOG, &WindowList, nullptr, 1);
  dlg.m_lpResult = &s_wPicked;
  dlg.m_nSheet = 2;
  return dlg.DoModal(0);
}

// A palette on a new command, which shows it and waits for a kind.
template <class P>
INT_PTR RunPalette(uint16_t wTemplateId) {
  s_Cmd = cEdCommand();
  cCmdEditInfo info{&s_Cmd, 1};
  P pal(wTemplateId, nullptr, cWindow::KIND_DIALOG, &info, &WindowList, static_cast<cControl*>(nullptr), 0);
  return pal.DoModal(0);
}

INT_PTR RunBmpTool() {
  cBmpConvDlg dlg(IDD_BMP_CONV, nullptr, cWindow::KIND_DIALOG, &WindowList);
  return dlg.DoModal(0);
}

const cFamily FAMILIES[] = {
    {"message command", [] { return static_cast<cDialog*>(cMessageCmdDlg::Current()); }, [] { return RunCmd<cMessageCmdDlg>(19); },
     IDC_MS_WINDOW},
    {"flow operation", [] { return static_cast<cDialog*>(cFlowOpCmdDlg::Current()); }, [] { return RunCmd<cFlowOpCmdDlg>(16); },
     IDC_FO_OP},
    {"distance condition", [] { return static_cast<cDialog*>(cDistanceCondDlg::Current()); }, &RunDistanceCond,
     IDC_DC_TARGET},
    {"key condition", [] { return static_cast<cDialog*>(cKeyCondDlg::Current()); }, &RunKeyCond, IDC_KC_LEFT},
    {"sword position", [] { return static_cast<cDialog*>(cSwordPosDlg::Current()); }, &RunSwordPos, IDC_POS_DIR},
    {"data count", [] { return static_cast<cDialog*>(cValueDlg::Current()); }, &RunCount, IDC_INPUT_EDIT},
    {"graphic picker", [] { return static_cast<cDialog*>(cGraphicPickDlg::Current()); }, &RunPicker, 0},
    {"command palette", [] { return static_cast<cDialog*>(cCmdPaletteDlg::Current()); },
     [] { return RunPalette<cCmdPaletteDlg>(IDD_CMD_PALETTE); }, 0},
    {"item command palette", [] { return static_cast<cDialog*>(cItemCmdPaletteDlg::Current()); },
     [] { return RunPalette<cItemCmdPaletteDlg>(IDD_ITEM_CMD_PALETTE); }, 0},
    // Its close button "閉じる" closes it with 1.
    {"bitmap tool", [] { return static_cast<cDialog*>(cBmpConvDlg::Current()); }, &RunBmpTool, 0, 1},
};

// The step that waits for the family's dialog, gives the focus to the control (for 0 only
// activates the dialog), optionally opens its drop-down list, and types the keys.
cTypedSteps::Step TypeWhenUp(const CurrentFn& fnCurrent, uint16_t wFocus, bool bDrop, std::initializer_list<WORD> keys) {
  std::vector<WORD> vKeys(keys);
  return [fnCurrent, wFocus, bDrop, vKeys] {
    cDialog* p = fnCurrent();
    if (!p || !p->m_hWnd || !p->m_bInit) return false;
    HWND hFocus = wFocus ? GetDlgItem(p->m_hWnd, wFocus) : nullptr;
    if (hFocus ? !FocusControl(p->m_hWnd, hFocus) : !Activate(p->m_hWnd)) return false;
    if (bDrop) SendMessageA(hFocus, CB_SHOWDROPDOWN, TRUE, 0);
    for (WORD w : vKeys) InjectKey(w);
    return true;
  };
}

std::function<void()> GiveUp(const CurrentFn& fnCurrent) {
  return [fnCurrent] {
    if (cDialog* p = fnCurrent()) p->Close(GAVE_UP);
  };
}

class DialogKeysTest : public testing::Test {
 protected:
  void SetUp() override {
    InitCommonControls();
    m_SavedDb = Database;
    if (ScrollInfoTable.empty()) BuildScrollInfoTable(ScrollModeNames);  // as start-up does
    m_nOldLayer = StageEditState.m_nLayer;
    StageEditState.m_nLayer = LAYER_CHARA;
  }
  void TearDown() override {
    Database = m_SavedDb;
    StageEditState.m_nLayer = m_nOldLayer;
    EXPECT_TRUE(WindowList.m_vWindows.empty());
  }
  cEdDatabase m_SavedDb;
  int32_t m_nOldLayer = 0;
  cMsgBoxRecorder m_Boxes;
};

}  // namespace

TEST_F(DialogKeysTest, EnterConfirmsAndEscapeCancelsEveryDialogFamily) {
  for (const cFamily& f : FAMILIES) {
    for (WORD wKey : {VK_ESCAPE, VK_RETURN}) {
      // The picker, the palettes and the bitmap tool have no OK: Enter is not part of their keys.
      if (!f.wFocus && wKey == VK_RETURN) continue;
      SCOPED_TRACE(std::string(f.pszName) + (wKey == VK_RETURN ? " Enter" : " Escape"));
      const bool bOk = Retried([&] {
        cTypedSteps steps({TypeWhenUp(f.fnCurrent, f.wFocus, false, {wKey})}, GiveUp(f.fnCurrent));
        const INT_PTR nResult = f.fnRun();
        if (!steps.Finished()) return false;  // the dialog never had the focus
        EXPECT_EQ(wKey == VK_RETURN ? 1 : f.nEscaped, nResult);
        return true;
      });
      EXPECT_TRUE(bOk);
    }
  }
}

// Enter in a text of several lines starts a new line; the dialog stays open for more typing.
TEST_F(DialogKeysTest, EnterInTheMessageTextStartsANewLine) {
  const CurrentFn fnCurrent = [] { return static_cast<cDialog*>(cMessageCmdDlg::Current()); };
  std::string strText;
  INT_PTR nResult = -1;
  const bool bOk = Retried([&] {
    strText.clear();
    cTypedSteps steps({TypeWhenUp(fnCurrent, IDC_MS_TEXT, false, {'H', VK_RETURN, 'W'}),
                       [&] {
                         strText = TextOf(fnCurrent(), IDC_MS_TEXT);
                         if (strText.find('w') == std::string::npos) return false;
                         PostMessageA(fnCurrent()->m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_CMD_OK, BN_CLICKED), 0);
                         return true;
                       }},
                      GiveUp(fnCurrent));
    nResult = RunCmd<cMessageCmdDlg>(19);
    return !steps.GaveUp() || !strText.empty();
  });
  ASSERT_TRUE(bOk);
  EXPECT_EQ(1, nResult);  // closed by OK, not by Enter
  EXPECT_EQ("h\r\nw", strText);
  EXPECT_EQ("h\r\nw", s_Cmd.m_strText);
}

// Enter that picks from an open drop-down list only picks; Escape then cancels the dialog with
// nothing of the half-made condition or command kept.
TEST_F(DialogKeysTest, EnterThatPicksFromAnOpenListOnlyPicks) {
  const struct {
    const char* pszName;
    CurrentFn fnCurrent;
    std::function<INT_PTR()> fnRun;
    uint16_t wCombo;
  } aCases[] = {
      {"distance condition", FAMILIES[2].fnCurrent, FAMILIES[2].fnRun, IDC_DC_TARGET},
      {"flow operation", FAMILIES[1].fnCurrent, FAMILIES[1].fnRun, IDC_FO_OP},
      {"key condition", FAMILIES[3].fnCurrent, FAMILIES[3].fnRun, IDC_KC_LEFT},
  };
  for (const auto& c : aCases) {
    SCOPED_TRACE(c.pszName);
    int nBefore = -1, nPicked = -1;
    bool bOpenAfterPick = false;
    INT_PTR nResult = -1;
    const bool bOk = Retried([&] {
      nPicked = -1;
      cTypedSteps steps({[&] {
                           cDialog* p = c.fnCurrent();
                           if (!p || !p->m_bInit) return false;
                           nBefore = ComboPos(p, c.wCombo);
                           return TypeWhenUp(c.fnCurrent, c.wCombo, true, {VK_DOWN, VK_RETURN})();
                         },
                         [&] {
                           cDialog* p = c.fnCurrent();
                           HWND hCombo = GetDlgItem(p->m_hWnd, c.wCombo);
                           if (SendMessageA(hCombo, CB_GETDROPPEDSTATE, 0, 0)) return false;
                           nPicked = ComboPos(p, c.wCombo);
                           bOpenAfterPick = IsWindow(p->m_hWnd) != FALSE;
                           InjectKey(VK_ESCAPE);
                           return true;
                         }},
                        GiveUp(c.fnCurrent));
      nResult = c.fnRun();
      return nPicked != -1 || !steps.GaveUp();
    });
    ASSERT_TRUE(bOk);
    EXPECT_TRUE(bOpenAfterPick);
    EXPECT_EQ(nBefore + 1, nPicked);
    EXPECT_EQ(0, nResult);
  }
}
