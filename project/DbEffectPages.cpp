// What the character bitmap, sword type, effect, character effect and screen effect pages add to
// the page pattern.
#include "app/MsgBox.h"
#include "app/Surface.h"
#include "app/TextFormat.h"
#include "model/Globals.h"
#include "model/PaletteOptionTables.h"
#include "model/ProjectLoad.h"
#include "project/DbEditDialogs.h"
#include "project/DbPages.h"
#include "resources/ListIds.h"

const uint16_t EffectParamEditIds[EFFECT_PARAMS] = {IDC_DB_PARAM1, IDC_DB_PARAM2, IDC_DB_PARAM3, IDC_DB_PARAM4,
                                                    IDC_DB_PARAM5};
const uint16_t EffectParamCaptionIds[EFFECT_PARAMS] = {IDC_DB_PARAM1_CAPTION, IDC_DB_PARAM2_CAPTION,
                                                       IDC_DB_PARAM3_CAPTION, IDC_DB_PARAM4_CAPTION,
                                                       IDC_DB_PARAM5_CAPTION};

namespace {

enum { SUB_LIST_MAX = 99, GIANT_SIZE_MIN = 2 };
// The character effect kind that changes a character's colour; its fourth parameter is the colour.
constexpr int32_t COLOUR_CHANGE_KIND = 13;

const char* const CHARA_SP_FAILED = "キャラの専用bmpの生成に失敗しました！";

void PosRowText(std::string& strText, int, const cEdSwordPos& p) {
  const char* pszDir = p.m_nDir >= 0 && p.m_nDir < 4 ? SwordDirNames[p.m_nDir] : "";
  FormatStr(strText, "%s(%d,%d) 横%d 縦%d 時間%d", pszDir, p.m_nX, p.m_nY, p.m_nWidth, p.m_nHeight, p.m_nTime);
}

void FrameRowText(std::string& strText, int, const cEdEffectFrame& f) {
  FormatStr(strText, "%d-%d", f.m_nFrame, f.m_nTime);
}

// The element of the sub-list's current row, or null (no row, or the end row).
template <class T>
T* CurrentElement(cListCtrl<T>& list) {
  if (!list.m_hWnd || !list.m_lpWork) return nullptr;
  int n = list.GetCurDataIndex();
  if (n < 0 || n >= static_cast<int>(list.m_lpWork->size())) return nullptr;
  return &(*list.m_lpWork)[n];
}

// The sub-list's own buttons and notifications: insert through the element dialog, edit the
// current element, delete the selected ones. True when the sub-list changed the edited record.
template <class T, class D>
bool RunSubListCommand(cListCtrl<T>& list, D*& lpDlg, uint16_t wDlgId, WORD wId, WORD wCode, uint16_t wListId,
                       uint16_t wInsertId, uint16_t wEditId, uint16_t wDeleteId) {
  if (wId == wListId && wCode == LBN_SELCHANGE) {
    list.OnSelChange();
    return false;
  }
  if ((wId == wListId && wCode == LBN_DBLCLK) || (wId == wEditId && wCode == BN_CLICKED))
    return list.Edit(lpDlg, wDlgId, &WindowList, 0, 1) != 0;
  if (wCode != BN_CLICKED) return false;
  if (wId == wInsertId) return list.InsertEdit(lpDlg, wDlgId, &WindowList, 0, 1) != 0;
  if (wId == wDeleteId) return list.Delete(-1, 0) != 0;
  return false;
}

const cEffectKindTable CHARA_EFFECT_TABLE = {CharaEffectNames, CharaEffectNotes, CharaEffectParams,
                                             CHARA_EFFECT_KINDS};
const cEffectKindTable SCR_EFFECT_TABLE = {ScrEffectNames, ScrEffectNotes, ScrEffectParams, SCR_EFFECT_KINDS};

}  // namespace

// ---------------------------------------------------------------------------------------------
// Character bitmap page

void cBmpCharaExcPage::CommitList() {
  cDbPage::CommitList();
  if (!LoadBmpPairs(CharaSpBitmaps, Database.m_vBmpCharaExc)) ErrorBox(CHARA_SP_FAILED);
}

void cBmpCharaExcPage::OwnRules() {
  // The size stays in the record while the option is off.
  m_Ctrls.Enable(IDC_DB_GIANT_SIZE, m_Ctrls.IsChecked(IDC_DB_GIANT) != 0);
}

// ---------------------------------------------------------------------------------------------
// Sword type page

void cSwordTypePage::BindPositions() {
  m_Pos.m_Param.Set(IDC_DB_POS_LIST, nullptr, &m_Edit.m_vPos, nullptr, 1, &PosRowText, 0, 1, SUB_LIST_MAX, 0, 1, 0);
}

void cSwordTypePage::AttachSubList() {
  AttachList(m_Pos);
  m_Pos.m_Ctrl.SetAccelMenu(IDR_ACCEL_SUB1, IDR_POPUP_SUB1, 1, 1);
}

cEdSwordPos* cSwordTypePage::CurrentPos() { return CurrentElement(m_Pos.m_Ctrl); }

bool cSwordTypePage::OnPageCommand(WORD wId, WORD wCode) {
  if (RunSubListCommand(m_Pos.m_Ctrl, m_lpPosDlg, IDD_DB_SWORD_POS, wId, wCode, IDC_DB_POS_LIST, IDC_DB_POS_INSERT,
                        IDC_DB_POS_EDIT, IDC_DB_POS_DELETE))
    m_List.m_Ctrl.Reselect();
  return true;
}

// ---------------------------------------------------------------------------------------------
// Effect page

void cEffectPage::BindFrames() {
  m_Ctrls.Value(IDC_DB_EFF_WIDTH, &m_Edit.m_nWidth, 1, 640, IDC_DB_EFF_WIDTH_SPIN);
  m_Ctrls.Value(IDC_DB_EFF_HEIGHT, &m_Edit.m_nHeight, 1, 480, IDC_DB_EFF_HEIGHT_SPIN);
  m_Ctrls.Check(IDC_DB_EFF_ZOOM, &m_Edit.m_bAllowZoom);
  m_Frames.m_Param.Set(IDC_DB_FRAME_LIST, nullptr, &m_Edit.m_vFrame, nullptr, 1, &FrameRowText, 0, 1, SUB_LIST_MAX, 0,
                       1, 0);
}

void cEffectPage::AttachSubList() {
  AttachList(m_Frames);
  m_Frames.m_Ctrl.SetAccelMenu(IDR_ACCEL_SUB1, IDR_POPUP_SUB1, 1, 1);
}

cEdEffectFrame* cEffectPage::CurrentFrame() { return CurrentElement(m_Frames.m_Ctrl); }

bool cEffectPage::OnPageCommand(WORD wId, WORD wCode) {
  if (RunSubListCommand(m_Frames.m_Ctrl, m_lpFrameDlg, IDD_DB_ANIME_FRAME, wId, wCode, IDC_DB_FRAME_LIST,
                        IDC_DB_FRAME_INSERT, IDC_DB_FRAME_EDIT, IDC_DB_FRAME_DELETE))
    m_List.m_Ctrl.Reselect();
  return true;
}

// ---------------------------------------------------------------------------------------------
// Character effect and screen effect pages

cCharaEffectPage::cCharaEffectPage(cWindow* o, cWindowList* l)
    : cKindEffectPage(IDD_DB_CHARA_EFFECT, o, l, &Database.m_vCharaEffect, IDC_DB_LIST_CHARA_EFFECT,
                      CHARA_EFFECT_TABLE) {
  m_Ctrls.Picture(IDC_DB_COLOUR_SAMPLE, 32, 32);
}

void cCharaEffectPage::KindApplied(int32_t nKind) {
  if (cControl* lpSample = m_Ctrls.Find(IDC_DB_COLOUR_SAMPLE)) lpSample->Show(nKind == COLOUR_CHANGE_KIND ? 1 : 0);
}

void cCharaEffectPage::Draw() {
  if (!m_bInit) return;
  cBitmapCtrl* lpSample = m_Ctrls.Pic(IDC_DB_COLOUR_SAMPLE);
  if (!lpSample || !lpSample->m_Surface.m_hDC) return;
  cEditValCtrl<int32_t>* lpColour = m_Ctrls.Val(IDC_DB_PARAM4);
  int32_t n = lpColour ? lpColour->ParseText() : 0;
  if (n < 0 || n > 255) n = 0;
  cSurface& s = lpSample->m_Surface;
  s.FillRgb(g_Palette[n].rgbBlue, g_Palette[n].rgbGreen, g_Palette[n].rgbRed);
  if (lpSample->m_Window.m_hDC) lpSample->m_Window.Blt(0, 0, s.m_nWidth, s.m_nHeight, s, 0, 0, 1);
}

cScrEffectPage::cScrEffectPage(cWindow* o, cWindowList* l)
    : cKindEffectPage(IDD_DB_SCR_EFFECT, o, l, &Database.m_vScrEffect, IDC_DB_LIST_SCR_EFFECT, SCR_EFFECT_TABLE) {}
