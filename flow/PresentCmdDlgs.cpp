#include "flow/PresentCmdDlgs.h"

#include "app/Bgm.h"
#include "app/MsgBox.h"
#include "controls/NameLists.h"
#include "flow/PageParts.h"
#include "flow/SoundPreview.h"
#include "model/Chara.h"
#include "model/CommandKindTable.h"
#include "model/Database.h"
#include "model/PaletteOptionTables.h"
#include "controls/GraphicPickDlg.h"
#include "resources/ControlCmdIds.h"

namespace {

// Graphic kinds of "グラフィックの変更".
enum { GRAPHIC_OF_CHARA = 1, GRAPHIC_OWN_BMP = 4 };
const int32_t GRAPHIC_MAX = 119;
const int PREVIEW_SIZE = 32;

// "表示位置" of an effect or a picture: the two that take coordinates.
bool TakesCoordinates(int32_t nPos) { return nPos == 3 || nPos == 4; }
enum { TIME_UNTIL_KEY = 0, TIME_UNTIL_END = 1 };

// New commands of this family run beside the next command.
void SetNewTiming(cEdCommand& c) {
  c.m_nTime = 0;
  c.m_bParallel = 1;
}

// Shows the value within a new range (the field is written at OK).
void SetRangeShown(cEditValCtrl<int32_t>* p, int32_t nMin, int32_t nMax) {
  if (!p) return;
  p->SetRange(nMin, nMax);
  p->OnKillFocus();  // shown held to the new range, as when the box is left
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// グラフィックの変更

cGraphicCmdDlg::cGraphicCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                               cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cCmdDlgOf(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList, lpAnchor, bCentre) {
  if (IsNew()) {
    SetNewTiming(Cmd());
    *Param(0) = 1;
    *Param(1) = 1;
    *Param(2) = 0;
  }
  m_Ctrls.Combo(IDC_GR_KIND, Param(0), SheetNames, 0);
  m_Ctrls.Value(IDC_GR_NUMBER, Param(1), 1, GRAPHIC_MAX, IDC_GR_NUMBER_SPIN);
  m_Ctrls.Button(IDC_GR_LIST);
  m_Ctrls.Value(IDC_GR_SHIFT, Param(2), -999, 999, IDC_GR_SHIFT_SPIN);
  m_Ctrls.Picture(IDC_GR_PICTURE, PREVIEW_SIZE, PREVIEW_SIZE);
}

void cGraphicCmdDlg::UpdateEnable() {
  cCtrlSet& c = m_Ctrls;
  const int32_t nKind = c.ComboValue(IDC_GR_KIND);
  if (nKind == GRAPHIC_OF_CHARA) {
    c.Enable(IDC_GR_SHIFT, true);
    SetRangeShown(c.Val(IDC_GR_SHIFT), -19, 19);
    SetRangeShown(c.Val(IDC_GR_NUMBER), 1, GRAPHIC_MAX);
    c.Enable(IDC_GR_LIST, true);
  } else if (nKind == GRAPHIC_OWN_BMP) {
    c.Enable(IDC_GR_SHIFT, true);
    SetRangeShown(c.Val(IDC_GR_SHIFT), -239, 239);
    // Record 0 of the character bitmaps is never a graphic of its own.
    const int32_t nLast = static_cast<int32_t>(Database.m_vBmpCharaExc.size()) - 1;
    SetRangeShown(c.Val(IDC_GR_NUMBER), 1, nLast < 1 ? 1 : nLast);
    c.Enable(IDC_GR_LIST, false);
  } else {
    c.Enable(IDC_GR_SHIFT, false);
    SetRangeShown(c.Val(IDC_GR_NUMBER), 1, GRAPHIC_MAX);
    c.Enable(IDC_GR_LIST, true);
  }
  Draw();
}

int cGraphicCmdDlg::OnOwnCommand(WPARAM wParam) {
  if (!IsClick(wParam, IDC_GR_LIST)) return 0;
  uint16_t wPicked = 0;
  if (PickGraphic(&wPicked, m_Ctrls.ComboValue(IDC_GR_KIND), this, m_Ctrls.Btn(IDC_GR_LIST)))
    if (cEditValCtrl<int32_t>* p = m_Ctrls.Val(IDC_GR_NUMBER)) p->SetValue(wPicked);
  Draw();
  return 1;
}

void cGraphicCmdDlg::Draw() {
  cBitmapCtrl* lpPic = m_bInit ? m_Ctrls.Pic(IDC_GR_PICTURE) : nullptr;
  cEditValCtrl<int32_t>* lpNumber = m_Ctrls.Val(IDC_GR_NUMBER);
  cEditValCtrl<int32_t>* lpShift = m_Ctrls.Val(IDC_GR_SHIFT);
  if (!lpPic || !lpNumber || !lpShift) return;
  cEdChara rec;
  rec.m_nSheet = static_cast<int8_t>(m_Ctrls.ComboValue(IDC_GR_KIND));
  rec.m_nGraphic = static_cast<int16_t>(lpNumber->ParseText());
  rec.m_nGraphicShift = static_cast<int16_t>(lpShift->ParseText());
  rec.m_nOffsetX = rec.m_nOffsetY = 0;
  DrawEntryPreview(*lpPic, rec);
}

// ---------------------------------------------------------------------------------------------
// Record choices

cAnimeSetCmdDlg::cAnimeSetCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                                 cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cCmdDlgOf(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList, lpAnchor, bCentre) {
  if (IsNew()) {
    SetNewTiming(Cmd());
    *Param(0) = 0;
  }
  // Anime sets are numbered from 1 in the game's own words.
  MakeDbNameList(m_vNames, Database.m_vAnimeSet, nullptr, 0, 3, 1);
  m_Ctrls.Combo(IDC_AS_SET, Param(0), &m_vNames, 0);
}

cAnimeCmdDlg::cAnimeCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                           cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cCmdDlgOf(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList, lpAnchor, bCentre) {
  if (IsNew()) {
    SetNewTiming(Cmd());
    *Param(0) = 1;
  }
  MakeDbNameList(m_vNames, Database.m_vAnime, nullptr, 1, 3, 0);
  m_Ctrls.Combo(IDC_AN_ANIME, Param(0), &m_vNames, 1);
}

cCharaEffectCmdDlg::cCharaEffectCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                                       cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cCmdDlgOf(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList, lpAnchor, bCentre) {
  if (IsNew()) {
    SetNewTiming(Cmd());
    *Param(0) = 1;
  }
  MakeDbNameList(m_vNames, Database.m_vCharaEffect, "なし", 0, 3, 0);
  m_Ctrls.Combo(IDC_CE_EFFECT, Param(0), &m_vNames, 0);
  m_Ctrls.Combo(IDC_CE_MODE, Param(1), EffectModeNames, 0);
  m_Ctrls.Check(IDC_CE_LOOP, Param(2));
}

cScrEffectCmdDlg::cScrEffectCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                                   cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cCmdDlgOf(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList, lpAnchor, bCentre) {
  if (IsNew()) {
    SetNewTiming(Cmd());
    *Param(0) = 1;
  }
  MakeDbNameList(m_vNames, Database.m_vScrEffect, "なし", 0, 3, 0);
  m_Ctrls.Combo(IDC_SE_EFFECT, Param(0), &m_vNames, 0);
  m_Ctrls.Combo(IDC_SE_MODE, Param(1), EffectModeNames, 0);
  m_Ctrls.Check(IDC_SE_LOOP, Param(2));
}

cBackgroundCmdDlg::cBackgroundCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                                     cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cCmdDlgOf(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList, lpAnchor, bCentre) {
  if (IsNew()) {
    SetNewTiming(Cmd());
    *Param(0) = 1;
  }
  m_Ctrls.Value(IDC_BG_NUMBER, Param(0), 1, 8, IDC_BG_NUMBER_SPIN);
  m_Ctrls.Combo(IDC_BG_OP, Param(1), BackgroundOpNames, 0);
}

// ---------------------------------------------------------------------------------------------
// エフェクトの実行

cEffectCmdDlg::cEffectCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                             cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cCmdDlgOf(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList, lpAnchor, bCentre) {
  if (IsNew()) {
    SetNewTiming(Cmd());
    *Param(0) = 1;
    *Param(6) = 100;
  }
  MakeDbNameList(m_vNames, Database.m_vEffect, "エフェクトの消去", 0, 3, 0);
  cCtrlSet& c = m_Ctrls;
  c.Combo(IDC_EF_EFFECT, Param(0), &m_vNames, 0);
  c.Combo(IDC_EF_POS, Param(1), EffectPosNames, 0);
  c.Value(IDC_EF_X, Param(2), 0, 511, IDC_EF_X_SPIN);
  c.Value(IDC_EF_Y, Param(3), 0, 511, IDC_EF_Y_SPIN);
  c.Value(IDC_EF_SHIFT_X, Param(4), -999, 999, IDC_EF_SHIFT_X_SPIN);
  c.Value(IDC_EF_SHIFT_Y, Param(5), -999, 999, IDC_EF_SHIFT_Y_SPIN);
  c.Value(IDC_EF_SCALE, Param(6), 1, 1000, IDC_EF_SCALE_SPIN);
  c.Check(IDC_EF_PAUSE, Param(7));
}

void cEffectCmdDlg::UpdateEnable() {
  cCtrlSet& c = m_Ctrls;
  if (c.ComboValue(IDC_EF_EFFECT) == 0) {
    c.Enable({IDC_EF_POS, IDC_EF_X, IDC_EF_Y, IDC_EF_SHIFT_X, IDC_EF_SHIFT_Y, IDC_EF_SCALE, IDC_EF_PAUSE}, false);
    return;
  }
  c.Enable({IDC_EF_POS, IDC_EF_SHIFT_X, IDC_EF_SHIFT_Y, IDC_EF_SCALE, IDC_EF_PAUSE}, true);
  c.Enable({IDC_EF_X, IDC_EF_Y}, TakesCoordinates(c.ComboValue(IDC_EF_POS)));
}

void cEffectCmdDlg::AfterStore() { Cmd().m_bParallel = *Param(7) ? 0 : 1; }

// ---------------------------------------------------------------------------------------------
// ピクチャーの表示

cPictureCmdDlg::cPictureCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                               cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cCmdDlgOf(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList, lpAnchor, bCentre) {
  if (IsNew()) {
    SetNewTiming(Cmd());
    static const struct {
      int n;
      int32_t v;
    } DEFAULTS[] = {{0, 1}, {6, 1}, {7, 100}, {9, 10}, {11, 0}, {12, 0}, {13, 0}, {14, 0}};
    for (const auto& d : DEFAULTS) *Param(d.n) = d.v;
  }
  MakeDbNameList(m_vNames, Database.m_vPicture, "ピクチャーの消去(ID非設定なら全消去)", 0, 3, 0);
  cCtrlSet& c = m_Ctrls;
  c.Combo(IDC_PI_PICTURE, Param(0), &m_vNames, 0);
  c.Check(IDC_PI_USE_ID, Param(12));
  c.Value(IDC_PI_ID, Param(13), 0, 999, IDC_PI_ID_SPIN);
  c.Combo(IDC_PI_POS, Param(1), EffectPosNames, 0);
  c.Value(IDC_PI_X, Param(2), 0, 511, IDC_PI_X_SPIN);
  c.Value(IDC_PI_Y, Param(3), 0, 511, IDC_PI_Y_SPIN);
  c.Value(IDC_PI_SHIFT_X, Param(4), -999, 999, IDC_PI_SHIFT_X_SPIN);
  c.Value(IDC_PI_SHIFT_Y, Param(5), -999, 999, IDC_PI_SHIFT_Y_SPIN);
  c.Value(IDC_PI_SCALE, Param(7), 1, 1000, IDC_PI_SCALE_SPIN);
  c.Check(IDC_PI_FOLLOW, Param(11));
  c.Check(IDC_PI_FRONT, Param(6));
  c.Combo(IDC_PI_TIME_MODE, Param(8), PictureTimeNames, 0);
  c.Value(IDC_PI_TIME, Param(9), 1, 9999, IDC_PI_TIME_SPIN);
  c.Check(IDC_PI_INSTANT, Param(14));
  c.Check(IDC_PI_PAUSE, Param(10));
}

void cPictureCmdDlg::UpdateEnable() {
  cCtrlSet& c = m_Ctrls;
  c.Enable(IDC_PI_ID, c.CheckState(IDC_PI_USE_ID) != 0);
  if (c.ComboValue(IDC_PI_PICTURE) == 0) {
    c.Enable({IDC_PI_POS, IDC_PI_X, IDC_PI_Y, IDC_PI_SHIFT_X, IDC_PI_SHIFT_Y, IDC_PI_FRONT, IDC_PI_FOLLOW,
              IDC_PI_SCALE, IDC_PI_TIME_MODE, IDC_PI_TIME, IDC_PI_INSTANT, IDC_PI_PAUSE},
             false);
    return;
  }
  c.Enable({IDC_PI_POS, IDC_PI_SHIFT_X, IDC_PI_SHIFT_Y, IDC_PI_FRONT, IDC_PI_SCALE, IDC_PI_TIME_MODE}, true);
  c.Enable({IDC_PI_X, IDC_PI_Y}, TakesCoordinates(c.ComboValue(IDC_PI_POS)));
  switch (c.ComboValue(IDC_PI_TIME_MODE)) {
    case TIME_UNTIL_KEY:
      c.Enable({IDC_PI_FOLLOW, IDC_PI_TIME, IDC_PI_INSTANT, IDC_PI_PAUSE}, false);
      c.SetCheckState(IDC_PI_PAUSE, 1);
      break;
    case TIME_UNTIL_END:
      c.Enable(IDC_PI_FOLLOW, true);
      c.Enable({IDC_PI_TIME, IDC_PI_INSTANT, IDC_PI_PAUSE}, false);
      c.SetCheckState(IDC_PI_PAUSE, 0);
      break;
    default:
      c.Enable({IDC_PI_FOLLOW, IDC_PI_INSTANT, IDC_PI_PAUSE}, true);
      if (c.CheckState(IDC_PI_INSTANT)) {
        if (cEditValCtrl<int32_t>* p = c.Val(IDC_PI_TIME)) p->SetValue(1);
        c.Enable(IDC_PI_TIME, false);
      } else {
        c.Enable(IDC_PI_TIME, true);
      }
      break;
  }
}

void cPictureCmdDlg::AfterStore() { Cmd().m_bParallel = *Param(10) ? 0 : 1; }

// ---------------------------------------------------------------------------------------------
// 画面の色を変更

cScreenColorCmdDlg::cScreenColorCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                                       cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cCmdDlgOf(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList, lpAnchor, bCentre) {
  if (IsNew()) SetNewTiming(Cmd());
  cCtrlSet& c = m_Ctrls;
  c.Slider(IDC_SCOL_R, Param(0), 0, 255, 30, IDC_SCOL_R_VALUE);
  c.Slider(IDC_SCOL_G, Param(1), 0, 255, 30, IDC_SCOL_G_VALUE);
  c.Slider(IDC_SCOL_B, Param(2), 0, 255, 30, IDC_SCOL_B_VALUE);
  c.Slider(IDC_SCOL_PERCENT, Param(3), 0, 100, 10, IDC_SCOL_PERCENT_VALUE);
  c.Check(IDC_SCOL_RESTORE, Param(4));
  c.Value(IDC_SCOL_TIME, Param(5), 0, 999, IDC_SCOL_TIME_SPIN);
  c.Check(IDC_SCOL_INSTANT, Param(6));
  c.Value(IDC_SCOL_COUNT, Param(7), 1, 99, IDC_SCOL_COUNT_SPIN);
  c.Picture(IDC_SCOL_PICTURE, PREVIEW_SIZE, PREVIEW_SIZE);
}

void cScreenColorCmdDlg::UpdateEnable() {
  cCtrlSet& c = m_Ctrls;
  const bool bRestore = c.CheckState(IDC_SCOL_RESTORE) != 0;
  c.Enable({IDC_SCOL_R, IDC_SCOL_G, IDC_SCOL_B, IDC_SCOL_PERCENT, IDC_SCOL_INSTANT}, !bRestore);
  if (bRestore) c.SetCheckState(IDC_SCOL_INSTANT, 0);
  c.Enable(IDC_SCOL_COUNT, !bRestore && c.CheckState(IDC_SCOL_INSTANT));
  Draw();
}

void cScreenColorCmdDlg::Draw() {
  cBitmapCtrl* lpPic = m_bInit ? m_Ctrls.Pic(IDC_SCOL_PICTURE) : nullptr;
  if (!lpPic || !lpPic->m_Window.m_hDC || !lpPic->m_Surface.m_hDC) return;
  auto Pos = [&](uint16_t wId) {
    cSliderCtrl* p = m_Ctrls.Sld(wId);
    return static_cast<BYTE>(p ? p->GetPos() : 0);
  };
  cSurface& s = lpPic->m_Surface;
  s.Fill(RGB(Pos(IDC_SCOL_R), Pos(IDC_SCOL_G), Pos(IDC_SCOL_B)));
  lpPic->m_Window.Blt(0, 0, s.m_nWidth, s.m_nHeight, s, 0, 0, 1);
}

// ---------------------------------------------------------------------------------------------
// 効果音の再生 and BGMの再生

cSoundCmdDlg::cSoundCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                           cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cCmdDlgOf(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList, lpAnchor, bCentre) {
  if (IsNew()) {
    SetNewTiming(Cmd());
    *Param(0) = 1;
  }
  MakeDbNameList(m_vNames, Database.m_vSound, nullptr, 1, 3, 0);
  m_Ctrls.Combo(IDC_SD_SOUND, Param(0), &m_vNames, 1);
  m_Ctrls.Check(IDC_SD_MUTE_OFF_SCREEN, &Cmd().m_bMuteOffScreen);
}

void cSoundCmdDlg::AfterCommand(WPARAM wParam) {
  if (LOWORD(wParam) == IDC_SD_SOUND && HIWORD(wParam) == CBN_SELCHANGE)
    PreviewSound(m_hWnd, m_Ctrls.m_vCombo32, IDC_SD_SOUND);
}

cBgmCmdDlg::cBgmCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                       cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cCmdDlgOf(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList, lpAnchor, bCentre) {
  if (IsNew()) {
    SetNewTiming(Cmd());
    *Param(0) = 1;
  }
  MakeDbNameList(m_vNames, Database.m_vBgm, "BGMの停止", 0, 3, 0);
  m_Ctrls.Combo(IDC_BGM_BGM, Param(0), &m_vNames, 0);
  m_Ctrls.Check(IDC_BGM_LOOP, Param(1));
  m_Ctrls.Button(IDC_BGM_PLAY);
}

int cBgmCmdDlg::PlayChosen() {
  const int32_t nBgm = m_Ctrls.ComboValue(IDC_BGM_BGM);
  // "BGMの停止" and a list without pieces play nothing.
  if (nBgm <= 0 || nBgm >= static_cast<int32_t>(Database.m_vBgm.size())) return 0;
  Music.LoadTrack(0, Database.m_vBgm[nBgm].m_strPath.c_str());
  if (Music.Play(0, 0, m_Ctrls.CheckState(IDC_BGM_LOOP), 0, 1)) return 1;
  ErrorBox("読み込み失敗！");
  return 0;
}

int cBgmCmdDlg::OnOwnCommand(WPARAM wParam) {
  if (!IsClick(wParam, IDC_BGM_PLAY)) return 0;
  PlayChosen();
  return 1;
}

void cBgmCmdDlg::BeforeClose() { Music.StopAll(); }
