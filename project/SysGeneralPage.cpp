#include "project/SysGeneralPage.h"

#include "model/SystemData.h"
#include "model/SystemOptionLists.h"
#include "resources/SystemSheetIds.h"

namespace {
const int TITLE_CHARS = 30;
const int FONT_COUNT = sizeof FontNames / sizeof FontNames[0] - 1;  // without the closing ""
}  // namespace

cSysGeneralPage::cSysGeneralPage(cWindow* lpOwner, cWindowList* lpWindowList)
    : cSysPage(IDD_SYS_GENERAL, lpOwner, lpWindowList, 1) {
  cEdSystem& s = SystemData;
  m_Ctrls.Str(IDC_SG_TITLE, &s.m_strTitle, TITLE_CHARS, 1);
  m_Ctrls.Check(IDC_SG_PAUSE_HIDE, &s.m_bHidePause);
  m_Ctrls.Check(IDC_SG_SYMBOL, &s.m_bSymbol);
  m_Ctrls.Combo(IDC_SG_FONT, &s.m_nFont, FontNames);
  m_Ctrls.Picture(IDC_SG_SAMPLE, SAMPLE_W, SAMPLE_H);
  m_Ctrls.Check(IDC_SG_EVEN_PITCH, &s.m_bEvenPitch);
  m_Ctrls.Check(IDC_SG_DEATH_FX, &s.m_bDeathEffect);
  m_Ctrls.Check(IDC_SG_CLEAR_1UP, &s.m_b1UpOnClear);
  m_Ctrls.Value(IDC_SG_1UP_SCORE, &s.m_n1UpScore, 1, 999999, IDC_SG_1UP_SCORE_SPIN);
  m_Ctrls.Check(IDC_SG_TEST_FLOWS, &s.m_bTestFlows);
  m_Ctrls.Check(IDC_SG_REPLAY_SAVE, &s.m_bReplaySave);
  m_Ctrls.Check(IDC_SG_INVINCIBLE_FX, &s.m_bInvincibleEffect);
  m_Ctrls.Value(IDC_SG_FX_SPEED, &s.m_nEffectSpeed, 1, 32, IDC_SG_FX_SPEED_SPIN);
  m_Ctrls.Check(IDC_SG_COLOR_ANIME, &s.m_bColorAnime);
}

void cSysGeneralPage::UpdateEnable() {
  m_Ctrls.Enable(IDC_SG_1UP_SCORE, m_Ctrls.IsChecked(IDC_SG_CLEAR_1UP));
  m_Ctrls.Enable(IDC_SG_FX_SPEED, m_Ctrls.IsChecked(IDC_SG_INVINCIBLE_FX));
}

void cSysGeneralPage::Draw() {
  if (!m_bInit || m_Ctrls.m_vPicture.empty()) return;
  cBitmapCtrl& Sample = m_Ctrls.m_vPicture[0].m_Ctrl;
  if (!Sample.m_hWnd || !Sample.m_Window.m_hDC || !Sample.m_Surface.m_hDC) return;
  int32_t nFont = 0;
  if (cComboCtrl<int32_t>* lpFont = m_Ctrls.Cb(IDC_SG_FONT)) nFont = lpFont->GetCurData();
  if (nFont < 0 || nFont >= FONT_COUNT) nFont = 0;
  cSurface& s = Sample.m_Surface;
  s.Fill(RGB(0, 0, 0));
  s.SetFont(FontNames[nFont], 0, 16);
  s.PrintText(0, 1, "%s", "abc ABC あいう 剣弾魔龍");
  Sample.m_Window.Blt(0, 0, s.m_nWidth, s.m_nHeight, s, 0, 0, 1);
}
