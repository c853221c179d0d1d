// The database sheet: a modeless property sheet of ten pages, one per list of the database. The
// pages edit working copies; Apply or OK copies back every page that was opened and writes the ten
// database files; Cancel and the close box drop the copies.
#pragma once

#include <cstdint>

#include "app/PropSheet.h"

class cAnimeSetPage;
class cAnimePage;
class cBmpCharaExcPage;
class cSwordTypePage;
class cEffectPage;
class cCharaEffectPage;
class cScrEffectPage;
class cPicturePage;
class cSoundPage;
class cBgmPage;

class cDatabaseSheet : public cSlotSheet<cDatabaseSheet> {
 public:
  enum { PAGE_COUNT = 10 };

  using cSlotSheet::cSlotSheet;

  // Builds the ten pages and shows the sheet; 0 (nothing shown) when a page could not be made.
  int Create();
  // Every opened page copies its working copy back, twice in tab order; then the files are written.
  void Commit();
  // The idle step's share: the current page draws its sample.
  void DrawPreview(int32_t bTick);

  cAnimeSetPage* m_lpAnimeSet = nullptr;
  cAnimePage* m_lpAnime = nullptr;
  cBmpCharaExcPage* m_lpBmpCharaExc = nullptr;
  cSwordTypePage* m_lpSwordType = nullptr;
  cEffectPage* m_lpEffect = nullptr;
  cCharaEffectPage* m_lpCharaEffect = nullptr;
  cScrEffectPage* m_lpScrEffect = nullptr;
  cPicturePage* m_lpPicture = nullptr;
  cSoundPage* m_lpSound = nullptr;
  cBgmPage* m_lpBgm = nullptr;
};

// The open sheet; null while none is open.
extern cDatabaseSheet* g_lpDatabaseSheet;

// The stage window's database command: hides and disables the registered windows, deletes a sheet
// still held and opens a new one owned by the window.
void OpenDatabaseSheet(cWindow* lpOwner);

// What happens when the sheet closes; by default the current stage window's OnDatabaseClosed (or,
// without one, the registered windows shown and enabled again). Null restores the default;
// returns the previous one.
typedef void (*DatabaseClosedFn)();
DatabaseClosedFn SetDatabaseClosedFn(DatabaseClosedFn pfn);

// For the idle step: the sheet shows one of its two animated pages (the step then runs at 60 per
// second), and the preview drawing of the open sheet.
bool DatabasePreviewPaced();
void DrawDatabasePreview();
