#include <gtest/gtest.h>

#include <memory>

#include "CondTestDlg.h"
#include "flow/CondListCtrl.h"
#include "flow/CondKindDlg.h"
#include "flow/CondText.h"
#include "flow/VarCondPages.h"
#include "resources/CondKindIds.h"
#include "support/TestSupport.h"

namespace {

cCond Cond(int8_t nKind, int32_t nValue) {
  cCond c;
  c.m_nKind = nKind;
  c.m_nValue = nValue;
  return c;
}

// What the condition-kind dialog was opened with, and how the test answers it.
int s_nAnswer = IDOK;
cCondEditContext s_Seen;
int s_nSeen = 0;

class CondListTest : public testing::Test {
 protected:
  void SetUp() override {
    CondClipboard.clear();
    FlowCondClipboard.clear();
    s_nSeen = 0;
  }
  void TearDown() override { m_lpDlg.reset(); }
  void Open(cCondVector* lpConds, int32_t nOwner) {
    m_lpDlg.reset(new cCondTestDlg(lpConds, nOwner));
    m_lpDlg->DoModeless(0, 1);
    ASSERT_NE(nullptr, m_lpDlg->m_hWnd);
  }
  void Send(WORD wId) {
    SetFocus(m_lpDlg->m_List.m_hWnd);
    SendMessageA(m_lpDlg->m_hWnd, WM_COMMAND, MAKEWPARAM(wId, 1), 0);
  }
  void Button(WORD wId) {
    SendMessageA(m_lpDlg->m_hWnd, WM_COMMAND, MAKEWPARAM(wId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(m_lpDlg->m_hWnd, wId)));
  }

  cAnswerWhenUp<cCondKindDlg> m_Answer{[](cCondKindDlg* p) {
    s_Seen = p->m_Context;
    ++s_nSeen;
    // OK: the character-variable kind, whose page then confirms; Cancel closes the kind dialog.
    WPARAM w = s_nAnswer == IDOK ? IDC_CK_CHARA_VAR : IDCANCEL;
    PostMessageA(p->m_hWnd, WM_COMMAND, w, 0);
  }};
  cAnswerWhenUp<cCharaVarCondDlg> m_PageAnswer{
      [](cCharaVarCondDlg* p) { PostMessageA(p->m_hWnd, WM_COMMAND, IDC_CP_OK, 0); }};
  std::unique_ptr<cCondTestDlg> m_lpDlg;
};

}  // namespace

TEST_F(CondListTest, RowsAreConditionLinesThenTheEndRow) {
  cCondVector v;
  v.push_back(Cond(1, 5));
  v.push_back(Cond(3, 0));
  Open(&v, COND_OWNER_DATA);
  std::string s0, s1;
  FormatCondText(s0, 0, v[0]);
  FormatCondText(s1, 1, v[1]);
  EXPECT_EQ((std::vector<std::string>{s0, s1, std::string(64, '-')}), RowTexts(m_lpDlg->m_List.m_hWnd));
  EXPECT_EQ(0, m_lpDlg->m_List.m_nMinCount);
  EXPECT_EQ(99, m_lpDlg->m_List.m_nMaxCount);
  // The list itself takes neither insert nor clear.
  EXPECT_EQ(0, m_lpDlg->m_List.m_wAccelId[cListCtrlBase::CMD_INSERT]);
  EXPECT_EQ(0, m_lpDlg->m_List.m_wPopupId[cListCtrlBase::CMD_CLEAR]);
  EXPECT_EQ(ID_POP_DELETE_1, m_lpDlg->m_List.m_wPopupId[cListCtrlBase::CMD_DELETE]);
}

TEST_F(CondListTest, EmptyListEditsNothingDeleteBeepsInsertAppendsThroughTheDialog) {
  cCondVector v;
  Open(&v, COND_OWNER_DATA);
  cBeepCounter beeps;
  Button(IDC_BTN_EDIT);
  EXPECT_EQ(0, s_nSeen);
  Button(IDC_BTN_DELETE);
  EXPECT_EQ(1, beeps.Count());
  s_nAnswer = IDOK;
  Button(IDC_BTN_INSERT);
  ASSERT_EQ(1, s_nSeen);
  EXPECT_EQ(1, s_Seen.bNew);
  EXPECT_EQ(COND_OWNER_DATA, s_Seen.nOwner);
  ASSERT_EQ(1u, v.size());
  EXPECT_EQ(&v[0], s_Seen.lpCond);
  cCond expected;
  expected.m_nKind = 3;
  expected.m_nVar = 1;
  EXPECT_EQ(expected, v[0]);
}

TEST_F(CondListTest, CancelledInsertLeavesTheListAsItWas) {
  cCondVector v;
  for (int i = 1; i <= 4; ++i) v.push_back(Cond(1, i));
  Open(&v, COND_OWNER_FLOW);
  UserSelect(*m_lpDlg, m_lpDlg->m_List, {1, 2}, 2);
  s_nAnswer = IDCANCEL;
  Send(ID_ACC_INSERT_2);  // Ctrl+I of the flow page's table
  ASSERT_EQ(1, s_nSeen);
  EXPECT_EQ(COND_OWNER_FLOW, s_Seen.nOwner);
  ASSERT_EQ(4u, v.size());
  for (int i = 0; i < 4; ++i) EXPECT_EQ(i + 1, v[i].m_nValue);
  EXPECT_EQ(2, m_lpDlg->m_List.GetCurSel());
  // The insert key of the other table is not this list's.
  Send(ID_ACC_INSERT_1);
  EXPECT_EQ(1, s_nSeen);
}

TEST_F(CondListTest, NinetyNineConditionsRefuseInsertAndPaste) {
  cCondVector v(99);
  Open(&v, COND_OWNER_DATA);
  cBeepCounter beeps;
  Send(ID_ACC_COPY_1);
  Send(ID_POP_INSERT_1);
  Send(ID_ACC_PASTE_1);
  EXPECT_EQ(2, beeps.Count());
  EXPECT_EQ(0, s_nSeen);
  EXPECT_EQ(99u, v.size());
}

TEST_F(CondListTest, ClipboardSurvivesClosingAndReopeningAndStaysWithItsKindOfOwner) {
  cCondVector vBlock;
  vBlock.push_back(Cond(1, 11));
  vBlock.push_back(Cond(7, 22));
  Open(&vBlock, COND_OWNER_DATA);
  UserSelect(*m_lpDlg, m_lpDlg->m_List, {0, 1}, 0);
  Send(ID_ACC_COPY_1);
  EXPECT_EQ(1, m_lpDlg->m_List.ClipboardHasKind(7));
  m_lpDlg.reset();
  ASSERT_EQ(2u, CondClipboard.size());
  EXPECT_TRUE(FlowCondClipboard.empty());

  // Another data dialog pastes them.
  cCondVector vChara;
  Open(&vChara, COND_OWNER_DATA);
  Send(ID_POP_PASTE_1);
  ASSERT_EQ(2u, vChara.size());
  EXPECT_EQ(11, vChara[0].m_nValue);
  EXPECT_EQ(22, vChara[1].m_nValue);
  m_lpDlg.reset();

  // The flow page's list has a clipboard of its own.
  cCondVector vFlow;
  Open(&vFlow, COND_OWNER_FLOW);
  EXPECT_TRUE(m_lpDlg->m_List.m_vClip.empty());
  Send(ID_ACC_PASTE_2);
  EXPECT_TRUE(vFlow.empty());
}
