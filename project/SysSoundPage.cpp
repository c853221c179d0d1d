#include "project/SysSoundPage.h"

#include "app/Bgm.h"
#include "app/MciSound.h"
#include "app/MsgBox.h"
#include "app/Paths.h"
#include "controls/NameLists.h"
#include "model/Database.h"
#include "model/SystemData.h"
#include "model/SystemOptionLists.h"
#include "resources/SystemSheetIds.h"

namespace {

struct cStockRow {
  uint16_t wStock, wReset;
};
const cStockRow STOCK_ROWS[SYS_STOCK_COUNT] = {
    {IDC_SS_STOCK_0, IDC_SS_RESET_0},   {IDC_SS_STOCK_1, IDC_SS_RESET_1},
    {IDC_SS_STOCK_2, IDC_SS_RESET_2},   {IDC_SS_STOCK_3, IDC_SS_RESET_3},
    {IDC_SS_STOCK_4, IDC_SS_RESET_4},   {IDC_SS_STOCK_5, IDC_SS_RESET_5},
    {IDC_SS_STOCK_6, IDC_SS_RESET_6},   {IDC_SS_STOCK_7, IDC_SS_RESET_7},
    {IDC_SS_STOCK_8, IDC_SS_RESET_8},   {IDC_SS_STOCK_9, IDC_SS_RESET_9},
    {IDC_SS_STOCK_10, IDC_SS_RESET_10}, {IDC_SS_STOCK_11, IDC_SS_RESET_11},
    {IDC_SS_STOCK_12, IDC_SS_RESET_12}, {IDC_SS_STOCK_13, IDC_SS_RESET_13},
    {IDC_SS_STOCK_14, IDC_SS_RESET_14}, {IDC_SS_STOCK_15, IDC_SS_RESET_15},
    {IDC_SS_STOCK_16, IDC_SS_RESET_16}, {IDC_SS_STOCK_17, IDC_SS_RESET_17},
    {IDC_SS_STOCK_18, IDC_SS_RESET_18}, {IDC_SS_STOCK_19, IDC_SS_RESET_19},
    {IDC_SS_STOCK_20, IDC_SS_RESET_20}, {IDC_SS_STOCK_21, IDC_SS_RESET_21},
    {IDC_SS_STOCK_22, IDC_SS_RESET_22}, {IDC_SS_STOCK_23, IDC_SS_RESET_23},
    {IDC_SS_STOCK_24, IDC_SS_RESET_24},
};

struct cSoundRow {
  uint16_t wEdit, wBrowse, wPlay;
};
const cSoundRow SOUND_ROWS[SYS_SOUND_COUNT] = {
    {IDC_SS_SE_0, IDC_SS_SE_BROWSE_0, IDC_SS_SE_PLAY_0},
    {IDC_SS_SE_1, IDC_SS_SE_BROWSE_1, IDC_SS_SE_PLAY_1},
    {IDC_SS_SE_2, IDC_SS_SE_BROWSE_2, IDC_SS_SE_PLAY_2},
    {IDC_SS_SE_3, IDC_SS_SE_BROWSE_3, IDC_SS_SE_PLAY_3},
    {IDC_SS_SE_4, IDC_SS_SE_BROWSE_4, IDC_SS_SE_PLAY_4},
    {IDC_SS_SE_5, IDC_SS_SE_BROWSE_5, IDC_SS_SE_PLAY_5},
    {IDC_SS_SE_6, IDC_SS_SE_BROWSE_6, IDC_SS_SE_PLAY_6},
    {IDC_SS_SE_7, IDC_SS_SE_BROWSE_7, IDC_SS_SE_PLAY_7},
    {IDC_SS_SE_8, IDC_SS_SE_BROWSE_8, IDC_SS_SE_PLAY_8},
    {IDC_SS_SE_9, IDC_SS_SE_BROWSE_9, IDC_SS_SE_PLAY_9},
    {IDC_SS_SE_10, IDC_SS_SE_BROWSE_10, IDC_SS_SE_PLAY_10},
    {IDC_SS_SE_11, IDC_SS_SE_BROWSE_11, IDC_SS_SE_PLAY_11},
    {IDC_SS_SE_12, IDC_SS_SE_BROWSE_12, IDC_SS_SE_PLAY_12},
    {IDC_SS_SE_13, IDC_SS_SE_BROWSE_13, IDC_SS_SE_PLAY_13},
    {IDC_SS_SE_14, IDC_SS_SE_BROWSE_14, IDC_SS_SE_PLAY_14},
    {IDC_SS_SE_15, IDC_SS_SE_BROWSE_15, IDC_SS_SE_PLAY_15},
    {IDC_SS_SE_16, IDC_SS_SE_BROWSE_16, IDC_SS_SE_PLAY_16},
};

struct cBgmRow {
  uint16_t wList, wPlay, wLoop;
};
const cBgmRow BGM_ROWS[SYS_BGM_COUNT] = {
    {IDC_SS_BGM_0, IDC_SS_BGM_PLAY_0, IDC_SS_BGM_LOOP_0},
    {IDC_SS_BGM_1, IDC_SS_BGM_PLAY_1, IDC_SS_BGM_LOOP_1},
    {IDC_SS_BGM_2, IDC_SS_BGM_PLAY_2, IDC_SS_BGM_LOOP_2},
    {IDC_SS_BGM_3, IDC_SS_BGM_PLAY_3, IDC_SS_BGM_LOOP_3},
};

const int MUSIC_TRACK = 0;
const int PREVIEW_SLOT = 0;

}  // namespace

cSysSoundPage::cSysSoundPage(cWindow* lpOwner, cWindowList* lpWindowList)
    : cSysPage(IDD_SYS_SOUND, lpOwner, lpWindowList, 0) {
  cEdSystem& s = SystemData;
  MakeDbNameList(m_vBgmNames, Database.m_vBgm, "なし", 0, 3, 0);
  for (int i = 0; i < SYS_STOCK_COUNT; ++i) {
    m_Ctrls.Check(STOCK_ROWS[i].wStock, &s.m_vStock[i]);
    m_Ctrls.Check(STOCK_ROWS[i].wReset, &s.m_vResetOnDeath[i]);
  }
  for (int i = 0; i < SYS_SOUND_COUNT; ++i) {
    m_Ctrls.Path(SOUND_ROWS[i].wEdit, &s.m_vSounds[i]);
    m_Ctrls.Button(SOUND_ROWS[i].wBrowse);
    m_Ctrls.Button(SOUND_ROWS[i].wPlay);
  }
  for (int i = 0; i < SYS_BGM_COUNT; ++i) {
    m_Ctrls.Combo(BGM_ROWS[i].wList, &s.m_vBgm[i], &m_vBgmNames);
    m_Ctrls.Button(BGM_ROWS[i].wPlay);
    m_Ctrls.Check(BGM_ROWS[i].wLoop, &s.m_vBgmLoop[i]);
  }
  m_Ctrls.Combo(IDC_SS_BMP_MODE, &s.m_nBmpMode, BmpModeNames);
  m_Ctrls.Value(IDC_SS_KEY_R, &s.m_cTransR, 0, 255, IDC_SS_KEY_R_SPIN);
  m_Ctrls.Value(IDC_SS_KEY_G, &s.m_cTransG, 0, 255, IDC_SS_KEY_G_SPIN);
  m_Ctrls.Value(IDC_SS_KEY_B, &s.m_cTransB, 0, 255, IDC_SS_KEY_B_SPIN);
}

void cSysSoundPage::UpdateEnable() {
  // Only 24-bit bitmaps have a transparent colour of their own.
  bool bTrueColour = false;
  if (cComboCtrl<int32_t>* lpMode = m_Ctrls.Cb(IDC_SS_BMP_MODE)) bTrueColour = lpMode->GetCurData() == 1;
  m_Ctrls.Enable(IDC_SS_KEY_R, bTrueColour);
  m_Ctrls.Enable(IDC_SS_KEY_G, bTrueColour);
  m_Ctrls.Enable(IDC_SS_KEY_B, bTrueColour);
  for (const cStockRow& r : STOCK_ROWS) m_Ctrls.Enable(r.wReset, m_Ctrls.IsChecked(r.wStock) != 0);
}

void cSysSoundPage::OnPageCommand(WPARAM wParam) {
  if (HIWORD(wParam) != BN_CLICKED) return;
  const uint16_t wId = LOWORD(wParam);
  for (int i = 0; i < SYS_BGM_COUNT; ++i)
    if (wId == BGM_ROWS[i].wPlay) return PlayMusic(i);
  for (int i = 0; i < SYS_SOUND_COUNT; ++i) {
    if (wId == SOUND_ROWS[i].wBrowse) return BrowseSound(i);
    if (wId == SOUND_ROWS[i].wPlay) return PlaySe(i);
  }
}

void cSysSoundPage::PlayMusic(int nRow) {
  cComboCtrl<int32_t>* lpList = m_Ctrls.Cb(BGM_ROWS[nRow].wList);
  if (!lpList) return;
  const int32_t v = lpList->GetCurData();
  if (v <= 0 || v >= static_cast<int32_t>(Database.m_vBgm.size())) return;
  Music.LoadTrack(MUSIC_TRACK, Database.m_vBgm[v].m_strPath.c_str());
  // A preview plays the piece from its start, whatever plays now; the loop box is for the game.
  if (!Music.Play(0, MUSIC_TRACK, 1, 0, 1)) ErrorBox("読み込み失敗！");
}

void cSysSoundPage::BrowseSound(int nRow) {
  char szPath[MAX_PATH] = "";
  static const char FILTER[] = "WaveFile ( *.wav )\0*.wav\0";
  if (!OpenFileDlg(m_hWnd, szPath, sizeof szPath, "wave\\", "効果音の選択", FILTER, "wav", 0, nullptr))
    return;
  if (!MakeRelativePath(szPath)) return;
  if (cEditStrCtrl* lpEdit = m_Ctrls.Edit(SOUND_ROWS[nRow].wEdit)) lpEdit->SetText(szPath);
}

void cSysSoundPage::PlaySe(int nRow) {
  cEditStrCtrl* lpEdit = m_Ctrls.Edit(SOUND_ROWS[nRow].wEdit);
  if (!lpEdit) return;
  std::string str;
  lpEdit->GetText(str);
  if (str.empty()) return;
  // The player may rewrite the extension in place: it gets a copy with room to spare.
  char szPath[MAX_PATH + 8] = "";
  lstrcpynA(szPath, str.c_str(), MAX_PATH);
  if (!PlaySoundFile(m_hWnd, MciSound, PREVIEW_SLOT, szPath, 0)) ErrorBox("読み込み失敗！");
}
