// Typing into a modal dialog as a user does: keys injected at the X server pass the keyboard hook
// and the dialog's own modal loop (its dialog manager included). The steps run one per tick of a
// thread timer, so the loop has handled what one step typed before the next step looks.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

#include "support/TestSupport.h"

class cTypedSteps {
 public:
  // A step returns true when it is done; false asks again at the next tick. fnGiveUp runs once
  // when the time is out and the steps are still alive (it should close what is open).
  typedef std::function<bool()> Step;
  cTypedSteps(std::vector<Step> vSteps, std::function<void()> fnGiveUp, DWORD dwTimeoutMs = 8000)
      : m_vSteps(std::move(vSteps)), m_fnGiveUp(std::move(fnGiveUp)), m_dwDeadline(GetTickCount() + dwTimeoutMs) {
    s_pThis = this;
    m_nTimer = SetTimer(nullptr, 0, 20, &cTypedSteps::Tick);
  }
  ~cTypedSteps() {
    KillTimer(nullptr, m_nTimer);
    s_pThis = nullptr;
  }
  // Every step done; the dialog's own handling of the last one may still be to come.
  bool Finished() const { return m_nNext >= m_vSteps.size(); }
  bool GaveUp() const { return m_bGaveUp; }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    cTypedSteps* p = s_pThis;
    // A step that pumps messages must not be entered again from its own pump.
    if (!p || p->m_bBusy || p->m_bGaveUp) return;
    p->m_bBusy = true;
    // Past the time also after the last step: what it typed should have closed the dialog.
    if (static_cast<LONG>(GetTickCount() - p->m_dwDeadline) > 0) {
      p->m_bGaveUp = true;
      if (p->m_fnGiveUp) p->m_fnGiveUp();
    } else if (!p->Finished() && p->m_vSteps[p->m_nNext]()) {
      ++p->m_nNext;
    }
    p->m_bBusy = false;
  }

  std::vector<Step> m_vSteps;
  std::function<void()> m_fnGiveUp;
  DWORD m_dwDeadline;
  UINT_PTR m_nTimer = 0;
  size_t m_nNext = 0;
  bool m_bBusy = false;
  bool m_bGaveUp = false;
  static inline cTypedSteps* s_pThis = nullptr;
};

// The dialog active with the focus on the control; false when the desktop would not have it.
inline bool FocusControl(HWND hDlg, HWND hCtrl) {
  if (!Activate(hDlg)) return false;
  SetFocus(hCtrl);
  return GetFocus() == hCtrl;
}

inline void TypeKeys(std::initializer_list<WORD> keys) {
  for (WORD w : keys) InjectKey(w);
}
