#include "controls/GraphicPickDlg.h"

#include <new>

#include "app/MsgBox.h"
#include "app/WindowList.h"
#include "controls/CtrlBind.h"
#include "model/Globals.h"
#include "resources/PaletteEntryIds.h"

namespace {

// The request handed from RunGraphicPickDlg to the dialog it constructs.
uint16_t* s_lpRequestResult = nullptr;
int32_t s_nRequestSheet = 0;

const COLORREF FRAME_COLOUR = 0xFFFFFF;
const int32_t PICK_KIND_SHOT = 3;
const int32_t PICK_KIND_CHARA_BMP = 4;

}  // namespace

cGraphicPickDlg::cGraphicPickDlg(uint16_t wTemplateId, cDialog* lpOwner, int32_t nKind,
                                 cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cDialogClass<cGraphicPickDlg>(wTemplateId, lpOwner, nKind, lpWindowList, lpAnchor, bCentre) {
  m_lpResult = s_lpRequestResult;
  // Sheets past the last one show the blocks.
  m_nSheet = s_nRequestSheet >= 0 && s_nRequestSheet < SHEETS ? s_nRequestSheet : 0;
  // Without a control to centre on, the picker stands over its owner.
  if (!lpAnchor) m_lpAnchorWnd = lpOwner;
  SetLayout(VIEW_W, VIEW_H, VIEW_W, VIEW_H, VIEW_W, VIEW_H, 0, 0, 0, 0, 0, 0);
}

cGraphicPickDlg::~cGraphicPickDlg() { Dispose(); }

void cGraphicPickDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  SetClientSize(VIEW_W, VIEW_H);
  Place();
  m_ViewParam.Set(IDC_PICK_VIEW, VIEW_W, VIEW_H);
  AddBitmapCtrl(&m_ViewCtrl, m_ViewParam);
  if (m_ViewCtrl.m_hWnd) {
    SetWindowPos(m_ViewCtrl.m_hWnd, nullptr, 0, 0, VIEW_W, VIEW_H, SWP_NOZORDER | SWP_NOACTIVATE);
    m_ViewCtrl.UpdatePos();
  }
  m_bInit = 1;
}

void cGraphicPickDlg::Draw() {
  if (!m_bInit || !m_ViewCtrl.m_hWnd) return;
  cSurface& back = m_ViewCtrl.m_Surface;
  cSurface& front = m_ViewCtrl.m_Window;
  if (!back.m_hDC) return;
  back.Fill(0);
  const cSurface& sheet = ChipBitmaps[CHIP_PICK_BLOCK + m_nSheet];
  if (sheet.m_hDC) back.Blt(0, 0, sheet.m_nWidth, sheet.m_nHeight, sheet, 0, 0, 1);
  m_nCell = (m_Mouse.x / CELL) * ROWS + m_Mouse.y / CELL;
  back.SetPen(PS_SOLID, 2, FRAME_COLOUR);
  back.FrameRect((m_nCell / ROWS) * CELL, (m_nCell % ROWS) * CELL, CELL, CELL);
  back.ReleasePen();
  GdiFlush();
  if (front.m_hDC) BitBlt(front.m_hDC, 0, 0, VIEW_W, VIEW_H, back.m_hDC, 0, 0, SRCCOPY);
}

void cGraphicPickDlg::OnLButtonDown(WPARAM, LPARAM) {
  // A press beside the sheet (on the dialog's border dots) names no cell.
  if (m_Mouse.x < 0 || m_Mouse.y < 0 || m_Mouse.x >= VIEW_W || m_Mouse.y >= VIEW_H) return;
  if (m_lpResult) *m_lpResult = static_cast<uint16_t>(m_nCell);
  Close(1);
}

LRESULT cGraphicPickDlg::MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  // The frame follows the cursor: the cell is found before the message is handled.
  if (m_bInit) {
    UpdateMouse(0, 7);
    Draw();
  }
  LRESULT nDefault = DefProc(hWnd, uMsg, wParam, lParam);
  // Escape (the dialog manager's IDCANCEL) closes the picker as its close box does.
  if (uMsg == WM_CLOSE || (uMsg == WM_COMMAND && LOWORD(wParam) == IDCANCEL)) {
    Close(0);
    return 1;
  }
  return nDefault;
}

int32_t RunGraphicPickDlg(uint16_t* lpResult, int32_t nSheet, cDialog* lpOwner, cControl* lpAnchor) {
  s_lpRequestResult = lpResult;
  s_nRequestSheet = nSheet;
  cGraphicPickDlg* lpDlg = new (std::nothrow) cGraphicPickDlg(IDD_GRAPHIC_PICK, lpOwner, cWindow::KIND_DIALOG,
                                                              &WindowList, lpAnchor, 1);
  if (!lpDlg) {
    OutOfMemory();
    return 0;
  }
  int32_t nResult = static_cast<int32_t>(lpDlg->DoModal(0));
  SafeDelete(lpDlg);
  return nResult;
}

int32_t PickGraphic(uint16_t* lpResult, int32_t nKind, cDialog* lpOwner, cControl* lpAnchor) {
  if (nKind == PICK_KIND_CHARA_BMP) return 0;
  // Kinds past the character-specific bitmap have no sheet of their own: they pick a block.
  const int32_t nSheet = nKind >= 0 && nKind <= PICK_KIND_SHOT ? nKind : 0;
  return RunGraphicPickDlg(lpResult, nSheet, lpOwner, lpAnchor);
}
