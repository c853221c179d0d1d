#include "stage/StageAdvancedPages.h"

#include <commctrl.h>
#include <prsht.h>

#include <string>

#include "app/TextFormat.h"
#include "app/WindowList.h"
#include "model/Stage.h"
#include "model/StageOptionTables.h"
#include "resources/StageSettingsIds.h"

namespace {

constexpr int VANISH_EDGES = 4 * STAGE_AUTO_VANISH_COUNT;
constexpr int32_t VANISH_MARGIN_MAX = 99;
constexpr int32_t RANGE_MAX = 32;
constexpr int32_t SHOT_RANGE_MAX = 16;

// One hit-detection row of the second page: its caption, its width and height edits with their
// fields, its position combo (0: the row has none) and the new-stage defaults its caption shows.
struct cRangeRow {
  uint16_t wCaption, wW, wWSpin, wH, wHSpin, wPos;
  int32_t cEdStage::*pW;
  int32_t cEdStage::*pH;
  int32_t cEdStage::*pPos;
  int32_t nMax;
  int32_t nDefW, nDefH, nDefPos;
};

#define RANGE_ROW(cap, pre, w, h, pos, max, dw, dh, dp)                                                          \
  {IDC_ADV2_CAP_##cap, IDC_ADV2_##pre##_W, IDC_ADV2_##pre##_WS, IDC_ADV2_##pre##_H, IDC_ADV2_##pre##_HS, pos##_ID, \
   &cEdStage::w,       &cEdStage::h,       pos##_FIELD,          max,               dw,                  dh,        \
   dp}
#define NONE_ID 0
#define NONE_FIELD nullptr
#define HWB_ID IDC_ADV2_HERO_WALK_BLOCK_POS
#define HWB_FIELD &cEdStage::m_nHeroWalkBlockPos
#define HFB_ID IDC_ADV2_HERO_FLY_BLOCK_POS
#define HFB_FIELD &cEdStage::m_nHeroFlyBlockPos
#define HWC_ID IDC_ADV2_HERO_WALK_CHARA_POS
#define HWC_FIELD &cEdStage::m_nHeroWalkCharaPos
#define HFC_ID IDC_ADV2_HERO_FLY_CHARA_POS
#define HFC_FIELD &cEdStage::m_nHeroFlyCharaPos
#define EWB_ID IDC_ADV2_ENEMY_WALK_BLOCK_POS
#define EWB_FIELD &cEdStage::m_nEnemyWalkBlockPos
#define EFB_ID IDC_ADV2_ENEMY_FLY_BLOCK_POS
#define EFB_FIELD &cEdStage::m_nEnemyFlyBlockPos
#define EWC_ID IDC_ADV2_ENEMY_WALK_CHARA_POS
#define EWC_FIELD &cEdStage::m_nEnemyWalkCharaPos
#define EFC_ID IDC_ADV2_ENEMY_FLY_CHARA_POS
#define EFC_FIELD &cEdStage::m_nEnemyFlyCharaPos

// Positions: 0 centre, 1 bottom.
const cRangeRow RANGE_ROWS[] = {
    RANGE_ROW(HERO_WALK_BLOCK, HERO_WALK_BLOCK, m_nHeroWalkBlockW, m_nHeroWalkBlockH, HWB, RANGE_MAX, 16, 24, 1),
    RANGE_ROW(HERO_FLY_BLOCK, HERO_FLY_BLOCK, m_nHeroFlyBlockW, m_nHeroFlyBlockH, HFB, RANGE_MAX, 16, 16, 0),
    RANGE_ROW(HERO_WALK_CHARA, HERO_WALK_CHARA, m_nHeroWalkCharaW, m_nHeroWalkCharaH, HWC, RANGE_MAX, 16, 24, 1),
    RANGE_ROW(HERO_FLY_CHARA, HERO_FLY_CHARA, m_nHeroFlyCharaW, m_nHeroFlyCharaH, HFC, RANGE_MAX, 16, 16, 0),
    RANGE_ROW(HERO_ITEM, HERO_ITEM, m_nHeroItemW, m_nHeroItemH, NONE, RANGE_MAX, 16, 16, 0),
    RANGE_ROW(HERO_SHOT, HERO_SHOT, m_nHeroShotW, m_nHeroShotH, NONE, RANGE_MAX, 12, 8, 0),
    RANGE_ROW(ENEMY_WALK_BLOCK, ENEMY_WALK_BLOCK, m_nEnemyWalkBlockW, m_nEnemyWalkBlockH, EWB, RANGE_MAX, 16, 24, 1),
    RANGE_ROW(ENEMY_FLY_BLOCK, ENEMY_FLY_BLOCK, m_nEnemyFlyBlockW, m_nEnemyFlyBlockH, EFB, RANGE_MAX, 16, 16, 0),
    RANGE_ROW(ENEMY_WALK_CHARA, ENEMY_WALK_CHARA, m_nEnemyWalkCharaW, m_nEnemyWalkCharaH, EWC, RANGE_MAX, 12, 24, 1),
    RANGE_ROW(ENEMY_FLY_CHARA, ENEMY_FLY_CHARA, m_nEnemyFlyCharaW, m_nEnemyFlyCharaH, EFC, RANGE_MAX, 12, 16, 0),
    RANGE_ROW(ENEMY_SHOT, ENEMY_SHOT, m_nEnemyShotW, m_nEnemyShotH, NONE, RANGE_MAX, 30, 30, 0),
    RANGE_ROW(ITEM_CHARA, ITEM_CHARA, m_nItemCharaW, m_nItemCharaH, NONE, RANGE_MAX, 28, 28, 0),
    RANGE_ROW(HSHOT_CHARA, HSHOT_CHARA, m_nHeroShotCharaW, m_nHeroShotCharaH, NONE, SHOT_RANGE_MAX, 16, 16, 0),
    RANGE_ROW(HSHOT_SHOT, HSHOT_SHOT, m_nHeroShotShotW, m_nHeroShotShotH, NONE, SHOT_RANGE_MAX, 16, 16, 0),
    RANGE_ROW(ESHOT_CHARA, ESHOT_CHARA, m_nEnemyShotCharaW, m_nEnemyShotCharaH, NONE, SHOT_RANGE_MAX, 16, 16, 0),
    RANGE_ROW(ESHOT_SHOT, ESHOT_SHOT, m_nEnemyShotShotW, m_nEnemyShotShotH, NONE, SHOT_RANGE_MAX, 16, 16, 0),
};
constexpr int RANGE_ROW_COUNT = static_cast<int>(sizeof RANGE_ROWS / sizeof RANGE_ROWS[0]);

// The hero's ranges as the game may show them: the display combo, and the colour it enables.
struct cRangeShow {
  uint16_t wShow, wColor;
  int32_t cEdStage::*pShow;
  int32_t cEdStage::*pColor;
};
const cRangeShow RANGE_SHOWS[] = {
    {IDC_ADV2_SHOW_BLOCK, IDC_ADV2_COLOR_BLOCK, &cEdStage::m_nShowBlockRange, &cEdStage::m_nBlockRangeColor},
    {IDC_ADV2_SHOW_CHARA, IDC_ADV2_COLOR_CHARA, &cEdStage::m_nShowCharaRange, &cEdStage::m_nCharaRangeColor},
    {IDC_ADV2_SHOW_ITEM, IDC_ADV2_COLOR_ITEM, &cEdStage::m_nShowItemRange, &cEdStage::m_nItemRangeColor},
    {IDC_ADV2_SHOW_SHOT, IDC_ADV2_COLOR_SHOT, &cEdStage::m_nShowShotRange, &cEdStage::m_nShotRangeColor},
};

// The four margins and flags of one auto-vanish record, in the order of the page's rows.
int32_t* VanishFlag(cEdAutoVanish& v, int nEdge) {
  int32_t* const a[4] = {&v.m_bLeft, &v.m_bRight, &v.m_bTop, &v.m_bBottom};
  return a[nEdge];
}
int32_t* VanishMargin(cEdAutoVanish& v, int nEdge) {
  int32_t* const a[4] = {&v.m_nLeft, &v.m_nRight, &v.m_nTop, &v.m_nBottom};
  return a[nEdge];
}

// What both pages do with a message: the base handling, the enable rules when the page comes to
// the front.
template <class P>
LRESULT PageMsgProc(P* lpPage, HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  LRESULT nDefault = lpPage->DefProc(hWnd, uMsg, wParam, lParam);
  if (uMsg != WM_NOTIFY || !lParam) return nDefault;
  const NMHDR* pHdr = reinterpret_cast<const NMHDR*>(lParam);
  if (pHdr->code == static_cast<UINT>(PSN_SETACTIVE) && lpPage->m_bInit) lpPage->Refresh();
  return nDefault;
}

template <class P>
void PageCommand(P* lpPage, WPARAM wParam, LPARAM lParam) {
  if (!lpPage->CheckCommand(wParam)) return;
  lpPage->cDialog::OnCommand(wParam, lParam);
  if (lpPage->m_bInit && lpPage->ChangedCtrlId(wParam)) lpPage->UpdateEnables();
  TellSheetChanged(lpPage);
}

}  // namespace

void TellSheetChanged(cDialog* lpPage) {
  HWND hSheet = lpPage->m_hSheetWnd ? lpPage->m_hSheetWnd : GetParent(lpPage->m_hWnd);
  if (hSheet) SendMessageA(hSheet, PSM_CHANGED, reinterpret_cast<WPARAM>(lpPage->m_hWnd), 0);
}

// ---- "高度な設定" ----

cStageAdvancedPage::cStageAdvancedPage(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind,
                                       cWindowList* lpWindowList)
    : cDialogClass<cStageAdvancedPage>(wTemplateId, lpOwner, nKind, lpWindowList) {
  m_Ctrls.Value(IDC_ADV_FRAME_RATE, &Stage.m_nFrameRate, 30, 120, IDC_ADV_FRAME_RATE_SPIN);
  m_Ctrls.Check(IDC_ADV_USE_Z, &Stage.m_bUseZ);
  m_Ctrls.Check(IDC_ADV_NO_DAMAGE_OFF, &Stage.m_bNoDamageOffScreen);
  for (int i = 0; i < VANISH_EDGES; ++i) {
    cEdAutoVanish& v = Stage.m_AutoVanish[i / 4];
    m_Ctrls.Value(IDC_ADV_VANISH_MARGIN0 + i, VanishMargin(v, i % 4), 0, VANISH_MARGIN_MAX,
                  IDC_ADV_VANISH_SPIN0 + i);
    m_Ctrls.Check(IDC_ADV_VANISH_FLAG0 + i, VanishFlag(v, i % 4));
  }
  // Level k is stored as k: the first item stands for 1.
  m_Ctrls.Combo(IDC_ADV_HIT_LEVEL, &Stage.m_nHitLevel, HitLevelNames, 1);
  m_Ctrls.Combo(IDC_ADV_SHOT_PRECISION, &Stage.m_nShotPrecision, ShotPrecisionNames, 0);
}

cStageAdvancedPage::~cStageAdvancedPage() { Dispose(); }

void cStageAdvancedPage::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  if (m_ViewCtrl.m_hWnd) ShowWindow(m_ViewCtrl.m_hWnd, SW_HIDE);
  m_Ctrls.AttachAll(this);
  Refresh();
  DataToCtrls();
  UpdateEnables();
  m_bInit = 1;
}

void cStageAdvancedPage::UpdateEnables() {
  for (int i = 0; i < VANISH_EDGES; ++i) {
    cCheckCtrl<int32_t>* lpFlag = m_Ctrls.Chk<int32_t>(IDC_ADV_VANISH_FLAG0 + i);
    if (!lpFlag) return;
    m_Ctrls.Enable(IDC_ADV_VANISH_MARGIN0 + i, lpFlag->GetCheck() != 0);
  }
}

void cStageAdvancedPage::OnCommand(WPARAM wParam, LPARAM lParam) { PageCommand(this, wParam, lParam); }

LRESULT cStageAdvancedPage::MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  return PageMsgProc(this, hWnd, uMsg, wParam, lParam);
}

// ---- "高度な設定2" ----

cStageAdvanced2Page::cStageAdvanced2Page(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind,
                                         cWindowList* lpWindowList)
    : cDialogClass<cStageAdvanced2Page>(wTemplateId, lpOwner, nKind, lpWindowList) {
  for (int i = 0; i < RANGE_ROW_COUNT; ++i) {
    const cRangeRow& r = RANGE_ROWS[i];
    m_Ctrls.Value(r.wW, &(Stage.*r.pW), 1, r.nMax, r.wWSpin);
    m_Ctrls.Value(r.wH, &(Stage.*r.pH), 1, r.nMax, r.wHSpin);
    m_Ctrls.Static(r.wCaption);
    if (r.wPos) m_Ctrls.Combo(r.wPos, &(Stage.*r.pPos), RangePosNames, 0);
  }
  for (const cRangeShow& s : RANGE_SHOWS) {
    m_Ctrls.Combo(s.wShow, &(Stage.*s.pShow), RangeShowNames, 0);
    m_Ctrls.Combo(s.wColor, &(Stage.*s.pColor), RangeColorNames, 0);
  }
}

cStageAdvanced2Page::~cStageAdvanced2Page() { Dispose(); }

void cStageAdvanced2Page::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  if (m_ViewCtrl.m_hWnd) ShowWindow(m_ViewCtrl.m_hWnd, SW_HIDE);
  m_Ctrls.AttachAll(this);
  Refresh();
  DataToCtrls();
  UpdateEnables();
  AppendDefaults();
  m_bInit = 1;
}

void cStageAdvanced2Page::AppendDefaults() {
  for (const cRangeRow& r : RANGE_ROWS) {
    cStaticCtrl* lpCaption = m_Ctrls.Stc(r.wCaption);
    if (!lpCaption) return;
    std::string str;
    lpCaption->GetText(str);
    if (r.wPos)
      FormatAppend(str, " (%d,%d,%s)", r.nDefW, r.nDefH, RangePosNames2[r.nDefPos]);
    else
      FormatAppend(str, " (%d,%d)", r.nDefW, r.nDefH);
    lpCaption->SetText(str.c_str());
  }
}

void cStageAdvanced2Page::UpdateEnables() {
  for (const cRangeShow& s : RANGE_SHOWS) {
    cComboCtrl<int32_t>* lpShow = m_Ctrls.Cb<int32_t>(s.wShow);
    if (!lpShow) return;
    m_Ctrls.Enable(s.wColor, lpShow->GetCurData() != 0);
  }
}

void cStageAdvanced2Page::OnCommand(WPARAM wParam, LPARAM lParam) { PageCommand(this, wParam, lParam); }

LRESULT cStageAdvanced2Page::MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  return PageMsgProc(this, hWnd, uMsg, wParam, lParam);
}
