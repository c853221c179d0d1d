#include "project/WmPalettes.h"

#include <commctrl.h>

#include <string>

#include "controls/InputDlg.h"
#include "app/TextFormat.h"
#include "app/WindowList.h"
#include "model/Globals.h"
#include "model/ProjectLoad.h"
#include "model/SaveMarks.h"
#include "model/StageEditState.h"
#include "model/WorldMapEditState.h"
#include "project/WmEventDlg.h"
#include "project/WorldMapWnd.h"
#include "resources/ListIds.h"
#include "resources/WorldMapDialogIds.h"
#include "stage/StageWnd.h"

namespace {

constexpr COLORREF SELECTED_COLOUR = RGB(127, 0, 255);

void TemplateRowText(std::string& strText, int, const cEdWmEvent& e) { FormatStr(strText, "%s", e.m_strName.c_str()); }

bool IsClick(WPARAM wParam, uint16_t wId) { return LOWORD(wParam) == wId && HIWORD(wParam) == BN_CLICKED; }

// Beside a window: at its right edge (its x plus its width), a little below its top.
POINT BesideWindow(HWND hWnd, int32_t nOffsetY) {
  POINT pt = {cWindow::NO_POS, cWindow::NO_POS};
  RECT rc;
  if (!hWnd || !GetWindowRect(hWnd, &rc)) return pt;
  pt.x = rc.left + (rc.right - rc.left);
  pt.y = rc.top + nOffsetY;
  return pt;
}

}  // namespace

void ApplyStoredOuterSize(HWND hWnd, const cWndPlacement& place) {
  if (!hWnd || !place.m_bValid || place.m_nWidth <= 0 || place.m_nHeight <= 0) return;
  SetWindowPos(hWnd, nullptr, 0, 0, place.m_nWidth, place.m_nHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void StoreOuterPlacement(HWND hWnd, eWndPlace nPlace) {
  RECT rc = {0, 0, 0, 0};
  if (!hWnd || !GetWindowRect(hWnd, &rc)) return;
  EditConfig.m_aPlace[nPlace].Set(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
  SaveKept(KEPT_EDIT_CONFIG);
}

// ---------------------------------------------------------------------------------------------
// Chip palette

cChipPaletteWnd::cChipPaletteWnd(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cWindowList* lpWindowList)
    : cDialogClass<cChipPaletteWnd>(wTemplateId, lpOwner, nKind, lpWindowList) {
  const cWndPlacement& place = EditConfig.m_aPlace[PLACE_MAP_CHIPS];
  if (place.m_bValid) {
    m_ptStored.x = place.m_nX;
    m_ptStored.y = place.m_nY;
  } else if (lpOwner) {
    m_ptStored = BesideWindow(lpOwner->m_hWnd, OFFSET_Y);
  }
  SetLayout(VIEW_W, VIEW_H, VIEW_W, MIN_H, VIEW_W, VIEW_H, 0, 0, 0, 1, 0, SCROLL_V);
}

void cChipPaletteWnd::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  m_ViewParam.Set(VIEW_CTRL_ID, VIEW_W, VIEW_H);
  AddBitmapCtrl(&m_ViewCtrl, m_ViewParam);
  m_hStatusBar = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | CCS_BOTTOM, 0, 0, 0, 0, m_hWnd,
                                 reinterpret_cast<HMENU>(1), m_hInstance, nullptr);
  if (m_hStatusBar) SendMessageA(m_hStatusBar, SB_SIMPLE, TRUE, 0);
  SetClientSize(m_rcRequest.right, m_rcRequest.bottom);
  ApplyStoredOuterSize(m_hWnd, EditConfig.m_aPlace[PLACE_MAP_CHIPS]);
  PlaceView();
  UpdateScroll();
  DataToCtrls();
  m_bInit = 1;
}

void cChipPaletteWnd::PlaceView() {
  if (!m_ViewCtrl.m_hWnd) return;
  SetWindowPos(m_ViewCtrl.m_hWnd, nullptr, m_nViewX, m_nViewY, m_nViewW, m_nViewH, SWP_NOZORDER | SWP_NOACTIVATE);
  m_ViewCtrl.UpdatePos();
}

void cChipPaletteWnd::UpdateScroll() {
  if (!m_VScroll.m_hWnd) return;
  // The bar reaches every row of chips, so a chip list longer than ten can be picked from too.
  int32_t nRows = (static_cast<int32_t>(WorldMap.m_vChips.size()) + COLS - 1) / COLS;
  m_VScroll.SetRange(0, nRows > 0 ? nRows - 1 : 0);
  m_VScroll.SetPage(m_nViewH / CELL);
  m_nScrollRow = m_VScroll.GetPos();
}

void cChipPaletteWnd::SelectAt(int32_t x, int32_t y) {
  if (x < 0 || y < 0) return;
  cWorldMapEditState& st = WorldMapEditState;
  // Not checked against the chip count: a number past the last chip paints nothing.
  int32_t n = x / CELL + (y / CELL + m_nScrollRow) * COLS;
  st.m_nSelected = n;
  st.m_Brush[0][0] = n;
  st.m_nBrushW = 1;
  st.m_nBrushH = 1;
}

void cChipPaletteWnd::OnLButtonDown(WPARAM, LPARAM lParam) {
  SelectAt(static_cast<short>(LOWORD(lParam)) - m_nViewX, static_cast<short>(HIWORD(lParam)) - m_nViewY);
}

void cChipPaletteWnd::Draw() {
  if (!m_bInit || !m_ViewCtrl.m_hWnd) return;
  cSurface& back = m_ViewCtrl.m_Surface;
  if (!back.m_hDC) return;
  back.Fill(RGB(0, 0, 0));
  const RGBQUAD& c = g_Palette[BACK_COLOUR];
  back.FillRgb(c.rgbBlue, c.rgbGreen, c.rgbRed);
  const cSurface& sheet = ChipBitmaps[CHIP_WORLD_CHIP];
  const int32_t nChips = static_cast<int32_t>(WorldMap.m_vChips.size());
  for (int32_t i = 0; i < ROWS && sheet.m_hDC; ++i) {
    for (int32_t j = 0; j < COLS; ++j) {
      int32_t n = (m_nScrollRow + i) * COLS + j;
      if (n >= nChips) break;
      int32_t g = WorldMap.m_vChips[n].m_nGraphic;
      back.Blt(j * CELL, i * CELL, CELL, CELL, sheet, (g % COLS) * CELL, (g / COLS) * CELL, 1);
    }
  }
  const int32_t nSel = WorldMapEditState.m_nSelected;
  if (nSel != -1) {
    back.SetPen(PS_SOLID, 2, SELECTED_COLOUR);
    back.FrameRect((nSel % COLS) * CELL, (nSel / COLS - m_nScrollRow) * CELL, CELL, CELL);
    back.ReleasePen();
  }
  GdiFlush();
  cSurface& front = m_ViewCtrl.m_Window;
  if (front.m_hDC) BitBlt(front.m_hDC, 0, 0, back.m_nWidth, back.m_nHeight, back.m_hDC, 0, 0, SRCCOPY);
  UpdateStatusText();
}

void cChipPaletteWnd::UpdateStatusText() {
  if (!m_hStatusBar) return;
  const int32_t nSel = WorldMapEditState.m_nSelected;
  std::string str;
  if (nSel >= 0 && nSel < static_cast<int32_t>(WorldMap.m_vChips.size()))
    FormatStr(str, "%d : %s", nSel, WorldMap.m_vChips[nSel].m_strName.c_str());
  SendMessageA(m_hStatusBar, SB_SETTEXTA, 255, reinterpret_cast<LPARAM>(str.c_str()));
}

LRESULT cChipPaletteWnd::MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  LRESULT nBase = DefProc(hWnd, uMsg, wParam, lParam);
  switch (uMsg) {
    case WM_INITDIALOG:
      return TRUE;
    case WM_SIZE:
      PlaceView();
      UpdateScroll();
      break;
    case WM_VSCROLL:
      if (m_VScroll.m_hWnd) m_nScrollRow = m_VScroll.GetPos();
      break;
    case WM_LBUTTONDOWN:
      break;  // the pick shows at once
    case WM_CLOSE:
      // The palette goes with the world map window or with a change of mode only.
      return 1;
    case WM_DESTROY:
      StoreOuterPlacement(hWnd, PLACE_MAP_CHIPS);
      return 1;
    default:
      if (!nBase) return 0;
      break;
  }
  if (hWnd == m_hWnd) Draw();
  return 1;
}

// ---------------------------------------------------------------------------------------------
// Event palette

cEventPaletteWnd::cEventPaletteWnd(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cWindowList* lpWindowList)
    : cDialogClass<cEventPaletteWnd>(wTemplateId, lpOwner, nKind, lpWindowList) {
  // The template gives the size; the layout only bounds it.
  m_rcMinClient.right = MIN_W;
  m_rcMinClient.bottom = MIN_H;
  m_rcMaxClient.right = MAX_W;
  m_rcMaxClient.bottom = MAX_H;
  const cWndPlacement& place = EditConfig.m_aPlace[PLACE_MAP_EVENTS];
  if (place.m_bValid) {
    m_ptStored.x = place.m_nX;
    m_ptStored.y = place.m_nY;
  } else if (cStageWnd* lpStage = cStageWnd::Current()) {
    m_ptStored = BesideWindow(lpStage->m_hWnd, OFFSET_Y);
  }
  // The templates are edited in place: no working copy.
  m_List.m_Param.Set(IDC_WEP_LIST, nullptr, &WorldMap.m_vTemplates, nullptr, 1, &TemplateRowText, 1, 1,
                     TEMPLATES_MAX, 0, 1, 0);
  m_Ctrls.Button(IDC_WEP_INSERT);
  m_Ctrls.Button(IDC_WEP_EDIT);
  m_Ctrls.Button(IDC_WEP_DELETE);
  m_Ctrls.Button(IDC_WEP_COUNT);
  m_Ctrls.Check(IDC_WEP_EDIT_PLACED, &EditConfig.m_bWmEditPlaced);
  m_Ctrls.Check(IDC_WEP_EDIT_BEFORE, &EditConfig.m_bWmEditBeforePlace);
  m_Ctrls.Check(IDC_WEP_AUTO_NO, &EditConfig.m_bWmAutoWorldNo);
}

void cEventPaletteWnd::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  HideSysPageView(this);
  AttachList(m_List);
  m_Ctrls.AttachAll(this);
  cListCtrl<cEdWmEvent>& list = m_List.m_Ctrl;
  list.SetAccelEx(IDR_ACCEL_SUB1, ID_ACC_CUT_1, ID_ACC_COPY_1, ID_ACC_PASTE_1, 0, 0, 0, ID_ACC_DELETE_1);
  list.SetPopupEx(IDR_POPUP_SUB1, ID_POP_CUT_1, ID_POP_COPY_1, ID_POP_PASTE_1, 0, 0, 0, ID_POP_DELETE_1);
  list.SelectOnly(WorldMapEditState.m_nListCursor, 1);
  DataToCtrls();
  SyncSelection();
  m_bInit = 1;
}

void cEventPaletteWnd::SyncSelection() {
  cWorldMapEditState& st = WorldMapEditState;
  cListCtrl<cEdWmEvent>& list = m_List.m_Ctrl;
  st.m_nListCursor = list.GetCurSel();
  int32_t nIndex = list.GetCurDataIndex();
  if (nIndex >= 0 && nIndex < static_cast<int32_t>(WorldMap.m_vTemplates.size())) {
    st.m_nSelected = nIndex;
    st.m_SelTemplate = WorldMap.m_vTemplates[nIndex];
    st.m_nBrushW = st.m_nBrushH = 1;
  } else {
    st.m_nSelected = -1;
    st.m_nBrushW = st.m_nBrushH = 0;
  }
  StageEditState.m_bWorldMapChanged = 1;
}

void cEventPaletteWnd::SetClipboard(const cEdWmEvent& event) { m_List.m_Ctrl.m_vClip.assign(1, event); }

void cEventPaletteWnd::RedrawList() {
  m_List.m_Ctrl.Redraw();
  m_List.m_Ctrl.RestoreSel();
}

INT_PTR cEventPaletteWnd::EditCurrent(int32_t bNew) {
  cListCtrl<cEdWmEvent>& list = m_List.m_Ctrl;
  int32_t nIndex = list.GetCurDataIndex();
  if (nIndex < 0 || nIndex >= static_cast<int32_t>(WorldMap.m_vTemplates.size())) return 0;
  cWmEventEditInfo info;
  info.lpEvent = &WorldMap.m_vTemplates[nIndex];
  info.bNew = bNew;
  // The world map window holds the running dialog, as it does for the dialogs it opens itself.
  cWmEventDlg* lpSpare = nullptr;
  cWorldMapWnd* lpWnd = cWorldMapWnd::Current();
  cWmEventDlg*& lpHolder = lpWnd ? lpWnd->m_lpEventDlg : lpSpare;
  return list.Edit(lpHolder, IDD_WM_EVENT, &info, m_lpWindowList, 2, 0, static_cast<cWindow*>(nullptr));
}

void cEventPaletteWnd::InsertTemplate() {
  cListCtrl<cEdWmEvent>& list = m_List.m_Ctrl;
  if (!list.Insert()) return;
  // A cancelled dialog takes the new template, and no other, out again.
  if (!EditCurrent(1)) list.Delete(list.m_nCurSel, 1);
}

void cEventPaletteWnd::AskCount() {
  int32_t n = static_cast<int32_t>(WorldMap.m_vTemplates.size());
  if (!InputValue(this, m_lpWindowList, &n, 1, TEMPLATES_MAX, "データ数", m_Ctrls.Find(IDC_WEP_COUNT), 0)) return;
  m_List.m_Ctrl.SetCount(n);
}

void cEventPaletteWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!CheckCommand(wParam)) return;
  cDialog::OnCommand(wParam, lParam);
  cListCtrl<cEdWmEvent>& list = m_List.m_Ctrl;
  const WORD wId = LOWORD(wParam), wCode = HIWORD(wParam);
  if (wId == IDC_WEP_LIST && wCode == LBN_SELCHANGE) {
    list.OnSelChange();
    SyncSelection();
  }
  if ((wId == IDC_WEP_LIST && wCode == LBN_DBLCLK) || IsClick(wParam, IDC_WEP_EDIT)) {
    EditCurrent(0);
    SyncSelection();
  }
  if (IsClick(wParam, IDC_WEP_INSERT) || wId == ID_POP_INSERT_1 || wId == ID_ACC_INSERT_1) {
    InsertTemplate();
    SyncSelection();
  }
  if (IsClick(wParam, IDC_WEP_DELETE)) {
    list.Delete(-1, 0);
    SyncSelection();
  }
  if (IsClick(wParam, IDC_WEP_COUNT)) {
    AskCount();
    SyncSelection();
  }
  if (wId == IDC_WEP_EDIT_PLACED || wId == IDC_WEP_EDIT_BEFORE || wId == IDC_WEP_AUTO_NO) {
    // The options are stored at once: the pen reads them on the next click.
    if (cControl* c = m_Ctrls.Find(wId)) c->CtrlToData();
  }
  if (list.OnAccelKey(wParam) || list.OnPopupCommand(wParam)) SyncSelection();
  const bool bCutOrCopy =
      wId == ID_ACC_CUT_1 || wId == ID_POP_CUT_1 || wId == ID_ACC_COPY_1 || wId == ID_POP_COPY_1;
  if (bCutOrCopy && list.GetCurDataIndex() != -1 && !list.m_vClip.empty()) {
    // The view's paste places what the list copied last.
    WorldMapEditState.m_bClipValid = 1;
    WorldMapEditState.m_Clip = list.m_vClip[0];
  }
  RedrawList();
}

LRESULT cEventPaletteWnd::MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  LRESULT r = DefProc(hWnd, uMsg, wParam, lParam);
  switch (uMsg) {
    case WM_INITDIALOG:
      return TRUE;
    case WM_CLOSE:
      return 1;
    case WM_DESTROY:
      m_bInit = 0;
      StoreOuterPlacement(hWnd, PLACE_MAP_EVENTS);
      return 1;
    case WM_CONTEXTMENU: {
      if (!m_bInit || reinterpret_cast<HWND>(wParam) != m_List.m_Ctrl.m_hWnd) break;
      POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      if (m_List.m_Ctrl.SelectAtPoint(pt)) {
        SyncSelection();
        PopupMenu(m_List.m_Ctrl.m_hPopupMenu);
      }
      return 1;
    }
    default:
      break;
  }
  return r ? 1 : 0;
}
