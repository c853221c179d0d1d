// The flow page and the item acquisition page as pages of a real property sheet: the sheet makes
// them child pages, and leaving a page hands its working copy to the sheet.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include "app/PropSheet.h"
#include "app/WindowList.h"
#include "flow/FlowPage.h"
#include "flow/ItemAcquirePage.h"
#include "model/StageEditState.h"
#include "resources/FlowPageIds.h"
#include "support/TestSupport.h"

namespace {

class cTwoPageSheet : public cPropSheet {
 public:
  cTwoPageSheet() : cPropSheet(1, nullptr, &WindowList) {
    Register(&s_lpSheet);
    s_lpSheet = this;
    m_vPages.push_back(&m_Flow);
    m_vPages.push_back(&m_Item);
  }
  cFlowPage m_Flow{nullptr, &WindowList};
  cItemAcquirePage m_Item{nullptr, &WindowList};
  static cTwoPageSheet* s_lpSheet;
};
cTwoPageSheet* cTwoPageSheet::s_lpSheet = nullptr;

}  // namespace

TEST(FlowPagesInSheetTest, PagesAreChildPagesAndLeavingOneSharesItsWorkingCopy) {
  InitCommonControls();
  StageEditState.m_nEditContext = EDIT_CELL;
  cEdChara chara;
  cEdItem item;
  StageEditState.m_lpCharaTarget = &chara;
  StageEditState.m_lpItemTarget = &item;
  {
    cTwoPageSheet sheet;
    cEdChara shared;
    int nShared = 0;
    sheet.m_Flow.m_fnShare = [&](const cEdChara& c) {
      shared = c;
      ++nShared;
    };
    sheet.Run();
    ASSERT_TRUE(sheet.m_hSheet);
    HWND hPage = sheet.m_Flow.m_hWnd;
    ASSERT_TRUE(hPage);
    EXPECT_TRUE(GetWindowLongA(hPage, GWL_STYLE) & WS_CHILD);
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(hPage, IDC_FP_OK)));
    SendMessageA(hPage, WM_COMMAND, MAKEWPARAM(IDC_FP_FLOW_INSERT, BN_CLICKED), 0);
    SendMessageA(sheet.m_hSheet, PSM_SETCURSEL, 1, 0);
    EXPECT_EQ(1, nShared);
    EXPECT_EQ(2u, shared.m_vFlow.size());
    ASSERT_TRUE(sheet.m_Item.m_hWnd);
    // Back on the flow page, what the other pages made of the character is shown.
    sheet.m_Flow.m_WorkChara.m_vFlow.assign(3, cEdFlow());
    SendMessageA(sheet.m_hSheet, PSM_SETCURSEL, 0, 0);
    EXPECT_EQ(3u, sheet.m_Flow.m_vFlowWork.size());
    EXPECT_EQ(4u, RowTexts(sheet.m_Flow.m_FlowList.m_hWnd).size());
    sheet.DestroySheetWindow();
  }
  // The record itself got the character's one flow when the page was built; the rest is the sheet's.
  EXPECT_EQ(1u, chara.m_vFlow.size());
  StageEditState.m_lpCharaTarget = nullptr;
  StageEditState.m_lpItemTarget = nullptr;
}
