// The database sheet opened in-process for a test: the fixture that opens it on an empty
// database in a temporary project folder and closes it afterwards, and what the author does on
// its pages (a row chosen, a text typed, a box ticked, a button clicked).
#pragma once

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <string>
#include <vector>

#include "../controls/ListTestDlg.h"
#include "controls/InputDlg.h"
#include "app/MciSound.h"
#include "app/Paths.h"
#include "app/WindowList.h"
#include "model/Database.h"
#include "project/DatabaseSheet.h"
#include "resources/DatabaseSheetIds.h"
#include "resources/InputDlgIds.h"
#include "resources/ListIds.h"
#include "support/TestSupport.h"

inline int g_nClosed = 0;
inline void CountClosed() { ++g_nClosed; }

const int TAB_ANIME_SET = 0, TAB_ANIME = 1, TAB_BMP_CHARA = 2, TAB_SWORD = 3, TAB_EFFECT = 4, TAB_CHARA_EFFECT = 5,
          TAB_SCR_EFFECT = 6, TAB_PICTURE = 7, TAB_SOUND = 8, TAB_BGM = 9;

class DatabaseSheetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitCommonControls();
    Database = cEdDatabase();
    CreateDirectoryA("data", nullptr);
    CreateDirectoryA("data\\database", nullptr);
    g_nClosed = 0;
    m_pfnPrevClosed = SetDatabaseClosedFn(&CountClosed);
  }
  void TearDown() override {
    if (g_lpDatabaseSheet) {
      Press(PSBTN_CANCEL);
      Reap();
    }
    SetDatabaseClosedFn(m_pfnPrevClosed);
    Database = cEdDatabase();
    EXPECT_TRUE(WindowList.m_vSheets.empty());
    EXPECT_TRUE(WindowList.m_vWindows.empty());
  }

  void Open() {
    OpenDatabaseSheet(nullptr);
    ASSERT_TRUE(g_lpDatabaseSheet);
    ASSERT_TRUE(g_lpDatabaseSheet->m_hSheet);
  }
  HWND Page(int nIndex) {
    g_lpDatabaseSheet->SetCurPage(nIndex);
    return g_lpDatabaseSheet->m_vPages[nIndex]->m_hWnd;
  }
  bool Reap() {
    return PumpUntil([&] {
      MSG msg = {};
      WindowList.PreTranslate(&msg);
      return g_lpDatabaseSheet == nullptr;
    });
  }
  void Press(int nButton) { SendMessageA(g_lpDatabaseSheet->m_hSheet, PSM_PRESSBUTTON, nButton, 0); }

  cTempDir m_Dir{true};
  cMsgBoxRecorder m_Boxes;
  DatabaseClosedFn m_pfnPrevClosed = nullptr;
};

// What the author does: a row chosen, a text typed, a box ticked, a button clicked.
inline void SelectRow(HWND hPage, int nListId, int nRow) {
  HWND h = GetDlgItem(hPage, nListId);
  SendMessageA(h, LB_SETSEL, FALSE, -1);
  SendMessageA(h, LB_SETSEL, TRUE, nRow);
  SendMessageA(h, LB_SETCARETINDEX, nRow, 0);
  SendMessageA(h, LB_SETANCHORINDEX, nRow, 0);
  SendMessageA(hPage, WM_COMMAND, MAKEWPARAM(nListId, LBN_SELCHANGE), reinterpret_cast<LPARAM>(h));
}
inline void Type(HWND hPage, int nId, const char* psz) { SetDlgItemTextA(hPage, nId, psz); }
inline void Click(HWND hPage, int nId) {
  SendMessageA(hPage, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(hPage, nId)));
}
inline void Toggle(HWND hPage, int nId) {
  HWND h = GetDlgItem(hPage, nId);
  LRESULT n = SendMessageA(h, BM_GETCHECK, 0, 0);
  SendMessageA(h, BM_SETCHECK, n == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED, 0);
  Click(hPage, nId);
}
inline std::string Text(HWND hPage, int nId) {
  char sz[300] = "";
  GetDlgItemTextA(hPage, nId, sz, sizeof sz);
  return sz;
}
inline std::vector<std::string> Rows(HWND hPage, int nListId) {
  HWND h = GetDlgItem(hPage, nListId);
  std::vector<std::string> v;
  int n = static_cast<int>(SendMessageA(h, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < n; ++i) {
    char sz[300] = "";
    SendMessageA(h, LB_GETTEXT, i, reinterpret_cast<LPARAM>(sz));
    v.push_back(sz);
  }
  return v;
}

