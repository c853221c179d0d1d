#include "project/DbEditDialogs.h"

#include "app/TextFormat.h"
#include "model/Chara.h"
#include "project/DatabaseSheet.h"
#include "project/DbPages.h"
#include "project/RowListDlg.h"
#include "resources/ListIds.h"
#include "controls/GraphicDraw.h"

cEdAnime* EditedAnime = nullptr;

namespace {

enum { PATTERN_MAX = 99, PATTERN_FRAME_MAX = 299, PATTERN_TIME_MAX = 9999 };

void PatternRowText(std::string& strText, int, const cEdAnimePattern& p) {
  FormatStr(strText, p.m_bRunCmd ? "実行 %d-%d" : "%d-%d", p.m_nFrame, p.m_nTime);
}

// The flying slots (飛行, 飛行移動) are drawn shifted by the set's flying offset.
bool IsFlyingSlot(int nRow) { return nRow == 2 || nRow == 3; }

}  // namespace

void DrawAnimeSample(cBitmapCtrl* lpSample, int32_t nKind, int32_t nNumber, int32_t nFrame) {
  if (!lpSample || !lpSample->m_Surface.m_hDC) return;
  cSurface& s = lpSample->m_Surface;
  s.Fill(RGB(0, 0, 0));
  // A character in its plain state: facing left, on the ground, neither invincible nor blocking.
  cEdChara chara;
  chara.m_bFaceRight = 0;
  chara.m_nFly = 0;
  chara.m_nInvincible = 0;
  chara.m_bBlock = 0;
  DrawGraphic(s, 0, 0, RECORD_CHARA, nKind, nNumber, nFrame, &chara, 0, 0, 0);
  if (lpSample->m_Window.m_hDC) lpSample->m_Window.Blt(0, 0, s.m_nWidth, s.m_nHeight, s, 0, 0, 1);
}

// ---------------------------------------------------------------------------------------------
// Anime pattern dialog

cAnimePatternDlg::cAnimePatternDlg(uint16_t wTemplateId, cWindow* lpParent, int32_t nKind,
                                   cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cDialogClass<cAnimePatternDlg>(wTemplateId, lpParent, nKind, lpWindowList, lpAnchor, bCentre),
      m_lpAnime(EditedAnime ? EditedAnime : &m_Spare) {
  cAnimeSetPage* lpSetPage = cAnimeSetPage::Current();
  m_nSlotRow = lpSetPage ? lpSetPage->SelectedSlot() : -1;
  // An anime always has a pattern to edit, even when the dialog is then cancelled.
  if (m_lpAnime->m_vPattern.empty()) m_lpAnime->m_vPattern.push_back(cEdAnimePattern());
  m_vWork = m_lpAnime->m_vPattern;
  m_List.m_Param.Set(IDC_PAT_LIST, &m_lpAnime->m_vPattern, &m_vWork, &m_Rec, 1, &PatternRowText, 0, 1, PATTERN_MAX, 0,
                     1, 0);
  m_Ctrls.Check(IDC_PAT_RUN_CMD, &m_Rec.m_bRunCmd);
  m_Ctrls.Value(IDC_PAT_FRAME, &m_Rec.m_nFrame, 0, PATTERN_FRAME_MAX, IDC_PAT_FRAME_SPIN);
  m_Ctrls.Value(IDC_PAT_TIME, &m_Rec.m_nTime, 1, PATTERN_TIME_MAX, IDC_PAT_TIME_SPIN);
  m_Ctrls.Button(IDC_PAT_INSERT);
  m_Ctrls.Button(IDC_PAT_DELETE);
  m_Ctrls.Picture(IDC_PAT_SAMPLE, 32, 32);
}

void cAnimePatternDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  HideSysPageView(this);
  AttachList(m_List);
  m_Ctrls.AttachAll(this);
  cListCtrl<cEdAnimePattern>& list = m_List.m_Ctrl;
  list.SetAccelMenu(IDR_ACCEL_SUB1, IDR_POPUP_SUB1, 1, 1);
  list.SelectOnly(0, 1);
  // Only the animes of the anime list carry commands, not the slots of an anime set.
  if (g_lpDatabaseSheet && g_lpDatabaseSheet->GetCurPage() == 0) m_Ctrls.Enable(IDC_PAT_RUN_CMD, false);
  DataToCtrls();
  m_bInit = 1;
}

void cAnimePatternDlg::StoreCtrls() { StoreRowCtrls(*this, &m_List.m_Ctrl); }

void cAnimePatternDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!CheckCommand(wParam)) return;
  cDialog::OnCommand(wParam, lParam);
  cListCtrl<cEdAnimePattern>& list = m_List.m_Ctrl;
  const WORD wId = LOWORD(wParam), wCode = HIWORD(wParam);
  if (wCode == BN_CLICKED && wId == IDC_DBDLG_OK) {
    // The list goes first in the bound controls: the working copy reaches the anime.
    CtrlsToData();
    Close(1);
    return;
  }
  if (wCode == BN_CLICKED && wId == IDC_DBDLG_CANCEL) {
    Close(0);
    return;
  }
  RunRowListCommand(*this, list, wParam, IDC_PAT_LIST, IDC_PAT_INSERT, IDC_PAT_DELETE);
  if (m_bInit && ChangedCtrlId(wParam) && wId != IDC_PAT_INSERT && wId != IDC_PAT_DELETE) {
    StoreCtrls();
    list.Reselect();
  }
  RedrawList();
}

LRESULT cAnimePatternDlg::MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  return SampleDlgProc(hWnd, uMsg, wParam, lParam,
                       [&] { return uMsg == WM_CONTEXTMENU && PopupRowMenu(*this, m_List.m_Ctrl, IDC_PAT_LIST, wParam, lParam); });
}

void cAnimePatternDlg::Draw() {
  if (!m_bInit) return;
  cEditValCtrl<int32_t>* lpFrame = m_Ctrls.Val(IDC_PAT_FRAME);
  int32_t nFrame = m_lpAnime->m_nSampleFrame + (lpFrame ? lpFrame->ParseText() : 0);
  cAnimeSetPage* lpSetPage = cAnimeSetPage::Current();
  if (IsFlyingSlot(m_nSlotRow) && lpSetPage) nFrame += lpSetPage->ShownFlyShift();
  DrawAnimeSample(m_Ctrls.Pic(IDC_PAT_SAMPLE), m_lpAnime->m_nSampleKind, m_lpAnime->m_nSampleNo, nFrame);
}

// ---------------------------------------------------------------------------------------------
// Sword position and animation frame dialogs

cSwordPosDlg::cSwordPosDlg(uint16_t wTemplateId, cWindow* lpParent, int32_t nKind, cWindowList* lpWindowList,
                           cControl* lpAnchor, int32_t bCentre)
    : cDbElementDlg(wTemplateId, lpParent, nKind, lpWindowList, lpAnchor, bCentre,
                    cSwordTypePage::Current() ? cSwordTypePage::Current()->CurrentPos() : nullptr) {
  cEdSwordPos& pos = *m_lpElement;
  m_Ctrls.Combo(IDC_POS_DIR, &pos.m_nDir, SwordDirNames, 0);
  m_Ctrls.Value(IDC_POS_X, &pos.m_nX, -320, 320, IDC_POS_X_SPIN);
  m_Ctrls.Check(IDC_POS_FLIP_X, &pos.m_bFlipX);
  m_Ctrls.Value(IDC_POS_Y, &pos.m_nY, -240, 240, IDC_POS_Y_SPIN);
  m_Ctrls.Check(IDC_POS_FLIP_Y, &pos.m_bFlipY);
  m_Ctrls.Value(IDC_POS_WIDTH, &pos.m_nWidth, 0, 640, IDC_POS_WIDTH_SPIN);
  m_Ctrls.Value(IDC_POS_HEIGHT, &pos.m_nHeight, 0, 480, IDC_POS_HEIGHT_SPIN);
  m_Ctrls.Value(IDC_POS_SRC_X, &pos.m_nSrcX, 0, 639, IDC_POS_SRC_X_SPIN);
  m_Ctrls.Value(IDC_POS_SRC_Y, &pos.m_nSrcY, 0, 479, IDC_POS_SRC_Y_SPIN);
  m_Ctrls.Value(IDC_POS_TIME, &pos.m_nTime, 0, 999, IDC_POS_TIME_SPIN);
}

cAnimeFrameDlg::cAnimeFrameDlg(uint16_t wTemplateId, cWindow* lpParent, int32_t nKind, cWindowList* lpWindowList,
                               cControl* lpAnchor, int32_t bCentre)
    : cDbElementDlg(wTemplateId, lpParent, nKind, lpWindowList, lpAnchor, bCentre,
                    cEffectPage::Current() ? cEffectPage::Current()->CurrentFrame() : nullptr) {
  m_Ctrls.Value(IDC_FRM_FRAME, &m_lpElement->m_nFrame, 0, 640, IDC_FRM_FRAME_SPIN);
  // Unlike an anime pattern, an effect frame may be shown for no time at all.
  m_Ctrls.Value(IDC_FRM_TIME, &m_lpElement->m_nTime, 0, 999, IDC_FRM_TIME_SPIN);
}
