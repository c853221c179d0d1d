// The database pages that edit more than names and files: the animation samples and their
// preview ticks, the pattern dialog, the graphic-kind limits, the sword positions, the effect
// kinds with their parameter rows, and the character bitmaps rebuilt by the commit.
#include <algorithm>
#include <cstring>

#include "ArtFiles.h"
#include "DatabaseSheetFixture.h"
#include "app/Surface.h"
#include "model/EffectKindTables.h"
#include "model/Globals.h"
#include "model/ProjectLoad.h"
#include "project/DbEditDialogs.h"
#include "project/DbPages.h"
#include "resources/DbEditIds.h"
#include "controls/GraphicDraw.h"

namespace {

// Palette indexes the tests paint with, each its own colour.
const uint8_t FRAME_INDEX = 20;  // frame f of the character sheet is painted FRAME_INDEX + f
const uint8_t OLD_BMP_INDEX = 40, NEW_BMP_INDEX = 41;

class DbEditPagesTest : public DatabaseSheetTest {
 protected:
  void SetUp() override {
    DatabaseSheetTest::SetUp();
    memcpy(m_aOldPalette, g_Palette, sizeof m_aOldPalette);
    for (int i = 0; i < 256; ++i) g_Palette[i] = {static_cast<BYTE>(i), static_cast<BYTE>(255 - i), static_cast<BYTE>(i * 7), 0};
    if (ChipBitmaps.size() < CHIP_SLOT_COUNT) ChipBitmaps.resize(CHIP_SLOT_COUNT);
  }
  void TearDown() override {
    DatabaseSheetTest::TearDown();
    ChipBitmaps[CHIP_CHARA].Release();
    for (cSurface& s : CharaSpBitmaps) s.Release();
    CharaSpBitmaps.clear();
    memcpy(g_Palette, m_aOldPalette, sizeof m_aOldPalette);
  }

  // Character sheet 1 with every frame column in a colour of its own.
  void PaintCharaSheet() {
    cSurface& s = ChipBitmaps[CHIP_CHARA];
    ASSERT_TRUE(s.Create(640, 480, 8, 0));
    for (int y = 0; y < 480; ++y)
      for (int x = 0; x < 640; ++x) s.m_pBits[size_t(y) * s.Pitch() + x] = static_cast<uint8_t>(FRAME_INDEX + x / 32);
  }

  RGBQUAD m_aOldPalette[256];
};

// The colour at the middle of a 32-bit surface, as a palette colour.
bool CentreIs(const cSurface& s, uint8_t nIndex) {
  if (s.Bits() != 32) return false;
  const uint8_t* p = s.m_pBits + size_t(16) * s.Pitch() + 16 * 4;
  const RGBQUAD& c = g_Palette[nIndex];
  return p[0] == c.rgbBlue && p[1] == c.rgbGreen && p[2] == c.rgbRed;
}

const cSurface& SampleOf(cSysPageCtrls& c, int nId) { return c.Pic(nId)->m_Surface; }

void ChooseItem(HWND hDlg, int nId, int nPos) {
  HWND h = GetDlgItem(hDlg, nId);
  SendMessageA(h, CB_SETCURSEL, nPos, 0);
  SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(h));
}

void PressLater(HWND hDlg, int nId) {
  PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(hDlg, nId)));
}

// The anime set's slot list selects one row at a time.
void ChooseSlot(HWND hSet, int nRow) {
  HWND h = GetDlgItem(hSet, IDC_DB_SLOT_LIST);
  SendMessageA(h, LB_SETCURSEL, nRow, 0);
  SendMessageA(hSet, WM_COMMAND, MAKEWPARAM(IDC_DB_SLOT_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(h));
}

// Counts the refused list operations while alive.
int g_nBeeps = 0;
class cBeeps {
 public:
  cBeeps() : m_pfnPrev(SetListBeepFn([] { ++g_nBeeps; })) { g_nBeeps = 0; }
  ~cBeeps() { SetListBeepFn(m_pfnPrev); }
  int Count() const { return g_nBeeps; }

 private:
  ListBeepFn m_pfnPrev;
};

bool Enabled(HWND hDlg, int nId) { return IsWindowEnabled(GetDlgItem(hDlg, nId)) != FALSE; }

cEdAnime Walking(int32_t nFrames) {
  cEdAnime a;
  a.m_strName = "歩く";
  a.m_nSampleKind = GRAPHIC_CHARA;
  a.m_nSampleNo = 1;
  a.m_vPattern.clear();
  for (int32_t f = 0; f < nFrames; ++f) {
    cEdAnimePattern p;
    p.m_nFrame = f;
    a.m_vPattern.push_back(p);
  }
  return a;
}

TEST_F(DbEditPagesTest, AnimeSampleShowsEachPatternForSixTicksPerTenthAndLoops) {
  PaintCharaSheet();
  Database.m_vAnime.resize(1);
  Database.m_vAnime.push_back(Walking(3));
  Open();
  HWND hAnime = Page(TAB_ANIME);
  SelectRow(hAnime, IDC_DB_LIST_ANIME, 0);  // a command: the preview now plays this anime
  cAnimePage* lpPage = g_lpDatabaseSheet->m_lpAnime;
  const cSurface& sample = SampleOf(lpPage->m_Ctrls, IDC_DB_SAMPLE);
  g_lpDatabaseSheet->DrawPreview(0);
  EXPECT_TRUE(CentreIs(sample, FRAME_INDEX + 0));
  // Ticks 1 to 12 and one turn round: pattern k shows from tick 6k.
  const uint8_t aExpected[] = {0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 0};
  for (size_t t = 0; t < sizeof aExpected; ++t) {
    g_lpDatabaseSheet->DrawPreview(1);
    EXPECT_TRUE(CentreIs(sample, FRAME_INDEX + aExpected[t])) << "tick " << t + 1;
  }

  // The anime set draws its flying slots shifted by the flying offset, its standing slots not.
  HWND hSet = Page(TAB_ANIME_SET);
  cAnimeSetPage* lpSet = g_lpDatabaseSheet->m_lpAnimeSet;
  ChooseItem(hSet, IDC_DB_SAMPLE_KIND, GRAPHIC_CHARA);
  Type(hSet, IDC_DB_SAMPLE_NO, "1");
  Type(hSet, IDC_DB_FLY_SHIFT, "2");
  EXPECT_EQ((std::vector<std::string>{"立ち ×1", "立ち移動 ×1", "飛行 ×1", "飛行移動 ×1"}), Rows(hSet, IDC_DB_SLOT_LIST));
  for (int nRow : {2, 0}) {
    ChooseSlot(hSet, nRow);
    g_lpDatabaseSheet->DrawPreview(0);
    EXPECT_TRUE(CentreIs(SampleOf(lpSet->m_Ctrls, IDC_DB_SAMPLE), FRAME_INDEX + (nRow == 2 ? 2 : 0))) << "slot " << nRow;
  }
}

TEST_F(DbEditPagesTest, PatternDialogEditsTheAnimesPatternsAndOffersCommandsOnlyOnTheAnimePage) {
  Database.m_vAnime.resize(1);
  Database.m_vAnime.push_back(Walking(0));  // no pattern: the dialog gives it one
  Open();
  HWND hAnime = Page(TAB_ANIME);
  bool bCmdEnabled = false;
  std::vector<std::string> vRows;
  {
    cAnswerWhenUp<cAnimePatternDlg> answer([&](cAnimePatternDlg* d) {
      bCmdEnabled = Enabled(d->m_hWnd, IDC_PAT_RUN_CMD);
      vRows = Rows(d->m_hWnd, IDC_PAT_LIST);
      Toggle(d->m_hWnd, IDC_PAT_RUN_CMD);
      Type(d->m_hWnd, IDC_PAT_TIME, "3");
      Click(d->m_hWnd, IDC_PAT_INSERT);  // before the current pattern
      Type(d->m_hWnd, IDC_PAT_FRAME, "400");
      PressLater(d->m_hWnd, IDC_DBDLG_OK);
    });
    Click(hAnime, IDC_DB_PATTERN_EDIT);
  }
  EXPECT_TRUE(bCmdEnabled);
  EXPECT_EQ((std::vector<std::string>{"0-1", std::string(64, '-')}), vRows);
  const cEdAnime& edited = g_lpDatabaseSheet->m_lpAnime->m_vWork[1];
  ASSERT_EQ(2u, edited.m_vPattern.size());
  EXPECT_EQ(299, edited.m_vPattern[0].m_nFrame);
  EXPECT_EQ(0, edited.m_vPattern[0].m_bRunCmd);
  EXPECT_EQ(3, edited.m_vPattern[1].m_nTime);
  EXPECT_EQ(1, edited.m_vPattern[1].m_bRunCmd);

  // From the anime set page: no commands, and Cancel keeps the patterns but not the slot's own
  // graphic, which it took over from the first slot.
  HWND hSet = Page(TAB_ANIME_SET);
  Type(hSet, IDC_DB_SAMPLE_NO, "7");
  ChooseSlot(hSet, 3);
  {
    cAnswerWhenUp<cAnimePatternDlg> answer([&](cAnimePatternDlg* d) {
      bCmdEnabled = Enabled(d->m_hWnd, IDC_PAT_RUN_CMD);
      Click(d->m_hWnd, IDC_PAT_INSERT);
      PressLater(d->m_hWnd, IDC_DBDLG_CANCEL);
    });
    Click(hSet, IDC_DB_SLOT_EDIT);
  }
  EXPECT_FALSE(bCmdEnabled);
  const cEdAnimeSet& set = g_lpDatabaseSheet->m_lpAnimeSet->m_Edit;
  EXPECT_EQ(1u, set.m_vSlot[3].m_vPattern.size());
  EXPECT_EQ(7, set.m_vSlot[3].m_nSampleNo);

  Press(PSBTN_OK);
  ASSERT_TRUE(Reap());
  cEdDatabase Written;
  ASSERT_EQ(1, Written.LoadAll());
  ASSERT_EQ(2u, Written.m_vAnime[1].m_vPattern.size());
  EXPECT_EQ(3, Written.m_vAnime[1].m_vPattern[1].m_nTime);
  EXPECT_EQ(7, Written.m_vAnimeSet[0].m_vSlot[0].m_nSampleNo);
}

// An anime stored with graphic number 0 shows number 1 on its page, the lowest there is; the
// pattern dialog draws its sample from that graphic too, not from the stored 0.
TEST_F(DbEditPagesTest, PatternDialogSampleIsTheGraphicThePageShows) {
  PaintCharaSheet();
  Database.m_vAnime.resize(1);
  cEdAnime a = Walking(2);
  a.m_nSampleNo = 0;
  a.m_nSampleFrame = 3;
  Database.m_vAnime.push_back(a);
  Open();
  HWND hAnime = Page(TAB_ANIME);
  SelectRow(hAnime, IDC_DB_LIST_ANIME, 0);
  char sz[16] = "";
  GetDlgItemTextA(hAnime, IDC_DB_SAMPLE_NO, sz, sizeof sz);
  ASSERT_STREQ("1", sz);
  bool bPatternFrame = false;
  {
    cAnswerWhenUp<cAnimePatternDlg> answer([&](cAnimePatternDlg* d) {
      d->Draw();
      // The sample frame plus the first pattern's frame 0.
      bPatternFrame = CentreIs(d->m_Ctrls.Pic(IDC_PAT_SAMPLE)->m_Surface, FRAME_INDEX + 3);
      PressLater(d->m_hWnd, IDC_DBDLG_CANCEL);
    });
    Click(hAnime, IDC_DB_PATTERN_EDIT);
  }
  EXPECT_TRUE(bPatternFrame);
}

TEST_F(DbEditPagesTest, GraphicKindSetsTheNumberAndFrameLimitsAndStoresTheClampedFrame) {
  Database.m_vBmpCharaExc.resize(2);
  Database.m_vAnime.resize(1);
  cEdAnime a = Walking(1);
  a.m_nSampleKind = GRAPHIC_CHARA_SP;
  a.m_nSampleFrame = 30;
  Database.m_vAnime.push_back(a);
  cEdAnime b = Walking(1);
  b.m_nSampleFrame = 3;
  Database.m_vAnime.push_back(b);
  Open();
  HWND hAnime = Page(TAB_ANIME);
  EXPECT_EQ("30", Text(hAnime, IDC_DB_SAMPLE_FRAME));
  // A record is shown within its own kind's limits, not those of the record shown before.
  SelectRow(hAnime, IDC_DB_LIST_ANIME, 1);
  EXPECT_EQ("3", Text(hAnime, IDC_DB_SAMPLE_FRAME));
  SelectRow(hAnime, IDC_DB_LIST_ANIME, 0);
  EXPECT_EQ("30", Text(hAnime, IDC_DB_SAMPLE_FRAME));
  EXPECT_FALSE(Enabled(hAnime, IDC_DB_SAMPLE_PICK));
  Type(hAnime, IDC_DB_SAMPLE_NO, "5");  // one character bitmap: number 1 only
  EXPECT_EQ("1", Text(hAnime, IDC_DB_SAMPLE_NO));
  ChooseItem(hAnime, IDC_DB_SAMPLE_KIND, GRAPHIC_CHARA);
  EXPECT_EQ("19", Text(hAnime, IDC_DB_SAMPLE_FRAME));
  EXPECT_TRUE(Enabled(hAnime, IDC_DB_SAMPLE_PICK));
  ChooseItem(hAnime, IDC_DB_SAMPLE_KIND, GRAPHIC_ITEM);
  EXPECT_FALSE(Enabled(hAnime, IDC_DB_SAMPLE_FRAME));
  Press(PSBTN_OK);
  ASSERT_TRUE(Reap());
  EXPECT_EQ(GRAPHIC_ITEM, Database.m_vAnime[1].m_nSampleKind);
  EXPECT_EQ(19, Database.m_vAnime[1].m_nSampleFrame);
  EXPECT_EQ(1, Database.m_vAnime[1].m_nSampleNo);
  EXPECT_EQ(GRAPHIC_CHARA, Database.m_vAnime[2].m_nSampleKind);
  EXPECT_EQ(3, Database.m_vAnime[2].m_nSampleFrame);
}

std::vector<std::string> ChildTexts(HWND hParent) {
  std::vector<std::string> v;
  EnumChildWindows(
      hParent,
      [](HWND h, LPARAM l) -> BOOL {
        char sz[256] = "";
        GetWindowTextA(h, sz, sizeof sz);
        reinterpret_cast<std::vector<std::string>*>(l)->push_back(sz);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&v));
  return v;
}

bool Has(const std::vector<std::string>& v, const char* psz) { return std::find(v.begin(), v.end(), psz) != v.end(); }

TEST_F(DbEditPagesTest, SwordPositionsAreEditedInTheirDialogWithinTheirLimits) {
  Open();
  HWND hSword = Page(TAB_SWORD);
  std::vector<std::string> vLabels = ChildTexts(hSword);
  for (const char* psz : {"ビットマップ（左向き用）", "ビットマップ（右向き用）", "ソードの位置", "挿入", "編集", "削除"})
    EXPECT_TRUE(Has(vLabels, psz)) << psz;
  const std::string END(64, '-');
  EXPECT_EQ((std::vector<std::string>{"前(0,0) 横0 縦0 時間1", END}), Rows(hSword, IDC_DB_POS_LIST));

  std::vector<std::string> vDlgLabels;
  int nFlipX = -1;
  {
    cAnswerWhenUp<cSwordPosDlg> answer([&](cSwordPosDlg* d) {
      vDlgLabels = ChildTexts(d->m_hWnd);
      nFlipX = static_cast<int>(IsDlgButtonChecked(d->m_hWnd, IDC_POS_FLIP_X));
      Type(d->m_hWnd, IDC_POS_X, "-400");
      Type(d->m_hWnd, IDC_POS_HEIGHT, "48");
      ChooseItem(d->m_hWnd, IDC_POS_DIR, 3);
      PressLater(d->m_hWnd, IDC_DBDLG_OK);
    });
    Click(hSword, IDC_DB_POS_EDIT);
  }
  EXPECT_EQ(BST_CHECKED, nFlipX);
  for (const char* psz : {"位置のズレX(dot)", "位置のズレY(dot)", "右向きなら反転", "表示元座標（ビットマップのどこから表示するか）",
                          "表示時間(1/10s)"})
    EXPECT_TRUE(Has(vDlgLabels, psz)) << psz;
  EXPECT_EQ((std::vector<std::string>{"下(-320,0) 横0 縦48 時間1", END}), Rows(hSword, IDC_DB_POS_LIST));

  {
    // A position inserted and cancelled goes again; the one position left cannot be deleted.
    cAnswerWhenUp<cSwordPosDlg> answer([&](cSwordPosDlg* d) {
      Type(d->m_hWnd, IDC_POS_X, "5");
      PressLater(d->m_hWnd, IDC_DBDLG_CANCEL);
    });
    Click(hSword, IDC_DB_POS_INSERT);
  }
  cBeeps beeps;
  SelectRow(hSword, IDC_DB_POS_LIST, 0);
  Click(hSword, IDC_DB_POS_DELETE);
  EXPECT_EQ(1, beeps.Count());
  EXPECT_EQ((std::vector<std::string>{"下(-320,0) 横0 縦48 時間1", END}), Rows(hSword, IDC_DB_POS_LIST));
  {
    cAnswerWhenUp<cSwordPosDlg> answer([&](cSwordPosDlg* d) {
      Type(d->m_hWnd, IDC_POS_Y, "-9");
      PressLater(d->m_hWnd, IDC_DBDLG_OK);
    });
    Click(hSword, IDC_DB_POS_INSERT);  // before the current position
  }
  EXPECT_EQ((std::vector<std::string>{"前(0,-9) 横0 縦0 時間0", "下(-320,0) 横0 縦48 時間1", END}),
            Rows(hSword, IDC_DB_POS_LIST));

  Press(PSBTN_OK);
  ASSERT_TRUE(Reap());
  cEdDatabase Written;
  ASSERT_EQ(1, Written.LoadAll());
  const cChkVector<cEdSwordPos>& v = Written.m_vSwordType[0].m_vPos;
  ASSERT_EQ(2u, v.size());
  EXPECT_EQ(-9, v[0].m_nY);
  EXPECT_EQ(-320, v[1].m_nX);
  EXPECT_EQ(3, v[1].m_nDir);
  EXPECT_EQ(1, v[1].m_bFlipX);
}

TEST_F(DbEditPagesTest, EffectFramesAreInsertedAtTheEndRowAndMayShowForNoTime) {
  Open();
  HWND hEffect = Page(TAB_EFFECT);
  const std::string END(64, '-');
  EXPECT_EQ("32", Text(hEffect, IDC_DB_EFF_WIDTH));
  EXPECT_EQ((std::vector<std::string>{END}), Rows(hEffect, IDC_DB_FRAME_LIST));
  cBeeps beeps;
  Click(hEffect, IDC_DB_FRAME_DELETE);
  EXPECT_EQ(1, beeps.Count());
  Type(hEffect, IDC_DB_EFF_WIDTH, "0");
  SendMessageA(hEffect, WM_COMMAND, MAKEWPARAM(IDC_DB_EFF_WIDTH, EN_KILLFOCUS), reinterpret_cast<LPARAM>(GetDlgItem(hEffect, IDC_DB_EFF_WIDTH)));  // the author leaves the box
  EXPECT_EQ("1", Text(hEffect, IDC_DB_EFF_WIDTH));
  for (const char* pszFrame : {"4", "9"}) {
    SelectRow(hEffect, IDC_DB_FRAME_LIST, static_cast<int>(Rows(hEffect, IDC_DB_FRAME_LIST).size()) - 1);
    cAnswerWhenUp<cAnimeFrameDlg> answer([&](cAnimeFrameDlg* d) {
      Type(d->m_hWnd, IDC_FRM_FRAME, pszFrame);
      Type(d->m_hWnd, IDC_FRM_TIME, "0");
      PressLater(d->m_hWnd, IDC_DBDLG_OK);
    });
    Click(hEffect, IDC_DB_FRAME_INSERT);
  }
  EXPECT_EQ((std::vector<std::string>{"4-0", "9-0", END}), Rows(hEffect, IDC_DB_FRAME_LIST));
  // The frame list's own keys, while it has the focus: Ctrl+I inserts a default frame without
  // the dialog, Delete deletes the selection; the record list is left alone.
  SelectRow(hEffect, IDC_DB_FRAME_LIST, 0);
  SetFocus(GetDlgItem(hEffect, IDC_DB_FRAME_LIST));
  SendMessageA(hEffect, WM_COMMAND, MAKEWPARAM(ID_ACC_INSERT_1, 1), 0);
  EXPECT_EQ((std::vector<std::string>{"0-1", "4-0", "9-0", END}), Rows(hEffect, IDC_DB_FRAME_LIST));
  SelectRow(hEffect, IDC_DB_FRAME_LIST, 1);
  SetFocus(GetDlgItem(hEffect, IDC_DB_FRAME_LIST));
  SendMessageA(hEffect, WM_COMMAND, MAKEWPARAM(ID_ACC_DELETE_1, 1), 0);
  EXPECT_EQ((std::vector<std::string>{"0-1", "9-0", END}), Rows(hEffect, IDC_DB_FRAME_LIST));
  EXPECT_EQ(2u, Rows(hEffect, IDC_DB_LIST_EFFECT).size());
  Press(PSBTN_OK);
  ASSERT_TRUE(Reap());
  const cEdEffect& e = Database.m_vEffect[1];
  EXPECT_EQ(1, e.m_nWidth);
  ASSERT_EQ(2u, e.m_vFrame.size());
  EXPECT_EQ(1, e.m_vFrame[0].m_nTime);
  EXPECT_EQ(9, e.m_vFrame[1].m_nFrame);
  EXPECT_EQ(0, e.m_vFrame[1].m_nTime);
}

std::vector<std::string> ParamTexts(HWND hPage) {
  std::vector<std::string> v;
  for (int p = 0; p < EFFECT_PARAMS; ++p) v.push_back(Text(hPage, EffectParamEditIds[p]));
  return v;
}
std::vector<std::string> Defaults(const cEffectParamInfo* pTable, int nKind) {
  std::vector<std::string> v;
  for (int p = 0; p < EFFECT_PARAMS; ++p) v.push_back(std::to_string(pTable[EFFECT_PARAMS * nKind + p].m_nDefault));
  return v;
}

TEST_F(DbEditPagesTest, ChoosingAnEffectKindSetsItsCaptionsRangesAndDefaults) {
  Database.m_vCharaEffect.resize(3);
  Database.m_vCharaEffect[1].m_nKind = 1;  // 破裂
  for (int p = 0; p < 3; ++p) Database.m_vCharaEffect[1].m_anParam[p] = 7 + p;
  Database.m_vCharaEffect[2].m_nKind = 2;
  for (int p = 0; p < 4; ++p) Database.m_vCharaEffect[2].m_anParam[p] = 3;
  Open();
  HWND h = Page(TAB_CHARA_EFFECT);
  // Opening shows the first record's kind without touching its parameters.
  EXPECT_EQ((std::vector<std::string>{"7", "8", "9", "0", "0"}), ParamTexts(h));
  EXPECT_EQ("実行時間(1/10s)", Text(h, IDC_DB_PARAM1_CAPTION));
  EXPECT_EQ("開始位置(dot)", Text(h, IDC_DB_PARAM2_CAPTION));
  EXPECT_EQ(CharaEffectNotes[0], Text(h, IDC_DB_KIND_NOTE));
  EXPECT_FALSE(Enabled(h, IDC_DB_PARAM4));
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(h, IDC_DB_COLOUR_SAMPLE)));

  ChooseItem(h, IDC_DB_KIND, 1);  // 分割（横）
  EXPECT_EQ((std::vector<std::string>{"5", "0", "32", "4", "0"}), ParamTexts(h));
  EXPECT_EQ(Defaults(CharaEffectParams, 2), ParamTexts(h));
  EXPECT_EQ("分割数", Text(h, IDC_DB_PARAM4_CAPTION));
  EXPECT_TRUE(Enabled(h, IDC_DB_PARAM4));
  Type(h, IDC_DB_PARAM4, "99");  // the kind's range: 2 to 16
  SendMessageA(h, WM_COMMAND, MAKEWPARAM(IDC_DB_PARAM4, EN_KILLFOCUS), reinterpret_cast<LPARAM>(GetDlgItem(h, IDC_DB_PARAM4)));  // the author leaves the box
  EXPECT_EQ("16", Text(h, IDC_DB_PARAM4));
  ChooseItem(h, IDC_DB_KIND, 0);
  EXPECT_EQ(Defaults(CharaEffectParams, 1), ParamTexts(h));
  EXPECT_FALSE(Enabled(h, IDC_DB_PARAM4));
  EXPECT_FALSE(Enabled(h, IDC_DB_PARAM5));

  // Another record loaded, then the kind last chosen here chosen again: no defaults written.
  SelectRow(h, IDC_DB_LIST_CHARA_EFFECT, 1);
  EXPECT_EQ((std::vector<std::string>{"3", "3", "3", "3", "0"}), ParamTexts(h));
  ChooseItem(h, IDC_DB_KIND, 0);
  EXPECT_EQ("3", Text(h, IDC_DB_PARAM1));

  // "色変化" shows its colour in the sample.
  ChooseItem(h, IDC_DB_KIND, 12);
  EXPECT_TRUE(IsWindowVisible(GetDlgItem(h, IDC_DB_COLOUR_SAMPLE)));
  Type(h, IDC_DB_PARAM4, "16");
  cCharaEffectPage* lpPage = g_lpDatabaseSheet->m_lpCharaEffect;
  EXPECT_TRUE(CentreIs(SampleOf(lpPage->m_Ctrls, IDC_DB_COLOUR_SAMPLE), 16));
  Type(h, IDC_DB_PARAM4, "207");
  g_lpDatabaseSheet->DrawPreview(1);
  EXPECT_TRUE(CentreIs(SampleOf(lpPage->m_Ctrls, IDC_DB_COLOUR_SAMPLE), 207));

  Press(PSBTN_OK);
  ASSERT_TRUE(Reap());
  std::vector<std::string> vStored;
  for (int32_t n : Database.m_vCharaEffect[1].m_anParam) vStored.push_back(std::to_string(n));
  EXPECT_EQ(Defaults(CharaEffectParams, 1), vStored);  // the kinds chosen wrote their defaults
  EXPECT_EQ(13, Database.m_vCharaEffect[2].m_nKind);
  EXPECT_EQ(207, Database.m_vCharaEffect[2].m_anParam[3]);
}

TEST_F(DbEditPagesTest, ScreenEffectKeepsItsNegativeParametersThroughOpeningAndOk) {
  Database.m_vScrEffect.resize(2);
  cEdScrEffect& e = Database.m_vScrEffect[1];
  e.m_nKind = 1;  // 移動
  const int32_t aParams[5] = {10, -100, -50, -480, 0};
  memcpy(e.m_anParam, aParams, sizeof aParams);
  Open();
  HWND h = Page(TAB_SCR_EFFECT);
  EXPECT_EQ((std::vector<std::string>{"10", "-100", "-50", "-480", "0"}), ParamTexts(h));
  EXPECT_EQ("開始座標X(dot)", Text(h, IDC_DB_PARAM2_CAPTION));
  Type(h, IDC_DB_NAME, "揺れ");
  Press(PSBTN_OK);
  ASSERT_TRUE(Reap());
  EXPECT_EQ("揺れ", Database.m_vScrEffect[1].m_strName);
  EXPECT_EQ(std::vector<int32_t>(aParams, aParams + 5),
            std::vector<int32_t>(Database.m_vScrEffect[1].m_anParam, Database.m_vScrEffect[1].m_anParam + 5));
}

void WriteFlatBmp(const char* pszPath, uint8_t nIndex) {
  cColourTable table(1024, 0);
  for (int i = 0; i < 256; ++i) memcpy(&table[size_t(i) * 4], &g_Palette[i], 4);
  ASSERT_TRUE(WriteWholeFile(pszPath, MakeBmp8(32, 32, std::vector<uint8_t>(32 * 32, nIndex), table)));
}

TEST_F(DbEditPagesTest, CharacterBitmapChangedOnItsPageIsDrawnFromTheNewFileAfterOk) {
  CreateDirectoryA("bmp", nullptr);
  CreateDirectoryA("bmp\\chara_sp", nullptr);
  WriteFlatBmp("bmp\\chara_sp\\old.bmp", OLD_BMP_INDEX);
  WriteFlatBmp("bmp\\chara_sp\\new.bmp", NEW_BMP_INDEX);
  Database.m_vBmpCharaExc.resize(2);
  Database.m_vBmpCharaExc[1].m_strPath = "bmp\\chara_sp\\old.bmp";
  ASSERT_TRUE(LoadBmpPairs(CharaSpBitmaps, Database.m_vBmpCharaExc));
  cSurface drawn;
  ASSERT_TRUE(drawn.Create(32, 32, 32, 0));
  DrawGraphic(drawn, 0, 0, RECORD_ITEM, GRAPHIC_CHARA_SP, 1, 0, nullptr, 0, 0, 0);
  ASSERT_TRUE(CentreIs(drawn, OLD_BMP_INDEX));

  Open();
  HWND h = Page(TAB_BMP_CHARA);
  EXPECT_FALSE(Enabled(h, IDC_DB_GIANT_SIZE));
  Toggle(h, IDC_DB_GIANT);
  EXPECT_TRUE(Enabled(h, IDC_DB_GIANT_SIZE));
  ChooseItem(h, IDC_DB_GIANT_SIZE, 2);  // ×16: four cells a side
  Toggle(h, IDC_DB_GIANT);
  EXPECT_FALSE(Enabled(h, IDC_DB_GIANT_SIZE));
  Type(h, IDC_DB_PATH, "bmp\\chara_sp\\new.bmp");
  Press(PSBTN_OK);
  ASSERT_TRUE(Reap());
  EXPECT_EQ(0, Database.m_vBmpCharaExc[1].m_bGiant);
  EXPECT_EQ(4, Database.m_vBmpCharaExc[1].m_nGiantSize);
  DrawGraphic(drawn, 0, 0, RECORD_ITEM, GRAPHIC_CHARA_SP, 1, 0, nullptr, 0, 0, 0);
  EXPECT_TRUE(CentreIs(drawn, NEW_BMP_INDEX));
  EXPECT_TRUE(m_Boxes.Shown().empty());
}

TEST_F(DbEditPagesTest, CharacterBitmapThatCannotBeReadIsReportedAndTheDatabaseStillSaved) {
  Database.m_vBmpCharaExc.resize(2);
  Database.m_vBmpCharaExc[1].m_strPath = "bmp\\chara_sp\\missing.bmp";
  Open();  // the page is never shown: the commit still rebuilds the bitmaps
  Press(PSBTN_OK);
  ASSERT_TRUE(Reap());
  ASSERT_FALSE(m_Boxes.Shown().empty());
  EXPECT_EQ("キャラの専用bmpの生成に失敗しました！", m_Boxes.Shown().back().strText);
  EXPECT_TRUE(FileExists("data\\database\\Bmp_CharaExc.dat"));
}

}  // namespace

namespace {

// A database with something unusual on every page: graphics of both kinds, limits at their ends,
// negative offsets, frames and patterns with commands.
void FillDatabase() {
  Database.m_vAnimeSet.resize(2);
  cEdAnimeSet& set = Database.m_vAnimeSet[1];
  set.m_strName = "勇者";
  set.m_nFlyShift = 3;
  set.m_vSlot[0].m_nSampleKind = GRAPHIC_CHARA_SP;
  set.m_vSlot[0].m_nSampleNo = 1;
  set.m_vSlot[0].m_nSampleFrame = 200;
  set.m_vSlot[2].m_vPattern.resize(3);
  Database.m_vAnime.resize(1);
  Database.m_vAnime.push_back(Walking(4));
  Database.m_vAnime[1].m_vPattern[2].m_bRunCmd = 1;
  Database.m_vAnime.push_back(Walking(1));
  Database.m_vAnime[2].m_nSampleKind = GRAPHIC_CHARA_SP;
  Database.m_vAnime[2].m_nSampleFrame = 30;
  Database.m_vBmpCharaExc.resize(3);
  Database.m_vBmpCharaExc[2].m_bGiant = 1;
  Database.m_vBmpCharaExc[2].m_nGiantSize = 10;
  Database.m_vSwordType.resize(2);
  Database.m_vSwordType[1].m_vPos.resize(2);
  Database.m_vSwordType[1].m_vPos[1].m_nX = -320;
  Database.m_vSwordType[1].m_vPos[1].m_nY = 240;
  Database.m_vSwordType[1].m_vPos[1].m_nDir = 2;
  Database.m_vEffect.resize(3);
  Database.m_vEffect[2].m_nWidth = 640;
  Database.m_vEffect[2].m_vFrame.resize(2);
  Database.m_vEffect[2].m_vFrame[1].m_nTime = 0;
  Database.m_vCharaEffect.resize(3);
  Database.m_vCharaEffect[2].m_nKind = 13;
  Database.m_vCharaEffect[2].m_anParam[3] = 207;
  Database.m_vScrEffect.resize(3);
  Database.m_vScrEffect[1].m_nKind = 1;
  Database.m_vScrEffect[1].m_anParam[1] = -640;
  Database.m_vScrEffect[2].m_nKind = 4;
  Database.m_vScrEffect[2].m_anParam[0] = 9999;
}

const int RECORD_LISTS[cDatabaseSheet::PAGE_COUNT] = {
    IDC_DB_LIST_ANIME_SET,     IDC_DB_LIST_ANIME,      IDC_DB_LIST_BMP_CHARA, IDC_DB_LIST_SWORD_TYPE,
    IDC_DB_LIST_EFFECT,        IDC_DB_LIST_CHARA_EFFECT, IDC_DB_LIST_SCR_EFFECT, IDC_DB_LIST_PICTURE,
    IDC_DB_LIST_SOUND,         IDC_DB_LIST_BGM};

TEST_F(DbEditPagesTest, VisitingEveryPageAndItsRecordsThenOkWritesTheTenFilesUnchanged) {
  FillDatabase();
  ASSERT_EQ(1, Database.SaveAll());
  std::vector<std::vector<unsigned char>> vBefore;
  for (const char* psz : cEdDatabase::s_apszFiles) vBefore.push_back(ReadFileBytes(psz));
  Open();
  for (int nTab = 0; nTab < cDatabaseSheet::PAGE_COUNT; ++nTab) {
    HWND h = Page(nTab);
    const int nRows = static_cast<int>(Rows(h, RECORD_LISTS[nTab]).size()) - 1;
    for (int nRow = nRows - 1; nRow >= 0; --nRow) SelectRow(h, RECORD_LISTS[nTab], nRow);
    g_lpDatabaseSheet->DrawPreview(1);
    WindowList.FrameAll();
  }
  Press(PSBTN_OK);
  ASSERT_TRUE(Reap());
  for (int i = 0; i < cEdDatabase::LIST_COUNT; ++i)
    EXPECT_EQ(vBefore[i], ReadFileBytes(cEdDatabase::s_apszFiles[i])) << cEdDatabase::s_apszFiles[i];
}

}  // namespace
