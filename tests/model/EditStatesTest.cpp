// The editing states and global objects as start-up, the frame's rebuild and the project load
// find and leave them.
#include <gtest/gtest.h>

#include <cstring>

#include "model/Globals.h"
#include "model/StageEditState.h"
#include "model/WorldMapEditState.h"
#include "stage/StageServices.h"

namespace {

TEST(EditStates, RebuildKeepsTheStagePathAndOpenFlagAndClearsEverythingElse) {
  cStageEditState& s = StageEditState;
  s.m_strStagePath = "data\\stg4\\a.stg4_778";
  s.m_bStageOpen = 1;
  s.m_bStageChanged = s.m_bPaletteChanged = s.m_bWorldMapChanged = 1;
  s.m_nLayer = s.m_nPendingLayer = 2;
  s.m_nTool = s.m_nToolGroup = 3;
  s.m_nBrushWidth = 4;
  s.m_nSelStartX = 7;
  s.m_vBrushBlock.resize(6);
  s.m_aLayerSel[1].m_nWidth = 5;
  ResetStageEditKeepingStage();
  EXPECT_EQ("data\\stg4\\a.stg4_778", s.m_strStagePath);
  EXPECT_EQ(1, s.m_bStageOpen);
  EXPECT_TRUE(StagePathSet());
  EXPECT_EQ(0, s.m_bStageChanged + s.m_bPaletteChanged + s.m_bWorldMapChanged);
  EXPECT_EQ(0, s.m_nLayer + s.m_nPendingLayer + s.m_nTool + s.m_nToolGroup);
  EXPECT_EQ(1, s.m_nBrushWidth);
  EXPECT_EQ(-1, s.m_nSelStartX);
  EXPECT_EQ(1u, s.m_vBrushBlock.size());
  EXPECT_EQ(0, s.m_vBrushBlock[0].m_nGraphic);
  EXPECT_EQ(5, s.m_aLayerSel[1].m_nWidth);  // saved selections outlive a reset

  s.Reset();
  EXPECT_TRUE(s.m_strStagePath.empty());
  EXPECT_EQ(0, s.m_bStageOpen);
  EXPECT_FALSE(StagePathSet());
}

TEST(EditStates, CursorStateResetsToOneZeroedCurrentRecord) {
  MouseState.m_vCell.resize(3);
  MouseState.m_vCell[0].m_nX = 9;
  MouseState.m_pCur = &MouseState.m_vCell[2];
  MouseState.m_nCount = 4;
  ResetMouseState();
  ASSERT_EQ(1u, MouseState.m_vCell.size());
  EXPECT_EQ(&MouseState.m_vCell[0], MouseState.m_pCur);
  EXPECT_EQ(0, MouseState.m_pCur->m_nX + MouseState.m_pCur->m_nY + MouseState.m_pCur->m_nViewX +
                   MouseState.m_pCur->m_nViewY);
  EXPECT_EQ(0, MouseState.m_nCount);
}

TEST(EditStates, WorldMapResetPreparesEventModeOnTheFirstTemplateOnlyWhenThereIsOne) {
  cWorldMapEditState& st = WorldMapEditState;
  cChkVector<cEdWmEvent> vKeep = WorldMap.m_vTemplates;
  WorldMap.m_vTemplates[0].m_strName = "first";
  st.m_UndoGrids.emplace_back();
  st.m_UndoEvents.emplace_back();
  st.m_nAnchorX = 5;
  st.m_nPaletteMode = 1;
  st.Reset();
  EXPECT_EQ(0, st.m_nPaletteMode);
  EXPECT_EQ(0, st.m_nSelected);
  EXPECT_EQ(-1, st.m_nAnchorX);
  EXPECT_EQ(1, st.m_nBrushW);
  EXPECT_FALSE(st.CanUndo());
  const cWmPaletteSel& ev = st.m_Slots[1];
  EXPECT_EQ(0, ev.m_nSelected);
  EXPECT_EQ(1, ev.m_nBrushW);
  EXPECT_EQ("first", st.m_SelTemplate.m_strName);

  WorldMap.m_vTemplates.clear();
  st.Reset();
  EXPECT_EQ(-1, ev.m_nSelected);
  EXPECT_EQ(-1, ev.m_nListCursor);
  EXPECT_EQ(0, ev.m_nBrushW);
  EXPECT_EQ(0, ev.m_nBrushH);
  WorldMap.m_vTemplates = vKeep;
  st.Reset();
}

TEST(EditStates, ChipSheetRequestsMaskMirrorAndEmptyPickerSheets) {
  ASSERT_EQ(33u, ChipBitmaps.size());
  ASSERT_EQ(33u, ChipBmpRequests.size());
  struct cCase {
    int nSlot;
    const char* pszPath;
    int bMask, nMirrorW;
  } const aCases[] = {
      {1, "bmp\\Block.bmp", 0, 0},        {2, "bmp\\Character1.bmp", 1, 0},
      {3, "bmp\\Character1.bmp", 1, 32},  {17, "bmp\\Character8.bmp", 1, 32},
      {18, "bmp\\Item.bmp", 1, 0},        {19, "bmp\\Item_Mini.bmp", 1, 0},
      {20, "bmp\\Shot.bmp", 1, 0},        {21, "bmp\\Shot.bmp", 1, 16},
      {22, "bmp\\Mark.bmp", 1, 0},        {24, "bmp\\WorldMapChip.bmp", 1, 0},
      {25, "bmp\\WorldEvent.bmp", 1, 0},  {26, "bmp\\Symbol.bmp", 1, 0},
      {27, "bmp\\Accessory.bmp", 1, 0},
  };
  for (const cCase& c : aCases) {
    const cBmpLoadRequest& r = ChipBmpRequests[c.nSlot];
    EXPECT_STREQ(c.pszPath, r.szPath) << c.nSlot;
    EXPECT_EQ(c.bMask, r.bMask) << c.nSlot;
    EXPECT_EQ(c.nMirrorW, r.nMirrorW) << c.nSlot;
    EXPECT_EQ(0, r.nMirrorH) << c.nSlot;
  }
  for (int nSlot = 28; nSlot <= 32; ++nSlot) {
    const cBmpLoadRequest& r = ChipBmpRequests[nSlot];
    EXPECT_STREQ("E", r.szPath);
    EXPECT_EQ(8, r.nBits);
    EXPECT_EQ(1, r.bMask);
    EXPECT_EQ(256, r.nWidth);
    EXPECT_EQ(480, r.nHeight);
  }
}

}  // namespace
