#include "project/DatabaseSheet.h"

#include <new>
#include <string>
#include <vector>

#include "app/AppGlobals.h"
#include "app/Bgm.h"
#include "app/MsgBox.h"
#include "model/Database.h"
#include "model/SaveMarks.h"
#include "project/DbPages.h"
#include "stage/StageWnd.h"

cDatabaseSheet* g_lpDatabaseSheet = nullptr;

namespace {

const char* const SHEET_CAPTION = "データベース";

void DefaultClosed() {
  if (g_pCurEditor) {
    g_pCurEditor->OnDatabaseClosed();
    return;
  }
  WindowList.ShowAll(1);
  WindowList.EnableAll(1);
}

DatabaseClosedFn s_pfnClosed = &DefaultClosed;

template <class T>
void CommitPage(T* lpPage) {
  if (lpPage) lpPage->CommitList();
}

}  // namespace

DatabaseClosedFn SetDatabaseClosedFn(DatabaseClosedFn pfn) {
  DatabaseClosedFn pfnPrev = s_pfnClosed;
  s_pfnClosed = pfn ? pfn : &DefaultClosed;
  return pfnPrev;
}

void CommitDatabaseSheet() {
  if (g_lpDatabaseSheet) g_lpDatabaseSheet->Commit();
}

void EndDatabaseSession() {
  Music.StopAll();
  s_pfnClosed();
}

int cDatabaseSheet::Create() {
  // A sheet with a missing page is never shown. The pages made go with the sheet, after its
  // window; the first one still hears its WM_DESTROY and ends the session.
  bool bOk = NewOwnedPage(m_lpAnimeSet) && NewOwnedPage(m_lpAnime) && NewOwnedPage(m_lpBmpCharaExc) &&
             NewOwnedPage(m_lpSwordType) && NewOwnedPage(m_lpEffect) && NewOwnedPage(m_lpCharaEffect) &&
             NewOwnedPage(m_lpScrEffect) && NewOwnedPage(m_lpPicture) && NewOwnedPage(m_lpSound) &&
             NewOwnedPage(m_lpBgm);
  if (!bOk) return 0;
  m_vPages.clear();
  m_vPages.push_back(m_lpAnimeSet);
  m_vPages.push_back(m_lpAnime);
  m_vPages.push_back(m_lpBmpCharaExc);
  m_vPages.push_back(m_lpSwordType);
  m_vPages.push_back(m_lpEffect);
  m_vPages.push_back(m_lpCharaEffect);
  m_vPages.push_back(m_lpScrEffect);
  m_vPages.push_back(m_lpPicture);
  m_vPages.push_back(m_lpSound);
  m_vPages.push_back(m_lpBgm);
  Run(SHEET_CAPTION);
  if (!m_hSheet) return 0;
  return 1;
}

void cDatabaseSheet::Commit() {
  for (int nPass = 0; nPass < 2; ++nPass) {
    CommitPage(m_lpAnimeSet);
    CommitPage(m_lpAnime);
    CommitPage(m_lpBmpCharaExc);
    CommitPage(m_lpSwordType);
    CommitPage(m_lpEffect);
    CommitPage(m_lpCharaEffect);
    CommitPage(m_lpScrEffect);
    CommitPage(m_lpPicture);
    CommitPage(m_lpSound);
    CommitPage(m_lpBgm);
  }
  // A failure names the files; the edits stay in memory and closing the editor asks for them.
  CommitKept(KEPT_DATABASE);
}

void cDatabaseSheet::DrawPreview(int32_t bTick) {
  int n = GetCurPage();
  // The two animation pages play their sample one tick further.
  if (n == 0 && m_lpAnimeSet) {
    m_lpAnimeSet->DrawSample(bTick);
    return;
  }
  if (n == 1 && m_lpAnime) {
    m_lpAnime->DrawSample(bTick);
    return;
  }
  if (n < 0 || n >= static_cast<int>(m_vPages.size())) return;
  cDialog* lpPage = m_vPages[n];
  if (lpPage && lpPage->m_hWnd) lpPage->Draw();
}

void OpenDatabaseSheet(cWindow* lpOwner) {
  WindowList.ShowAll(0);
  WindowList.EnableAll(0);
  SafeDelete(g_lpDatabaseSheet);
  g_lpDatabaseSheet = new (std::nothrow) cDatabaseSheet(1, lpOwner, &WindowList, &g_lpDatabaseSheet);
  if (!g_lpDatabaseSheet) {
    OutOfMemory();
    s_pfnClosed();
    return;
  }
  if (g_lpDatabaseSheet->Create()) return;
  // Nothing was shown: the windows hidden for the sheet come back.
  SafeDelete(g_lpDatabaseSheet);
  s_pfnClosed();
}

bool DatabasePreviewPaced() {
  if (!g_lpDatabaseSheet || !g_lpDatabaseSheet->m_hSheet) return false;
  int n = g_lpDatabaseSheet->GetCurPage();
  return n == 0 || n == 1;
}

void DrawDatabasePreview() {
  if (g_lpDatabaseSheet) g_lpDatabaseSheet->DrawPreview(1);
}
