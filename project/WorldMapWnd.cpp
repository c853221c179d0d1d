#include "project/WorldMapWnd.h"

#include <commctrl.h>

#include <new>

#include "stage/FrameWnd.h"
#include "app/MsgBox.h"
#include "app/WindowList.h"
#include "controls/CtrlBind.h"
#include "model/DataRecord.h"
#include "model/EditConfig.h"
#include "model/Globals.h"
#include "model/ProjectLoad.h"
#include "model/StageEditState.h"
#include "model/WorldMapEditState.h"
#include "project/WmEventDlg.h"
#include "project/WmPalettes.h"
#include "resources/ListIds.h"
#include "resources/WorldMapDialogIds.h"
#include "resources/WorldMapIds.h"
#include "stage/StageWnd.h"

namespace {

const char* const TOOLBAR_WORLD_PALETTE_BMP = "e_bmp\\ToolBar_WorldPalette.bmp";
const BYTE STATE_OFF = 0;

void SetButtonState(HWND hToolBar, uint16_t wId, BYTE bState) {
  if (hToolBar) SendMessageA(hToolBar, TB_SETSTATE, wId, MAKELONG(bState, 0));
}

void EnableItem(HMENU hMenu, uint16_t wId, bool bEnable) {
  if (hMenu)
    EnableMenuItem(hMenu, wId, MF_BYCOMMAND | (bEnable ? MF_ENABLED : MF_DISABLED | MF_GRAYED));
}

void CheckItem(HMENU hMenu, uint16_t wId, bool bCheck) {
  if (hMenu) CheckMenuItem(hMenu, wId, MF_BYCOMMAND | (bCheck ? MF_CHECKED : MF_UNCHECKED));
}

void SetChanged() { StageEditState.m_bWorldMapChanged = 1; }

void ShowIfOpen(cDialog* p, int32_t bShow) {
  if (p && p->m_hWnd) ShowWindow(p->m_hWnd, bShow ? SW_SHOW : SW_HIDE);
}

void EnableIfOpen(cDialog* p, int32_t bEnable) {
  if (p && p->m_hWnd) p->Enable(bEnable);
}

}  // namespace

cWorldMapWnd::cWorldMapWnd(uint16_t wTemplateId, cWindow* lpParent, int32_t nKind,
                           cWindowList* lpWindowList)
    : cDialogClass<cWorldMapWnd>(wTemplateId, lpParent, nKind, lpWindowList) {
  int32_t nW = DEFAULT_W, nH = DEFAULT_H;
  const cWndPlacement& place = EditConfig.m_aPlace[PLACE_WORLD_MAP];
  if (place.m_bValid) {
    m_ptStored.x = place.m_nX;
    m_ptStored.y = place.m_nY;
    nW = place.m_nWidth;
    nH = place.m_nHeight;
  } else if (lpParent) {
    m_ptStored = lpParent->GetPos();
  }
  // A stored size outside what the view allows is pulled back into it.
  Clamp(nW, MIN_W, MAX_W);
  Clamp(nH, MIN_H, MAX_H);
  SetLayout(nW, nH, MIN_W, MIN_H, MAX_W, MAX_H, 0, 1, 1, 1, 0, SCROLL_H | SCROLL_V);
  m_NewEvent.SetDefault();
  StageEditState.m_bWorldMapChanged = 0;
}

cWorldMapWnd::~cWorldMapWnd() {
  if (Current() == this) cWorldMapEditState::SetModeChangedFn(nullptr);
  SafeDelete(m_lpChipPalette);
  SafeDelete(m_lpEventPalette);
  SafeDelete(m_lpSettingDlg);
  SafeDelete(m_lpEventDlg);
  if (m_hContextRoot) DestroyMenu(m_hContextRoot);
  Dispose();
}

void cWorldMapWnd::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  CreateBars();
  UpdateModeState();
  UpdateUndoState();
  // The back buffer has the largest view size, so resizing the window never makes it again.
  m_ViewParam.Set(VIEW_CTRL_ID, MAX_W, MAX_H);
  AddBitmapCtrl(&m_ViewCtrl, m_ViewParam);
  // The menu and the bars took room from the client area: the view gets its size back.
  SetClientSize(m_rcRequest.right, m_rcRequest.bottom);
  ApplyStoredOuterSize(m_hWnd, EditConfig.m_aPlace[PLACE_WORLD_MAP]);
  PlaceView();
  UpdateScrollRanges();
  cWorldMapEditState::SetModeChangedFn(&cWorldMapWnd::OnModeChanged);
  OpenChipPalette();
  AddAccel(m_hWnd, IDR_ACCEL_REC1);
  m_hContextRoot = LoadMenuA(m_hInstance, MAKEINTRESOURCEA(IDR_WM_CONTEXT));
  m_hContextMenu = m_hContextRoot ? GetSubMenu(m_hContextRoot, 0) : nullptr;
  DataToCtrls();
  m_bInit = 1;
}

void cWorldMapWnd::CreateBars() {
  m_hStatusBar = CreateWindowExA(0, STATUSCLASSNAMEA, "",
                                 WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP | CCS_BOTTOM, 0, 0, 0, 0,
                                 m_hWnd, reinterpret_cast<HMENU>(IDC_WM_STATUS), m_hInstance, nullptr);
  // One part: the text goes to the simple part (255).
  if (m_hStatusBar) SendMessageA(m_hStatusBar, SB_SIMPLE, TRUE, 0);
  m_hMenu = LoadMenuA(m_hInstance, MAKEINTRESOURCEA(IDR_WM_MENU));
  if (m_hMenu) SetMenu(m_hWnd, m_hMenu);
  CreateToolBar(IDC_WM_TOOLBAR);
  cToolButton aStd[5];
  aStd[0].Set(STD_FILESAVE, ID_WM_SAVE, TBSTATE_ENABLED, BTNS_BUTTON, "上書き保存");
  aStd[1].Set(0, 0, TBSTATE_ENABLED, BTNS_SEP, "");
  aStd[2].Set(STD_UNDO, ID_WM_UNDO, TBSTATE_ENABLED, BTNS_BUTTON, "元に戻す");
  aStd[3].Set(STD_REDOW, ID_WM_REDO, TBSTATE_ENABLED, BTNS_BUTTON, "やり直し");
  aStd[4].Set(0, 0, TBSTATE_ENABLED, BTNS_SEP, "");
  AddToolButtons(aStd, 5);
  cToolButton aMode[2];
  aMode[0].Set(0, ID_WM_TB_CHIPS, TBSTATE_ENABLED, BTNS_CHECKGROUP, "マップチップパレット");
  aMode[1].Set(1, ID_WM_TB_EVENTS, TBSTATE_ENABLED, BTNS_CHECKGROUP, "イベントパレット");
  AddToolBitmap(aMode, 2, TOOLBAR_WORLD_PALETTE_BMP);
}

void cWorldMapWnd::PlaceView() {
  if (!m_ViewCtrl.m_hWnd) return;
  SetWindowPos(m_ViewCtrl.m_hWnd, nullptr, m_nViewX, m_nViewY, m_nViewW, m_nViewH,
               SWP_NOZORDER | SWP_NOACTIVATE);
  m_ViewCtrl.UpdatePos();
}

void cWorldMapWnd::UpdateScrollRanges() {
  if (m_HScroll.m_hWnd) {
    m_HScroll.SetRange(0, WorldMap.m_nWidth - 1);
    m_HScroll.SetPage(m_nViewW / CELL);
  }
  if (m_VScroll.m_hWnd) {
    m_VScroll.SetRange(0, WorldMap.m_nHeight - 1);
    m_VScroll.SetPage(m_nViewH / CELL);
  }
  ReadScroll();
}

void cWorldMapWnd::ReadScroll() {
  if (m_HScroll.m_hWnd) m_nScrollX = m_HScroll.GetPos();
  if (m_VScroll.m_hWnd) m_nScrollY = m_VScroll.GetPos();
}

void cWorldMapWnd::UpdateUndoState() {
  bool bUndo = WorldMapEditState.CanUndo(), bRedo = WorldMapEditState.CanRedo();
  SetButtonState(m_hToolBar, ID_WM_UNDO, bUndo ? TBSTATE_ENABLED : STATE_OFF);
  SetButtonState(m_hToolBar, ID_WM_REDO, bRedo ? TBSTATE_ENABLED : STATE_OFF);
  EnableItem(m_hMenu, ID_WM_UNDO, bUndo);
  EnableItem(m_hMenu, ID_WM_REDO, bRedo);
}

void cWorldMapWnd::UpdateModeState() {
  bool bEvent = WorldMapEditState.m_nPaletteMode == cWorldMapEditState::MODE_EVENT;
  CheckItem(m_hMenu, ID_WM_MODE_CHIP, !bEvent);
  CheckItem(m_hMenu, ID_WM_MODE_EVENT, bEvent);
  SetButtonState(m_hToolBar, ID_WM_TB_CHIPS, TBSTATE_ENABLED | (bEvent ? 0 : TBSTATE_CHECKED));
  SetButtonState(m_hToolBar, ID_WM_TB_EVENTS, TBSTATE_ENABLED | (bEvent ? TBSTATE_CHECKED : 0));
}

void cWorldMapWnd::OnModeChanged(int32_t nMode) {
  cWorldMapWnd* p = Current();
  if (!p || !p->m_hWnd) return;
  p->UpdateModeState();
  if (nMode == cWorldMapEditState::MODE_EVENT)
    p->OpenEventPalette();
  else
    p->OpenChipPalette();
  SetFocus(p->m_hWnd);
}

// Tool windows.

void cWorldMapWnd::ShowToolWindows() {
  if (m_hWnd) ShowWindow(m_hWnd, SW_SHOW);
  ShowIfOpen(m_lpChipPalette, 1);
  ShowIfOpen(m_lpEventPalette, 1);
}

void cWorldMapWnd::HideToolWindows() {
  if (m_hWnd) ShowWindow(m_hWnd, SW_HIDE);
  ShowIfOpen(m_lpChipPalette, 0);
  ShowIfOpen(m_lpEventPalette, 0);
}

void cWorldMapWnd::EnableToolWindows(int32_t bEnable) {
  if (m_hWnd) Enable(bEnable);
  EnableIfOpen(m_lpChipPalette, bEnable);
  EnableIfOpen(m_lpEventPalette, bEnable);
}

void cWorldMapWnd::RedrawPalette() {
  if (WorldMapEditState.m_nPaletteMode == cWorldMapEditState::MODE_CHIP) {
    if (m_lpChipPalette) m_lpChipPalette->Draw();
  } else if (m_lpEventPalette) {
    m_lpEventPalette->RedrawList();
  }
}

namespace {

// Replaces whichever palette window is open by a new one of class P, shown beside the window
// without touching the other windows.
template <class P, class Q>
void OpenPalette(cWorldMapWnd* lpWnd, P*& lpWanted, Q*& lpOther, uint16_t wTemplateId) {
  if (lpWanted) return;
  SafeDelete(lpOther);
  lpWanted = new (std::nothrow) P(wTemplateId, lpWnd, cWindow::KIND_DIALOG, &WindowList);
  if (!lpWanted) {
    OutOfMemory();
    return;
  }
  lpWanted->DoModeless(0, 1);
}

}  // namespace

void cWorldMapWnd::OpenChipPalette() { OpenPalette(this, m_lpChipPalette, m_lpEventPalette, IDD_WM_CHIP_PALETTE); }

void cWorldMapWnd::OpenEventPalette() {
  OpenPalette(this, m_lpEventPalette, m_lpChipPalette, IDD_WM_EVENT_PALETTE);
}

void cWorldMapWnd::PushUndo() {
  cWorldMapEditState& st = WorldMapEditState;
  st.PushSnapshot(st.m_UndoGrids, st.m_UndoEvents, WorldMap.m_vGrid, WorldMap.m_vEvents);
  st.m_RedoGrids.clear();
  st.m_RedoEvents.clear();
  UpdateUndoState();
}

// Commands.

int32_t cWorldMapWnd::SaveMap() { return CheckSaved(WorldMap.Save(WORLD_MAP_FILE), WORLD_MAP_FILE) ? 1 : 0; }

bool cWorldMapWnd::ConfirmSave() {
  if (!StageEditState.m_bWorldMapChanged) return true;
  int nAnswer = ShowMsgBox(m_hWnd, "ワールドマップが変更された可能性があります。\n保存しますか？",
                           "保存確認", MB_YESNOCANCEL);
  switch (nAnswer) {
    case IDYES:
      // A map that could not be written keeps the window open with its edits.
      if (!SaveMap()) return false;
      StageEditState.m_bWorldMapChanged = 0;
      return true;
    case IDNO:
      // The map is edited in place: the discarded changes must not outlive the window.
      WorldMap.Load(WORLD_MAP_FILE);
      return true;
    default:
      return false;
  }
}

void cWorldMapWnd::Undo() {
  WorldMapEditState.Undo(WorldMap.m_vGrid, WorldMap.m_vEvents);
  UpdateUndoState();
  SetChanged();
}

void cWorldMapWnd::Redo() {
  WorldMapEditState.Redo(WorldMap.m_vGrid, WorldMap.m_vEvents);
  UpdateUndoState();
  SetChanged();
}

void cWorldMapWnd::ClearChips() {
  if (ShowMsgBox(m_hWnd, "全てのマップチップをクリアしますか？", "データクリアの確認", MB_YESNO) != IDYES)
    return;
  PushUndo();
  WorldMap.ClearChips();
  SetChanged();
}

void cWorldMapWnd::ClearEvents() {
  if (ShowMsgBox(m_hWnd, "全てのイベントをクリアしますか？", "データクリアの確認", MB_YESNO) != IDYES)
    return;
  PushUndo();
  WorldMap.m_vEvents.clear();
  SetChanged();
}

void cWorldMapWnd::RunSettings() {
  HideToolWindows();
  EnableToolWindows(0);
  SafeDelete(m_lpSettingDlg);
  m_lpSettingDlg = new (std::nothrow) cWmSettingDlg(IDD_WM_SETTINGS, this, cWindow::KIND_DIALOG, &WindowList);
  if (!m_lpSettingDlg) {
    OutOfMemory();
  } else if (m_lpSettingDlg->DoModal(0)) {
    WorldMap.Validate();
    if (m_hWnd) SendMessageA(m_hWnd, WM_SIZE, 0, 0);
    RedrawPalette();
    WorldMapEditState.ClearUndo();
    UpdateUndoState();
    SetChanged();
  }
  SafeDelete(m_lpSettingDlg);
  ShowToolWindows();
  EnableToolWindows(1);
}

void cWorldMapWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  CheckCommand(wParam);
  cDialog::OnCommand(wParam, lParam);
  switch (LOWORD(wParam)) {
    case ID_WM_SAVE:
    case ID_WM_ACC_SAVE:
      if (SaveMap()) StageEditState.m_bWorldMapChanged = 0;
      break;
    case ID_WM_UNDO:
    case ID_WM_ACC_UNDO:
      Undo();
      break;
    case ID_WM_REDO:
    case ID_WM_ACC_REDO:
      Redo();
      break;
    case ID_WM_EXIT:
      SendMessageA(m_hWnd, WM_CLOSE, 0, 0);
      break;
    case ID_WM_SETTINGS:
      RunSettings();
      break;
    case ID_WM_CLEAR_CHIPS:
      ClearChips();
      break;
    case ID_WM_CLEAR_EVENTS:
      ClearEvents();
      break;
    case ID_WM_MODE_CHIP:
    case ID_WM_TB_CHIPS:
      WorldMapEditState.SetPaletteMode(cWorldMapEditState::MODE_CHIP);
      break;
    case ID_WM_MODE_EVENT:
    case ID_WM_TB_EVENTS:
      WorldMapEditState.SetPaletteMode(cWorldMapEditState::MODE_EVENT);
      break;
    case ID_WM_CTX_EDIT:
    case ID_WM_CTX_CUT:
    case ID_WM_CTX_COPY:
    case ID_WM_CTX_PASTE:
    case ID_WM_CTX_NEW:
    case ID_WM_CTX_DELETE:
      OnContextCommand(LOWORD(wParam));
      break;
    default:
      break;
  }
}

LRESULT cWorldMapWnd::MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  LRESULT nBase = DefProc(hWnd, uMsg, wParam, lParam);
  switch (uMsg) {
    case WM_SIZE:
      PlaceView();
      UpdateScrollRanges();
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
      ReadScroll();
      break;
    case WM_CLOSE:
      if (ConfirmSave()) Close(0);
      return 1;
    case WM_KEYDOWN:
      if (wParam != VK_SPACE) {
        if (!nBase) return 0;
        break;
      }
      WorldMapEditState.TogglePaletteMode();
      if (m_hWnd) SetFocus(m_hWnd);
      break;
    case WM_SYSCOMMAND:
      // The editor cannot be minimised; everything else is the system's, without a redraw.
      if ((wParam & 0xFFF0) == SC_MINIMIZE) return 1;
      return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      OnMouse(uMsg, wParam, lParam);
      break;
    case WM_DESTROY: {
      StoreOuterPlacement(hWnd, PLACE_WORLD_MAP);
      WorldMapEditState.ClearUndo();
      cWorldMapEditState::SetModeChangedFn(nullptr);
      cStageWnd* lpStage = cStageWnd::Current();
      if (lpStage && lpStage->m_hWnd) lpStage->OnWorldMapClosed();
      return 1;
    }
    default:
      if (!nBase) return 0;
      break;
  }
  if (hWnd == m_hWnd) Draw();
  return 1;
}

void OpenWorldMapWnd(cWindow* lpStageWnd, cDialog** ppSlot) {
  WorldMapEditState.Reset();
  SafeDelete(*ppSlot);
  cWorldMapWnd* lpWnd =
      new (std::nothrow) cWorldMapWnd(IDD_WORLD_MAP, lpStageWnd, cWindow::KIND_DIALOG, &WindowList);
  if (!lpWnd) {
    OutOfMemory();
    return;
  }
  *ppSlot = lpWnd;
  lpWnd->DoModeless(cDialog::RUN_HIDE_OTHERS | cDialog::RUN_DISABLE_OTHERS, 1);
  if (lpWnd->m_hWnd) SetFocus(lpWnd->m_hWnd);
  FrameWnd.m_nActiveEditor = cFrameWnd::EDITOR_WORLDMAP;
}
