// The registered windows and property sheets of the application. The main loop offers every
// message to them before it is translated and dispatched, the idle step runs their per-frame
// operation, and modal dialogs hide or disable them while they run.
#pragma once

#include <windows.h>

#include <cstdint>
#include <type_traits>
#include <vector>

class cWindow;
class cPropSheet;

// A registered sheet and the owner's pointer to it, which is cleared when the closed sheet is
// deleted. The pointer has the sheet's own class; the clear function knows it.
struct cSheetEntry {
  cPropSheet* lpSheet;
  void* lpOwnerSlot;
  void (*pfnClearSlot)(void* lpOwnerSlot, cPropSheet* lpSheet);

  // Clears the owner's pointer when it still holds this sheet.
  void ClearOwnerSlot() const {
    if (lpOwnerSlot && pfnClearSlot) pfnClearSlot(lpOwnerSlot, lpSheet);
  }
};

class cWindowList {
 public:
  // True when the message was consumed and must be neither translated nor dispatched. The
  // message is in the wide form (PeekMessageW): a typed character is one message, whole.
  bool PreTranslate(MSG* pMsg);
  void ShowAll(int32_t bShow);
  void EnableAll(int32_t bEnable);
  // Frame of every registered window, in registration order.
  void FrameAll();

  void AddWindow(cWindow* lpWindow);
  bool RemoveWindow(void* lpRegistered);
  bool HasWindow(const void* lpWindow) const;

  // The owner keeps the sheet in a pointer of the sheet's own class (or none).
  template <class T>
  void AddSheet(cPropSheet* lpSheet, T** lppOwnerSlot) {
    static_assert(std::is_base_of<cPropSheet, T>::value, "the slot must hold a property sheet");
    cSheetEntry e = {lpSheet, lppOwnerSlot, [](void* lpSlot, cPropSheet* lpDone) {
                       T** pp = static_cast<T**>(lpSlot);
                       if (*pp && static_cast<cPropSheet*>(*pp) == lpDone) *pp = nullptr;
                     }};
    m_vSheets.push_back(e);
  }
  bool RemoveSheet(const void* lpRegistered);
  bool HasSheet(const cPropSheet* lpSheet) const;
  // Deletes every sheet the user has closed (OK, Cancel, the close box); the main loop calls it
  // after each message, so a sheet goes at once even when no further message arrives.
  void ReapClosedSheets();

  std::vector<cWindow*> m_vWindows;
  std::vector<cSheetEntry> m_vSheets;

 private:
  bool TranslateAccel(MSG* pMsg);
};

extern cWindowList WindowList;
