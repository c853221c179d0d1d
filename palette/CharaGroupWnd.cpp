#include "palette/CharaGroupWnd.h"

#include <string>

#include "app/WindowList.h"
#include "model/EditConfig.h"
#include "model/SaveMarks.h"
#include "model/Stage.h"
#include "resources/ListIds.h"
#include "resources/PaletteEntryIds.h"
#include "resources/StageIds.h"

namespace {

// Stage window commands the group window passes on as they are.
const uint16_t FORWARDED[] = {ID_STAGE_NEW,  ID_STAGE_OPEN, ID_STAGE_SAVE,   ID_STAGE_TESTPLAY,
                              ID_STAGE_REDO, ID_STAGE_UNDO, ID_GAME_TESTPLAY};

// Where the window opens when no position is stored: beside the stage window's left edge, just
// above its top, so the stage window's title (the stage's name) stays in sight.
const int32_t OFFSET_X = 8;

// The first place of the window of this size beside the stage window: above it, else below it,
// else inside its lower edge; never over its caption.
POINT PlaceBesideStage(const RECT& rcStage, int32_t nHeight) {
  RECT rcWork = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
  POINT pt = {rcStage.left + OFFSET_X, rcStage.top - nHeight};
  if (pt.y >= rcWork.top) return pt;
  pt.y = rcStage.bottom;
  if (pt.y + nHeight <= rcWork.bottom) return pt;
  pt.y = rcStage.bottom - nHeight;
  return pt;
}

}  // namespace

uint16_t cCharaGroupWnd::ButtonId(int32_t nGroup) {
  if (nGroup == 0) return IDC_GROUP_0;
  if (nGroup <= 40) return static_cast<uint16_t>(IDC_GROUP_1 + nGroup - 1);
  return static_cast<uint16_t>(IDC_GROUP_41 + nGroup - 41);
}

cCharaGroupWnd::cCharaGroupWnd(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cWindowList* lpWindowList)
    : cDialogClass<cCharaGroupWnd>(wTemplateId, lpOwner, nKind, lpWindowList) {
  // The template gives the size; the layout only bounds it.
  m_rcMaxClient.right = MAX_W;
  m_rcMaxClient.bottom = MAX_H;
  const cWndPlacement& place = EditConfig.m_aPlace[PLACE_CHARA_GROUP];
  RECT rc;
  if (place.m_bValid) {
    m_ptStored.x = place.m_nX;
    m_ptStored.y = place.m_nY;
  } else if (lpOwner && lpOwner->m_hWnd && GetWindowRect(lpOwner->m_hWnd, &rc)) {
    // The height is known once the window is made (OnInitDialog); the top is refined there.
    m_ptStored.x = rc.left + OFFSET_X;
    m_ptStored.y = rc.top;
    m_bBesideStage = 1;
  }
  m_vCheck.resize(GROUP_COUNT);
  for (int32_t k = 0; k < GROUP_COUNT; ++k) m_vCheck[k].m_Param.Set(ButtonId(k), &m_anValue[k]);
}

cCharaGroupWnd::~cCharaGroupWnd() { Dispose(); }

void cCharaGroupWnd::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  RECT rcStage, rcOwn;
  if (m_bBesideStage && m_hParent && GetWindowRect(m_hParent, &rcStage) && GetWindowRect(m_hWnd, &rcOwn)) {
    const POINT pt = PlaceBesideStage(rcStage, rcOwn.bottom - rcOwn.top);
    SetPosition(pt.x, pt.y);
  }
  AttachCtrls(m_vCheck);
  AddAccel(m_hWnd, IDR_ACCEL_REC1);
  for (int32_t k = 0; k < GROUP_COUNT; ++k) SetDlgItemTextA(m_hWnd, ButtonId(k), std::to_string(k).c_str());
  DataToCtrls();
  m_bInit = 1;
}

void cCharaGroupWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!CheckCommand(wParam)) return;
  cDialog::OnCommand(wParam, lParam);
  const uint16_t wId = LOWORD(wParam);
  if (!m_hParent) return;
  for (uint16_t w : FORWARDED)
    if (wId == w) SendMessageA(m_hParent, WM_COMMAND, wId, 0);
}

LRESULT cCharaGroupWnd::MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  LRESULT nDefault = DefProc(hWnd, uMsg, wParam, lParam);
  switch (uMsg) {
    case WM_DESTROY: {
      // The base has let go of the handle by now; the message's own still names the window.
      RECT rc = {0, 0, 0, 0};
      GetWindowRect(hWnd, &rc);
      EditConfig.m_aPlace[PLACE_CHARA_GROUP].Set(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
      SaveKept(KEPT_EDIT_CONFIG);
      return 1;
    }
    case WM_CLOSE:
      // Shown and hidden by the stage window only.
      return 1;
    case WM_KEYDOWN:
      if (wParam != VK_SPACE) return nDefault;
      if (m_hParent) SendMessageA(m_hParent, WM_KEYDOWN, VK_SPACE, 0);
      return 1;
    default:
      return nDefault;
  }
}

void cCharaGroupWnd::Draw() {
  if (!m_bInit || !m_hWnd) return;
  bool abUsed[GROUP_COUNT] = {};
  // Empty cells read as a default record without a group, so only the cells' own records count.
  Stage.m_vCharaGrid.ForEach([&abUsed](int32_t, const cEdChara& c) {
    if (c.m_bGroup && c.m_nGroupNo >= 0 && c.m_nGroupNo < GROUP_COUNT) abUsed[c.m_nGroupNo] = true;
  });
  for (int32_t k = 0; k < GROUP_COUNT; ++k) {
    HWND hButton = m_vCheck[k].m_Ctrl.m_hWnd;
    if (!hButton) continue;
    const WPARAM wState = abUsed[k] ? BST_CHECKED : BST_UNCHECKED;
    // Set only on a change: the stage window redraws its tool windows after every step.
    if (static_cast<WPARAM>(SendMessageA(hButton, BM_GETCHECK, 0, 0)) != wState)
      SendMessageA(hButton, BM_SETCHECK, wState, 0);
  }
}

cDialog* NewCharaGroupWnd(cWindow* lpStageWnd) {
  return new cCharaGroupWnd(IDD_CHARA_GROUP, lpStageWnd, cWindow::KIND_DIALOG, &WindowList);
}
