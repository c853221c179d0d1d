// The world map editor's palettes and dialogs on the sample project: the event dialog and its
// pages reaching the saved map, the settings' resize, the clipboard shared by the view and the
// event palette, the template list's insert and count, the chip palette's pick and the renaming
// of a common variable.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "stage/FrameWnd.h"
#include "controls/InputDlg.h"
#include "startup/StartUp.h"
#include "model/DataRecord.h"
#include "model/EditConfig.h"
#include "model/Globals.h"
#include "model/ProjectLoad.h"
#include "model/StageEditState.h"
#include "model/WorldMapEditState.h"
#include "project/WmEventDlg.h"
#include "project/WmPalettes.h"
#include "project/WorldMapWnd.h"
#include "resources/InputDlgIds.h"
#include "resources/ListIds.h"
#include "resources/StageIds.h"
#include "resources/WorldMapDialogIds.h"
#include "resources/WorldMapIds.h"
#include "stage/StageWnd.h"
#include "support/AnswerWhenUp.h"
#include "support/ModalStep.h"
#include "support/SampleProject.h"
#include "support/TestSupport.h"

namespace {

class WorldMapDialogsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterFrameClass(GetModuleHandleA(nullptr)); }
  void SetUp() override {
    ASSERT_TRUE(MakeSampleProject(m_Dir.Path(), true));
    ASSERT_TRUE(StartUp());
    m_lpStage = FrameWnd.m_lpStageWnd;
    ASSERT_TRUE(m_lpStage);
    DrainMessages();
    OpenEditor();
    EditConfig.m_bWmEditPlaced = 0;
    EditConfig.m_bWmEditBeforePlace = 0;
    EditConfig.m_bWmAutoWorldNo = 1;
    WorldMap.m_vEvents.clear();
  }
  void TearDown() override { ShutDownStartedEditor(); }
  void OpenEditor() {
    SendMessageA(m_lpStage->m_hWnd, WM_COMMAND, ID_WORLD_MAP, 0);
    m_lpWnd = cWorldMapWnd::Current();
    ASSERT_TRUE(m_lpWnd);
    ASSERT_TRUE(IsWindow(m_lpWnd->m_hWnd));
    DrainMessages();
  }
  void Command(uint16_t wId) { SendMessageA(m_lpWnd->m_hWnd, WM_COMMAND, wId, 0); }
  void SetCursorCell(int32_t x, int32_t y) {
    MouseState.m_pCur->m_nX = x;
    MouseState.m_pCur->m_nY = y;
  }
  void MenuOn(int32_t x, int32_t y) {
    SetCursorCell(x, y);
    WorldMapEditState.m_lpMenuEvent = WorldMap.FindEventAt(x, y);
  }
  cEdWmEvent& Place(const char* pszName, int32_t nWorldNo, int32_t x, int32_t y) {
    cEdWmEvent e;
    e.m_strName = pszName;
    e.m_vPages[0].m_nWorldNo = nWorldNo;
    WorldMap.PlaceEvent(e, x, y);
    return *WorldMap.FindEventAt(x, y);
  }
  static std::vector<std::string> Rows(cDialog* p, int nId) { return RowTexts(GetDlgItem(p->m_hWnd, nId)); }

  cTempDir m_Dir{true};
  cMsgBoxRecorder m_Boxes;
  cStageWnd* m_lpStage = nullptr;
  cWorldMapWnd* m_lpWnd = nullptr;
};

TEST_F(WorldMapDialogsTest, NewEventGetsTheFirstFreeNumberAndItsTwoPagesReachTheSavedFile) {
  Place("castle", 1, 1, 1);
  Command(ID_WM_MODE_EVENT);
  std::string strFirstNo;
  std::vector<std::string> vRows;
  cWhenUp<cWmEventDlg> step([&](cWmEventDlg* p) {
    strFirstNo = TextOf(p, IDC_WEV_WORLD_NO);
    Type(p, IDC_WEV_NAME, "tower");
    Click(p, IDC_WEV_INSERT);  // a default page before the first
    Type(p, IDC_WEV_WORLD_NO, "7");
    Type(p, IDC_WEV_WORLD_NAME, "north");
    vRows = Rows(p, IDC_WEV_PAGES);
    Click(p, IDC_WMD_OK);
  });
  SetCursorCell(3, 3);
  Command(ID_WM_CTX_NEW);
  ASSERT_TRUE(step.Ran());
  EXPECT_EQ("2", strFirstNo);
  ASSERT_EQ(3u, vRows.size());
  EXPECT_EQ("1 ワールド番号 7", vRows[0]);
  EXPECT_EQ("2 ワールド番号 2", vRows[1]);
  EXPECT_TRUE(WorldMapEditState.CanUndo());
  EXPECT_EQ(1, StageEditState.m_bWorldMapChanged);

  Command(ID_WM_SAVE);
  cEdWorldMap onDisk;
  ASSERT_TRUE(onDisk.Load(WORLD_MAP_FILE));
  cEdWmEvent* e = onDisk.FindEventAt(3, 3);
  ASSERT_TRUE(e);
  EXPECT_EQ("tower", e->m_strName);
  ASSERT_EQ(2u, e->m_vPages.size());
  EXPECT_EQ(7, e->m_vPages[0].m_nWorldNo);
  EXPECT_EQ("north", e->m_vPages[0].m_strWorldName);
  EXPECT_EQ(2, e->m_vPages[1].m_nWorldNo);
  EXPECT_TRUE(onDisk.HasEventAt(1, 1));
}

TEST_F(WorldMapDialogsTest, RoadTypeClearsTheNumberAndCancelLeavesThePlacedEventAsItWas) {
  cEdWmEvent& placed = Place("castle", 4, 2, 2);
  placed.m_vPages.push_back(cEdWmEventPage());
  const cEdWmEvent before = placed;
  Command(ID_WM_MODE_EVENT);
  bool bNoEnabled = true, bVariationEnabled = true, bSetVarEnabled = true, bCmpEnabled = true;
  std::string strNo;
  std::vector<std::string> vRowsAfterPaste;
  cWhenUp<cWmEventDlg> step([&](cWmEventDlg* p) {
    bCmpEnabled = IsWindowEnabled(GetDlgItem(p->m_hWnd, IDC_WEV_COND_CMP)) != 0;
    bSetVarEnabled = IsWindowEnabled(GetDlgItem(p->m_hWnd, IDC_WEV_SET_VAR)) != 0;
    Choose(p, IDC_WEV_TYPE, WM_EVENT_ROAD);
    strNo = TextOf(p, IDC_WEV_WORLD_NO);
    bNoEnabled = IsWindowEnabled(GetDlgItem(p->m_hWnd, IDC_WEV_WORLD_NO)) != 0;
    bVariationEnabled = IsWindowEnabled(GetDlgItem(p->m_hWnd, IDC_WEV_VARIATION)) != 0;
    // Copy and paste a page: the dialog's list changes, the event does not.
    SetFocus(GetDlgItem(p->m_hWnd, IDC_WEV_PAGES));
    SendMessageA(p->m_hWnd, WM_COMMAND, MAKEWPARAM(ID_POP_COPY_1, 0), 0);
    SendMessageA(p->m_hWnd, WM_COMMAND, MAKEWPARAM(ID_POP_PASTE_1, 0), 0);
    vRowsAfterPaste = Rows(p, IDC_WEV_PAGES);
    Click(p, IDC_WMD_CANCEL);
  });
  MenuOn(2, 2);
  Command(ID_WM_CTX_EDIT);
  ASSERT_TRUE(step.Ran());
  // No condition variable and no variation: their values are disabled.
  EXPECT_FALSE(bCmpEnabled);
  EXPECT_FALSE(bSetVarEnabled);
  EXPECT_EQ("0", strNo);
  EXPECT_FALSE(bNoEnabled);
  EXPECT_FALSE(bVariationEnabled);
  EXPECT_EQ(4u, vRowsAfterPaste.size());
  cEdWmEvent* e = WorldMap.FindEventAt(2, 2);
  ASSERT_TRUE(e);
  ASSERT_EQ(2u, e->m_vPages.size());
  EXPECT_EQ(4, e->m_vPages[0].m_nWorldNo);
  EXPECT_EQ(WM_EVENT_WORLD, e->m_vPages[0].m_nType);
  EXPECT_FALSE(WorldMapEditState.CanUndo());
}

TEST_F(WorldMapDialogsTest, PenWithAnEditingOptionOpensTheDialogAndPlacesOrChangesOnlyOnOk) {
  WorldMap.m_vTemplates[0].m_strName = "gate";
  Command(ID_WM_MODE_EVENT);
  ASSERT_EQ("gate", WorldMapEditState.m_SelTemplate.m_strName);
  const struct {
    int32_t bEditPlaced, bEditBefore;
    int nButton;
    const char* pszName;
    const char* pszShown;  // the name the dialog opened with
    const char* pszAfter;  // the event on the cell afterwards, "" none
  } rows[] = {
      {0, 1, IDC_WMD_CANCEL, "first", "gate", ""},
      {0, 1, IDC_WMD_OK, "placed", "gate", "placed"},
      {1, 0, IDC_WMD_OK, "edited", "placed", "edited"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.pszName);
    EditConfig.m_bWmEditPlaced = r.bEditPlaced;
    EditConfig.m_bWmEditBeforePlace = r.bEditBefore;
    WorldMapEditState.ClearUndo();
    std::string strShown;
    cWhenUp<cWmEventDlg> step([&](cWmEventDlg* p) {
      strShown = TextOf(p, IDC_WEV_NAME);
      Type(p, IDC_WEV_NAME, r.pszName);
      Click(p, r.nButton);
    });
    SendMessageA(m_lpWnd->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON,
                 MAKELPARAM(m_lpWnd->m_nViewX + 6 * 32 + 5, m_lpWnd->m_nViewY + 5 * 32 + 5));
    SendMessageA(m_lpWnd->m_hWnd, WM_LBUTTONUP, 0,
                 MAKELPARAM(m_lpWnd->m_nViewX + 6 * 32 + 5, m_lpWnd->m_nViewY + 5 * 32 + 5));
    ASSERT_TRUE(step.Ran());
    EXPECT_EQ(r.pszShown, strShown);
    cEdWmEvent* e = WorldMap.FindEventAt(6, 5);
    EXPECT_EQ(r.pszAfter, std::string(e ? e->m_strName : ""));
    EXPECT_EQ(*r.pszAfter ? 1u : 0u, WorldMap.m_vEvents.size());
    // The dialog's OK stores the one undo step; a cancelled dialog stores none.
    EXPECT_EQ(r.nButton == IDC_WMD_OK ? 1u : 0u, WorldMapEditState.m_UndoGrids.size());
  }
}

TEST_F(WorldMapDialogsTest, SettingsResizeDropsEventsOutsideAndPullsTheStartInsideOnlyOnOk) {
  struct cCase {
    int nButton;
    int32_t nWidth, nHeight;
  };
  const cCase aCases[] = {{IDC_WMD_CANCEL, 30, 20}, {IDC_WMD_OK, 20, 15}};
  for (const cCase& c : aCases) {
    SCOPED_TRACE(c.nButton);
    ASSERT_EQ(1, WorldMap.SetSize(30, 20));
    SendMessageA(m_lpWnd->m_hWnd, WM_SIZE, 0, 0);
    WorldMap.m_vEvents.clear();
    Place("inside", 1, 3, 3);
    Place("outside", 2, 25, 5);
    WorldMap.m_nStartX = 28;
    WorldMap.m_nStartY = 18;
    m_lpWnd->PushUndo();
    StageEditState.m_bWorldMapChanged = 0;
    bool bHiddenMeanwhile = false;
    cWhenUp<cWmSettingDlg> step([&](cWmSettingDlg* p) {
      bHiddenMeanwhile = !IsWindowVisible(m_lpWnd->m_hWnd);
      Type(p, IDC_WST_WIDTH, "20");
      Type(p, IDC_WST_HEIGHT, "15");
      Click(p, c.nButton);
    });
    Command(ID_WM_SETTINGS);
    ASSERT_TRUE(step.Ran());
    EXPECT_TRUE(bHiddenMeanwhile);
    EXPECT_TRUE(IsWindowVisible(m_lpWnd->m_hWnd));
    EXPECT_TRUE(IsWindowEnabled(m_lpWnd->m_hWnd));
    bool bOk = c.nButton == IDC_WMD_OK;
    EXPECT_EQ(c.nWidth, WorldMap.m_nWidth);
    EXPECT_EQ(c.nHeight, WorldMap.m_nHeight);
    EXPECT_EQ(bOk ? 1u : 2u, WorldMap.m_vEvents.size());
    EXPECT_TRUE(WorldMap.HasEventAt(3, 3));
    EXPECT_EQ(bOk ? 19 : 28, WorldMap.m_nStartX);
    EXPECT_EQ(bOk ? 14 : 18, WorldMap.m_nStartY);
    EXPECT_EQ(bOk ? 0 : 1, WorldMapEditState.CanUndo() ? 1 : 0);
    EXPECT_EQ(bOk ? 1 : 0, StageEditState.m_bWorldMapChanged);
    EXPECT_EQ(c.nWidth - 1, m_lpWnd->m_HScroll.m_nMax);
  }
}

TEST_F(WorldMapDialogsTest, ViewAndEventPaletteShareTheirClipboardBothWays) {
  Command(ID_WM_MODE_EVENT);
  cEventPaletteWnd* lpPal = cEventPaletteWnd::Current();
  ASSERT_TRUE(lpPal);
  EXPECT_EQ(nullptr, cChipPaletteWnd::Current());
  const size_t nTemplates = WorldMap.m_vTemplates.size();
  Place("castle", 1, 2, 2);

  // A placed event cut from the map is pasted into the template list.
  MenuOn(2, 2);
  Command(ID_WM_CTX_CUT);
  EXPECT_FALSE(WorldMap.HasEventAt(2, 2));
  // The list's keys and popup items act while it has the focus.
  SetFocus(lpPal->m_List.m_Ctrl.m_hWnd);
  SendMessageA(lpPal->m_hWnd, WM_COMMAND, MAKEWPARAM(ID_POP_PASTE_1, 0), 0);
  ASSERT_EQ(nTemplates + 1, WorldMap.m_vTemplates.size());
  EXPECT_EQ("castle", WorldMap.m_vTemplates[0].m_strName);
  EXPECT_EQ("castle", RowText(GetDlgItem(lpPal->m_hWnd, IDC_WEP_LIST), 0).substr(2));

  // A template copied in the list is pasted onto the map.
  WorldMap.m_vTemplates[1].m_strName = "bridge";
  lpPal->m_List.m_Ctrl.SelectOnly(1, 1);
  lpPal->SyncSelection();
  SetFocus(lpPal->m_List.m_Ctrl.m_hWnd);
  SendMessageA(lpPal->m_hWnd, WM_COMMAND, MAKEWPARAM(ID_POP_COPY_1, 0), 0);
  EXPECT_EQ(1, WorldMapEditState.m_bClipValid);
  EXPECT_EQ("bridge", WorldMapEditState.m_Clip.m_strName);
  MenuOn(5, 6);
  Command(ID_WM_CTX_PASTE);
  ASSERT_TRUE(WorldMap.FindEventAt(5, 6));
  EXPECT_EQ("bridge", WorldMap.FindEventAt(5, 6)->m_strName);
}

TEST_F(WorldMapDialogsTest, TemplateInsertKeepsOnlyConfirmedEventsAndTheCountDialogResizesTheList) {
  Command(ID_WM_MODE_EVENT);
  cEventPaletteWnd* lpPal = cEventPaletteWnd::Current();
  ASSERT_TRUE(lpPal);
  WorldMap.m_vTemplates.resize(3);
  lpPal->RedrawList();
  const struct {
    int nButton;
    size_t nAfter;
  } rows[] = {{IDC_WMD_CANCEL, 3}, {IDC_WMD_OK, 4}};
  for (const auto& r : rows) {
    cWhenUp<cWmEventDlg> step([&](cWmEventDlg* p) {
      Type(p, IDC_WEV_NAME, "new");
      Click(p, r.nButton);
    });
    Click(lpPal, IDC_WEP_INSERT);
    ASSERT_TRUE(step.Ran());
    ASSERT_EQ(r.nAfter, WorldMap.m_vTemplates.size());
    int nNew = 0;
    for (const cEdWmEvent& e : WorldMap.m_vTemplates) nNew += e.m_strName == "new";
    EXPECT_EQ(r.nButton == IDC_WMD_OK ? 1 : 0, nNew);
  }
  EXPECT_EQ(WorldMapEditState.m_nSelected, lpPal->m_List.m_Ctrl.GetCurDataIndex());

  std::string strStart;
  cWhenUp<cValueDlg> count([&](cValueDlg* p) {
    strStart = TextOf(p, IDC_INPUT_EDIT);
    Type(p, IDC_INPUT_EDIT, "6");
    Click(p, IDC_INPUT_OK);
  });
  Click(lpPal, IDC_WEP_COUNT);
  ASSERT_TRUE(count.Ran());
  EXPECT_EQ("4", strStart);
  ASSERT_EQ(6u, WorldMap.m_vTemplates.size());
  EXPECT_EQ(1u, WorldMap.m_vTemplates[5].m_vPages.size());
}

TEST_F(WorldMapDialogsTest, ChipPaletteClickPicksTheChipAndShowsItsName) {
  cChipPaletteWnd* lpPal = cChipPaletteWnd::Current();
  ASSERT_TRUE(lpPal);
  ASSERT_GE(WorldMap.m_vChips.size(), 10u);
  LPARAM lParam = MAKELPARAM(lpPal->m_nViewX + 4 * 32 + 5, lpPal->m_nViewY + 32 + 5);
  SendMessageA(lpPal->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, lParam);
  EXPECT_EQ(9, WorldMapEditState.m_nSelected);
  EXPECT_EQ(9, WorldMapEditState.m_Brush[0][0]);
  EXPECT_EQ(1, WorldMapEditState.m_nBrushW);
  char sz[128] = "";
  SendMessageA(lpPal->m_hStatusBar, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(sz));
  EXPECT_EQ("9 : " + WorldMap.m_vChips[9].m_strName, std::string(sz));
  // The pen paints the picked chip.
  SendMessageA(m_lpWnd->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON,
               MAKELPARAM(m_lpWnd->m_nViewX + 2 * 32 + 5, m_lpWnd->m_nViewY + 1 * 32 + 5));
  EXPECT_EQ(9, WorldMap.m_vGrid[2 + (1 << WorldMap.m_nShift)]);
}

TEST_F(WorldMapDialogsTest, RenamingTheConditionVariableRewritesTheCommonNamesAtOnce) {
  ASSERT_GE(GValInfo.size(), 6u);
  Command(ID_WM_MODE_EVENT);
  std::string strShown;
  cAnswerWhenUp<cStringDlg> name([](cStringDlg* s) {
    SetDlgItemTextA(s->m_hWnd, IDC_INPUT_EDIT, "coins");
    Click(s, IDC_INPUT_OK);
  });
  cWhenUp<cWmEventDlg> step([&](cWmEventDlg* p) {
    Choose(p, IDC_WEV_COND_VAR, 5);
    Click(p, IDC_WEV_COND_VAR_RENAME);
    strShown = TextOf(p, IDC_WEV_COND_VAR);
    Click(p, IDC_WMD_CANCEL);
  });
  SetCursorCell(4, 4);
  Command(ID_WM_CTX_NEW);
  ASSERT_TRUE(step.Ran());
  EXPECT_EQ("005 coins", strShown);
  EXPECT_FALSE(WorldMap.HasEventAt(4, 4));
  cChkVector<cEdVarName> vRead;
  ASSERT_TRUE(ReadVarNames(vRead, GVALINFO_FILE));
  ASSERT_GE(vRead.size(), 6u);
  EXPECT_EQ("coins", vRead[5].m_strName);
}

// The start stage is a path: it keeps what a Windows path holds, counted in bytes, and a cut
// takes whole double-byte characters.
TEST_F(WorldMapDialogsTest, StageEditKeepsAPathsBytesInWholeCharacters) {
  Place("castle", 1, 2, 2);
  Command(ID_WM_MODE_EVENT);
  std::string strLong = "a";
  for (int i = 0; i < 200; ++i) strLong += "字";
  cWhenUp<cWmEventDlg> step([&](cWmEventDlg* p) {
    cEditStrCtrl* lpEdit = p->m_Ctrls.Edit(IDC_WEV_STAGE);
    ASSERT_TRUE(lpEdit);
    lpEdit->SetText(strLong);
    Click(p, IDC_WMD_OK);
  });
  MenuOn(2, 2);
  Command(ID_WM_CTX_EDIT);
  ASSERT_TRUE(step.Ran());
  cEdWmEvent* e = WorldMap.FindEventAt(2, 2);
  ASSERT_TRUE(e);
  EXPECT_EQ(strLong.substr(0, MAX_PATH - 1), e->m_vPages[0].m_strStage);  // "a" and 129 whole characters
}

// Reopened, the palette marks chip 0 and the pen paints chip 0, not the chip picked before.
TEST_F(WorldMapDialogsTest, ReopenedEditorPaintsTheChipThePaletteMarks) {
  cChipPaletteWnd* lpPal = cChipPaletteWnd::Current();
  ASSERT_TRUE(lpPal);
  SendMessageA(lpPal->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON,
               MAKELPARAM(lpPal->m_nViewX + 4 * 32 + 5, lpPal->m_nViewY + 32 + 5));
  ASSERT_EQ(9, WorldMapEditState.m_Brush[0][0]);
  SendMessageA(m_lpWnd->m_hWnd, WM_CLOSE, 0, 0);
  ASSERT_FALSE(IsWindow(m_lpWnd->m_hWnd));
  OpenEditor();
  EXPECT_EQ(0, WorldMapEditState.m_nSelected);
  WorldMap.m_vGrid[2 + (1 << WorldMap.m_nShift)] = 5;
  SendMessageA(m_lpWnd->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON,
               MAKELPARAM(m_lpWnd->m_nViewX + 2 * 32 + 5, m_lpWnd->m_nViewY + 1 * 32 + 5));
  EXPECT_EQ(0, WorldMap.m_vGrid[2 + (1 << WorldMap.m_nShift)]);
}

TEST_F(WorldMapDialogsTest, ClosingStoresTheOuterSizesOfTheWindowAndItsPalette) {
  RECT rcWnd, rcPal;
  ASSERT_TRUE(GetWindowRect(m_lpWnd->m_hWnd, &rcWnd));
  ASSERT_TRUE(cChipPaletteWnd::Current());
  ASSERT_TRUE(GetWindowRect(cChipPaletteWnd::Current()->m_hWnd, &rcPal));
  // The chip palette opens at the window's right edge.
  EXPECT_EQ(rcWnd.right, rcPal.left);
  SendMessageA(m_lpWnd->m_hWnd, WM_CLOSE, 0, 0);
  ASSERT_FALSE(IsWindow(m_lpWnd->m_hWnd));
  const cWndPlacement& w = EditConfig.m_aPlace[PLACE_WORLD_MAP];
  EXPECT_EQ(1, w.m_bValid);
  EXPECT_EQ(rcWnd.right - rcWnd.left, w.m_nWidth);
  EXPECT_EQ(rcWnd.bottom - rcWnd.top, w.m_nHeight);
  EXPECT_EQ(rcPal.right - rcPal.left, EditConfig.m_aPlace[PLACE_MAP_CHIPS].m_nWidth);
  // Opened again, the window takes the same outer size.
  OpenEditor();
  RECT rcAgain;
  ASSERT_TRUE(GetWindowRect(m_lpWnd->m_hWnd, &rcAgain));
  EXPECT_EQ(rcWnd.right - rcWnd.left, rcAgain.right - rcAgain.left);
  EXPECT_EQ(rcWnd.bottom - rcWnd.top, rcAgain.bottom - rcAgain.top);
}

}  // namespace
