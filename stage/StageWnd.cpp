#include "stage/StageWnd.h"

#include <commctrl.h>

#include "app/AppGlobals.h"
#include "app/EditorLinks.h"
#include "stage/FrameWnd.h"
#include "app/PropSheet.h"
#include "app/TextFormat.h"
#include "app/WindowList.h"
#include "controls/CtrlBind.h"
#include "model/DataRecord.h"
#include "model/EditConfig.h"
#include "model/Globals.h"
#include "model/Palette.h"
#include "model/PrjOption.h"
#include "model/SaveMarks.h"
#include "model/Stage.h"
#include "model/StageEditState.h"
#include "resources/AppIds.h"
#include "resources/ListIds.h"
#include "resources/StageIds.h"

namespace {

const char* const TOOLBAR_PALETTE_BMP = "e_bmp\\ToolBar_Palette.bmp";
const char* const TOOLBAR_TESTPLAY_BMP = "e_bmp\\ToolBar_TestPlay.bmp";

// Menu items that need no stage, and those that do.
const uint16_t MENU_ALWAYS[] = {ID_TB_NEW, ID_TB_OPEN, ID_SAVE_COMMON_PALETTE, ID_DATABASE,
                                ID_WORLD_MAP, ID_SYSTEM, ID_PRJ_OPTION, ID_MENU_GAME_TESTPLAY,
                                ID_BITMAP_TOOL};
const uint16_t MENU_WITH_STAGE[] = {
    ID_CLOSE_STAGE, ID_SAVE_AS, ID_TB_SAVE, ID_MENU_UNDO, ID_MENU_REDO, ID_MENU_LAYER_BLOCK,
    ID_MENU_LAYER_CHARA, ID_MENU_LAYER_ITEM, ID_CLEAR_BLOCKS, ID_CLEAR_CHARAS, ID_CLEAR_ITEMS,
    ID_STAGE_SETTINGS, ID_LOAD_STAGE_PALETTE, ID_SAVE_STAGE_PALETTE, ID_STAGE_OPTIONS,
    ID_MENU_TESTPLAY};
const uint16_t BUTTONS_ALWAYS[] = {ID_TB_NEW, ID_TB_OPEN, ID_TB_GAME_TESTPLAY};
const uint16_t BUTTONS_WITH_STAGE[] = {ID_TB_SAVE,        ID_MENU_UNDO,      ID_MENU_REDO,
                                       ID_TB_LAYER_BLOCK, ID_TB_LAYER_CHARA, ID_TB_LAYER_ITEM,
                                       ID_TB_TESTPLAY};
const uint16_t LAYER_BUTTONS[LAYER_COUNT] = {ID_TB_LAYER_BLOCK, ID_TB_LAYER_CHARA, ID_TB_LAYER_ITEM};
const uint16_t LAYER_ITEMS[LAYER_COUNT] = {ID_MENU_LAYER_BLOCK, ID_MENU_LAYER_CHARA, ID_MENU_LAYER_ITEM};

// The editor configuration's placement of each tool window.
const int32_t TOOL_PLACE[cStageWnd::TOOL_COUNT] = {PLACE_COMMON_BLOCK, PLACE_STAGE_BLOCK,
                                                   PLACE_COMMON_CHARA, PLACE_STAGE_CHARA,
                                                   PLACE_CHARA_GROUP,  PLACE_COMMON_ITEM,
                                                   PLACE_STAGE_ITEM};
// The layer of each tool window.
const int32_t TOOL_LAYER[cStageWnd::TOOL_COUNT] = {LAYER_BLOCK, LAYER_BLOCK, LAYER_CHARA,
                                                   LAYER_CHARA, LAYER_CHARA, LAYER_ITEM,
                                                   LAYER_ITEM};

const BYTE STATE_OFF = 0;

void SetButtonState(HWND hToolBar, uint16_t wId, BYTE bState) {
  if (hToolBar) SendMessageA(hToolBar, TB_SETSTATE, wId, MAKELONG(bState, 0));
}

void EnableItem(HMENU hMenu, uint16_t wId, bool bEnable) {
  if (hMenu) EnableMenuItem(hMenu, wId, MF_BYCOMMAND | (bEnable ? MF_ENABLED : MF_DISABLED | MF_GRAYED));
}

bool StageOpen() { return StageEditState.m_bStageOpen != 0; }

}  // namespace

cStageWnd::cStageWnd(uint16_t wTemplateId, cWindow* lpParent, int32_t nKind,
                     cWindowList* lpWindowList)
    : cDialogClass<cStageWnd>(wTemplateId, lpParent, nKind, lpWindowList,
                              static_cast<int32_t>(DEFAULT_X), static_cast<int32_t>(DEFAULT_Y)) {
  int32_t nW = DEFAULT_VIEW_W, nH = DEFAULT_VIEW_H;
  const cWndPlacement& place = EditConfig.m_aPlace[PLACE_STAGE];
  if (place.m_bValid) {
    m_ptStored.x = place.m_nX;
    m_ptStored.y = place.m_nY;
    nW = place.m_nWidth;
    nH = place.m_nHeight;
  }
  // A stored size outside what the view allows is pulled back into it.
  Clamp(nW, MIN_VIEW_W, MAX_VIEW_W);
  Clamp(nH, MIN_VIEW_H, MAX_VIEW_H);
  SetLayout(nW, nH, MIN_VIEW_W, MIN_VIEW_H, MAX_VIEW_W, MAX_VIEW_H, 0, 1, 1, 1, 0,
            SCROLL_H | SCROLL_V);
  FrameWnd.m_nActiveEditor = cFrameWnd::EDITOR_STAGE;
  cStageEditState::SetLayerShownFn(&cStageWnd::OnLayerShown);
}

cStageWnd::~cStageWnd() {
  for (cDialog*& p : m_lpTool) SafeDelete(p);
  for (cDialog*& p : m_lpEditor) SafeDelete(p);
  for (cPropSheet*& p : m_lpSheet) SafeDelete(p);
  if (Current() == this) cStageEditState::SetLayerShownFn(nullptr);
  Dispose();
}

void cStageWnd::OnLayerShown(int32_t nLayer) {
  cStageWnd* p = Current();
  if (!p || !p->m_hWnd) return;
  p->UpdateLayerMenu();
  p->UpdateLayerButtons();
  p->ShowLayerWindows(nLayer);
  CallLink(EditorLinks().pfnCheckPaletteToolButtons, nLayer);
}

void cStageWnd::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  HICON hIcon = LoadIconA(m_hInstance, MAKEINTRESOURCEA(IDI_EDITOR));
  if (hIcon) SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(hIcon));
  UpdateTitle();
  CreateBars();
  UpdateMenu();
  UpdateToolbar();
  UpdateViewMenu();
  UpdateLayerMenu();
  UpdateLayerButtons();
  UpdateUndoMenu();
  UpdateUndoButtons();
  // The back buffer has the largest view size, so resizing the window never makes it again.
  m_ViewParam.Set(VIEW_CTRL_ID, MAX_VIEW_W, MAX_VIEW_H);
  AddBitmapCtrl(&m_ViewCtrl, m_ViewParam);
  // The menu and the bars took room from the client area: the view gets its size back.
  SetClientSize(m_rcRequest.right, m_rcRequest.bottom);
  PlaceView();
  UpdateScrollRanges();
  CentreOnPlayer();
  AddAccel(m_hWnd, IDR_ACCEL_REC1);
  StoreBarHeights();
  DataToCtrls();
  m_bCreated = 1;
  m_bInit = 1;
}

void cStageWnd::CreateBars() {
  m_hStatusBar = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP | CCS_BOTTOM,
                                 0, 0, 0, 0, m_hWnd, reinterpret_cast<HMENU>(IDC_STAGE_STATUS),
                                 m_hInstance, nullptr);
  // One part: the text goes to the simple part (255).
  if (m_hStatusBar) SendMessageA(m_hStatusBar, SB_SIMPLE, TRUE, 0);
  m_hMenu = LoadMenuA(m_hInstance, MAKEINTRESOURCEA(IDR_STAGE_MENU));
  if (m_hMenu) SetMenu(m_hWnd, m_hMenu);
  CreateToolBar(IDC_STAGE_TOOLBAR);
  cToolButton aStd[7];
  aStd[0].Set(STD_FILENEW, ID_TB_NEW, TBSTATE_ENABLED, BTNS_BUTTON, "新規作成");
  aStd[1].Set(STD_FILEOPEN, ID_TB_OPEN, TBSTATE_ENABLED, BTNS_BUTTON, "開く");
  aStd[2].Set(STD_FILESAVE, ID_TB_SAVE, TBSTATE_ENABLED, BTNS_BUTTON, "上書き保存");
  aStd[3].Set(0, 0, TBSTATE_ENABLED, BTNS_SEP, "");
  aStd[4].Set(STD_UNDO, ID_MENU_UNDO, TBSTATE_ENABLED, BTNS_BUTTON, "元に戻す");
  aStd[5].Set(STD_REDOW, ID_MENU_REDO, TBSTATE_ENABLED, BTNS_BUTTON, "やり直し");
  aStd[6].Set(0, 0, TBSTATE_ENABLED, BTNS_SEP, "");
  AddToolButtons(aStd, 7);
  cToolButton aLayer[3];
  aLayer[0].Set(0, ID_TB_LAYER_BLOCK, TBSTATE_ENABLED, BTNS_CHECKGROUP, "ブロックパレット");
  aLayer[1].Set(1, ID_TB_LAYER_CHARA, TBSTATE_ENABLED, BTNS_CHECKGROUP, "キャラパレット");
  aLayer[2].Set(2, ID_TB_LAYER_ITEM, TBSTATE_ENABLED, BTNS_CHECKGROUP, "アイテムパレット");
  AddToolBitmap(aLayer, 3, TOOLBAR_PALETTE_BMP);
  cToolButton aSep[1];
  aSep[0].Set(0, 0, TBSTATE_ENABLED, BTNS_SEP, "");
  AddToolButtons(aSep, 1);
  cToolButton aPlay[2];
  aPlay[0].Set(0, ID_TB_TESTPLAY, TBSTATE_ENABLED, BTNS_BUTTON, "テストプレイ");
  aPlay[1].Set(1, ID_TB_GAME_TESTPLAY, TBSTATE_ENABLED, BTNS_BUTTON, "ゲーム全体のテストプレイ");
  AddToolBitmap(aPlay, 2, TOOLBAR_TESTPLAY_BMP);
}

void cStageWnd::StoreBarHeights() {
  RECT rc;
  if (m_hStatusBar && GetWindowRect(m_hStatusBar, &rc)) EditConfig.m_nStatusBarHeight = rc.bottom - rc.top;
  if (m_hToolBar && GetWindowRect(m_hToolBar, &rc)) EditConfig.m_nToolBarHeight = rc.bottom - rc.top;
}

void cStageWnd::CentreOnPlayer() {
  if (Stage.m_vBlockGrid.empty()) return;
  cCellPos pos = Stage.FindPlayer();
  if (pos.x < 0) return;
  m_nViewCol = pos.x - 10;
  m_nViewRow = pos.y - 7;
  Clamp(m_nViewCol, 0, Stage.m_nWidth - 20);
  Clamp(m_nViewRow, 0, Stage.m_nHeight - 15);
  // A stage narrower than the screen keeps its first column at the left.
  if (m_nViewCol < 0) m_nViewCol = 0;
  if (m_nViewRow < 0) m_nViewRow = 0;
  m_HScroll.SetPos(m_nViewCol);
  m_VScroll.SetPos(m_nViewRow);
}

void cStageWnd::PlaceView() {
  if (!m_ViewCtrl.m_hWnd) return;
  SetWindowPos(m_ViewCtrl.m_hWnd, nullptr, m_nViewX, m_nViewY, m_nViewW, m_nViewH,
               SWP_NOZORDER | SWP_NOACTIVATE);
  m_ViewCtrl.UpdatePos();
}

LRESULT cStageWnd::MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  LRESULT nBase = DefProc(hWnd, uMsg, wParam, lParam);
  switch (uMsg) {
    case WM_DESTROY: {
      // The base has let go of m_hWnd by now: the place is read from the message's own window.
      RECT rc = {};
      GetWindowRect(hWnd, &rc);
      EditConfig.m_aPlace[PLACE_STAGE].Set(rc.left, rc.top, m_nViewW, m_nViewH);
      SaveKept(KEPT_PRJ_OPTION);
      if (g_pCurEditor == this) g_pCurEditor = nullptr;
      return 1;
    }
    case WM_SIZE:
      PlaceView();
      UpdateScrollRanges();
      break;
    case WM_CLOSE:
      if (AskSave()) {
        Close(0);
        DestroyWindow(g_hMainWnd);
      }
      return 1;
    case WM_KEYDOWN:
      OnKeyDown(wParam);
      break;
    case WM_INITDIALOG:
      break;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_MINIMIZE) {
        Minimise();
        return 1;
      }
      return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
      OnMouse(uMsg, wParam, lParam);
      break;
    case WM_MOUSEWHEEL:
      OnMouseWheel(wParam);
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
      ReadViewOrigin();
      break;
    case WM_DRAWITEM:
      // The view is owner-drawn: whatever uncovers it gets the stage back.
      break;
    default:
      if (!nBase) return 0;
      break;
  }
  if (hWnd == m_hWnd) Draw();
  return 1;
}

void cStageWnd::Frame() {
  // Hidden (the world map editor stands in its place), the window takes no input. Reading the
  // buttons would still use up a press, whose latch all windows share, before the window in
  // front sees it.
  if (!m_hWnd || !IsWindowVisible(m_hWnd)) return;
  UpdateMouse(1, 7);
  int32_t x = m_Mouse.x, y = m_Mouse.y;
  bool bInside = x >= 0 && y >= 0 && x < m_nViewW && y < m_nViewH;
  if (bInside || !StageEditState.m_bDragging) return;
  POINT pt = {x, y};
  MouseToCell(pt);
  if (ContinueDrag()) return;
  if (m_Mouse.bLHold || m_Mouse.bRHold) AutoScroll(&m_nViewCol, &m_nViewRow);
  Draw();
}

void cStageWnd::OnMouse(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  // The message's point is relative to the client area; the view starts below the toolbar.
  POINT pt = {static_cast<short>(LOWORD(lParam)) - m_nViewX, static_cast<short>(HIWORD(lParam)) - m_nViewY};
  if (pt.x < 0 || pt.y < 0 || pt.x >= m_nViewW || pt.y >= m_nViewH) return;
  MouseToCell(pt);
  UseTools(uMsg, wParam);
}

// Tool windows.

bool cStageWnd::ToolVisibleByConfig(int32_t nTool) const {
  if (!StageOpen() || TOOL_LAYER[nTool] != StageEditState.m_nLayer) return false;
  return EditConfig.m_aPlace[TOOL_PLACE[nTool]].m_bShow != 0;
}

void cStageWnd::ShowTool(int32_t nTool, bool bShow) {
  cDialog* p = m_lpTool[nTool];
  if (p && p->m_hWnd) ShowWindow(p->m_hWnd, bShow ? SW_SHOW : SW_HIDE);
}

void cStageWnd::CreateToolWindows() {
  for (int32_t i = 0; i < TOOL_COUNT; ++i) {
    bool bShow = ToolVisibleByConfig(i);
    SafeDelete(m_lpTool[i]);
    m_lpTool[i] = i == TOOL_GROUP ? CallLink(EditorLinks().pfnNewCharaGroupWnd, this)
                                  : CallLink(EditorLinks().pfnNewPaletteWnd, i, this);
    if (m_lpTool[i]) m_lpTool[i]->DoModeless(0, bShow ? 1 : 0);
  }
}

void cStageWnd::ShowToolWindows() {
  if (m_hWnd) ShowWindow(m_hWnd, SW_SHOW);
  for (int32_t i = 0; i < TOOL_COUNT; ++i) ShowTool(i, ToolVisibleByConfig(i));
}

void cStageWnd::HideToolWindows() {
  if (m_hWnd) ShowWindow(m_hWnd, SW_HIDE);
  for (int32_t i = 0; i < TOOL_COUNT; ++i) ShowTool(i, false);
}

void cStageWnd::ShowLayerWindows(int32_t nLayer) {
  if (!StageOpen()) return;
  for (int32_t i = 0; i < TOOL_COUNT; ++i)
    ShowTool(i, TOOL_LAYER[i] == nLayer && EditConfig.m_aPlace[TOOL_PLACE[i]].m_bShow != 0);
}

void cStageWnd::ShowBlockWindows() { ShowLayerWindows(LAYER_BLOCK); }
void cStageWnd::ShowCharaWindows() { ShowLayerWindows(LAYER_CHARA); }
void cStageWnd::ShowItemWindows() { ShowLayerWindows(LAYER_ITEM); }

void cStageWnd::RedrawPalettes() {
  for (int32_t i = 0; i < TOOL_COUNT; ++i)
    if (m_lpTool[i] && TOOL_LAYER[i] == StageEditState.m_nLayer) m_lpTool[i]->Draw();
}

void cStageWnd::Minimise() {
  m_bMinimised = 1;
  HideToolWindows();
  ShowWindow(g_hMainWnd, SW_MINIMIZE);
}

// Callbacks.

void cStageWnd::OnDataClosed(int32_t nLayer) {
  cStageEditState& st = StageEditState;
  if (nLayer == LAYER_BLOCK && st.m_nPendingLayer != st.m_nLayer) {
    st.SelectLayer(st.m_nPendingLayer);
    st.m_nPendingLayer = st.m_nLayer;
  }
  WindowList.EnableAll(1);
  if (st.m_nEditContext == EDIT_DEFAULT) return;
  ShowToolWindows();
  RedrawPalettes();
  int32_t nTool = -1;
  switch (st.m_nEditContext) {
    case EDIT_CELL:
      if (m_hWnd) SetActiveWindow(m_hWnd);
      break;
    case EDIT_STAGE_PALETTE:
    case EDIT_COMMON_PALETTE: {
      bool bStage = st.m_nEditContext == EDIT_STAGE_PALETTE;
      nTool = nLayer == LAYER_BLOCK ? (bStage ? TOOL_STAGE_BLOCK : TOOL_COMMON_BLOCK)
              : nLayer == LAYER_CHARA ? (bStage ? TOOL_STAGE_CHARA : TOOL_COMMON_CHARA)
                                      : (bStage ? TOOL_STAGE_ITEM : TOOL_COMMON_ITEM);
      if (m_lpTool[nTool] && m_lpTool[nTool]->m_hWnd) SetActiveWindow(m_lpTool[nTool]->m_hWnd);
      // The brush takes the edited entry again, inheriting from it as when it was picked.
      st.m_nBrushPalette = bStage ? 1 : 0;
      CallLink(EditorLinks().pfnRefreshBrushOfLayer, nLayer);
      break;
    }
    default:
      break;
  }
  if (st.m_nPendingLayer != st.m_nLayer) {
    st.SelectLayer(st.m_nPendingLayer);
    st.m_nPendingLayer = st.m_nLayer;
  }
}

void cStageWnd::OnBlockDataClosed() { OnDataClosed(LAYER_BLOCK); }
void cStageWnd::OnCharaDataClosed() { OnDataClosed(LAYER_CHARA); }
void cStageWnd::OnItemDataClosed() { OnDataClosed(LAYER_ITEM); }

void cStageWnd::OnStageSettingsClosed(bool bCommitted) {
  Stage.Validate();
  if (m_hWnd) SendMessageA(m_hWnd, WM_SIZE, 0, 0);
  CallLink(EditorLinks().pfnUpdatePaletteScrollBars);
  RedrawPalettes();
  // The steps hold only the cells they changed, so a sheet that changed nothing costs them
  // nothing; one that stored the stage's settings starts the history afresh.
  if (bCommitted) StageEditState.AllocUndo(Stage.m_nUndoDepth, Stage.m_nPitch, Stage.m_nHeight);
  UpdateUndoButtons();
  UpdateUndoMenu();
  FrameWnd.m_nActiveEditor = cFrameWnd::EDITOR_STAGE;
  ShowToolWindows();
  WindowList.EnableAll(1);
}

void cStageWnd::OnWorldMapClosed() {
  FrameWnd.m_nActiveEditor = cFrameWnd::EDITOR_STAGE;
  ShowToolWindows();
  WindowList.EnableAll(1);
}

void cStageWnd::AfterProjectSheet(bool bValidatePalette) {
  if (bValidatePalette) CommonPalette.Validate();
  Stage.Validate();
  ShowToolWindows();
  WindowList.EnableAll(1);
  RedrawPalettes();
}

void cStageWnd::OnDatabaseClosed() { AfterProjectSheet(true); }
void cStageWnd::OnSystemClosed() { AfterProjectSheet(true); }
void cStageWnd::OnPrjOptionClosed() { AfterProjectSheet(false); }

// Menu and toolbar state.

void cStageWnd::UpdateMenu() {
  for (uint16_t w : MENU_ALWAYS) EnableItem(m_hMenu, w, false);
  for (uint16_t w : MENU_WITH_STAGE) EnableItem(m_hMenu, w, false);
  for (uint16_t w : MENU_ALWAYS) EnableItem(m_hMenu, w, true);
  if (StageOpen())
    for (uint16_t w : MENU_WITH_STAGE) EnableItem(m_hMenu, w, true);
  if (m_hWnd && m_hMenu) DrawMenuBar(m_hWnd);
}

void cStageWnd::UpdateToolbar() {
  for (uint16_t w : BUTTONS_ALWAYS) SetButtonState(m_hToolBar, w, STATE_OFF);
  for (uint16_t w : BUTTONS_WITH_STAGE) SetButtonState(m_hToolBar, w, STATE_OFF);
  for (uint16_t w : BUTTONS_ALWAYS) SetButtonState(m_hToolBar, w, TBSTATE_ENABLED);
  if (StageOpen())
    for (uint16_t w : BUTTONS_WITH_STAGE) SetButtonState(m_hToolBar, w, TBSTATE_ENABLED);
}

void cStageWnd::UpdateUndoButtons() {
  SetButtonState(m_hToolBar, ID_MENU_UNDO, StageEditState.m_Undo.m_nCount > 0 ? TBSTATE_ENABLED : STATE_OFF);
  SetButtonState(m_hToolBar, ID_MENU_REDO, StageEditState.m_Redo.m_nCount > 0 ? TBSTATE_ENABLED : STATE_OFF);
}

void cStageWnd::UpdateUndoMenu() {
  EnableItem(m_hMenu, ID_MENU_UNDO, StageEditState.m_Undo.m_nCount > 0);
  EnableItem(m_hMenu, ID_MENU_REDO, StageEditState.m_Redo.m_nCount > 0);
}

void cStageWnd::UpdateLayerButtons() {
  for (int32_t i = 0; i < LAYER_COUNT; ++i) {
    BYTE bState = STATE_OFF;
    if (StageOpen())
      bState = i == StageEditState.m_nLayer ? (TBSTATE_CHECKED | TBSTATE_ENABLED) : TBSTATE_ENABLED;
    SetButtonState(m_hToolBar, LAYER_BUTTONS[i], bState);
  }
}

void cStageWnd::UpdateLayerMenu() {
  for (int32_t i = 0; i < LAYER_COUNT; ++i) CheckMenu(LAYER_ITEMS[i], i == StageEditState.m_nLayer);
}

void cStageWnd::UpdateViewMenu() {
  CheckMenu(ID_VIEW_COMMON_PALETTE, EditConfig.m_aPlace[PLACE_COMMON_BLOCK].m_bShow);
  CheckMenu(ID_VIEW_STAGE_PALETTE, EditConfig.m_aPlace[PLACE_STAGE_BLOCK].m_bShow);
  CheckMenu(ID_VIEW_GROUP, EditConfig.m_aPlace[PLACE_CHARA_GROUP].m_bShow);
}

void cStageWnd::CheckMenu(uint16_t wId, int32_t bCheck) {
  if (m_hMenu) CheckMenuItem(m_hMenu, wId, MF_BYCOMMAND | (bCheck ? MF_CHECKED : MF_UNCHECKED));
}

void cStageWnd::UpdateTitle() {
  if (!m_hWnd) return;
  std::string str;
  if (!StageEditState.m_strStagePath.empty())
    FormatStr(str, "%s  %s", FRAME_TITLE, StageEditState.m_strStagePath.c_str());
  else
    FormatStr(str, "%s", FRAME_TITLE);
  SetWindowTextA(m_hWnd, str.c_str());
}
