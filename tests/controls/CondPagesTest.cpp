// The condition-kind dialog and the seven condition pages, opened from a condition list as the
// author opens them: an existing condition goes straight to its page, a new one to the kind
// buttons; the pages' defaults, ranges and enable rules; renaming variables.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "CondTestDlg.h"
#include "controls/InputDlg.h"
#include "flow/CondKindDlg.h"
#include "flow/CondText.h"
#include "flow/StatusCondPages.h"
#include "flow/VarCondPages.h"
#include "model/CommandKindTable.h"
#include "model/Globals.h"
#include "model/ProjectLoad.h"
#include "model/Stage.h"
#include "model/StageEditState.h"
#include "model/StageOptionTables.h"
#include "resources/CondKindIds.h"
#include "resources/InputDlgIds.h"
#include "support/TestSupport.h"

namespace {

cDialog* CurrentPage(int nKind) {
  switch (nKind) {
    case 1: return cCommonVarCondDlg::Current();
    case 2: return cStageVarCondDlg::Current();
    case 3: return cCharaVarCondDlg::Current();
    case 4: return cStatusCondDlg::Current();
    case 5: return cStatus2CondDlg::Current();
    case 6: return cStatus3CondDlg::Current();
    case 7: return cDistanceCondDlg::Current();
    default: return nullptr;
  }
}

void Press(cDialog* p, int nId) {
  SendMessageA(p->m_hWnd, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(p->m_hWnd, nId)));
}

// Chooses the row of a combo box as the user would.
void Choose(cDialog* p, int nId, int nRow) {
  HWND hCombo = GetDlgItem(p->m_hWnd, nId);
  SendMessageA(hCombo, CB_SETCURSEL, static_cast<WPARAM>(nRow), 0);
  SendMessageA(p->m_hWnd, WM_COMMAND, MAKEWPARAM(nId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(hCombo));
}

std::string Text(cDialog* p, int nId) {
  char sz[256] = "";
  GetDlgItemTextA(p->m_hWnd, nId, sz, sizeof sz);
  return sz;
}

int Rows(cDialog* p, int nId) { return static_cast<int>(SendDlgItemMessageA(p->m_hWnd, nId, CB_GETCOUNT, 0, 0)); }
bool Enabled(cDialog* p, int nId) { return IsWindowEnabled(GetDlgItem(p->m_hWnd, nId)) != FALSE; }
bool Checked(cDialog* p, int nId) { return IsDlgButtonChecked(p->m_hWnd, nId) == BST_CHECKED; }

// What came up while a condition was edited.
struct cSeen {
  int nPickers = 0;                 // kind dialogs the author saw
  std::vector<int> vPages;          // kinds of the pages that opened
  bool bPickerVisibleUnderPage = false;
  std::vector<bool> vButtonEnabled;  // of the last kind dialog, kinds 1 to 7
  std::vector<std::string> vCaptions;
  cControl* lpAnchorCtrl = nullptr;  // where the last page was placed
  cWindow* lpAnchorWnd = nullptr;
};

// Answers the kind dialog with a kind's button (0: closes it) and hands each page that opens to
// the step, which by default confirms it. A thread timer polls; the modal loops dispatch it.
class cCondDriver {
 public:
  cCondDriver(int nPick, std::function<void(cDialog*, int)> fnPage = nullptr) {
    s_nPick = nPick;
    s_fnPage = fnPage ? std::move(fnPage) : [](cDialog* p, int) { Press(p, IDC_CP_OK); };
    s_Seen = cSeen();
    m_nTimer = SetTimer(nullptr, 0, 10, &cCondDriver::Tick);
  }
  ~cCondDriver() {
    KillTimer(nullptr, m_nTimer);
    s_fnPage = nullptr;
  }
  const cSeen& Seen() const { return s_Seen; }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (s_bBusy) return;
    s_bBusy = true;
    Step();
    s_bBusy = false;
  }
  static void Step() {
    cCondKindDlg* k = cCondKindDlg::Current();
    for (int nKind = 1; nKind <= 7; ++nKind) {
      cDialog* p = CurrentPage(nKind);
      if (!p || !p->m_hWnd || !p->m_bInit || p->m_hWnd == s_hLastPage) continue;
      s_hLastPage = p->m_hWnd;
      s_Seen.vPages.push_back(nKind);
      s_Seen.bPickerVisibleUnderPage = k && k->m_hWnd && IsWindowVisible(k->m_hWnd);
      s_Seen.lpAnchorCtrl = p->m_lpAnchorCtrl;
      s_Seen.lpAnchorWnd = p->m_lpAnchorWnd;
      s_fnPage(p, nKind);
      return;
    }
    if (!k || !k->m_hWnd || !k->m_bInit || !IsWindowVisible(k->m_hWnd) || k->m_hWnd == s_hLastPicker) return;
    s_hLastPicker = k->m_hWnd;
    ++s_Seen.nPickers;
    s_Seen.vButtonEnabled.clear();
    s_Seen.vCaptions.clear();
    for (int id = IDC_CK_COMMON_VAR; id <= IDC_CK_DISTANCE; ++id) {
      s_Seen.vButtonEnabled.push_back(Enabled(k, id));
      s_Seen.vCaptions.push_back(Text(k, id));
    }
    if (s_nPick == 0)
      PostMessageA(k->m_hWnd, WM_CLOSE, 0, 0);
    else
      PostMessageA(k->m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_CK_COMMON_VAR + s_nPick - 1, BN_CLICKED), 0);
  }

  UINT_PTR m_nTimer;
  static int s_nPick;
  static std::function<void(cDialog*, int)> s_fnPage;
  static cSeen s_Seen;
  static bool s_bBusy;
  static HWND s_hLastPage, s_hLastPicker;
};
int cCondDriver::s_nPick = 0;
std::function<void(cDialog*, int)> cCondDriver::s_fnPage;
cSeen cCondDriver::s_Seen;
bool cCondDriver::s_bBusy = false;
HWND cCondDriver::s_hLastPage = nullptr;
HWND cCondDriver::s_hLastPicker = nullptr;

cCond Cond(int8_t nKind) {
  cCond c;
  c.m_nKind = nKind;
  return c;
}

class CondPagesTest : public testing::Test {
 protected:
  void SetUp() override {
    m_vOldCommon = GValInfo;
    m_vOldStage = Stage.m_vVarName;
    GValInfo.assign(1000, cEdVarName());
    Stage.m_vVarName.assign(1000, cEdVarName());
    GValInfo[5].m_strName = "コイン";
    Stage.m_vVarName[5].m_strName = "スイッチ";
    m_nOldLayer = StageEditState.m_nLayer;
    StageEditState.m_nLayer = LAYER_CHARA;
    CondClipboard.clear();
    BuildScrollInfoTable(ScrollModeNames);  // as start-up does
  }
  void TearDown() override {
    m_lpDlg.reset();
    GValInfo = m_vOldCommon;
    Stage.m_vVarName = m_vOldStage;
    StageEditState.m_nLayer = m_nOldLayer;
    EXPECT_EQ(nullptr, cCondKindDlg::Current());
    for (int k = 1; k <= 7; ++k) EXPECT_EQ(nullptr, CurrentPage(k)) << k;
  }
  void Open(int32_t nOwner) {
    m_lpDlg.reset();  // one test page at a time: the class reaches its object through one pointer
    m_lpDlg.reset(new cCondTestDlg(&m_vConds, nOwner));
    m_lpDlg->DoModeless(0, 1);
    ASSERT_NE(nullptr, m_lpDlg->m_hWnd);
  }
  int Button(WORD wId) {
    m_lpDlg->m_nLastResult = -1;
    SendMessageA(m_lpDlg->m_hWnd, WM_COMMAND, MAKEWPARAM(wId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(m_lpDlg->m_hWnd, wId)));
    return m_lpDlg->m_nLastResult;
  }
  int Edit(int nRow) {
    UserSelect(*m_lpDlg, m_lpDlg->m_List, {nRow}, nRow);
    return Button(IDC_BTN_EDIT);
  }
  int Insert() { return Button(IDC_BTN_INSERT); }

  cCondVector m_vConds;
  std::unique_ptr<cCondTestDlg> m_lpDlg;
  cChkVector<cEdVarName> m_vOldCommon, m_vOldStage;
  int32_t m_nOldLayer = 0;
};

}  // namespace

TEST_F(CondPagesTest, ExistingConditionOpensOnlyItsPageAndOkRewritesItsLine) {
  for (int nKind = 0; nKind <= 7; ++nKind) {
    m_vConds.assign(1, Cond(static_cast<int8_t>(nKind)));
    Open(COND_OWNER_FLOW);
    cCondDriver drive(0);
    const int nResult = Edit(0);
    const cSeen& seen = drive.Seen();
    if (nKind == 0) {
      // No kind yet: the kind buttons are offered, as for a new condition.
      EXPECT_EQ(1, seen.nPickers);
      EXPECT_TRUE(seen.vPages.empty());
      EXPECT_EQ(0, nResult);
      continue;
    }
    EXPECT_EQ(0, seen.nPickers) << nKind;
    EXPECT_EQ(std::vector<int>{nKind}, seen.vPages);
    EXPECT_FALSE(seen.bPickerVisibleUnderPage) << nKind;
    EXPECT_EQ(1, nResult) << nKind;
    std::string strLine;
    FormatCondText(strLine, 0, m_vConds[0]);
    EXPECT_EQ(strLine, RowText(m_lpDlg->m_List.m_hWnd, 0)) << nKind;
    // With no data sheet current the page stands over the kind dialog.
    EXPECT_EQ(nullptr, seen.lpAnchorCtrl);
    EXPECT_NE(nullptr, seen.lpAnchorWnd);
  }
}

TEST_F(CondPagesTest, NewConditionTakesTheChosenKindWithItsDefaultsAndGoesAgainOnCancel) {
  struct {
    int nKind;
    int16_t nVar, nRightVar;
    int8_t nItem, nRightType, nRightSubject;
    int32_t nValue;
  } const rows[] = {
      {1, 1, 0, 0, 0, 0, 0},  {2, 1, 0, 0, 0, 0, 0},  {3, 1, 0, 0, 0, 0, 0}, {4, 1, 1, 0, 0, 0, 0},
      {5, 0, 0, 1, 0, 0, 0},  {6, 0, 0, 0, 0, 0, 0},  {7, 0, 0, 0, 1, 1, 10},
  };
  Open(COND_OWNER_FLOW);
  for (const auto& r : rows) {
    {
      cCondDriver cancel(r.nKind, [](cDialog* p, int) { Press(p, IDC_CP_CANCEL); });
      EXPECT_EQ(0, Insert());
      EXPECT_EQ(1, cancel.Seen().nPickers);
      EXPECT_EQ(std::vector<int>{r.nKind}, cancel.Seen().vPages);
      EXPECT_TRUE(m_vConds.empty()) << r.nKind;
    }
    cCondDriver ok(r.nKind);
    EXPECT_EQ(1, Insert());
    ASSERT_EQ(1u, m_vConds.size());
    const cCond& c = m_vConds[0];
    EXPECT_EQ(r.nKind, c.m_nKind);
    EXPECT_EQ(r.nVar, c.m_nVar) << r.nKind;
    EXPECT_EQ(r.nRightVar, c.m_nRightVar) << r.nKind;
    EXPECT_EQ(r.nItem, c.m_nItem) << r.nKind;
    EXPECT_EQ(r.nRightType, c.m_nRightType) << r.nKind;
    EXPECT_EQ(r.nRightSubject, c.m_nRightSubject) << r.nKind;
    EXPECT_EQ(r.nValue, c.m_nValue) << r.nKind;
    EXPECT_EQ(0, c.m_nCompare);
    ok.Seen();
    m_vConds.clear();
    m_lpDlg->m_List.DataToCtrl();
  }
}

TEST_F(CondPagesTest, KindButtonsAreCaptionedAndDistanceIsOnlyForCharactersInAppearanceLists) {
  struct {
    int32_t nOwner, nLayer;
    bool bDistance;
  } const rows[] = {
      {COND_OWNER_DATA, LAYER_BLOCK, false},
      {COND_OWNER_DATA, LAYER_ITEM, false},
      {COND_OWNER_DATA, LAYER_CHARA, true},
      {COND_OWNER_FLOW, LAYER_BLOCK, true},
      {COND_OWNER_FLOWOP, LAYER_ITEM, true},
  };
  for (const auto& r : rows) {
    StageEditState.m_nLayer = r.nLayer;
    m_vConds.clear();
    Open(r.nOwner);
    cCondDriver drive(0);
    EXPECT_EQ(0, Insert());
    ASSERT_EQ(1, drive.Seen().nPickers);
    EXPECT_TRUE(m_vConds.empty());
    const std::vector<bool> vExpected = {true, true, true, true, true, true, r.bDistance};
    EXPECT_EQ(vExpected, drive.Seen().vButtonEnabled) << r.nOwner << " " << r.nLayer;
    for (int k = 1; k <= 7; ++k) EXPECT_EQ(CondKindNames[k], drive.Seen().vCaptions[k - 1]);
  }
  // A distance condition that exists opens its page all the same.
  StageEditState.m_nLayer = LAYER_BLOCK;
  m_vConds.assign(1, Cond(7));
  Open(COND_OWNER_DATA);
  cCondDriver drive(0);
  EXPECT_EQ(1, Edit(0));
  EXPECT_EQ(std::vector<int>{7}, drive.Seen().vPages);
}

TEST_F(CondPagesTest, PageStandsBesideTheListTheCurrentSheetNames) {
  auto pfnOldCtx = SetFlowTextContextFn([](cFlowTextContext& ctx) { ctx.m_eSheet = SHEET_BLOCK; });
  static cControl s_SheetList;
  auto pfnOldAnchor = SetCondPageAnchorFn([]() -> cControl* { return &s_SheetList; });
  m_vConds.assign(1, Cond(3));
  Open(COND_OWNER_DATA);
  {
    cCondDriver drive(0);
    EXPECT_EQ(1, Edit(0));
    EXPECT_EQ(&s_SheetList, drive.Seen().lpAnchorCtrl);
  }
  // A sheet that names no list: the page stands beside the list it was opened from.
  SetCondPageAnchorFn(nullptr);
  {
    cCondDriver drive(0);
    EXPECT_EQ(1, Edit(0));
    EXPECT_EQ(&m_lpDlg->m_List, drive.Seen().lpAnchorCtrl);
  }
  SetCondPageAnchorFn(pfnOldAnchor);
  SetFlowTextContextFn(pfnOldCtx);
}

TEST_F(CondPagesTest, RenamedCommonVariableIsWrittenAtOnceEvenWhenThePageIsCancelled) {
  cTempDir dir(true);
  ASSERT_TRUE(CreateDirectoryA("data", nullptr));
  // The common page writes the names at once; the stage's names go with the stage file, and the
  // status page leaves the common names to shut-down.
  const struct {
    int8_t nKind, nVarSet;
    int nRename, nCombo;
    bool bStage, bWritten;
  } rows[] = {
      {1, 0, IDC_CP_RENAME, IDC_CP_COMMON_VAR, false, true},
      {2, 0, IDC_CP_RENAME, IDC_CP_STAGE_VAR, true, false},
      {4, 0, IDC_ST_RENAME, IDC_ST_VAR, false, false},
      {4, 1, IDC_ST_RENAME, IDC_ST_VAR, true, false},
  };
  for (const auto& r : rows) {
    GValInfo[5].m_strName = "コイン";
    Stage.m_vVarName[5].m_strName = "スイッチ";
    cCond c = Cond(r.nKind);
    c.m_nVar = 5;
    c.m_nValue = 7;
    c.m_nLeftType = 1;  // the status page compares a variable
    c.m_nLeftVarSet = r.nVarSet;
    m_vConds.assign(1, c);
    Open(COND_OWNER_FLOW);
    std::string strShown;
    cAnswerWhenUp<cStringDlg> name([](cStringDlg* s) {
      SetDlgItemTextA(s->m_hWnd, IDC_INPUT_EDIT, "新しい名前");
      Press(s, IDC_INPUT_OK);
    });
    cCondDriver drive(0, [&](cDialog* p, int) {
      Press(p, r.nRename);
      strShown = Text(p, r.nCombo);
      Press(p, IDC_CP_CANCEL);
    });
    EXPECT_EQ(0, Edit(0));
    EXPECT_EQ(c, m_vConds[0]);
    EXPECT_EQ("005 新しい名前", strShown) << int(r.nKind);
    EXPECT_EQ(r.bStage ? "新しい名前" : "スイッチ", Stage.m_vVarName[5].m_strName) << int(r.nKind);
    EXPECT_EQ(r.bStage ? "コイン" : "新しい名前", GValInfo[5].m_strName) << int(r.nKind);
    EXPECT_EQ(0, StageEditState.m_bStageChanged);
    ASSERT_EQ(r.bWritten, FileExists(GVALINFO_FILE)) << int(r.nKind);
    if (!r.bWritten) continue;
    cChkVector<cEdVarName> vRead;
    ASSERT_TRUE(ReadVarNames(vRead, GVALINFO_FILE));
    ASSERT_EQ(1000u, vRead.size());
    EXPECT_EQ("新しい名前", vRead[5].m_strName);
    DeleteFileA(GVALINFO_FILE);
  }
  m_lpDlg.reset();
}

TEST_F(CondPagesTest, StatusPageFollowsItsSidesAndTheChosenStatus) {
  Open(COND_OWNER_FLOW);
  cCondDriver drive(4, [](cDialog* p, int) {
    EXPECT_EQ("ステータス", Text(p, IDC_ST_LEFT_KIND));
    EXPECT_EQ("主人公", Text(p, IDC_ST_TARGET));
    EXPECT_EQ("キャラ変数", Text(p, IDC_ST_ITEM));
    EXPECT_EQ("1 キャラ変数-1", Text(p, IDC_ST_VAR));
    EXPECT_TRUE(Enabled(p, IDC_ST_VAR));
    EXPECT_FALSE(Enabled(p, IDC_ST_RENAME));
    EXPECT_EQ("定数", Text(p, IDC_ST_RIGHT_KIND));
    EXPECT_EQ("0", Text(p, IDC_ST_VALUE));
    EXPECT_EQ("である", Text(p, IDC_ST_COMPARE));
    EXPECT_FALSE(Enabled(p, IDC_ST_PERCENT));

    SetDlgItemTextA(p->m_hWnd, IDC_ST_VALUE, "500");
    Choose(p, IDC_ST_ITEM, 1);  // HP
    EXPECT_TRUE(Enabled(p, IDC_ST_PERCENT));
    EXPECT_FALSE(Enabled(p, IDC_ST_VAR));
    CheckDlgButton(p->m_hWnd, IDC_ST_PERCENT, BST_CHECKED);
    Choose(p, IDC_ST_ITEM, 5);  // キャラID: -99 to 99, no percentage
    EXPECT_FALSE(Enabled(p, IDC_ST_PERCENT));
    EXPECT_FALSE(Checked(p, IDC_ST_PERCENT));
    EXPECT_EQ("99", Text(p, IDC_ST_VALUE));

    Choose(p, IDC_ST_RIGHT_KIND, 1);  // 乱数
    const int aRandomOnly[] = {IDC_ST_VALUE, IDC_ST_RAND_MIN, IDC_ST_RAND_MAX, IDC_ST_RIGHT_TARGET,
                               IDC_ST_RIGHT_ITEM, IDC_ST_RIGHT_VAR_SET, IDC_ST_RIGHT_VAR, IDC_ST_RIGHT_RENAME};
    for (int id : aRandomOnly) EXPECT_EQ(id == IDC_ST_RAND_MIN || id == IDC_ST_RAND_MAX, Enabled(p, id)) << id;
    Choose(p, IDC_ST_RIGHT_KIND, 3);  // 変数
    for (int id : aRandomOnly)
      EXPECT_EQ(id == IDC_ST_RIGHT_VAR_SET || id == IDC_ST_RIGHT_VAR || id == IDC_ST_RIGHT_RENAME, Enabled(p, id))
          << id;

    Choose(p, IDC_ST_TARGET, 5);  // システム
    EXPECT_EQ(5, Rows(p, IDC_ST_ITEM));
    EXPECT_EQ("時間", Text(p, IDC_ST_ITEM));  // the game has no sixth value
    EXPECT_FALSE(Enabled(p, IDC_ST_VAR));
    EXPECT_FALSE(Enabled(p, IDC_ST_RENAME));
    Press(p, IDC_CP_OK);
  });
  EXPECT_EQ(1, Insert());
  ASSERT_EQ(1u, m_vConds.size());
  const cCond& c = m_vConds[0];
  EXPECT_EQ(4, c.m_nKind);
  EXPECT_EQ(5, c.m_nSubject);
  EXPECT_EQ(0, c.m_nItem);
  EXPECT_EQ(99, c.m_nValue);  // stored though disabled, inside its range
  EXPECT_EQ(3, c.m_nRightType);
  EXPECT_EQ(0, c.m_bPercent);
}

TEST_F(CondPagesTest, StatusPageOpensOnTheStoredChoicesOfBothSides) {
  cCond c = Cond(4);
  c.m_nItem = 0;
  c.m_nVar = 3;
  c.m_nRightType = 3;
  c.m_nRightVarSet = 0;
  c.m_nRightVar = 50;
  m_vConds.assign(1, c);
  GValInfo[50].m_strName = "残り時間";
  Open(COND_OWNER_FLOW);
  std::string strLeft, strRight;
  cCondDriver drive(0, [&](cDialog* p, int) {
    strLeft = Text(p, IDC_ST_VAR);
    strRight = Text(p, IDC_ST_RIGHT_VAR);
    Press(p, IDC_CP_CANCEL);
  });
  EXPECT_EQ(0, Edit(0));
  EXPECT_EQ("3 キャラ変数-3", strLeft);
  EXPECT_EQ("050 残り時間", strRight);
  EXPECT_EQ(c, m_vConds[0]);
}

TEST_F(CondPagesTest, Status2PageListsTheFlagsOfItsTargetAndTheOptionsOfItsFlag) {
  Open(COND_OWNER_FLOW);
  cCondDriver drive(5, [](cDialog* p, int) {
    EXPECT_EQ(6, Rows(p, IDC_S2_TARGET));
    EXPECT_EQ("透明", Text(p, IDC_S2_ITEM));
    EXPECT_EQ("OFF", Text(p, IDC_S2_VALUE));
    EXPECT_EQ(6, Rows(p, IDC_S2_ITEM));
    Choose(p, IDC_S2_ITEM, 4);  // 巨大化
    EXPECT_EQ(10, Rows(p, IDC_S2_VALUE));
    Choose(p, IDC_S2_VALUE, 0);
    EXPECT_EQ("しない", Text(p, IDC_S2_VALUE));
    Press(p, IDC_CP_OK);
  });
  EXPECT_EQ(1, Insert());
  ASSERT_EQ(1u, m_vConds.size());
  EXPECT_EQ(5, m_vConds[0].m_nItem);
  EXPECT_EQ(1, m_vConds[0].m_nVar);

  // The scrolling's flags start at 0, the characters' at 1: switching keeps row and flag together.
  cCond c = Cond(5);
  c.m_nSubject = 5;
  c.m_nItem = 1;
  m_vConds.assign(1, c);
  m_lpDlg->m_List.DataToCtrl();
  cCondDriver drive2(0, [](cDialog* p, int) {
    EXPECT_EQ(2, Rows(p, IDC_S2_ITEM));
    EXPECT_EQ("縦スクロール", Text(p, IDC_S2_ITEM));
    Choose(p, IDC_S2_TARGET, 0);
    EXPECT_EQ(6, Rows(p, IDC_S2_ITEM));
    EXPECT_EQ("透明", Text(p, IDC_S2_ITEM));
    Press(p, IDC_CP_OK);
  });
  EXPECT_EQ(1, Edit(0));
  EXPECT_EQ(0, m_vConds[0].m_nSubject);
  EXPECT_EQ(1, m_vConds[0].m_nItem);
}

TEST_F(CondPagesTest, Status3PageNeverOffersTheSystem) {
  Open(COND_OWNER_FLOW);
  int nTargets = 0;
  cCondDriver drive(6, [&](cDialog* p, int) {
    nTargets = Rows(p, IDC_S2_TARGET);
    Press(p, IDC_CP_OK);
  });
  EXPECT_EQ(1, Insert());
  EXPECT_EQ(5, nTargets);
}

TEST_F(CondPagesTest, DistancePageShowsTheRangeSettingsOnlyWhileTheRangeIsShownAndHoldsItsLimits) {
  Open(COND_OWNER_FLOW);
  cCondDriver drive(7, [](cDialog* p, int) {
    EXPECT_EQ("主人公", Text(p, IDC_DC_TARGET));
    EXPECT_EQ("横", Text(p, IDC_DC_SHAPE));
    EXPECT_EQ("10", Text(p, IDC_DC_HBL));
    EXPECT_EQ("0", Text(p, IDC_DC_DOT));
    EXPECT_EQ("以内", Text(p, IDC_DC_WITHIN));
    EXPECT_EQ("表示しない", Text(p, IDC_DC_SHOW));
    for (int id : {IDC_DC_COLOUR, IDC_DC_SHOW_UNPLACED, IDC_DC_SHOW_TRANSPARENT}) EXPECT_FALSE(Enabled(p, id));
    EXPECT_TRUE(Checked(p, IDC_DC_SHOW_UNPLACED));
    EXPECT_TRUE(Checked(p, IDC_DC_SHOW_TRANSPARENT));
    Choose(p, IDC_DC_SHOW, 1);
    for (int id : {IDC_DC_COLOUR, IDC_DC_SHOW_UNPLACED, IDC_DC_SHOW_TRANSPARENT}) EXPECT_TRUE(Enabled(p, id));
    SetDlgItemTextA(p->m_hWnd, IDC_DC_HBL, "41");
    SetDlgItemTextA(p->m_hWnd, IDC_DC_DOT, "-16");
    Press(p, IDC_CP_OK);
  });
  EXPECT_EQ(1, Insert());
  ASSERT_EQ(1u, m_vConds.size());
  EXPECT_EQ(40, m_vConds[0].m_nValue);
  EXPECT_EQ(-15, m_vConds[0].m_nRightVar);
  EXPECT_EQ(1, m_vConds[0].m_nLeftType);
}

TEST_F(CondPagesTest, ValuesOfTheVariablePagesStopAtSixNines) {
  Open(COND_OWNER_FLOW);
  for (const char* psz : {"-1000000", "1000000"}) {
    cCondDriver drive(3, [psz](cDialog* p, int) {
      SetDlgItemTextA(p->m_hWnd, IDC_CP_VALUE, psz);
      Press(p, IDC_CP_OK);
    });
    EXPECT_EQ(1, Insert());
  }
  ASSERT_EQ(2u, m_vConds.size());
  EXPECT_EQ(-999999, m_vConds[0].m_nValue);
  EXPECT_EQ(999999, m_vConds[1].m_nValue);
}

TEST_F(CondPagesTest, OwnersThatRefuseDistanceConditionsRefuseTheirPasteWithAMessage) {
  cCond d = Cond(7);
  CondClipboard.assign(1, d);
  CondClipboard.push_back(Cond(1));
  m_vConds.assign(1, Cond(3));
  Open(COND_OWNER_DATA);
  m_lpDlg->m_List.m_bRefuseDistancePaste = 1;
  cMsgBoxRecorder boxes;
  SetFocus(m_lpDlg->m_List.m_hWnd);
  for (WORD wId : {ID_ACC_PASTE_1, ID_POP_PASTE_1}) {
    SendMessageA(m_lpDlg->m_hWnd, WM_COMMAND, MAKEWPARAM(wId, 1), 0);
    EXPECT_EQ(0, m_lpDlg->m_nLastResult);
  }
  ASSERT_EQ(2u, boxes.Shown().size());
  EXPECT_EQ("「距離条件」の貼り付けはできません！", boxes.Shown()[0].strText);
  EXPECT_EQ(1u, m_vConds.size());
  // Without a distance condition the paste goes through.
  m_lpDlg->m_List.m_vClip.assign(1, Cond(2));
  SetFocus(m_lpDlg->m_List.m_hWnd);
  SendMessageA(m_lpDlg->m_hWnd, WM_COMMAND, MAKEWPARAM(ID_ACC_PASTE_1, 1), 0);
  EXPECT_EQ(1, m_lpDlg->m_nLastResult);
  EXPECT_EQ(2u, m_vConds.size());
}
