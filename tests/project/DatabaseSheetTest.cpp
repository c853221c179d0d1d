// The database sheet, opened in-process: edits on the pages reach Database and the ten files
// only on OK or Apply, Cancel keeps Database, and the name taken from the file name.
#include "DatabaseSheetFixture.h"

namespace {

void SetPictures(const std::vector<const char*>& vNames) {
  Database.m_vPicture.clear();
  for (const char* psz : vNames) {
    cEdPicture p;
    p.m_strName = psz;
    Database.m_vPicture.push_back(p);
  }
}

TEST_F(DatabaseSheetTest, OkWritesTheRenamedEntryAndTheNewCountToDatabaseAndTheFiles) {
  SetPictures({"reserved", "森", "海"});
  Database.m_vSound.resize(1);  // below the page's minimum: extended when the sheet opens
  Open();
  EXPECT_EQ(2u, Database.m_vSound.size());
  HWND hPicture = Page(TAB_PICTURE);
  EXPECT_TRUE(IsWindowVisible(GetDlgItem(hPicture, IDC_DB_LIST_PICTURE)));  // drawn, not frozen
  EXPECT_EQ((std::vector<std::string>{"1 森", "2 海", std::string(64, '-')}), Rows(hPicture, IDC_DB_LIST_PICTURE));
  SelectRow(hPicture, IDC_DB_LIST_PICTURE, 1);
  EXPECT_EQ("海", Text(hPicture, IDC_DB_NAME));
  Type(hPicture, IDC_DB_NAME, "山");
  EXPECT_EQ("2 山", Rows(hPicture, IDC_DB_LIST_PICTURE)[1]);
  EXPECT_EQ("海", Database.m_vPicture[2].m_strName);  // nothing reaches Database before the commit

  // "データ数" shows the listed count and sets the new one.
  HWND hBgm = Page(TAB_BGM);
  std::string strShown;
  cAnswerWhenUp<cValueDlg> answer([&](cValueDlg* p) {
    strShown = Text(p->m_hWnd, IDC_INPUT_EDIT);
    SetDlgItemTextA(p->m_hWnd, IDC_INPUT_EDIT, "5");
    PostMessageA(p->m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_INPUT_OK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(p->m_hWnd, IDC_INPUT_OK)));
  });
  Click(hBgm, IDC_DB_COUNT);
  EXPECT_EQ("1", strShown);
  EXPECT_EQ(6u, Rows(hBgm, IDC_DB_LIST_BGM).size());
  EXPECT_EQ(2u, Database.m_vBgm.size());

  Press(PSBTN_OK);
  ASSERT_TRUE(Reap());
  EXPECT_EQ("山", Database.m_vPicture[2].m_strName);
  EXPECT_EQ("reserved", Database.m_vPicture[0].m_strName);
  EXPECT_EQ(6u, Database.m_vBgm.size());
  cEdDatabase Written;
  ASSERT_EQ(1, Written.LoadAll());
  ASSERT_EQ(3u, Written.m_vPicture.size());
  EXPECT_EQ("山", Written.m_vPicture[2].m_strName);
  EXPECT_EQ(6u, Written.m_vBgm.size());
  EXPECT_EQ(2u, Written.m_vSound.size());
  EXPECT_EQ(1, g_nClosed);
  EXPECT_TRUE(m_Boxes.Shown().empty());
}

// The files refer to one another: a file that cannot be replaced keeps every old file as it was.
TEST_F(DatabaseSheetTest, OkSaysWhichFilesCouldNotBeWrittenAndKeepsTheWholeOldSet) {
  SetPictures({"reserved", "old"});
  ASSERT_EQ(1, Database.SaveAll());
  const std::vector<uint8_t> vOldPicture = ReadFileBytes("data\\database\\Picture.dat");
  ASSERT_FALSE(vOldPicture.empty());
  // A folder in the place of two of the files: they cannot be replaced.
  ASSERT_TRUE(DeleteFileA("data\\database\\Anime.dat"));
  ASSERT_TRUE(DeleteFileA("data\\database\\Bgm.dat"));
  ASSERT_TRUE(CreateDirectoryA("data\\database\\Anime.dat", nullptr));
  ASSERT_TRUE(CreateDirectoryA("data\\database\\Bgm.dat", nullptr));
  SetPictures({"reserved", "森"});
  Open();
  Press(PSBTN_OK);
  ASSERT_TRUE(Reap());
  ASSERT_EQ(1u, m_Boxes.Shown().size());
  EXPECT_EQ("data\\database\\Anime.dat\ndata\\database\\Bgm.dat の保存に失敗しました！\n"
            "データベースの10個のファイルは、どれも置き換えていません（元のままです）。",
            m_Boxes.Shown()[0].strText);
  EXPECT_EQ("森", Database.m_vPicture[1].m_strName);
  EXPECT_EQ(vOldPicture, ReadFileBytes("data\\database\\Picture.dat"));
  WIN32_FIND_DATAA fd;
  HANDLE hFind = FindFirstFileA("data\\database\\*.tmp", &fd);
  EXPECT_EQ(INVALID_HANDLE_VALUE, hFind) << "left behind: " << fd.cFileName;
  if (hFind != INVALID_HANDLE_VALUE) FindClose(hFind);
}

TEST_F(DatabaseSheetTest, CancelKeepsDatabaseAndWritesNothingButKeepsTheExtension) {
  SetPictures({"reserved", "森"});
  Database.m_vAnime.resize(1);
  Open();
  HWND hPicture = Page(TAB_PICTURE);
  Type(hPicture, IDC_DB_NAME, "捨てる");
  Click(hPicture, IDC_DB_NEW);
  EXPECT_EQ(3u, Rows(hPicture, IDC_DB_LIST_PICTURE).size());
  Press(PSBTN_CANCEL);
  ASSERT_TRUE(Reap());
  ASSERT_EQ(2u, Database.m_vPicture.size());
  EXPECT_EQ("森", Database.m_vPicture[1].m_strName);
  EXPECT_EQ(2u, Database.m_vAnime.size());
  EXPECT_FALSE(FileExists("data\\database\\Picture.dat"));
  EXPECT_EQ(1, g_nClosed);
}

// A key of the list's accelerator table while the list has the focus.
void Key(HWND hPage, int nListId, WORD wCmd) {
  SetFocus(GetDlgItem(hPage, nListId));
  SendMessageA(hPage, WM_COMMAND, MAKEWPARAM(wCmd, 1), 0);
}

std::vector<std::string> PictureNames() {
  std::vector<std::string> v;
  for (size_t i = 0; i < Database.m_vPicture.size(); ++i) v.push_back(Database.m_vPicture[static_cast<int>(i)].m_strName);
  return v;
}

TEST_F(DatabaseSheetTest, RecordListKeysEditTheWorkingCopyAndTheEndRowEditsNothing) {
  SetPictures({"reserved", "森", "海"});
  Open();
  HWND hPicture = Page(TAB_PICTURE);
  const int L = IDC_DB_LIST_PICTURE;
  HWND hApply = GetDlgItem(g_lpDatabaseSheet->m_hSheet, 0x3021);
  for (int i : {0, TAB_PICTURE})
    SendMessageA(g_lpDatabaseSheet->m_hSheet, PSM_UNCHANGED, reinterpret_cast<WPARAM>(Page(i)), 0);
  hPicture = Page(TAB_PICTURE);
  ASSERT_FALSE(IsWindowEnabled(hApply));
  {
    // "データ数" cancelled changes nothing, yet counts as a command of the author's.
    cAnswerWhenUp<cValueDlg> answer([](cValueDlg* p) {
      PostMessageA(p->m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_INPUT_CANCEL, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(p->m_hWnd, IDC_INPUT_CANCEL)));
    });
    Click(hPicture, IDC_DB_COUNT);
  }
  EXPECT_EQ(3u, Rows(hPicture, L).size());
  EXPECT_TRUE(IsWindowEnabled(hApply));

  SelectRow(hPicture, L, 0);
  Key(hPicture, L, ID_ACC_COPY_1);
  SelectRow(hPicture, L, 1);
  Key(hPicture, L, ID_ACC_PASTE_1);  // at the current entry
  Key(hPicture, L, ID_ACC_NEW_1);    // always after the last one
  SelectRow(hPicture, L, 2);
  Key(hPicture, L, ID_ACC_CLEAR_1);  // reset, not removed
  EXPECT_EQ((std::vector<std::string>{"1 森", "2 森", "3 ", "4 ", std::string(64, '-')}), Rows(hPicture, L));
  // The end row shows an empty record, and typing there changes no entry.
  SelectRow(hPicture, L, 4);
  EXPECT_EQ("", Text(hPicture, IDC_DB_NAME));
  Type(hPicture, IDC_DB_NAME, "どこにも");
  EXPECT_EQ((std::vector<std::string>{"1 森", "2 森", "3 ", "4 ", std::string(64, '-')}), Rows(hPicture, L));
  SelectRow(hPicture, L, 0);
  Key(hPicture, L, ID_ACC_CUT_1);
  EXPECT_EQ("1 森", Rows(hPicture, L)[0]);

  Press(PSBTN_OK);
  ASSERT_TRUE(Reap());
  EXPECT_EQ((std::vector<std::string>{"reserved", "森", "", ""}), PictureNames());
}

TEST_F(DatabaseSheetTest, SoundTestPlayReportsAFileItCannotPlayAndIgnoresAnEmptyPath) {
  MciSound.Init();
  Open();
  HWND hSound = Page(TAB_SOUND);
  Type(hSound, IDC_DB_PATH, "bgm\\town.ogg");  // music, not a sound effect
  Click(hSound, IDC_DB_PLAY);
  ASSERT_EQ(1u, m_Boxes.Shown().size());
  EXPECT_EQ("読み込み失敗！", m_Boxes.Shown()[0].strText);
  Type(hSound, IDC_DB_PATH, "");
  Click(hSound, IDC_DB_PLAY);
  EXPECT_EQ(1u, m_Boxes.Shown().size());
  MciSound.Shutdown();
}

TEST_F(DatabaseSheetTest, EveryBrowseButtonListsItsFilesByPattern) {
  struct cCase {
    int nTab;
    int nButton;
    const char* pszDir;
    const char* pszDesc;
    const char* pszPattern;
  } aCases[] = {
      {TAB_BMP_CHARA, IDC_DB_BROWSE, "bmp\\chara_sp\\", "BitmapFile ( *.bmp )", "*.bmp"},
      {TAB_SWORD, IDC_DB_SWORD_LEFT_BROWSE, "bmp\\sword\\", "BitmapFile ( *.bmp )", "*.bmp"},
      {TAB_SWORD, IDC_DB_SWORD_RIGHT_BROWSE, "bmp\\sword\\", "BitmapFile ( *.bmp )", "*.bmp"},
      {TAB_EFFECT, IDC_DB_BROWSE, "bmp\\effect\\", "BitmapFile ( *.bmp )", "*.bmp"},
      {TAB_PICTURE, IDC_DB_BROWSE, "bmp\\picture\\", "BitmapFile ( *.bmp )", "*.bmp"},
      {TAB_SOUND, IDC_DB_BROWSE, "wave", "WaveFile ( *.wav )", "*.wav"},
      {TAB_BGM, IDC_DB_BROWSE, "bgm\\", "BgmFile ( *.mid;*.ogg )", "*.mid;*.ogg"},
  };
  Open();
  for (const cCase& c : aCases) {
    SCOPED_TRACE(c.pszDir);
    cFileDlgRecorder dlgs;
    Click(Page(c.nTab), c.nButton);
    ASSERT_EQ(1u, dlgs.Asked().size());
    EXPECT_EQ(c.pszDir, dlgs.Asked()[0].strInitDir);
    EXPECT_EQ((std::vector<std::string>{c.pszDesc, c.pszPattern}), dlgs.Asked()[0].vFilter);
  }
}

int AnswerBgmFile(const cFileDlgAsk& ask) {
  char szCwd[MAX_PATH] = "";
  GetCurrentDirectoryA(sizeof szCwd, szCwd);
  EXPECT_STREQ("bgm\\", ask.pszInitDir);
  wsprintfA(ask.pszFile, "%s\\bgm\\town\\theme.ogg", szCwd);
  return 1;
}

TEST_F(DatabaseSheetTest, NameFromFileFollowsThePathWithoutFolderAndExtension) {
  Open();
  HWND hSound = Page(TAB_SOUND);
  Type(hSound, IDC_DB_NAME, "old");
  Toggle(hSound, IDC_DB_NAME_FROM_FILE);
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(hSound, IDC_DB_NAME)));
  Type(hSound, IDC_DB_PATH, "wave\\se\\boom.wav");
  EXPECT_EQ("boom", Text(hSound, IDC_DB_NAME));
  Type(hSound, IDC_DB_PATH, "wave\\noext");  // no dot: the name stays
  EXPECT_EQ("boom", Text(hSound, IDC_DB_NAME));
  Press(PSBTN_APPLYNOW);
  ASSERT_TRUE(g_lpDatabaseSheet);
  EXPECT_EQ("boom", Database.m_vSound[1].m_strName);
  EXPECT_EQ("wave\\noext", Database.m_vSound[1].m_strPath);
  EXPECT_EQ(1, Database.m_vSound[1].m_bNameIsFile);
  EXPECT_TRUE(FileExists("data\\database\\Sound.dat"));

  // A chosen file arrives relative to the project folder and names the entry.
  HWND hBgm = Page(TAB_BGM);
  Toggle(hBgm, IDC_DB_NAME_FROM_FILE);
  FileDlgFn pfnPrev = SetFileDlgFn(&AnswerBgmFile);
  Click(hBgm, IDC_DB_BROWSE);
  SetFileDlgFn(pfnPrev);
  EXPECT_EQ(".\\bgm\\town\\theme.ogg", Text(hBgm, IDC_DB_PATH));
  EXPECT_EQ("theme", Text(hBgm, IDC_DB_NAME));
  Toggle(hBgm, IDC_DB_NAME_FROM_FILE);
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(hBgm, IDC_DB_NAME)));
  // The sword type is named after its bitmap for a character facing left.
  HWND hSword = Page(TAB_SWORD);
  Toggle(hSword, IDC_DB_NAME_FROM_FILE);
  Type(hSword, IDC_DB_SWORD_RIGHT, "bmp\\sword\\right.bmp");
  Type(hSword, IDC_DB_SWORD_LEFT, "bmp\\sword\\katana.bmp");
  EXPECT_EQ("katana", Text(hSword, IDC_DB_NAME));

  Press(PSBTN_OK);
  ASSERT_TRUE(Reap());
  EXPECT_EQ("katana", Database.m_vSwordType[0].m_strName);
  EXPECT_EQ("bmp\\sword\\right.bmp", Database.m_vSwordType[0].m_strBmpRight);
  EXPECT_EQ("theme", Database.m_vBgm[1].m_strName);
  EXPECT_EQ(".\\bgm\\town\\theme.ogg", Database.m_vBgm[1].m_strPath);
  EXPECT_EQ(0, Database.m_vBgm[1].m_bNameIsFile);
}

}  // namespace
