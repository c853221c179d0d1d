#include "project/DbPages.h"

#include <cstring>

#include "app/Bgm.h"
#include "app/MciSound.h"
#include "app/MsgBox.h"
#include "model/PaletteOptionTables.h"

namespace {

const char* const PLAY_FAILED = "読み込み失敗！";

// Filters are the file dialog's lists of description and pattern pairs; the literal's own zero
// ends the list.
const cDbFileChoice BMP_CHARA_FILE = {"bmp\\chara_sp\\", "専用bmpの選択", "BitmapFile ( *.bmp )\0*.bmp\0", "bmp"};
const cDbFileChoice SWORD_FILE = {"bmp\\sword\\", "ビットマップの選択", "BitmapFile ( *.bmp )\0*.bmp\0", "bmp"};
const cDbFileChoice EFFECT_FILE = {"bmp\\effect\\", "ビットマップの選択", "BitmapFile ( *.bmp )\0*.bmp\0", "bmp"};
const cDbFileChoice PICTURE_FILE = {"bmp\\picture\\", "ビットマップの選択", "BitmapFile ( *.bmp )\0*.bmp\0", "bmp"};
const cDbFileChoice SOUND_FILE = {"wave", "効果音の選択", "WaveFile ( *.wav )\0*.wav\0", "wav"};
const cDbFileChoice BGM_FILE = {"bgm\\", "BGMの選択", "BgmFile ( *.mid;*.ogg )\0*.mid;*.ogg\0", "mid;ogg"};

}  // namespace

cAnimeSetPage::cAnimeSetPage(cWindow* o, cWindowList* l)
    : cDbPage(IDD_DB_ANIME_SET, o, l, &Database.m_vAnimeSet, IDC_DB_LIST_ANIME_SET, 0, 1) {
  m_bStandsForSheet = 1;
  BindAnimeSet();
}

cAnimePage::cAnimePage(cWindow* o, cWindowList* l)
    : cDbPage(IDD_DB_ANIME, o, l, &Database.m_vAnime, IDC_DB_LIST_ANIME, 1, 2) {
  BindAnime();
}

cBmpCharaExcPage::cBmpCharaExcPage(cWindow* o, cWindowList* l)
    : cDbPage(IDD_DB_BMP_CHARA, o, l, &Database.m_vBmpCharaExc, IDC_DB_LIST_BMP_CHARA, 1, 2) {
  BindFile(&BMP_CHARA_FILE);
  m_Ctrls.Check(IDC_DB_GIANT, &m_Edit.m_bGiant);
  m_Ctrls.Combo(IDC_DB_GIANT_SIZE, &m_Edit.m_nGiantSize, GiantNames2, 2);
}

cSwordTypePage::cSwordTypePage(cWindow* o, cWindowList* l)
    : cDbPage(IDD_DB_SWORD_TYPE, o, l, &Database.m_vSwordType, IDC_DB_LIST_SWORD_TYPE, 0, 1) {
  // The name follows the bitmap for a character facing left.
  BindNameFromFile(&m_Edit.m_bNameIsFile, IDC_DB_SWORD_LEFT);
  BindPath(&SWORD_FILE, &m_Edit.m_strBmpLeft, IDC_DB_SWORD_LEFT, IDC_DB_SWORD_LEFT_BROWSE);
  BindPath(&SWORD_FILE, &m_Edit.m_strBmpRight, IDC_DB_SWORD_RIGHT, IDC_DB_SWORD_RIGHT_BROWSE);
  BindPositions();
}

cEffectPage::cEffectPage(cWindow* o, cWindowList* l)
    : cDbPage(IDD_DB_EFFECT, o, l, &Database.m_vEffect, IDC_DB_LIST_EFFECT, 1, 2) {
  BindFile(&EFFECT_FILE);
  BindFrames();
}

cPicturePage::cPicturePage(cWindow* o, cWindowList* l)
    : cDbPage(IDD_DB_PICTURE, o, l, &Database.m_vPicture, IDC_DB_LIST_PICTURE, 1, 2) {
  BindFile(&PICTURE_FILE);
}

cSoundPage::cSoundPage(cWindow* o, cWindowList* l)
    : cDbPage(IDD_DB_SOUND, o, l, &Database.m_vSound, IDC_DB_LIST_SOUND, 1, 2) {
  BindFile(&SOUND_FILE);
  BindPlay();
}

bool cSoundPage::Play() {
  if (m_Edit.m_strPath.empty() || !MciSound.IsEnabled()) return true;
  char szPath[MAX_PATH] = "";
  lstrcpynA(szPath, m_Edit.m_strPath.c_str(), sizeof szPath);
  if (!PlaySoundFile(m_hWnd, MciSound, 0, szPath, 0)) ErrorBox(PLAY_FAILED);
  return true;
}

cBgmPage::cBgmPage(cWindow* o, cWindowList* l)
    : cDbPage(IDD_DB_BGM, o, l, &Database.m_vBgm, IDC_DB_LIST_BGM, 1, 2) {
  BindFile(&BGM_FILE);
  BindPlay();
}

bool cBgmPage::Play() {
  if (m_Edit.m_strPath.empty() || !Music.IsEnabled()) return true;
  // Track 0 is the preview's: a second piece replaces the first.
  Music.LoadTrack(0, m_Edit.m_strPath.c_str());
  if (Music.Play(0, 0, 1, 0, 1)) return true;
  ErrorBox(PLAY_FAILED);
  return false;
}
