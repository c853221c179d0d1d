// The system settings sheet: a modeless property sheet of eight pages over the global SystemData.
// The pages show the record; Apply or OK stores every page that was opened and writes
// "data\System.dat"; Cancel leaves the record as it was.
#pragma once

#include <cstdint>

#include "app/PropSheet.h"

class cDialog;
class cSysGeneralPage;
class cSysModePage;
class cSysSoundPage;
class cSysStatusPage;
class cSysTermsPage;
class cSysIniPage;
class cSysCompatPage;
class cSysCompat2Page;

class cSystemSheet : public cSlotSheet<cSystemSheet> {
 public:
  enum { PAGE_COUNT = 8 };

  using cSlotSheet::cSlotSheet;

  // Builds the pages and shows the sheet; 0 (nothing shown) when a page could not be allocated.
  int Create();
  // The commit, run by each committing page on OK or Apply and done once per press (by the first
  // of them that was made): every page stores its controls, twice in tab order, then the file is
  // written.
  void Save(const cDialog* lpFrom);

  cSysGeneralPage* m_lpGeneral = nullptr;
  cSysModePage* m_lpMode = nullptr;
  cSysSoundPage* m_lpSound = nullptr;
  cSysStatusPage* m_lpStatus = nullptr;
  cSysTermsPage* m_lpTerms = nullptr;
  cSysIniPage* m_lpIni = nullptr;
  cSysCompatPage* m_lpCompat = nullptr;
  cSysCompat2Page* m_lpCompat2 = nullptr;
};

// The stage window's system-settings command: hides and disables the registered windows, deletes
// the sheet the slot still holds and opens a new one into the slot.
void OpenSystemSheet(cWindow* lpOwner, cSystemSheet** lppSlot);

// What the stage window does when the sheet closes (it validates, shows its tool windows and
// enables the registered windows). Until a handler is set, closing shows and enables every
// registered window again. Returns the handler it replaces.
typedef void (*SystemClosedFn)();
SystemClosedFn SetSystemClosedFn(SystemClosedFn pfn);
void OnSystemSheetClosed();
