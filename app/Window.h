// The window base: ties an object to a Windows window, computes the layout of menu, toolbar,
// status bar, view and own scroll bars from a requested client size, places new windows, keeps
// the accelerator tables, toolbar buttons and the mouse state, and turns messages into calls of
// virtual operations.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <new>
#include <string>
#include <utility>
#include <vector>

class cControl;
class cWindowList;

// A rectangle of the editor configuration's window records; sizes count both ends.
struct cRect {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  int32_t Width() const { return right - left + 1; }
  int32_t Height() const { return bottom - top + 1; }
};

// Clamps the value in place into [nLow, nHigh] and returns it.
int32_t Clamp(int32_t& nValue, int32_t nLow, int32_t nHigh);
// Steps the index; past either end it lands on the other end. Returns the index.
int32_t WrapAdd(int32_t& nIndex, int32_t nStep, int32_t nLow, int32_t nHigh);

// Moves the top-left corner (x, y) of a window of this outer size so that the window lies inside
// the desktop work area; a window larger than the area keeps its top-left corner inside.
void FitInWorkArea(int32_t& x, int32_t& y, int32_t nWidth, int32_t nHeight);
// The same for a top-level window as it stands (a child window is left alone).
void KeepInWorkArea(HWND hWnd);

// The mouse state of one window, in view coordinates.
struct cMouse {
  int32_t x = 0, y = 0;
  int32_t bLHold = 0, bRHold = 0;
  int32_t bLPush = 0, bRPush = 0;
  int32_t bLRelease = 0, bRRelease = 0;

  // Flags: 1 held states, 2 press edges, 4 release edges.
  void Update(uint32_t dwFlags);
};

// One toolbar button and its tooltip text.
struct cToolButton {
  TBBUTTON m_Button;
  std::string m_strTip;

  cToolButton() { Set(0, 0, 0, 0, ""); }
  // State 4 is enabled; style 0 button, 1 separator, 6 check group.
  void Set(int nImage, int nCommand, BYTE bState, BYTE bStyle, const char* pszTip);
};

// One accelerator table and the window that must have the focus for it to fire.
struct cAccelEntry {
  HACCEL hAccel;
  HWND hTarget;
};

typedef LRESULT(CALLBACK* cStaticProc)(HWND, UINT, WPARAM, LPARAM);

class cWindow {
 public:
  enum { KIND_WINDOW = 0, KIND_DIALOG = 1, KIND_PAGE = 2 };
  enum { SCROLL_H = 1, SCROLL_V = 2 };
  static const int32_t NO_POS = -1000;

  cWindow();
  cWindow(cWindow* lpAnchor, int32_t bCentre);
  cWindow(cControl* lpAnchor, int32_t bCentre);
  cWindow(int32_t x, int32_t y);
  virtual ~cWindow();

  virtual void Frame();
  virtual void OnCommand(WPARAM wParam, LPARAM lParam);
  virtual void OnMouseMove(WPARAM wParam, LPARAM lParam);
  virtual void OnLButtonDown(WPARAM wParam, LPARAM lParam);
  virtual void OnRButtonDown(WPARAM wParam, LPARAM lParam);
  virtual void OnLButtonDblClk(WPARAM wParam, LPARAM lParam);
  virtual void OnRButtonDblClk(WPARAM wParam, LPARAM lParam);
  virtual void OnLButtonUp(WPARAM wParam, LPARAM lParam);
  virtual void OnRButtonUp(WPARAM wParam, LPARAM lParam);
  virtual LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
  virtual LRESULT DefProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
  virtual void RedrawList();
  virtual void Draw();

  void InitTemplate(uint16_t wTemplateId, HWND hParent, cWindowList* lpWindowList);
  void SetLayout(int32_t nWidth, int32_t nHeight, int32_t nMinWidth, int32_t nMinHeight,
                 int32_t nMaxWidth, int32_t nMaxHeight, DWORD dwStyle, int32_t bMenu,
                 int32_t nToolBarRows, int32_t nStatusMode, int32_t nReserved, DWORD dwScrollBars);
  void UpdateStyle();
  void Relayout();
  void SetClientSize(int32_t nWidth, int32_t nHeight);
  void SetPosition(int32_t x, int32_t y);
  void Place();
  POINT GetPos() const;
  // The client rectangle; false (and nothing written) without a window.
  bool GetClientSize(cRect& rc) const;
  void SetStyleBits(DWORD dwBits);
  void ClearStyleBits(DWORD dwBits);
  void Enable(int32_t bEnable);
  BOOL Show(int32_t bShow);

  int AddAccel(HWND hTarget, uint16_t wAccelId);
  // The window's toolbar (16 x 15 images), with its own tooltips: their texts are asked of the
  // window (TTN_GETDISPINFO) and come from the buttons added below.
  HWND CreateToolBar(int nId);
  void AddToolButtons(cToolButton* pButtons, int nCount);
  // The bitmap is the window's until it is destroyed: the toolbar may draw from it again.
  void AddToolBitmap(cToolButton* pButtons, int nCount, const char* pszBitmapFile);
  // Keeps the button's text for the toolbar's tooltip (nIndex is not needed: the tip is found by
  // the button's command).
  void AddToolTip(const cToolButton& Button, int nIndex);
  // The tooltip text of a toolbar button by its command; null when it has none.
  const char* ToolTipText(int nCommand) const;
  // Deletes the toolbar bitmaps this window loaded.
  void ReleaseToolBitmaps();
  void PopupMenu(HMENU hMenu);

  bool UpdateMouse(int32_t bForce, uint32_t dwFlags);
  bool IsRightClicked();
  int CheckCommand(WPARAM wParam);

  // Width and height of the view area, and of the whole window as laid out.
  int32_t ViewWidth() const { return m_nViewW; }
  int32_t ViewHeight() const { return m_nViewH; }
  int32_t WindowWidth() const { return m_rcWindow.right; }
  int32_t WindowHeight() const { return m_rcWindow.bottom; }

  int32_t m_nKind = KIND_WINDOW;
  HWND m_hWnd = nullptr;
  HINSTANCE m_hInstance = nullptr;
  uint16_t m_wTemplateId = 0;
  HWND m_hParent = nullptr;
  HWND m_hSheetWnd = nullptr;
  cStaticProc m_lpfnStaticProc = nullptr;
  void* m_lpRegistered = nullptr;
  cWindowList* m_lpWindowList = nullptr;
  POINT m_ptPos = {0, 0};
  int32_t m_nViewX = 0, m_nViewY = 0, m_nViewW = 0, m_nViewH = 0;
  cMouse m_Mouse;
  POINT m_ptCursor = {0, 0};
  cMouse m_MouseAtInit;
  int32_t m_bMouseReady = 0;
  // Client sizes as (0, 0, width, height); the window size likewise.
  cRect m_rcRequest, m_rcClient, m_rcMinClient, m_rcMaxClient, m_rcWindow;
  DWORD m_dwStyle = 0;
  int32_t m_bMenu = 0;
  int32_t m_nToolBarRows = 0;
  int32_t m_nStatusMode = 0;
  DWORD m_dwScrollBars = 0;
  HWND m_hToolBar = nullptr;
  HWND m_hStatusBar = nullptr;
  int32_t m_nFrameLeft = 0, m_nFrameRight = 0, m_nFrameTop = 0, m_nFrameBottom = 0;
  HMENU m_hMenu = nullptr;
  std::vector<cAccelEntry> m_vAccels;
  std::vector<std::pair<int, std::string>> m_vToolTips;  // command, text
  std::vector<HBITMAP> m_vToolBitmaps;
  int32_t m_bInit = 0;
  int32_t m_bInCommand = 0;
  std::string m_strTraceName;
  int32_t m_bTrace = 0;
  POINT m_ptStored = {NO_POS, NO_POS};
  cControl* m_lpAnchorCtrl = nullptr;
  cWindow* m_lpAnchorWnd = nullptr;
  int32_t m_bCentre = 0;

 protected:
  void TraceMessage(UINT uMsg, WPARAM wParam, LPARAM lParam);
  void LayoutStatusBar();
  // The frame metrics of the style alone, for a window that does not exist yet.
  void FrameMetricsFromStyle();
  // Fills in the text a tooltip of the toolbar asks for; false when the note is not such a question.
  bool OnToolTipNotify(LPARAM lParam);

 private:
  void Reset();
};

// The toolbar bitmaps loaded from files that are alive in the process (each load and delete
// counted), so that a window's lifetime can be checked for leaking them.
int32_t LiveToolBitmaps();

// Every window and dialog procedure runs its body through this barrier: nothing thrown inside
// reaches the system. A failed allocation is the memory-shortage box; anything else is logged.
void ReportProcFault(bool bMemory);
template <class F>
LRESULT ProcBarrier(F&& fnBody) noexcept {
  try {
    return fnBody();
  } catch (const std::bad_alloc&) {
    ReportProcFault(true);
  } catch (...) {
    ReportProcFault(false);
  }
  return 0;
}

// Name of a window message for the message trace, or null when not known.
const char* MessageName(UINT uMsg);
