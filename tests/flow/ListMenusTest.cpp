// The flow page's right-click menu on its flow list, each item chosen as the author does: a right
// click on a row, then the menu.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "app/WindowList.h"
#include "flow/FlowPage.h"
#include "model/StageEditState.h"
#include "resources/ListIds.h"
#include "support/ListMenuPick.h"
#include "support/TestSupport.h"

namespace {

cEdFlow Flow(int8_t nId, int8_t nTrigger) {
  cEdFlow f;
  f.m_nId = nId;
  f.m_nTrigger = nTrigger;
  cEdCommand c;
  c.m_nKind = 1;
  c.m_nTime = nId;
  f.m_vCommand.push_back(c);
  return f;
}

// Each flow as "ID/trigger/wait".
std::string Flows(const cFlowVector& v) {
  std::string s;
  for (const cEdFlow& f : v)
    s += (s.empty() ? "" : " ") + std::to_string(f.m_nId) + "/" + std::to_string(f.m_nTrigger) + "/" +
         std::to_string(f.m_vCommand.empty() ? -1 : f.m_vCommand[0].m_nTime);
  return s;
}

}  // namespace

// The right click makes the flow under it current before its menu opens; the other flows keep
// what they hold, and the item chosen acts on that flow.
TEST(ListMenusTest, FlowListMenuActsOnTheClickedFlowAndKeepsTheOthersIntact) {
  InitCommonControls();
  FlowClipboard.clear();
  StageEditState.m_nEditContext = EDIT_CELL;
  cEdChara chara;
  chara.m_vFlow = {Flow(1, 0), Flow(2, 3)};
  cFlowPage page(nullptr, cWindow::KIND_DIALOG, &WindowList, &chara);
  page.DoModeless(0, 1);
  ASSERT_NE(nullptr, page.m_hWnd);
  SetWindowPos(page.m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
  const struct {
    int nRow;
    UINT wId;
    const char* pszAfter;
  } aPicks[] = {
      {1, ID_POP_COPY_1, "1/0/1 2/3/2"},         {0, ID_POP_PASTE_1, "2/3/2 1/0/1 2/3/2"},
      {0, ID_POP_CUT_1, "1/0/1 2/3/2"},          {1, ID_POP_INSERT_1, "1/0/1 0/0/-1 2/3/2"},
      {2, ID_POP_DELETE_1, "1/0/1 0/0/-1"},
  };
  for (const auto& p : aPicks) {
    SCOPED_TRACE(p.wId);
    ASSERT_TRUE(cListMenuPick::Pick(page.m_FlowList.m_hWnd, p.nRow, page.m_FlowList.m_hPopupMenu, p.wId));
    EXPECT_EQ(p.pszAfter, Flows(page.m_vFlowWork));
  }
  page.Close(0);
  DrainMessages();
}
