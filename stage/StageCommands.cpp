// What the stage window's menu, toolbar, accelerators and keys ask for.
#include "app/AppGlobals.h"
#include "app/EditorLinks.h"
#include "app/Log.h"
#include "app/MsgBox.h"
#include "app/Paths.h"
#include "model/DataRecord.h"
#include "model/EditConfig.h"
#include "model/Palette.h"
#include "model/SaveMarks.h"
#include "model/Stage.h"
#include "model/StageEditState.h"
#include "resources/StageIds.h"
#include "stage/FrameWnd.h"
#include "stage/NewStageDlg.h"
#include "stage/StageOptionsDlg.h"
#include "stage/StageSettingsSheet.h"
#include "stage/StageWnd.h"

namespace {

const char* const CLEAR_CAPTION = "データクリアの確認";

bool StageOpen() { return StageEditState.m_bStageOpen != 0; }

}  // namespace

void cStageWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  CheckCommand(wParam);
  cDialog::OnCommand(wParam, lParam);
  cStageEditState& st = StageEditState;
  uint16_t wId = LOWORD(wParam);
  switch (wId) {
    case ID_STAGE_NEW:
    case ID_TB_NEW:
      if (!AskSaveStage()) break;
      if (RunNewStageDlg(this)) {
        StageReplaced();
        st.m_bStageChanged = 0;
      }
      break;
    case ID_STAGE_OPEN:
    case ID_TB_OPEN:
      if (!AskSaveStage()) break;
      if (OpenStage()) {
        StageReplaced();
        st.m_bStageChanged = 0;
      }
      break;
    case ID_CLOSE_STAGE:
      if (!AskSaveStage()) break;
      SetWaitCursor();
      st.m_bStageOpen = 0;
      st.m_strStagePath.clear();
      Stage.Reset();
      StageReplaced();
      st.m_bStageChanged = 0;
      SetArrowCursor();
      break;
    case ID_STAGE_SAVE:
    case ID_TB_SAVE:
      if (!StageOpen()) break;
      SaveCommonPalette();
      if (SaveStage(0)) st.m_bStageChanged = 0;
      UpdateTitle();
      if (m_hWnd) SetActiveWindow(m_hWnd);
      break;
    case ID_SAVE_AS:
      SaveCommonPalette();
      if (SaveStage(1)) st.m_bStageChanged = 0;
      UpdateTitle();
      break;
    case ID_SAVE_COMMON_PALETTE:
      SaveCommonPalette();
      break;
    case ID_STAGE_UNDO:
    case ID_MENU_UNDO:
      ErrorLogF("Undo !!! LOWORD(wParam) = %d", wId);
      if (!StageOpen()) break;
      st.Undo(Stage.m_vBlockGrid, Stage.m_vCharaGrid, Stage.m_vItemGrid);
      UpdateUndoButtons();
      UpdateUndoMenu();
      RedrawPalettes();
      st.m_bStageChanged = 1;
      break;
    case ID_STAGE_REDO:
    case ID_MENU_REDO:
      if (!StageOpen()) break;
      st.Redo(Stage.m_vBlockGrid, Stage.m_vCharaGrid, Stage.m_vItemGrid);
      UpdateUndoButtons();
      UpdateUndoMenu();
      RedrawPalettes();
      st.m_bStageChanged = 1;
      break;
    case ID_TB_LAYER_BLOCK:
    case ID_MENU_LAYER_BLOCK:
      SelectLayerCommand(LAYER_BLOCK);
      break;
    case ID_TB_LAYER_CHARA:
    case ID_MENU_LAYER_CHARA:
      SelectLayerCommand(LAYER_CHARA);
      break;
    case ID_TB_LAYER_ITEM:
    case ID_MENU_LAYER_ITEM:
      SelectLayerCommand(LAYER_ITEM);
      break;
    case ID_CLEAR_ALL:
      ClearLayers(UNDO_ALL, "全ての配置データ（ブロック・キャラ・アイテム）をクリアしますか？");
      break;
    case ID_CLEAR_BLOCKS:
      ClearLayers(UNDO_BLOCK, "全てのブロックをクリアしますか？");
      break;
    case ID_CLEAR_CHARAS:
      ClearLayers(UNDO_CHARA, "全てのキャラをクリアしますか？");
      break;
    case ID_CLEAR_ITEMS:
      ClearLayers(UNDO_ITEM, "全てのアイテムをクリアしますか？");
      break;
    case ID_VIEW_COMMON_PALETTE:
    case ID_VIEW_STAGE_PALETTE:
    case ID_VIEW_GROUP:
      ToggleView(wId);
      break;
    case ID_LOAD_STAGE_PALETTE:
      if (LoadStagePalette()) StageReplaced();
      break;
    case ID_SAVE_STAGE_PALETTE:
      SaveStagePalette();
      break;
    case ID_SYSTEM:
      CallLink(EditorLinks().pfnOpenSystemSheet, this);
      break;
    case ID_PRJ_OPTION:
      CallLink(EditorLinks().pfnOpenPrjOptionSheet, this);
      break;
    case ID_BITMAP_TOOL:
      CallLink(EditorLinks().pfnOpenBmpConvDlg, this);
      break;
    case ID_STAGE_OPTIONS:
      RunStageOptionDlg(this);
      UpdateUndoButtons();
      UpdateUndoMenu();
      break;
    case ID_STAGE_SETTINGS:
      OpenStageSettingSheet(this);
      break;
    case ID_DATABASE:
      CallLink(EditorLinks().pfnOpenDatabaseSheet, this);
      break;
    case ID_WORLD_MAP:
      CallLink(EditorLinks().pfnOpenWorldMapWnd, this, &m_lpEditor[EDITOR_WORLD_MAP]);
      break;
    case ID_STAGE_TESTPLAY:
    case ID_MENU_TESTPLAY:
    case ID_TB_TESTPLAY:
    case ID_ACC_F5:
      if (StageOpen()) TestPlay(0);
      break;
    case ID_MENU_GAME_TESTPLAY:
    case ID_GAME_TESTPLAY:
    case ID_TB_GAME_TESTPLAY:
      TestPlay(1);
      break;
    default:
      break;
  }
}

void cStageWnd::OnKeyDown(WPARAM wKey) {
  switch (wKey) {
    case VK_F5:
      SendMessageA(m_hWnd, WM_COMMAND, ID_STAGE_TESTPLAY, 0);
      break;
    case VK_F7:
      SendMessageA(m_hWnd, WM_COMMAND, ID_GAME_TESTPLAY, 0);
      break;
    case VK_SPACE:
      StageEditState.NextLayer();
      if (m_hWnd) SetFocus(m_hWnd);
      break;
    case 'D':
    case 'Q':
    case 'R':
      OnAreaKey(wKey);
      break;
    default:
      break;
  }
}

void cStageWnd::SelectLayerCommand(int32_t nLayer) {
  if (!StageOpen()) return;
  StageEditState.SelectLayer(nLayer);
  if (m_hWnd) SetFocus(m_hWnd);
}

void cStageWnd::ClearLayers(int32_t nMask, const char* pszQuestion) {
  if (MsgBox(m_hWnd, pszQuestion, CLEAR_CAPTION, MB_YESNO) != IDYES) return;
  PushUndo(nMask);
  int32_t nCells = Stage.m_nPitch * Stage.m_nHeight;
  if (nMask & UNDO_BLOCK) cEdStage::ClearBlockGrid(Stage.m_vBlockGrid, nCells);
  if (nMask & UNDO_CHARA) cEdStage::ClearCharaGrid(Stage.m_vCharaGrid, nCells);
  if (nMask & UNDO_ITEM) cEdStage::ClearItemGrid(Stage.m_vItemGrid, nCells);
  StageEditState.m_bStageChanged = 1;
}

void cStageWnd::ToggleView(uint16_t wId) {
  if (!StageOpen()) return;
  cWndPlacement* aPlace = EditConfig.m_aPlace;
  int32_t nLayer = StageEditState.m_nLayer;
  if (wId == ID_VIEW_GROUP) {
    aPlace[PLACE_CHARA_GROUP].m_bShow = !aPlace[PLACE_CHARA_GROUP].m_bShow;
    SaveKept(KEPT_EDIT_CONFIG);
    CheckMenu(wId, aPlace[PLACE_CHARA_GROUP].m_bShow);
    if (nLayer == LAYER_CHARA) ShowTool(TOOL_GROUP, aPlace[PLACE_CHARA_GROUP].m_bShow != 0);
    return;
  }
  bool bCommon = wId == ID_VIEW_COMMON_PALETTE;
  const int32_t aPlaces[LAYER_COUNT] = {
      bCommon ? PLACE_COMMON_BLOCK : PLACE_STAGE_BLOCK,
      bCommon ? PLACE_COMMON_CHARA : PLACE_STAGE_CHARA,
      bCommon ? PLACE_COMMON_ITEM : PLACE_STAGE_ITEM};
  const int32_t aTools[LAYER_COUNT] = {
      bCommon ? TOOL_COMMON_BLOCK : TOOL_STAGE_BLOCK,
      bCommon ? TOOL_COMMON_CHARA : TOOL_STAGE_CHARA,
      bCommon ? TOOL_COMMON_ITEM : TOOL_STAGE_ITEM};
  for (int32_t p : aPlaces) aPlace[p].m_bShow = !aPlace[p].m_bShow;
  SaveKept(KEPT_EDIT_CONFIG);
  CheckMenu(wId, aPlace[aPlaces[LAYER_BLOCK]].m_bShow);
  if (nLayer >= 0 && nLayer < LAYER_COUNT)
    ShowTool(aTools[nLayer], aPlace[aPlaces[nLayer]].m_bShow != 0);
}

void cStageWnd::StageReplaced() {
  StageEditState.AllocUndo(Stage.m_nUndoDepth, Stage.m_nPitch, Stage.m_nHeight);
  UpdateUndoButtons();
  UpdateUndoMenu();
  PostMessageA(g_hMainWnd, WM_USER, 1, 0);
}

void cStageWnd::PushUndo(int32_t nMask) {
  StageEditState.PushSnapshot(nMask, StageEditState.m_Undo, Stage.m_vBlockGrid, Stage.m_vCharaGrid,
                              Stage.m_vItemGrid);
  StageEditState.m_Redo.m_nCount = 0;
  UpdateUndoButtons();
  UpdateUndoMenu();
}

void cStageWnd::PushUndoLayer(int32_t nLayer) {
  if (nLayer == LAYER_BLOCK)
    PushUndo(UNDO_BLOCK);
  else if (nLayer == LAYER_CHARA)
    PushUndo(UNDO_CHARA);
  else if (nLayer == LAYER_ITEM)
    PushUndo(UNDO_ITEM);
}

void cStageWnd::EmptyUndo() {
  StageEditState.ClearUndo();
  UpdateUndoButtons();
  UpdateUndoMenu();
}

