#include "project/WmEventDlg.h"

#include <commctrl.h>

#include "app/Paths.h"
#include "model/SaveMarks.h"
#include "flow/CondPageDlg.h"
#include "controls/NameLists.h"
#include "model/Cond.h"
#include "model/Globals.h"
#include "model/StageEditState.h"
#include "project/RowListDlg.h"
#include "project/WorldMapWnd.h"
#include "resources/ListIds.h"
#include "resources/WorldMapDialogIds.h"

namespace {

const int32_t WM_PAGES_MAX = 99;
const int32_t WM_NAME_CHARS = 20;
const int32_t WM_VALUE_MIN = -999999;
const int32_t WM_VALUE_MAX = 999999;
const int32_t CELL = 32;

void PageRowText(std::string& strText, int, const cEdWmEventPage& p) {
  FormatStr(strText, "ワールド番号 %d", p.m_nWorldNo);
}

bool IsClick(WPARAM wParam, uint16_t wId) { return LOWORD(wParam) == wId && HIWORD(wParam) == BN_CLICKED; }

// The chosen file relative to the current folder goes into the edit box; a file that cannot be
// made relative changes nothing.
void BrowseInto(cDialog* lpDlg, uint16_t wEditId, const char* pszDir, const char* pszTitle, const char* pszFilter,
                const char* pszExt) {
  char szPath[MAX_PATH] = "";
  if (!OpenFileDlg(lpDlg->m_hWnd, szPath, sizeof szPath, pszDir, pszTitle, pszFilter, pszExt, 0, nullptr)) return;
  if (!MakeRelativePath(szPath)) return;
  SetDlgItemTextA(lpDlg->m_hWnd, wEditId, szPath);
}

// Copies the black-filled sample surface to the picture on the screen.
void ShowSample(cBitmapCtrl* lpSample) {
  cSurface& s = lpSample->m_Surface;
  GdiFlush();
  if (lpSample->m_Window.m_hDC) lpSample->m_Window.Blt(0, 0, s.m_nWidth, s.m_nHeight, s, 0, 0, 1);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Event dialog

void cWmEventDlg::MakeVarItems() {
  MakeDbNameList(m_vCondVarItems, GValInfo, "変数条件なし", 0, 3, 0);
  MakeNumberedNameList(m_vSetVarItems, GValInfo);
}

void cWmEventDlg::SetUp(cWmEventEditInfo* lpInfo) {
  m_lpEvent = lpInfo && lpInfo->lpEvent ? lpInfo->lpEvent : &m_Spare;
  m_Work = *m_lpEvent;
  // The page list keeps at least one page; an event read without pages gets a default one.
  if (m_Work.m_vPages.empty()) m_Work.m_vPages.push_back(cEdWmEventPage());
  int32_t nGraphics = ChipBitmaps[CHIP_WORLD_EVENT].m_nHeight / CELL;
  if (nGraphics < 1) nGraphics = 1;
  for (int32_t k = 1; k <= nGraphics; ++k) m_vGraphicItems.push_back(std::to_string(k));
  MakeVarItems();

  m_List.m_Param.Set(IDC_WEV_PAGES, &m_Work.m_vPages, &m_vPages, &m_Page, 1, &PageRowText, 1, 1, WM_PAGES_MAX, 0,
                     1, 0);
  m_Ctrls.Str(IDC_WEV_NAME, &m_Work.m_strName, WM_NAME_CHARS, 1);
  m_Ctrls.Combo(IDC_WEV_TYPE, &m_Page.m_nType, WmEventTypeNames);
  m_Ctrls.Combo(IDC_WEV_GRAPHIC, &m_Page.m_nGraphic, &m_vGraphicItems);
  m_Ctrls.Value(IDC_WEV_WORLD_NO, &m_Page.m_nWorldNo, 0, WM_WORLD_NO_MAX, IDC_WEV_WORLD_NO_SPIN);
  m_Ctrls.Str(IDC_WEV_WORLD_NAME, &m_Page.m_strWorldName, WM_NAME_CHARS, 1);
  m_Ctrls.Path(IDC_WEV_STAGE, &m_Page.m_strStage);
  m_Ctrls.Check(IDC_WEV_VARIATION, &m_Page.m_bVariation);
  m_Ctrls.Combo(IDC_WEV_SET_VAR, &m_Page.m_nVarVar, &m_vSetVarItems, 1);
  m_Ctrls.Value(IDC_WEV_SET_VALUE, &m_Page.m_nVarValue, WM_VALUE_MIN, WM_VALUE_MAX, IDC_WEV_SET_VALUE_SPIN);
  m_Ctrls.Check(IDC_WEV_PASS_FREE, &m_Page.m_bPassFree);
  m_Ctrls.Check(IDC_WEV_REPLAY, &m_Page.m_bReplay);
  m_Ctrls.Combo(IDC_WEV_GAME_CLEAR, &m_Page.m_nGameClear, WmGameClearNames);
  m_Ctrls.Value(IDC_WEV_COND_WORLD, &m_Page.m_nCondWorld, 0, WM_WORLD_NO_MAX, IDC_WEV_COND_WORLD_SPIN);
  m_Ctrls.Combo(IDC_WEV_COND_VAR, &m_Page.m_nCondVar, &m_vCondVarItems);
  m_Ctrls.Value(IDC_WEV_COND_VALUE, &m_Page.m_nCondValue, WM_VALUE_MIN, WM_VALUE_MAX, IDC_WEV_COND_VALUE_SPIN);
  m_Ctrls.Combo(IDC_WEV_COND_CMP, &m_Page.m_nCondCmp, CondCompareNames);
  m_Ctrls.Value(IDC_WEV_SCORE, &m_Page.m_nCondScore, WM_VALUE_MIN, WM_VALUE_MAX, IDC_WEV_SCORE_SPIN);
  m_Ctrls.Button(IDC_WEV_INSERT);
  m_Ctrls.Button(IDC_WEV_DELETE);
  m_Ctrls.Button(IDC_WEV_STAGE_BROWSE);
  m_Ctrls.Button(IDC_WEV_SET_VAR_RENAME);
  m_Ctrls.Button(IDC_WEV_COND_VAR_RENAME);
  m_Ctrls.Picture(IDC_WEV_SAMPLE, CELL, CELL);
}

void cWmEventDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  HideSysPageView(this);
  AttachList(m_List);
  m_Ctrls.AttachAll(this);
  cListCtrl<cEdWmEventPage>& list = m_List.m_Ctrl;
  list.SetAccelMenu(IDR_ACCEL_SUB1, IDR_POPUP_SUB1, 1, 1);
  list.SelectOnly(0, 1);
  DataToCtrls();
  EnableRules();
  m_bInit = 1;
}

void cWmEventDlg::StoreCtrls() { StoreRowCtrls(*this, &m_List.m_Ctrl); }

void cWmEventDlg::EnableRules() {
  cComboCtrl<int32_t>* lpVar = m_Ctrls.Cb(IDC_WEV_COND_VAR);
  bool bCondVar = lpVar && lpVar->GetCurData() != 0;
  m_Ctrls.Enable(IDC_WEV_COND_VALUE, bCondVar);
  m_Ctrls.Enable(IDC_WEV_COND_CMP, bCondVar);

  cComboCtrl<int32_t>* lpType = m_Ctrls.Cb(IDC_WEV_TYPE);
  bool bWorld = !lpType || lpType->GetCurData() == WM_EVENT_WORLD;
  bool bVariation = bWorld && m_Ctrls.IsChecked(IDC_WEV_VARIATION);
  const uint16_t awWorld[] = {IDC_WEV_WORLD_NO, IDC_WEV_WORLD_NAME, IDC_WEV_STAGE, IDC_WEV_VARIATION,
                              IDC_WEV_PASS_FREE, IDC_WEV_REPLAY, IDC_WEV_GAME_CLEAR};
  for (uint16_t w : awWorld) m_Ctrls.Enable(w, bWorld);
  const uint16_t awVariation[] = {IDC_WEV_SET_VAR, IDC_WEV_SET_VAR_RENAME, IDC_WEV_SET_VALUE};
  for (uint16_t w : awVariation) m_Ctrls.Enable(w, bVariation);
  if (bWorld) return;
  // A road or a wall is never a numbered world.
  cEditValCtrl<int32_t>* lpNo = m_Ctrls.Val(IDC_WEV_WORLD_NO);
  if (lpNo && lpNo->ParseText() != 0) lpNo->SetValue(0);
  if (m_Page.m_nWorldNo != 0) {
    m_Page.m_nWorldNo = 0;
    m_List.m_Ctrl.Reselect();
  }
}

void cWmEventDlg::DrawSample() {
  cBitmapCtrl* lpSample = m_Ctrls.Pic(IDC_WEV_SAMPLE);
  if (!lpSample || !lpSample->m_Surface.m_hDC) return;
  cSurface& s = lpSample->m_Surface;
  s.Fill(RGB(0, 0, 0));
  cEditValCtrl<int32_t>* lpNo = m_Ctrls.Val(IDC_WEV_WORLD_NO);
  cComboCtrl<int32_t>* lpGraphic = m_Ctrls.Cb(IDC_WEV_GRAPHIC);
  int32_t nNo = lpNo ? lpNo->ParseText() : 0;
  int32_t nGraphic = lpGraphic ? lpGraphic->GetCurData() : 0;
  const cSurface& sheet = ChipBitmaps[CHIP_WORLD_EVENT];
  if (sheet.m_hDC && nGraphic >= 0) s.Blt(0, 0, CELL, CELL, sheet, nNo == 0 ? CELL : 0, nGraphic * CELL, 1);
  ShowSample(lpSample);
}

void cWmEventDlg::Draw() {
  if (m_bInit) DrawSample();
}

void cWmEventDlg::BrowseStage() {
  static const char FILTER[] = "StageFile ( *.stg4_* )\0*.stg4_*\0";
  BrowseInto(this, IDC_WEV_STAGE, "data\\stg4", "ステージファイルの選択", FILTER, "stg4_*");
}

void cWmEventDlg::RenameVar(uint16_t wComboId, uint16_t wButtonId) {
  cComboCtrl<int32_t>* lpCombo = m_Ctrls.Cb(wComboId);
  if (!lpCombo) return;
  if (!RenameVariable(this, GValInfo, lpCombo->GetCurData(), m_vSetVarItems, nullptr, m_Ctrls.Find(wButtonId)))
    return;
  MakeVarItems();
  if (cComboCtrl<int32_t>* p = m_Ctrls.Cb(IDC_WEV_COND_VAR)) p->SetItemVector(&m_vCondVarItems);
  if (cComboCtrl<int32_t>* p = m_Ctrls.Cb(IDC_WEV_SET_VAR)) p->SetItemVector(&m_vSetVarItems);
  // The game reads the common names from their own file: a rename is saved at once.
  SaveVarNames();
}

void cWmEventDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!CheckCommand(wParam)) return;
  cDialog::OnCommand(wParam, lParam);
  cListCtrl<cEdWmEventPage>& list = m_List.m_Ctrl;
  const WORD wId = LOWORD(wParam);
  if (IsClick(wParam, IDC_WMD_OK)) {
    StoreCtrls();
    list.Reselect();
    list.CtrlToData();
    cWorldMapWnd* lpWnd = cWorldMapWnd::Current();
    if (lpWnd && lpWnd->m_hWnd) lpWnd->PushUndo();
    *m_lpEvent = m_Work;
    StageEditState.m_bWorldMapChanged = 1;
    Close(1);
    return;
  }
  if (IsClick(wParam, IDC_WMD_CANCEL)) {
    Close(0);
    return;
  }
  RunRowListCommand(*this, list, wParam, IDC_WEV_PAGES, IDC_WEV_INSERT, IDC_WEV_DELETE);
  if (IsClick(wParam, IDC_WEV_STAGE_BROWSE)) BrowseStage();
  if (IsClick(wParam, IDC_WEV_COND_VAR_RENAME)) RenameVar(IDC_WEV_COND_VAR, IDC_WEV_COND_VAR_RENAME);
  if (IsClick(wParam, IDC_WEV_SET_VAR_RENAME)) RenameVar(IDC_WEV_SET_VAR, IDC_WEV_SET_VAR_RENAME);
  // Every change of a page control reaches the page at once, so the row follows the number typed.
  uint16_t wChanged = m_bInit ? ChangedCtrlId(wParam) : 0;
  bool bButton = wId == IDC_WEV_INSERT || wId == IDC_WEV_DELETE || wId == IDC_WEV_STAGE_BROWSE ||
                 wId == IDC_WEV_COND_VAR_RENAME || wId == IDC_WEV_SET_VAR_RENAME;
  if (wChanged && !bButton) {
    StoreCtrls();
    list.Reselect();
  }
  if (m_bInit && wId != IDC_WEV_WORLD_NO) EnableRules();
  RedrawList();
}

LRESULT cWmEventDlg::MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  return SampleDlgProc(hWnd, uMsg, wParam, lParam,
                       [&] { return uMsg == WM_CONTEXTMENU && PopupRowMenu(*this, m_List.m_Ctrl, IDC_WEV_PAGES, wParam, lParam); });
}

// ---------------------------------------------------------------------------------------------
// Settings dialog

namespace {
const int32_t MAP_W_MIN = 20, MAP_W_MAX = 200, MAP_H_MIN = 15, MAP_H_MAX = 150;
const int32_t COLOUR_MIN = 16, COLOUR_MAX = 207;
}  // namespace

cWmSettingDlg::cWmSettingDlg(uint16_t wTemplateId, cWindow* lpParent, int32_t nKind, cWindowList* lpWindowList)
    : cDialogClass<cWmSettingDlg>(wTemplateId, lpParent, nKind, lpWindowList),
      m_nWidth(WorldMap.m_nWidth),
      m_nHeight(WorldMap.m_nHeight) {
  m_Ctrls.Value(IDC_WST_WIDTH, &m_nWidth, MAP_W_MIN, MAP_W_MAX, IDC_WST_WIDTH_SPIN);
  m_Ctrls.Value(IDC_WST_HEIGHT, &m_nHeight, MAP_H_MIN, MAP_H_MAX, IDC_WST_HEIGHT_SPIN);
  m_Ctrls.Value(IDC_WST_START_X, &WorldMap.m_nStartX, 0, MAP_W_MAX - 1, IDC_WST_START_X_SPIN);
  m_Ctrls.Value(IDC_WST_START_Y, &WorldMap.m_nStartY, 0, MAP_H_MAX - 1, IDC_WST_START_Y_SPIN);
  m_Ctrls.Value(IDC_WST_BACK_COLOUR, &WorldMap.m_nBgColor, COLOUR_MIN, COLOUR_MAX, IDC_WST_BACK_COLOUR_SPIN);
  m_Ctrls.Picture(IDC_WST_COLOUR_SAMPLE, CELL, CELL);
  m_Ctrls.Check(IDC_WST_USE_IMAGE, &WorldMap.m_bBgImage);
  m_Ctrls.Path(IDC_WST_IMAGE, &WorldMap.m_strBgImage);
  m_Ctrls.Button(IDC_WST_IMAGE_BROWSE);
}

void cWmSettingDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  HideSysPageView(this);
  m_Ctrls.AttachAll(this);
  DataToCtrls();
  m_bInit = 1;
}

void cWmSettingDlg::DrawColourSample() {
  cBitmapCtrl* lpSample = m_Ctrls.Pic(IDC_WST_COLOUR_SAMPLE);
  if (!lpSample || !lpSample->m_Surface.m_hDC) return;
  cEditValCtrl<int32_t>* lpColour = m_Ctrls.Val(IDC_WST_BACK_COLOUR);
  int32_t n = lpColour ? lpColour->ParseText() : 0;
  // A number the palette has no entry for (typed before the box clamps it) shows black.
  if (n < 0 || n > 255) {
    lpSample->m_Surface.Fill(RGB(0, 0, 0));
  } else {
    const RGBQUAD& c = g_Palette[n];
    lpSample->m_Surface.FillRgb(c.rgbBlue, c.rgbGreen, c.rgbRed);
  }
  ShowSample(lpSample);
}

void cWmSettingDlg::Draw() {
  if (m_bInit) DrawColourSample();
}

void cWmSettingDlg::BrowseImage() {
  static const char FILTER[] = "BitmapFile ( *.bmp )\0*.bmp\0";
  BrowseInto(this, IDC_WST_IMAGE, "bmp\\", "背景画像の選択", FILTER, "bmp");
}

void cWmSettingDlg::Commit() {
  CtrlsToData();
  WorldMap.SetSize(m_nWidth, m_nHeight);
  // An emptied path keeps the image loaded before.
  if (!WorldMap.m_strBgImage.empty()) {
    cBmpLoadRequest& req = ChipBmpRequests[CHIP_WORLD_BACK];
    req.SetPath(WorldMap.m_strBgImage.c_str());
    ChipBitmaps[CHIP_WORLD_BACK].LoadBmp(req);
  }
  if (m_hParent) SendMessageA(m_hParent, WM_SIZE, 0, 0);
}

void cWmSettingDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!CheckCommand(wParam)) return;
  cDialog::OnCommand(wParam, lParam);
  if (IsClick(wParam, IDC_WMD_OK)) {
    Commit();
    Close(1);
    return;
  }
  if (IsClick(wParam, IDC_WMD_CANCEL)) {
    Close(0);
    return;
  }
  if (IsClick(wParam, IDC_WST_IMAGE_BROWSE)) BrowseImage();
}

LRESULT cWmSettingDlg::MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  return SampleDlgProc(hWnd, uMsg, wParam, lParam);
}
