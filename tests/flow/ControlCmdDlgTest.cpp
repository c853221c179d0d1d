// The dialogs of the flow and game control, status and item, presentation, code, arrange and loop
// commands: every kind opens its own dialog from both numberings, and a table of conformance runs
// over all of them; then the rules of single dialogs.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>

#include "app/WindowList.h"
#include "flow/CodeCmdDlgs.h"
#include "flow/FlowCtrlCmdDlgs.h"
#include "flow/PresentCmdDlgs.h"
#include "flow/StatusCmdDlgs.h"
#include "model/ArrangeTable.h"
#include "model/CommandKindTable.h"
#include "model/Database.h"
#include "model/RecordTestSupport.h"
#include "resources/ControlCmdIds.h"
#include "support/AnswerWhenUp.h"
#include "support/TestSupport.h"

namespace {

// Runs dialog D on the command as the palette's opener does (the kind's own template).
template <class D>
INT_PTR RunDlg(cEdCommand& cmd, int32_t bNew, std::function<void(D*)> fn) {
  cCmdEditInfo info{&cmd, bNew};
  const cCmdDlgKind& k = cmd.m_bItem ? ItemCmdDlgKind(cmd.m_nKind) : CharaCmdDlgKind(cmd.m_nKind);
  D dlg(k.m_wTemplateId, nullptr, cWindow::KIND_DIALOG, &info, &WindowList, static_cast<cControl*>(nullptr), 0);
  cAnswerWhenUp<D> act(std::move(fn));
  return dlg.DoModal(0);
}

void Press(cDialog* p, uint16_t wId) { PostMessageA(p->m_hWnd, WM_COMMAND, MAKEWPARAM(wId, BN_CLICKED), 0); }

void Choose(cDialog* p, uint16_t wId, int nPos) {
  SendDlgItemMessageA(p->m_hWnd, wId, CB_SETCURSEL, nPos, 0);
  SendMessageA(p->m_hWnd, WM_COMMAND, MAKEWPARAM(wId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(p->m_hWnd, wId)));
}

void Tick(cDialog* p, uint16_t wId, bool bCheck) {
  SendDlgItemMessageA(p->m_hWnd, wId, BM_SETCHECK, bCheck ? BST_CHECKED : BST_UNCHECKED, 0);
  SendMessageA(p->m_hWnd, WM_COMMAND, MAKEWPARAM(wId, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(p->m_hWnd, wId)));
}

bool Enabled(cDialog* p, uint16_t wId) { return IsWindowEnabled(GetDlgItem(p->m_hWnd, wId)) != FALSE; }
bool Checked(cDialog* p, uint16_t wId) { return SendDlgItemMessageA(p->m_hWnd, wId, BM_GETCHECK, 0, 0) == BST_CHECKED; }

std::string ItemText(cDialog* p, uint16_t wId, int nPos) {
  char sz[256] = "";
  SendDlgItemMessageA(p->m_hWnd, wId, CB_GETLBTEXT, nPos, reinterpret_cast<LPARAM>(sz));
  return sz;
}
int ItemCount(cDialog* p, uint16_t wId) { return static_cast<int>(SendDlgItemMessageA(p->m_hWnd, wId, CB_GETCOUNT, 0, 0)); }

// Changes one enabled control the author could change: a combo to its next item, else a value
// edit to another value within its range. False when the dialog offers nothing to change.
bool ChangeSomething(cDialog* p, cCmdCtrls& c) {
  for (auto& e : c.m_vCombo) {
    HWND h = e.m_Ctrl.m_hWnd;
    const int n = static_cast<int>(SendMessageA(h, CB_GETCOUNT, 0, 0));
    if (!IsWindowEnabled(h) || n < 2) continue;
    Choose(p, e.m_Param.wId, (static_cast<int>(SendMessageA(h, CB_GETCURSEL, 0, 0)) + 1) % n);
    return true;
  }
  for (auto& e : c.m_vValue) {
    if (!IsWindowEnabled(e.m_Ctrl.m_hWnd) || e.m_Ctrl.m_Min == e.m_Ctrl.m_Max) continue;
    const int32_t v = e.m_Ctrl.ParseText() == e.m_Ctrl.m_Min ? e.m_Ctrl.m_Max : e.m_Ctrl.m_Min;
    SetWindowTextA(e.m_Ctrl.m_hWnd, std::to_string(v).c_str());
    return true;
  }
  for (auto& e : c.m_vCombo8) {
    const int n = static_cast<int>(SendMessageA(e.m_Ctrl.m_hWnd, CB_GETCOUNT, 0, 0));
    if (!IsWindowEnabled(e.m_Ctrl.m_hWnd) || n < 2) continue;
    Choose(p, e.m_Param.wId, (static_cast<int>(SendMessageA(e.m_Ctrl.m_hWnd, CB_GETCURSEL, 0, 0)) + 1) % n);
    return true;
  }
  return false;
}

// Every bound control sits on an item of the template.
int MissingControls(cDialog* p) {
  int n = 0;
  for (cControl* c : p->m_vCtrls)
    if (!c->m_hWnd || GetParent(c->m_hWnd) != p->m_hWnd) ++n;
  return n;
}

std::string Caption(cDialog* p) {
  char sz[128] = "";
  GetWindowTextA(p->m_hWnd, sz, sizeof sz);
  return sz;
}

// The conformance of one class over one character kind (and the item kind of the same command
// when there is one): it opens from the kind's opener, new and existing; a new command confirmed
// gets the kind's parameter count; Cancel leaves an existing command as it was; OK without a
// change keeps it, OK after a change stores the change.
template <class D>
void CheckKind(int nKind, cEdCommand& made) {
  SCOPED_TRACE(nKind);
  const cCmdKindInfo& info = CmdKindTable[nKind];
  cEdCommand cmd;
  cmd.m_nKind = static_cast<int8_t>(nKind);
  cCmdEditInfo edit{&cmd, 1};
  cDialog* lpSlot = nullptr;
  std::string strCaption;
  int nMissing = -1;
  const int nBefore = cAnswerWhenUp<D>::s_nAnswered;
  {
    cAnswerWhenUp<D> ok([&](D* p) {
      strCaption = Caption(p);
      nMissing = MissingControls(p);
      Press(p, IDC_CMD_OK);
    });
    EXPECT_EQ(1, OpenCmdDlgOfKind(CharaCmdDlgKind(nKind), info.m_strName.c_str(), nullptr, lpSlot, &edit, &WindowList,
                                  nullptr));
  }
  EXPECT_EQ(nBefore + 1, cAnswerWhenUp<D>::s_nAnswered) << "the kind's own class opened";
  EXPECT_EQ(0, nMissing);
  EXPECT_FALSE(strCaption.empty());
  EXPECT_EQ(static_cast<size_t>(info.m_nParamCount), cmd.m_vParam.size());
  made = cmd;

  const cEdCommand before = cmd;
  bool bChanged = false;
  EXPECT_EQ(0, RunDlg<D>(cmd, 0, [&](D* p) {
              bChanged = ChangeSomething(p, p->m_Ctrls);
              Press(p, IDC_CMD_CANCEL);
            }));
  EXPECT_EQ(before, cmd) << "Cancel keeps the command";
  EXPECT_EQ(1, RunDlg<D>(cmd, 0, [&](D* p) { Press(p, IDC_CMD_OK); }));
  EXPECT_EQ(before, cmd) << "OK on what is shown keeps the command";
  EXPECT_EQ(1, RunDlg<D>(cmd, 0, [&](D* p) {
              ChangeSomething(p, p->m_Ctrls);
              Press(p, IDC_CMD_OK);
            }));
  if (bChanged) EXPECT_NE(before, cmd) << "OK stores what was changed";

  if (nKind <= ITEM_CMD_KIND_OFFSET + 1) return;
  cEdCommand item;
  item.m_bItem = 1;
  item.m_nKind = static_cast<int8_t>(nKind - ITEM_CMD_KIND_OFFSET);
  cCmdEditInfo itemEdit{&item, 1};
  const int nItemBefore = cAnswerWhenUp<D>::s_nAnswered;
  {
    cAnswerWhenUp<D> ok([&](D* p) { Press(p, IDC_CMD_OK); });
    EXPECT_EQ(1, OpenCmdDlgOfKind(ItemCmdDlgKind(item.m_nKind), info.m_strName.c_str(), nullptr, lpSlot, &itemEdit,
                                  &WindowList, nullptr));
  }
  EXPECT_EQ(nItemBefore + 1, cAnswerWhenUp<D>::s_nAnswered) << "the item kind opens the same class";
  EXPECT_EQ(static_cast<size_t>(ItemCmdKindTable[item.m_nKind].m_nParamCount), item.m_vParam.size());
}

template <class R>
void AddNamed(cChkVector<R>& v, int n) {
  v.clear();
  for (int i = 0; i < n; ++i) {
    v.push_back(R());
    v.back().m_strName = "rec" + std::to_string(i);
  }
}

class ControlCmdDlgTest : public testing::Test {
 protected:
  void SetUp() override {
    InitCommonControls();
    m_SavedDb = Database;
    AddNamed(Database.m_vAnimeSet, 3);
    AddNamed(Database.m_vAnime, 3);
    AddNamed(Database.m_vEffect, 3);
    AddNamed(Database.m_vCharaEffect, 3);
    AddNamed(Database.m_vScrEffect, 3);
    AddNamed(Database.m_vPicture, 3);
    AddNamed(Database.m_vSound, 3);
    AddNamed(Database.m_vBgm, 3);
    if (ArrangeParamTable.empty()) BuildArrangeParamTable();
  }
  void TearDown() override { Database = m_SavedDb; }

  cEdDatabase m_SavedDb;
  cMsgBoxRecorder m_Boxes;
};

}  // namespace

TEST_F(ControlCmdDlgTest, EveryKindOpensItsOwnDialogAndFollowsTheCommandRules) {
  typedef void (*Check)(int, cEdCommand&);
  const struct {
    int nKind;
    Check pfn;
  } KINDS[] = {
      {16, &CheckKind<cFlowOpCmdDlg>},      {17, &CheckKind<cStageClearCmdDlg>},  {18, &CheckKind<cGameWaitCmdDlg>},
      {19, &CheckKind<cMessageCmdDlg>},     {20, &CheckKind<cWarpCmdDlg>},        {21, &CheckKind<cTargetCmdDlg>},
      {22, &CheckKind<cStatusCmdDlg>},      {23, &CheckKind<cStatus2CmdDlg>},     {24, &CheckKind<cVanishCmdDlg>},
      {25, &CheckKind<cItemGetCmdDlg>},     {26, &CheckKind<cGraphicCmdDlg>},     {27, &CheckKind<cAnimeSetCmdDlg>},
      {28, &CheckKind<cAnimeCmdDlg>},       {29, &CheckKind<cEffectCmdDlg>},      {30, &CheckKind<cCharaEffectCmdDlg>},
      {31, &CheckKind<cScrEffectCmdDlg>},   {32, &CheckKind<cPictureCmdDlg>},     {33, &CheckKind<cScreenColorCmdDlg>},
      {34, &CheckKind<cBackgroundCmdDlg>},  {35, &CheckKind<cSoundCmdDlg>},       {36, &CheckKind<cBgmCmdDlg>},
      {37, &CheckKind<cCodeCmdDlg>},        {38, &CheckKind<cArrangeCmdDlg>},     {39, &CheckKind<cLoopCmdDlg>},
  };
  // The commands made here, in one flow: written, read back and written again, byte for byte.
  cEdFlow flow;
  for (const auto& k : KINDS) {
    cEdCommand made;
    k.pfn(k.nKind, made);
    flow.m_vCommand.push_back(made);
  }
  // The only message: the sound chosen in the sound dialog has no file to play.
  for (const cShownBox& box : m_Boxes.Shown()) EXPECT_EQ("読み込み失敗！", box.strText);
  const std::vector<uint8_t> image = WriteImage([&](cDataWriter& out) { flow.Write(out); });
  cEdFlow back;
  ASSERT_EQ(1, ParseImage(image, [&](cDataReader& in) { return back.Read(in); }));
  EXPECT_EQ(flow.m_vCommand, back.m_vCommand);
  EXPECT_EQ(HexOf(image), HexOf(WriteImage([&](cDataWriter& out) { back.Write(out); })));
}
