#include "stage/StageSettingsSheet.h"

#include <commctrl.h>
#include <prsht.h>

#include <algorithm>
#include <cstdarg>
#include <new>

#include "app/AppGlobals.h"
#include "app/Bgm.h"
#include "controls/InputDlg.h"
#include "app/MsgBox.h"
#include "app/TextFormat.h"
#include "app/WindowList.h"
#include "controls/NameLists.h"
#include "model/DataRecord.h"
#include "model/Database.h"
#include "model/EditConfig.h"
#include "model/SaveMarks.h"
#include "model/Stage.h"
#include "model/StageEditState.h"
#include "model/StageOptionTables.h"
#include "resources/ListIds.h"
#include "resources/StageDialogIds.h"
#include "resources/StageSettingsIds.h"
#include "stage/BackgroundDlg.h"
#include "stage/StageAdvancedPages.h"
#include "stage/StageWnd.h"

namespace {

// The four scroll limits by edge (left, right, top, bottom): the check box that switches it on,
// its edit and the label of the cells it hides.
const uint16_t LIMIT_CHECK[4] = {IDC_BASIC_MIN_X_ON, IDC_BASIC_MAX_X_ON, IDC_BASIC_MIN_Y_ON, IDC_BASIC_MAX_Y_ON};
const uint16_t LIMIT_EDIT[4] = {IDC_BASIC_MIN_X, IDC_BASIC_MAX_X, IDC_BASIC_MIN_Y, IDC_BASIC_MAX_Y};
const uint16_t HIDDEN_LABEL[4] = {IDC_BASIC_HIDDEN_LEFT, IDC_BASIC_HIDDEN_RIGHT, IDC_BASIC_HIDDEN_TOP,
                                  IDC_BASIC_HIDDEN_BOTTOM};
const uint16_t RANK_CHECK[5] = {IDC_BASIC_RANK_SCORE, IDC_BASIC_RANK_TIME, IDC_BASIC_RANK_CLEAR, IDC_BASIC_RANK_HP,
                                IDC_BASIC_RANK_SP};

struct cIntEditDef {
  uint16_t wId, wSpin;
  int32_t cEdStage::*pField;
  int32_t nMin, nMax;
};
const cIntEditDef INT_EDITS[] = {
    {IDC_BASIC_MIN_X, IDC_BASIC_MIN_X_SPIN, &cEdStage::m_nMinX, 0, 492},
    {IDC_BASIC_MAX_X, IDC_BASIC_MAX_X_SPIN, &cEdStage::m_nMaxX, 19, 511},
    {IDC_BASIC_MIN_Y, IDC_BASIC_MIN_Y_SPIN, &cEdStage::m_nMinY, 0, 497},
    {IDC_BASIC_MAX_Y, IDC_BASIC_MAX_Y_SPIN, &cEdStage::m_nMaxY, 14, 511},
    {IDC_BASIC_AUTO_X, IDC_BASIC_AUTO_X_SPIN, &cEdStage::m_nAutoScrollX, -480, 480},
    {IDC_BASIC_AUTO_Y, IDC_BASIC_AUTO_Y_SPIN, &cEdStage::m_nAutoScrollY, -480, 480},
    {IDC_BASIC_TIME, IDC_BASIC_TIME_SPIN, &cEdStage::m_nTimeLimit, 1, 999},
    {IDC_BASIC_WARN, IDC_BASIC_WARN_SPIN, &cEdStage::m_nWarnTime, 0, 999},
    {IDC_BASIC_HERO_INVULN, IDC_BASIC_HERO_INVULN_SPIN, &cEdStage::m_nHeroInvuln, 0, 9999},
    {IDC_BASIC_HERO_SAME, IDC_BASIC_HERO_SAME_SPIN, &cEdStage::m_nHeroSameInvuln, 1, 9999},
    {IDC_BASIC_ENEMY_INVULN, IDC_BASIC_ENEMY_INVULN_SPIN, &cEdStage::m_nEnemyInvuln, 0, 9999},
    {IDC_BASIC_ENEMY_SAME, IDC_BASIC_ENEMY_SAME_SPIN, &cEdStage::m_nEnemySameInvuln, 1, 9999},
};

struct cCheckDef {
  uint16_t wId;
  int32_t cEdStage::*pField;
};
const cCheckDef CHECKS[] = {
    {IDC_BASIC_MIN_X_ON, &cEdStage::m_bMinXOn},         {IDC_BASIC_MAX_X_ON, &cEdStage::m_bMaxXOn},
    {IDC_BASIC_MIN_Y_ON, &cEdStage::m_bMinYOn},         {IDC_BASIC_MAX_Y_ON, &cEdStage::m_bMaxYOn},
    {IDC_BASIC_TIME_ON, &cEdStage::m_bTimeLimit},       {IDC_BASIC_STATUS_WND, &cEdStage::m_bStatusWindow},
    {IDC_BASIC_BGM_LOOP, &cEdStage::m_bBgmLoop},        {IDC_BASIC_BGM_KEEP, &cEdStage::m_bBgmKeep},
    {IDC_BASIC_SKIP_WAIT, &cEdStage::m_bSkipClearWait}, {IDC_BASIC_STOCK_LOAD, &cEdStage::m_bStockLoad},
    {IDC_BASIC_STOCK_SAVE, &cEdStage::m_bStockSave},    {IDC_BASIC_SHOW_STAGE, &cEdStage::m_bShowStageX},
    {IDC_BASIC_SHOW_READY, &cEdStage::m_bShowReady},    {IDC_BASIC_SHOW_CLEAR, &cEdStage::m_bShowClear},
    {IDC_BASIC_SHOW_GAMEOVER, &cEdStage::m_bShowGameOver},
};
constexpr int RANK_COUNT = 5;
constexpr int32_t BACKGROUND_MAX = 8;

bool IsOneOf(uint16_t wId, const uint16_t* pIds, int n) {
  for (int i = 0; i < n; ++i)
    if (pIds[i] == wId) return true;
  return false;
}

void ShowAndEnableAll() {
  WindowList.ShowAll(1);
  WindowList.EnableAll(1);
}

}  // namespace

// ---- the basic page ----

cStageBasicPage::cStageBasicPage(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cWindowList* lpWindowList)
    : cDialogClass<cStageBasicPage>(wTemplateId, lpOwner, nKind, lpWindowList),
      m_nWidthCopy(Stage.m_nWidth),
      m_nHeightCopy(Stage.m_nHeight) {
  m_Ctrls.SetAttachOrder({cCtrlSet::EDIT32, cCtrlSet::EDITREAL, cCtrlSet::STR, cCtrlSet::COMBO32, cCtrlSet::CHECK32,
                          cCtrlSet::STATIC});
  const int nInts = static_cast<int>(sizeof INT_EDITS / sizeof INT_EDITS[0]);
  m_Ctrls.Value(IDC_BASIC_WIDTH, &m_nWidthCopy, 1, STAGE_SIZE_MAX, IDC_BASIC_WIDTH_SPIN);
  m_Ctrls.Value(IDC_BASIC_HEIGHT, &m_nHeightCopy, 1, STAGE_SIZE_MAX, IDC_BASIC_HEIGHT_SPIN);
  for (int i = 0; i < nInts; ++i) {
    const cIntEditDef& d = INT_EDITS[i];
    m_Ctrls.Value(d.wId, &(Stage.*d.pField), d.nMin, d.nMax, d.wSpin);
  }
  m_Ctrls.Value(IDC_BASIC_GRAVITY, &Stage.m_dGravity, 0.1, 1.0, IDC_BASIC_GRAVITY_SPIN, 0.1);
  m_Ctrls.Str(IDC_BASIC_NAME, &Stage.m_strName, 30, 1);

  MakeDbNameList(m_vBgmNames, Database.m_vBgm, "なし", 0, 3, 0);
  m_Ctrls.Combo(IDC_BASIC_DIR_X, &EditConfig.m_nResizeDirX, ResizeDirXNames, 0);
  m_Ctrls.Combo(IDC_BASIC_DIR_Y, &EditConfig.m_nResizeDirY, ResizeDirYNames, 0);
  m_Ctrls.Combo(IDC_BASIC_SCROLL_X, &Stage.m_nScrollModeX, ScrollModeNames, 0);
  m_Ctrls.Combo(IDC_BASIC_SCROLL_Y, &Stage.m_nScrollModeY, ScrollModeNames, 0);
  m_Ctrls.Combo(IDC_BASIC_BGM, &Stage.m_nBgm, &m_vBgmNames, 0);

  // The ranking switches are bound by address: the vector must hold all five first.
  if (Stage.m_vRankItems.size() < RANK_COUNT) Stage.m_vRankItems.resize(RANK_COUNT, 0);
  const int nChecks = static_cast<int>(sizeof CHECKS / sizeof CHECKS[0]);
  for (int i = 0; i < nChecks; ++i) m_Ctrls.Check(CHECKS[i].wId, &(Stage.*CHECKS[i].pField));
  for (int i = 0; i < RANK_COUNT; ++i) m_Ctrls.Check(RANK_CHECK[i], &Stage.m_vRankItems[i]);

  for (int i = 0; i < 4; ++i) m_Ctrls.Static(HIDDEN_LABEL[i]);
  m_Ctrls.Static(IDC_BASIC_MEMORY);
  m_Ctrls.Static(IDC_BASIC_UNDO_NOTE);

  m_BgList.m_Param.Set(IDC_BASIC_BG_LIST, &Stage.m_vBackground, &m_vBackground, nullptr, 1, &BackgroundRowText, 1, 0,
                       BACKGROUND_MAX, 0, 1, 0);
}

cStageBasicPage::~cStageBasicPage() { Dispose(); }

void cStageBasicPage::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  if (m_ViewCtrl.m_hWnd) ShowWindow(m_ViewCtrl.m_hWnd, SW_HIDE);
  AttachList(m_BgList);
  m_Ctrls.AttachAll(this);
  m_BgList.m_Ctrl.SetAccelMenu(IDR_ACCEL_SUB1, IDR_POPUP_SUB1, 1, 1);
  UpdateEnables();
  m_BgList.m_Ctrl.SetCurSel(0, 1);
  DataToCtrls();
  UpdateUndoEstimate();
  UpdateHiddenWidths();
  UpdateEnables();
  m_bInit = 1;
}

int32_t cStageBasicPage::Typed(uint16_t wId) {
  cEditValCtrl<int32_t>* lpEdit = m_Ctrls.Val<int32_t>(wId);
  return lpEdit ? lpEdit->ParseText() : 0;
}

void cStageBasicPage::SetLabel(uint16_t wId, const char* pszFormat, ...) {
  char sz[256];
  va_list args;
  va_start(args, pszFormat);
  FormatBounded(sz, sizeof sz, pszFormat, args);
  va_end(args);
  cStaticCtrl* lpStatic = m_Ctrls.Stc(wId);
  if (lpStatic) lpStatic->SetText(sz);
}

void cStageBasicPage::UpdateEnables() {
  for (int i = 0; i < 4; ++i) {
    cCheckCtrl<int32_t>* lpCheck = m_Ctrls.Chk<int32_t>(LIMIT_CHECK[i]);
    if (!lpCheck) return;
    int32_t bOn = lpCheck->GetCheck() != 0;
    m_Ctrls.Enable(LIMIT_EDIT[i], bOn);
    m_Ctrls.Show(HIDDEN_LABEL[i], bOn);
  }
  cCheckCtrl<int32_t>* lpTime = m_Ctrls.Chk<int32_t>(IDC_BASIC_TIME_ON);
  cCheckCtrl<int32_t>* lpSkip = m_Ctrls.Chk<int32_t>(IDC_BASIC_SKIP_WAIT);
  if (!lpTime || !lpSkip) return;
  m_Ctrls.Enable(IDC_BASIC_TIME, lpTime->GetCheck() != 0);
  m_Ctrls.Enable(IDC_BASIC_WARN, lpTime->GetCheck() != 0);
  for (uint16_t wId : RANK_CHECK) m_Ctrls.Enable(wId, lpSkip->GetCheck() == 0);
}

void cStageBasicPage::UpdateUndoEstimate() {
  // The undo steps hold only the cells they changed, not snapshots: the history stays while the
  // estimate is made, and a cancelled sheet keeps it.
  // In 64 bits: a 512 x 512 stage's figures do not fit 32.
  const uint64_t nNeed = cStageEditState::SnapshotSize(Typed(IDC_BASIC_WIDTH), Typed(IDC_BASIC_HEIGHT));
  const uint64_t nUse = 2 * nNeed;
  const uint64_t nLimit = cStageEditState::SnapshotSize(Stage.m_nWidth, Stage.m_nHeight) + FreeMem();
  const uint64_t nSteps = nLimit < nUse || nNeed == 0 ? 0 : (nLimit - nUse) / nNeed;
  auto fnKb = [](uint64_t n) { return static_cast<unsigned>(std::min<uint64_t>(n >> 10, UINT32_MAX)); };
  SetLabel(IDC_BASIC_MEMORY, "%9u KB\r\n%9u KB\r\n", fnKb(nUse), fnKb(nLimit));
  if (nSteps < static_cast<uint64_t>(std::max(Stage.m_nUndoDepth, 0)))
    SetLabel(IDC_BASIC_UNDO_NOTE, "※元に戻せる回数 %d → %d", Stage.m_nUndoDepth, static_cast<int>(nSteps));
  else
    SetLabel(IDC_BASIC_UNDO_NOTE, "");
}

void cStageBasicPage::UpdateHiddenWidths() {
  const int32_t w = Typed(IDC_BASIC_WIDTH), h = Typed(IDC_BASIC_HEIGHT);
  const int32_t x0 = std::min(Typed(IDC_BASIC_MIN_X), w - 20);
  const int32_t x1 = std::min(Typed(IDC_BASIC_MAX_X), w - 1);
  const int32_t y0 = std::min(Typed(IDC_BASIC_MIN_Y), h - 15);
  const int32_t y1 = std::min(Typed(IDC_BASIC_MAX_Y), h - 1);
  const char* const HIDDEN = "隠れる幅 %d(bl)";
  SetLabel(IDC_BASIC_HIDDEN_LEFT, HIDDEN, x0);
  SetLabel(IDC_BASIC_HIDDEN_RIGHT, HIDDEN, w - x1 - 1);
  SetLabel(IDC_BASIC_HIDDEN_TOP, HIDDEN, y0);
  SetLabel(IDC_BASIC_HIDDEN_BOTTOM, HIDDEN, h - y1 - 1);
}

cEdBackground* cStageBasicPage::CurrentBackground() {
  const int nIndex = m_BgList.m_Ctrl.GetCurDataIndex();
  if (nIndex < 0 || nIndex >= static_cast<int>(m_vBackground.size())) return nullptr;
  return &m_vBackground[nIndex];
}

void cStageBasicPage::OnBgListCommand(WPARAM wParam) {
  cListCtrl<cEdBackground>& list = m_BgList.m_Ctrl;
  const uint16_t wId = LOWORD(wParam), wCode = HIWORD(wParam);
  if (wId == IDC_BASIC_BG_LIST && wCode == LBN_SELCHANGE) list.OnSelChange();
  if ((wId == IDC_BASIC_BG_LIST && wCode == LBN_DBLCLK) || (wId == IDC_BASIC_BG_EDIT && wCode == BN_CLICKED))
    list.Edit(m_lpBgDlg, IDD_BACKGROUND, &WindowList, 0, 1);
  if (wId == IDC_BASIC_BG_INSERT && wCode == BN_CLICKED) list.InsertEdit(m_lpBgDlg, IDD_BACKGROUND, &WindowList, 0, 1);
  if (wId == IDC_BASIC_BG_DELETE && wCode == BN_CLICKED) list.Delete(-1, 0);
  if (!list.OnAccelKey(wParam)) list.OnPopupCommand(wParam);
  list.RestoreSel();
}

void cStageBasicPage::OnBgListRightClick() {
  if (!m_bInit || !IsRightClicked()) return;
  cListCtrl<cEdBackground>& list = m_BgList.m_Ctrl;
  POINT pt;
  if (!GetCursorPos(&pt)) return;
  if (list.SelectAtPoint(pt) && list.m_hPopupMenu) PopupMenu(list.m_hPopupMenu);
}

void cStageBasicPage::PlayBgm() {
  cComboCtrl<int32_t>* lpCombo = m_Ctrls.Cb<int32_t>(IDC_BASIC_BGM);
  if (!lpCombo) return;
  int32_t b = lpCombo->GetCurData();
  if (b <= 0 || b >= static_cast<int32_t>(Database.m_vBgm.size())) return;
  Music.LoadTrack(0, Database.m_vBgm[b].m_strPath.c_str());
  if (!Music.Play(0, 0, 1, 0, 1)) ErrorBox("読み込み失敗！");
}

void cStageBasicPage::ApplySize() {
  // Saved before the controls are stored: the second commit pass writes the anchors just chosen.
  SaveKept(KEPT_EDIT_CONFIG);
  CtrlsToData();
  if (m_nWidthCopy < 20) m_nWidthCopy = 20;
  if (m_nHeightCopy < 15) m_nHeightCopy = 15;
  if (m_nWidthCopy == Stage.m_nWidth && m_nHeightCopy == Stage.m_nHeight) return;
  StageEditState.ClearUndo();
  const uint64_t nNeed = 2 * cStageEditState::SnapshotSize(m_nWidthCopy, m_nHeightCopy);
  const bool bGrows = m_nWidthCopy > Stage.m_nWidth || m_nHeightCopy > Stage.m_nHeight;
  if (bGrows && FreeMem() < nNeed) {
    ErrorBox("メモリ不足により、サイズの変更に失敗しました！");
    return;
  }
  ShowNotice(this, &WindowList, "サイズを変更しています...", "ステージサイズの変更", this, 1, 1);
  int bOk = Stage.SetSize(m_nWidthCopy, m_nHeightCopy, EditConfig.m_nResizeDirX, EditConfig.m_nResizeDirY);
  CloseNotice();
  if (bOk) return;
  ErrorBox("サイズの変更に失敗しました！");
  DestroyWindow(g_hMainWnd);
}

void cStageBasicPage::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!CheckCommand(wParam)) return;
  cDialog::OnCommand(wParam, lParam);
  const uint16_t wId = LOWORD(wParam);
  if (wId == IDC_BASIC_BGM_PLAY && HIWORD(wParam) == BN_CLICKED) PlayBgm();
  if (m_bInit && (IsOneOf(wId, LIMIT_CHECK, 4) || IsOneOf(wId, LIMIT_EDIT, 4))) UpdateHiddenWidths();
  if (m_bInit && (wId == IDC_BASIC_WIDTH || wId == IDC_BASIC_HEIGHT)) {
    UpdateUndoEstimate();
    UpdateHiddenWidths();
  }
  if (m_bInit && ChangedCtrlId(wParam)) UpdateEnables();
  if (m_bInit) OnBgListCommand(wParam);
  TellSheetChanged(this);
}

LRESULT cStageBasicPage::MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  LRESULT nDefault = DefProc(hWnd, uMsg, wParam, lParam);
  switch (uMsg) {
    case WM_NOTIFY: {
      const NMHDR* pHdr = reinterpret_cast<const NMHDR*>(lParam);
      if (!pHdr) break;
      if (pHdr->code == static_cast<UINT>(PSN_APPLY)) {
        cStageSettingSheet* lpSheet = static_cast<cStageSettingSheet*>(m_lpSheet);
        if (lpSheet) lpSheet->Commit();
        StageEditState.m_bStageChanged = 1;
        m_bCommitted = true;
      } else if (pHdr->code == static_cast<UINT>(PSN_SETACTIVE)) {
        UpdateEnables();
      }
      break;
    }
    case WM_DESTROY:
      Music.StopAll();
      if (g_pCurEditor)
        g_pCurEditor->OnStageSettingsClosed(m_bCommitted);
      else
        ShowAndEnableAll();
      break;
    default:
      break;
  }
  OnBgListRightClick();
  return nDefault;
}

// ---- the sheet ----

bool cStageSettingSheet::Create() {
  // The sheet deletes its pages after its window, so that they see their WM_DESTROY.
  m_lpBasic = Own(new (std::nothrow) cStageBasicPage(IDD_STAGE_BASIC, m_lpOwner, cWindow::KIND_PAGE, m_lpWindowList));
  m_lpAdvanced =
      Own(new (std::nothrow) cStageAdvancedPage(IDD_STAGE_ADVANCED, m_lpOwner, cWindow::KIND_PAGE, m_lpWindowList));
  m_lpAdvanced2 =
      Own(new (std::nothrow) cStageAdvanced2Page(IDD_STAGE_ADVANCED2, m_lpOwner, cWindow::KIND_PAGE, m_lpWindowList));
  // A sheet missing a page is not run: its commit would leave that page's fields behind.
  if (!m_lpBasic || !m_lpAdvanced || !m_lpAdvanced2) {
    OutOfMemory();
    return false;
  }
  m_vPages.push_back(m_lpBasic);
  m_vPages.push_back(m_lpAdvanced);
  m_vPages.push_back(m_lpAdvanced2);
  Run("ステージの設定");
  if (!m_hSheet) return false;
  return true;
}

void cStageSettingSheet::Commit() {
  // A page never shown has nothing attached: its store changes nothing.
  for (int nPass = 0; nPass < 2; ++nPass) {
    if (m_lpBasic) m_lpBasic->ApplySize();
    if (m_lpAdvanced) m_lpAdvanced->CtrlsToData();
    if (m_lpAdvanced2) m_lpAdvanced2->CtrlsToData();
  }
}

void OpenStageSettingSheet(cStageWnd* lpWnd) {
  cPropSheet*& lpSlot = lpWnd->m_lpSheet[cStageWnd::SHEET_STAGE_SETTINGS];
  // A sheet still held gives the windows back as it goes: they are hidden after it.
  SafeDelete(lpSlot);
  WindowList.ShowAll(0);
  WindowList.EnableAll(0);
  cStageSettingSheet* lpSheet = new (std::nothrow) cStageSettingSheet(1, lpWnd, &WindowList, &lpSlot);
  if (!lpSheet) {
    OutOfMemory();
    ShowAndEnableAll();
    return;
  }
  lpSlot = lpSheet;
  if (lpSheet->Create()) return;
  // Nothing opened: the windows hidden for the sheet come back.
  SafeDelete(lpSlot);
  ShowAndEnableAll();
}
