// The item acquisition page: its effect list of item commands, the item command palette it opens,
// the inheritance groups and the effect-list clipboard.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "app/WindowList.h"
#include "flow/FlowCtrlCmdDlgs.h"
#include "flow/CmdPaletteDlg.h"
#include "flow/ItemAcquirePage.h"
#include "model/Database.h"
#include "model/Palette.h"
#include "model/StageEditState.h"
#include "resources/CmdDialogIds.h"
#include "resources/ItemAcquirePageIds.h"
#include "resources/ListIds.h"
#include "support/AnswerWhenUp.h"
#include "support/TestSupport.h"

namespace {

// "アイテムの取得" of the common palette's item nNo.
cEdCommand ItemGet(int32_t nNo) {
  cEdCommand c;
  c.m_bItem = 1;
  c.m_nKind = 10;
  c.m_vParam = {0, nNo};
  return c;
}

class ItemAcquirePageTest : public testing::Test {
 protected:
  void SetUp() override {
    InitCommonControls();
    ItemCmdClipboard.clear();
    StageEditState.m_nEditContext = EDIT_CELL;
    CommonPalette.m_vItem.assign(3, cEdItem());
    // The sheet the page sits in.
    m_Host.m_hWnd = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 700, 600, nullptr, nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
  }
  void TearDown() override {
    m_lpPage.reset();
    DestroyWindow(m_Host.m_hWnd);
    CommonPalette.m_vItem.clear();
  }
  void Open(cEdItem& item) {
    m_lpPage.reset(new cItemAcquirePage(&m_Host, &WindowList, &item));
    m_lpPage->DoModeless(0, 1);
    ASSERT_NE(nullptr, m_lpPage->m_hWnd);
    EnableWindow(m_lpPage->m_hWnd, TRUE);
  }
  HWND Item(int nId) const { return GetDlgItem(m_lpPage->m_hWnd, nId); }
  void Command(WORD wId, WORD wCode = BN_CLICKED) {
    SendMessageA(m_lpPage->m_hWnd, WM_COMMAND, MAKEWPARAM(wId, wCode), 0);
  }
  void SelectRow(int nRow) {
    HWND h = m_lpPage->m_CmdList.m_hWnd;
    SendMessageA(h, LB_SETSEL, FALSE, -1);
    SendMessageA(h, LB_SETSEL, TRUE, nRow);
    SendMessageA(h, LB_SETCARETINDEX, nRow, 0);
    Command(IDC_IA_CMD_LIST, LBN_SELCHANGE);
    SetFocus(h);
  }

  cWindow m_Host;
  std::unique_ptr<cItemAcquirePage> m_lpPage;
};

}  // namespace

TEST_F(ItemAcquirePageTest, PasteClampsEveryPastedCommandAndTheClipboardOutlivesThePage) {
  ItemCmdClipboard.push_back(ItemGet(5));
  ItemCmdClipboard.push_back(ItemGet(7));
  cEdItem item;
  Open(item);
  SelectRow(0);  // the end row
  Command(ID_ACC_PASTE_1, 1);
  const cCmdVector& v = m_lpPage->m_Work.m_vCommand;
  ASSERT_EQ(2u, v.size());
  // Both pasted commands are brought inside the three common items, not only the current one.
  EXPECT_EQ(1, v[0].m_vParam[1]);
  EXPECT_EQ(1, v[1].m_vParam[1]);
  EXPECT_EQ(3u, RowTexts(m_lpPage->m_CmdList.m_hWnd).size());
  SelectRow(1);
  Command(ID_POP_COPY_1, 0);
  m_lpPage.reset();
  ASSERT_EQ(1u, ItemCmdClipboard.size());
  EXPECT_EQ(ItemGet(1), ItemCmdClipboard[0]);
}

TEST_F(ItemAcquirePageTest, InsertRunsTheItemPaletteAndACancelLeavesTheListAsItWas) {
  cEdItem item;
  item.m_vCommand.push_back(ItemGet(1));
  Open(item);
  SelectRow(0);
  {
    cAnswerWhenUp<cItemCmdPaletteDlg> close([](cItemCmdPaletteDlg* p) { PostMessageA(p->m_hWnd, WM_CLOSE, 0, 0); });
    Command(IDC_IA_CMD_INSERT);
  }
  EXPECT_EQ(1u, m_lpPage->m_Work.m_vCommand.size());
  // "ステージクリア": item numbering, item kind 2, the nine parameters of its dialog's kind.
  cAnswerWhenUp<cItemCmdPaletteDlg> pick(
      [](cItemCmdPaletteDlg* p) { PostMessageA(p->m_hWnd, WM_COMMAND, MAKEWPARAM(1268, BN_CLICKED), 0); });
  cAnswerWhenUp<cStageClearCmdDlg> ok([](cStageClearCmdDlg* p) { PostMessageA(p->m_hWnd, WM_COMMAND, IDC_CMD_OK, 0); });
  SelectRow(0);
  Command(IDC_IA_CMD_INSERT);
  ASSERT_EQ(2u, m_lpPage->m_Work.m_vCommand.size());
  const cEdCommand& c = m_lpPage->m_Work.m_vCommand[0];
  EXPECT_EQ(1, c.m_bItem);
  EXPECT_EQ(2, c.m_nKind);
  EXPECT_EQ(9u, c.m_vParam.size());
  EXPECT_EQ(1, m_lpPage->m_CmdList.GetCurSel());
}

TEST_F(ItemAcquirePageTest, InheritanceBoxesLockTheirGroups) {
  cEdItem item;
  Open(item);
  // An item that inherits from no palette has nothing to take.
  EXPECT_FALSE(IsWindowEnabled(Item(IDC_IA_INHERIT_CMDS)));
  m_lpPage.reset();
  item.m_nInheritPal = 1;
  item.m_nInheritNo = 1;
  Open(item);
  ASSERT_TRUE(IsWindowEnabled(Item(IDC_IA_INHERIT_CMDS)));
  SendMessageA(Item(IDC_IA_INHERIT_CMDS), BM_SETCHECK, BST_CHECKED, 0);
  Command(IDC_IA_INHERIT_CMDS);
  for (int nId : {IDC_IA_CMD_LIST, IDC_IA_CMD_INSERT, IDC_IA_CMD_EDIT, IDC_IA_CMD_DELETE})
    EXPECT_FALSE(IsWindowEnabled(Item(nId))) << nId;
  EXPECT_TRUE(IsWindowEnabled(Item(IDC_IA_GIANT)));
}

TEST_F(ItemAcquirePageTest, ChoosingASoundPlaysItAtOnce) {
  const auto vOld = Database.m_vSound;
  // A sound the preview cannot play says so, which shows that it tried.
  Database.m_vSound.assign(2, cEdSound());
  Database.m_vSound[1].m_strPath = "bgm\\theme.ogg";
  cEdItem item;
  Open(item);
  cMsgBoxRecorder boxes;
  HWND hCombo = Item(IDC_IA_SOUND);
  for (int nPos : {0, 1}) {
    SendMessageA(hCombo, CB_SETCURSEL, static_cast<WPARAM>(nPos), 0);
    SendMessageA(m_lpPage->m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_IA_SOUND, CBN_SELCHANGE), reinterpret_cast<LPARAM>(hCombo));
  }
  Database.m_vSound = vOld;
  ASSERT_EQ(1u, boxes.Shown().size());
  EXPECT_EQ("読み込み失敗！", boxes.Shown()[0].strText);
}
