// The control base: a control object attached by id to an item of its dialog's template, which
// receives the notifications that the dialog routes to it; and the scroll-bar control that the
// dialog base uses for its own bars.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

class cDialog;

class cControl {
 public:
  // Kind codes; the dialog routes notifications by them.
  enum {
    KIND_STATIC = 0,
    KIND_BUTTON = 1,
    KIND_EDITVAL = 2,
    KIND_EDITSTR = 3,
    KIND_BITMAP = 4,
    KIND_CHECK = 5,
    KIND_COMBO = 7,
    KIND_LIST = 8,
    KIND_SPIN = 9,
    KIND_SLIDER = 10,
    KIND_SCROLL = 11,
  };

  cControl() {}
  virtual ~cControl() {}

  virtual BOOL Enable(int32_t bEnable);
  virtual void DataToCtrl();
  virtual void CtrlToData();
  virtual void OnChange();
  virtual int OnNotify(WPARAM wParam, LPARAM lParam);
  virtual int OnScroll(WPARAM wParam, LPARAM lParam);
  virtual void SpareHook();
  virtual void RestoreSel();
  virtual void OnKillFocus();
  virtual void AfterRedrawFreeze();
  // Undoes the freeze without touching the selection (see cDialog::ThawLists).
  virtual void Thaw();
  virtual void OnKeyDown(WPARAM wKey, LPARAM lParam, int32_t bCtrlHeld);

  void Attach(cDialog* lpOwner, uint16_t wId);
  void UpdatePos();
  void Resize(int32_t nWidth, int32_t nHeight);
  void MoveTo(int32_t x, int32_t y);
  bool HitTest(POINT ptScreen) const;
  BOOL Show(int32_t bShow);
  void SetText(const char* pszText);
  // Formats into a 1024-byte buffer and sets the result as the control's text.
  void SetTextF(const char* pszFormat, ...);
  // The control's text, at most 1023 bytes.
  void GetText(std::string& str) const;
  // The text of the control's item in its owner dialog.
  void SetString(const std::string& str);
  void ClearStyle(DWORD dwBits);
  bool HasStyle(DWORD dwBits) const;
  bool IsEnabled() const;

  HWND m_hWnd = nullptr;
  WNDPROC m_lpfnOldProc = nullptr;
  cDialog* m_lpOwner = nullptr;
  HWND m_hOwner = nullptr;
  int32_t m_nKind = 0;
  uint16_t m_wId = 0;
  POINT m_ptScreen = {0, 0};
  POINT m_ptClient = {0, 0};
  std::string m_strTip;
  // Set by controls that change their own text while they handle a change, so the notification
  // that this raises is not handled again.
  int32_t m_bBusy = 0;
};

// Subclasses the control's window with the procedure, which finds the control under the
// property; once per window. Undone on WM_DESTROY: the saved procedure back, the property gone.
void SubclassCtrl(cControl* lpCtrl, const char* pszProp, WNDPROC lpfnProc);
void UnsubclassCtrl(cControl* lpCtrl, HWND hWnd, const char* pszProp);

// Dialog-item texts through the ANSI calls. A read keeps at most nCap - 1 bytes and never ends in
// half a double-byte character; nCap counts the terminating zero, as the system's reads do.
constexpr int DLG_ITEM_TEXT_MAX = 5120;
void GetDlgItemStr(HWND hDlg, int nId, std::string& str, int nCap);
void SetDlgItemStr(HWND hDlg, int nId, const std::string& str);

// Attach record of a scroll-bar control.
struct cScrollParam {
  uint16_t wId = 0;
  int32_t nMin = 0, nMax = 0, nPage = 0;
  int32_t bRedraw = 0;
  // Always a scroll-bar control of its own; another bar selector is never used.
  int32_t nBar = SB_CTL;

  void Set(uint16_t wIdIn, int32_t nMinIn, int32_t nMaxIn, int32_t nPageIn, int32_t bRedrawIn) {
    wId = wIdIn;
    nMin = nMinIn;
    nMax = nMaxIn;
    nPage = nPageIn;
    bRedraw = bRedrawIn;
    nBar = SB_CTL;
  }
};

class cScrollCtrl : public cControl {
 public:
  cScrollCtrl() { m_nKind = KIND_SCROLL; }

  void Attach(cDialog* lpOwner, const cScrollParam& Param);
  int32_t GetPos() const;
  void SetPos(int32_t nPos);
  void SetRange(int32_t nMin, int32_t nMax);
  void SetPage(int32_t nPage);
  // Moves by delta (the system clamps); true when the position changed.
  bool ScrollBy(int32_t nDelta);
  // The same without the comparison; returns the new position.
  int32_t Step(int32_t nDelta);

  int32_t m_nMin = 0, m_nMax = 0, m_nPage = 0;
  int32_t m_bRedraw = 0;

 private:
  static LRESULT CALLBACK SubclassProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
};
