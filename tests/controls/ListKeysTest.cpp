#include <gtest/gtest.h>

#include <memory>

#include "ListTestDlg.h"
#include "app/Log.h"
#include "support/TestSupport.h"

namespace {

cSmallVector Records(int n, const char* pszPrefix) {
  cSmallVector v;
  for (int i = 0; i < n; ++i) v.push_back(cSmall((pszPrefix + std::to_string(i)).c_str(), i));
  return v;
}

class ListKeysTest : public testing::Test {
 protected:
  void SetUp() override {
    m_vSrc = Records(4, "a");
    m_vSrc.insert(m_vSrc.begin(), cSmall("hidden", -1));
    m_lpDlg.reset(new cListTestDlg(&m_vSrc));
    m_lpDlg->m_vSub = Records(3, "b");
    ASSERT_TRUE(m_lpDlg->Open());
  }
  cListTestDlg& Dlg() { return *m_lpDlg; }
  cListCtrl<cSmall>& A() { return m_lpDlg->m_ListA; }
  cListCtrl<cSmall>& B() { return m_lpDlg->m_ListB; }
  size_t SizeA() { return Dlg().m_vWork.size(); }
  size_t SizeB() { return Dlg().m_vSub.size(); }
  std::vector<std::string> Names() {
    std::vector<std::string> v;
    for (const cSmall& e : Dlg().m_vWork) v.push_back(e.m_strName);
    return v;
  }

  // A key as the main loop takes it from the queue while the list box has the focus, with or
  // without Control held; the number of commands it raised at the page.
  int AccelKey(cListCtrlBase& list, WPARAM wKey, bool bCtrl) {
    for (int nTry = 0; nTry < 5; ++nTry) {
      if (!Activate(Dlg().m_hWnd)) continue;
      SetFocus(list.m_hWnd);
      size_t n = Dlg().m_vResults.size();
      BYTE ks[256];
      GetKeyboardState(ks);
      ks[VK_CONTROL] = bCtrl ? 0x80 : 0;
      SetKeyboardState(ks);
      MSG msg = KeyDownMsg(list.m_hWnd, wKey);
      if (!WindowList.PreTranslate(&msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
      }
      ks[VK_CONTROL] = 0;
      SetKeyboardState(ks);
      if (GetActiveWindow() == Dlg().m_hWnd && GetFocus() == list.m_hWnd)
        return static_cast<int>(Dlg().m_vResults.size() - n);
    }
    return -1;
  }
  // A key as the keyboard hook hands it to a modal page: every list turns it into its commands.
  int HookedKey(cListCtrlBase& focused, WPARAM wKey, bool bCtrl) {
    SetFocus(focused.m_hWnd);
    size_t n = Dlg().m_vResults.size();
    for (cControl* c : Dlg().m_vCtrls) c->OnKeyDown(wKey, 0, bCtrl ? 1 : 0);
    return static_cast<int>(Dlg().m_vResults.size() - n);
  }

  cSmallVector m_vSrc;
  std::unique_ptr<cListTestDlg> m_lpDlg;
};

}  // namespace

TEST_F(ListKeysTest, AcceleratorKeysActOnlyOnTheFocusedListInItsMode) {
  // Record list: Ctrl+I appends, Delete clears.
  ASSERT_EQ(1, AccelKey(A(), 'I', true));
  EXPECT_EQ(6u, SizeA());
  EXPECT_EQ(cSmall(), Dlg().m_vWork[5]);
  EXPECT_EQ(3u, SizeB());
  UserSelect(Dlg(), A(), {1}, 1);
  ASSERT_EQ(1, AccelKey(A(), VK_DELETE, false));
  EXPECT_EQ(cSmall(), Dlg().m_vWork[2]);
  EXPECT_EQ(6u, SizeA());
  // Sub-list: Ctrl+I inserts at the current row, Delete deletes it.
  UserSelect(Dlg(), B(), {1}, 1);
  ASSERT_EQ(1, AccelKey(B(), 'I', true));
  EXPECT_EQ(4u, SizeB());
  EXPECT_EQ(cSmall(), Dlg().m_vSub[1]);
  ASSERT_EQ(1, AccelKey(B(), VK_DELETE, false));
  EXPECT_EQ(3u, SizeB());
  EXPECT_EQ("b1", Dlg().m_vSub[1].m_strName);
  // Both tables carry Ctrl+C and Ctrl+V with the same ids; only the focused list acts.
  ASSERT_EQ(1, AccelKey(B(), 'C', true));
  EXPECT_EQ(1u, B().m_vClip.size());
  EXPECT_TRUE(A().m_vClip.empty());
  ASSERT_EQ(1, AccelKey(B(), 'V', true));
  EXPECT_EQ(4u, SizeB());
  EXPECT_EQ(6u, SizeA());
  ASSERT_EQ(1, AccelKey(B(), 'X', true));
  EXPECT_EQ(3u, SizeB());
  // Without Control the letters raise nothing.
  for (WPARAM k : {'X', 'C', 'V', 'I'}) EXPECT_EQ(0, AccelKey(A(), k, false)) << static_cast<char>(k);
  EXPECT_EQ(6u, SizeA());
}

TEST_F(ListKeysTest, HookedKeysSendEveryMatchingCommandAndOnlyTheFocusedListRunsThem) {
  // Both lists send their command for Ctrl+I; only the focused sub-list inserts.
  UserSelect(Dlg(), B(), {0}, 0);
  EXPECT_EQ(2, HookedKey(B(), 'I', true));
  EXPECT_EQ(4u, SizeB());
  EXPECT_EQ(5u, SizeA());
  // Delete needs no Control.
  EXPECT_EQ(2, HookedKey(B(), VK_DELETE, false));
  EXPECT_EQ(3u, SizeB());
  EXPECT_EQ(0, HookedKey(B(), 'C', false));
  // With the constructor's ids one key sends two commands: Ctrl+I appends, then inserts.
  A().SetAccelIds(ID_ACC_CUT_1, ID_ACC_COPY_1, ID_ACC_PASTE_1, ID_ACC_NEW_1, ID_ACC_INSERT_1, ID_ACC_CLEAR_1,
                  ID_ACC_DELETE_1);
  B().SetAccelIds(0, 0, 0, 0, 0, 0, 0);
  UserSelect(Dlg(), A(), {0}, 0);
  EXPECT_EQ(2, HookedKey(A(), 'I', true));
  // The appended element is current, so the insertion lands in front of it.
  EXPECT_EQ((std::vector<std::string>{"hidden", "a0", "a1", "a2", "a3", "", ""}), Names());
  // Delete clears, then deletes.
  UserSelect(Dlg(), A(), {1}, 1);
  EXPECT_EQ(2, HookedKey(A(), VK_DELETE, false));
  EXPECT_EQ((std::vector<std::string>{"hidden", "a0", "a2", "a3", "", ""}), Names());
}

TEST_F(ListKeysTest, PopupMenusHoldTheirItemsAndTheListsTakeTheirIds) {
  struct cMenuCase {
    uint16_t wMenu;
    std::vector<UINT> vIds;
  };
  const std::vector<cMenuCase> aMenus = {
      {112, {40038, 40039, 40040, 0, 40041}},
      {113, {40103, 40104, 40105, 0, 40113}},
      {114, {40108, 40109, 40110, 0, 40114}},
      {115, {40038, 40039, 40040, 0, 40042, 0, 40043}},
      {116, {40103, 40104, 40105, 0, 40106, 0, 40107}},
      {117, {40108, 40109, 40110, 0, 40111, 0, 40112}},
      {176, {40115, 40116, 40117, 0, 40118}},
      {177, {40115, 40116, 40117, 0, 40119, 0, 40120}},
  };
  for (const cMenuCase& c : aMenus) {
    HMENU hRoot = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(c.wMenu));
    ASSERT_NE(nullptr, hRoot) << c.wMenu;
    char sz[64];
    GetMenuStringA(hRoot, 0, sz, sizeof sz, MF_BYPOSITION);
    EXPECT_STREQ("メニュー", sz);
    HMENU hPopup = GetSubMenu(hRoot, 0);
    ASSERT_EQ(static_cast<int>(c.vIds.size()), GetMenuItemCount(hPopup)) << c.wMenu;
    for (int i = 0; i < static_cast<int>(c.vIds.size()); ++i) {
      EXPECT_EQ(c.vIds[i], GetMenuItemID(hPopup, i)) << c.wMenu << " " << i;
      GetMenuStringA(hPopup, i, sz, sizeof sz, MF_BYPOSITION);
      static const char* const aTexts[] = {"切り取り", "コピー", "貼り付け", "", nullptr, "", "削除"};
      const char* pszWant = i == 4 ? (c.vIds.size() == 5 ? "データのクリア" : "新規挿入") : aTexts[i];
      EXPECT_STREQ(pszWant, sz) << c.wMenu << " " << i;
    }
    DestroyMenu(hRoot);
  }
  // The loaded popup is the list's own menu, with the list's popup ids.
  HMENU hPopup = B().m_hPopupMenu;
  ASSERT_NE(nullptr, hPopup);
  EXPECT_EQ(B().m_wPopupId[cListCtrlBase::CMD_INSERT], GetMenuItemID(hPopup, 4));
  EXPECT_EQ(B().m_wPopupId[cListCtrlBase::CMD_DELETE], GetMenuItemID(hPopup, 6));
  EXPECT_EQ(0, B().m_wPopupId[cListCtrlBase::CMD_CLEAR]);
  EXPECT_EQ(A().m_wPopupId[cListCtrlBase::CMD_CLEAR], GetMenuItemID(A().m_hPopupMenu, 4));
}

TEST_F(ListKeysTest, PopupCommandsRunOnTheFocusedListOnly) {
  UserSelect(Dlg(), A(), {0}, 0);
  UserSelect(Dlg(), B(), {0}, 0);
  SetFocus(B().m_hWnd);
  SendMessageA(Dlg().m_hWnd, WM_COMMAND, ID_POP_CLEAR_1, 0);  // A's item while B has the focus
  EXPECT_EQ("a0", Dlg().m_vWork[1].m_strName);
  SendMessageA(Dlg().m_hWnd, WM_COMMAND, ID_POP_DELETE_1, 0);
  EXPECT_EQ(2u, SizeB());
  SetFocus(A().m_hWnd);
  SendMessageA(Dlg().m_hWnd, WM_COMMAND, ID_POP_CLEAR_1, 0);
  EXPECT_EQ(cSmall(), Dlg().m_vWork[1]);
  SendMessageA(Dlg().m_hWnd, WM_COMMAND, ID_POP_DELETE_1, 0);  // a record list has no delete
  EXPECT_EQ(5u, SizeA());
  EXPECT_EQ(0, A().OnPopupCommand(0));
}

TEST_F(ListKeysTest, RightClickOnAnUnfocusedListSelectsTheRowAndOpensItsMenu) {
  SetFocus(A().m_hWnd);
  RECT rcItem;
  SendMessageA(B().m_hWnd, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&rcItem));
  POINT pt = {rcItem.left + 5, rcItem.top + 2};
  ClientToScreen(B().m_hWnd, &pt);
  SendMessageA(Dlg().m_hWnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(B().m_hWnd), MAKELPARAM(pt.x, pt.y));
  ASSERT_EQ(1u, Dlg().m_vPopups.size());
  EXPECT_EQ(B().m_hPopupMenu, Dlg().m_vPopups[0]);
  EXPECT_EQ(B().m_hWnd, GetFocus());
  EXPECT_EQ(2, B().GetCurSel());
  // Below the last row (the end row is row 3) nothing is selected and no menu opens.
  SendMessageA(B().m_hWnd, LB_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&rcItem));
  pt = {rcItem.left + 5, rcItem.bottom + 2};
  ClientToScreen(B().m_hWnd, &pt);
  SendMessageA(Dlg().m_hWnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(B().m_hWnd), MAKELPARAM(pt.x, pt.y));
  EXPECT_EQ(1u, Dlg().m_vPopups.size());
  EXPECT_EQ(2, B().GetCurSel());
}

TEST_F(ListKeysTest, UnknownModeOrTypeKeepsTheIdsButStillRegistersAndLoads) {
  cTempDir dir;
  SetErrorLog(1, dir.File("EC_Editor.txt").c_str());
  cMsgBoxRecorder boxes;
  uint16_t aBefore[cListCtrlBase::CMD_COUNT];
  for (int i = 0; i < cListCtrlBase::CMD_COUNT; ++i) aBefore[i] = B().m_wAccelId[i];
  size_t nAccels = Dlg().m_vAccels.size();
  EXPECT_EQ(0, B().SetAccelMenu(IDR_ACCEL_SUB2, IDR_POPUP_SUB2, 1, 5));
  EXPECT_EQ(nAccels + 1, Dlg().m_vAccels.size());
  EXPECT_NE(nullptr, B().m_hPopupMenu);
  for (int i = 0; i < cListCtrlBase::CMD_COUNT; ++i) EXPECT_EQ(aBefore[i], B().m_wAccelId[i]);
  ASSERT_EQ(2u, boxes.Shown().size());
  EXPECT_EQ("アクセラレータのIDが用意されていません！", boxes.Shown()[0].strText);
  EXPECT_EQ("ポップアップメニューのIDが用意されていません！", boxes.Shown()[1].strText);
  EXPECT_EQ(1, B().SetAccelMenu(IDR_ACCEL_SUB2, IDR_POPUP_SUB2, 1, 2));
  EXPECT_EQ(ID_ACC_INSERT_2, B().m_wAccelId[cListCtrlBase::CMD_INSERT]);
  EXPECT_EQ(ID_POP_DELETE_2, B().m_wPopupId[cListCtrlBase::CMD_DELETE]);
  SetErrorLog(0, dir.File("EC_Editor.txt").c_str());
}

TEST_F(ListKeysTest, TheLoadedMenusGoWithTheirList) {
  HMENU hA = A().m_hPopupMenu, hB = B().m_hPopupMenu;
  ASSERT_TRUE(IsMenu(hA));
  // Loading again replaces the menu instead of keeping two.
  A().SetAccelMenu(IDR_ACCEL_REC2, IDR_POPUP_REC2, 0, 2);
  EXPECT_FALSE(IsMenu(hA));
  hA = A().m_hPopupMenu;
  m_lpDlg.reset();
  EXPECT_FALSE(IsMenu(hA));
  EXPECT_FALSE(IsMenu(hB));
}

TEST_F(ListKeysTest, APageEditsItsRecordsThroughKeysButtonsAndMenusAndStoresThem) {
  ASSERT_EQ(1, AccelKey(A(), 'I', true));
  EXPECT_EQ(4, A().GetCurSel());
  Dlg().m_Edit = cSmall("new", 9);  // what the page's other controls would write
  ASSERT_EQ(1, A().Reselect());
  UserSelect(Dlg(), A(), {0, 1}, 0);
  ASSERT_EQ(1, AccelKey(A(), 'C', true));
  UserSelect(Dlg(), A(), {5}, 5);
  SetFocus(A().m_hWnd);
  SendMessageA(Dlg().m_hWnd, WM_COMMAND, ID_POP_PASTE_1, 0);
  UserSelect(Dlg(), A(), {2}, 2);
  SetFocus(A().m_hWnd);
  SendMessageA(Dlg().m_hWnd, WM_COMMAND, ID_POP_CLEAR_1, 0);
  UserSelect(Dlg(), A(), {1}, 1);
  SendMessageA(Dlg().m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_BTN_DELETE, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(Dlg().m_hWnd, IDC_BTN_DELETE)));
  EXPECT_EQ((std::vector<std::string>{"1 a0 (0)", "2  (0)", "3 a3 (3)", "4 new (9)", "5 a0 (0)", "6 a1 (1)",
                                      std::string(64, '-')}),
            RowTexts(A().m_hWnd));
  EXPECT_EQ(5u, m_vSrc.size());
  Dlg().CtrlsToData();
  ASSERT_EQ(7u, m_vSrc.size());
  EXPECT_EQ("hidden", m_vSrc[0].m_strName);
  EXPECT_EQ(cSmall("new", 9), m_vSrc[4]);
}

TEST(ListKeysModal, KeysTypedInAModalPageReachTheFocusedListThroughTheHook) {
  cSmallVector vSrc = Records(4, "a");
  cListTestDlg dlg(&vSrc);
  dlg.m_vSub = Records(3, "b");
  bool bActive = false;
  cAnswerWhenUp<cListTestDlg> drive([&](cListTestDlg* p) {
    bActive = Activate(p->m_hWnd);
    SetFocus(p->m_ListB.m_hWnd);
    UserSelect(*p, p->m_ListB, {1}, 1);
    // Each key is handled before the next arrives, as when typed.
    auto fnKey = [](WPARAM wKey, bool bUp) {
      KeyHookProc(HC_ACTION, wKey, bUp ? static_cast<LPARAM>(0xC0000001) : 1);
      DrainMessages();
    };
    fnKey(VK_CONTROL, false);
    fnKey('I', false);  // both lists send their command; the sub-list inserts
    fnKey('I', true);
    fnKey(VK_CONTROL, true);
    fnKey('X', false);  // no Control any more
    fnKey(VK_DELETE, false);
    fnKey(VK_DELETE, true);
    fnKey(VK_DELETE, false);
    PostMessageA(p->m_hWnd, WM_COMMAND, IDCANCEL, 0);
  });
  dlg.DoModal(0);
  ASSERT_TRUE(bActive);
  EXPECT_EQ(4u, dlg.m_vWork.size());
  // Inserted at row 1, then rows 1 and 2 deleted: "b1" went with the new element.
  ASSERT_EQ(2u, dlg.m_vSub.size());
  EXPECT_EQ("b0", dlg.m_vSub[0].m_strName);
  EXPECT_EQ("b2", dlg.m_vSub[1].m_strName);
  EXPECT_EQ(cListTestDlg::Current(), &dlg);
}
