// The dialog base: every editor window built from a dialog template. Runs a template modal or
// modeless, registers modeless dialogs and pages in the window list, routes notifications to the
// bound controls, keeps the dialog's own scroll bars with keyboard paging and drag auto-scroll,
// and attaches the keyboard hook.
//
// A dialog class is tied to one template and reaches its object through a static pointer and a
// static dialog procedure; cDialogClass below gives a class both.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "app/Control.h"
#include "app/KeyHook.h"
#include "app/Window.h"
#include "app/BitmapCtrl.h"

class cPropSheet;
class cDialog;

// Attaches one bound control with its record: the control's own Attach. A control whose attach
// has another name brings an overload of its own.
template <class C, class P>
void AttachBound(cDialog* lpDlg, C& Ctrl, const P& Param) {
  Ctrl.Attach(lpDlg, Param);
}

class cDialog : public cWindow {
 public:
  // Run flags of DoModal and DoModeless.
  enum { RUN_HIDE_OTHERS = 2, RUN_DISABLE_OTHERS = 4 };
  // Message a keyboard hook uses to hand a key to the dialog.
  enum { WM_HOOKED_KEY = 2024 };
  // The item that a dialog draws its view in.
  enum { VIEW_CTRL_ID = 1006 };

  cDialog(uint16_t wTemplateId, cWindow* lpParent, int32_t nKind, cWindowList* lpWindowList);
  cDialog(uint16_t wTemplateId, cWindow* lpParent, int32_t nKind, cWindowList* lpWindowList,
          cControl* lpAnchor, int32_t bCentre);
  cDialog(uint16_t wTemplateId, cWindow* lpParent, int32_t nKind, cWindowList* lpWindowList,
          cWindow* lpAnchor, int32_t bCentre);
  cDialog(uint16_t wTemplateId, cWindow* lpParent, int32_t nKind, cWindowList* lpWindowList,
          int32_t x, int32_t y);
  ~cDialog() override;

  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  // Lets the lists that OnCommand froze paint again, for a handler that ends without restoring
  // their selections (a list left frozen shows nothing until the next command).
  void ThawLists();
  LRESULT DefProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
  void RedrawList() override;
  virtual void OnInitDialog(WPARAM wParam, LPARAM lParam);

  INT_PTR DoModal(DWORD dwFlags);
  INT_PTR DoModeless(DWORD dwFlags, int32_t bShow);
  void Close(int32_t nResult);
  void Dispose();
  void DataToCtrls();
  void CtrlsToData();
  void UpdateCtrls(int nId);
  void UpdateCtrlsExcept(int nId, const cControl* lpCtrl);
  uint16_t ChangedCtrlId(WPARAM wParam) const;
  void AutoScroll(int32_t* pnHorz, int32_t* pnVert);
  void AddBitmapCtrl(cBitmapCtrl* lpCtrl, const cBitmapParam& Param);
  void SystemResourceError();
  // Appends a control that has been attached to this dialog.
  void AddCtrl(cControl* lpCtrl) { m_vCtrls.push_back(lpCtrl); }

  // Attaches every element of a typed control vector in order and enters its control in the
  // bound-control list (which keeps its address: the vector is never resized afterwards).
  // Returns the element count.
  template <class V>
  int AttachCtrls(V& v) {
    int n = static_cast<int>(v.size());
    for (int i = 0; i < n; ++i) {
      AttachBound(this, v[i].m_Ctrl, v[i].m_Param);
      AddCtrl(&v[i].m_Ctrl);
    }
    return n;
  }
  // Attaches the elements again after their records were filled anew; the list stays as it is.
  template <class V>
  int RebindCtrls(V& v) {
    int n = static_cast<int>(v.size());
    for (int i = 0; i < n; ++i) AttachBound(this, v[i].m_Ctrl, v[i].m_Param);
    return n;
  }
  // The same for the one bound list a dialog holds directly.
  template <class E>
  void AttachList(E& e) {
    e.m_Ctrl.Attach(this, e.m_Param);
    AddCtrl(&e.m_Ctrl);
  }
  template <class E>
  void RebindList(E& e) {
    e.m_Ctrl.Attach(this, e.m_Param);
  }

  // OK (wOk) runs fnStore and closes the dialog with 1, Cancel (wCancel) closes it with 0; true
  // when the command was one of them.
  template <class F>
  bool CloseOnOkCancel(WPARAM wParam, uint16_t wOk, uint16_t wCancel, F fnStore) {
    const uint16_t wId = LOWORD(wParam);
    if (wId == wOk) {
      fnStore();
      Close(1);
      return true;
    }
    if (wId != wCancel) return false;
    Close(0);
    return true;
  }
  // DefProc's answer, except that the close box closes the dialog with 0.
  LRESULT CloseBoxProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    LRESULT r = DefProc(hWnd, uMsg, wParam, lParam);
    if (uMsg != WM_CLOSE) return r;
    Close(0);
    return 1;
  }

  // The message procedure of a modal editing dialog that draws a sample: TRUE to WM_INITDIALOG
  // (the first focus stays where the dialog manager puts it), the close box closes with 0, nothing
  // is drawn once the window goes; any other message is offered to fnMore (true: it took the
  // message) and then the sample is drawn again. The answer is 1 or 0.
  template <class F>
  LRESULT SampleDlgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, F fnMore) {
    LRESULT r = DefProc(hWnd, uMsg, wParam, lParam);
    switch (uMsg) {
      case WM_INITDIALOG:
        return TRUE;
      case WM_CLOSE:
        Close(0);
        return 1;
      case WM_DESTROY:
        m_bInit = 0;  // nothing more to draw on
        return 1;
      default:
        if (fnMore()) r = 1;
        break;
    }
    if (m_bInit) Draw();
    return r ? 1 : 0;
  }
  LRESULT SampleDlgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return SampleDlgProc(hWnd, uMsg, wParam, lParam, [] { return false; });
  }

  // The item ids of the dialog's own scroll bars, given once by the entry point.
  static void SetScrollBarIds(uint16_t wHorz, uint16_t wVert);
  // Forgets the drag auto-scroll counts (they are process-wide).
  static void ResetAutoScroll();

  int32_t m_bModeless = 0;
  DWORD m_dwRunFlags = 0;
  WNDPROC m_lpfnOldProc = nullptr;
  int32_t m_nResult = 0;
  cHook m_Hook;
  cWindow* m_lpParentClass = nullptr;
  cBitmapCtrl m_ViewCtrl;
  cBitmapParam m_ViewParam;
  cScrollCtrl m_HScroll;
  cScrollParam m_HScrollParam;
  cScrollCtrl m_VScroll;
  cScrollParam m_VScrollParam;
  int32_t m_bNeedRefresh = 0;
  std::vector<cControl*> m_vCtrls;
  // The sheet of a property page while the sheet runs.
  cPropSheet* m_lpSheet = nullptr;

 protected:
  // True while this object's own window exists (the handle alone may be that of a window gone).
  bool HasLiveWindow() const;

 private:
  int32_t m_bDisposed = 0;

  void Init(int32_t nKind);
  void InitParent(uint16_t wTemplateId, cWindow* lpParent, cWindowList* lpWindowList);
  // Hides or disables the other registered windows for a run with these flags, or undoes it.
  void SetOthersForRun(DWORD dwFlags, bool bRunning);
  void PlaceScrollBars();
  void OnOwnScroll(UINT uMsg, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK SubclassProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
};

// The static pointer and the static dialog procedure of one dialog class. A class derives from
// cDialogClass<itself> instead of cDialog (or cDialogClass<itself, B> instead of a common base B of
// several dialog classes); its constructor makes the new object the current one, and its
// destructor lets go of it.
template <class T, class B = cDialog>
class cDialogClass : public B {
 public:
  template <class... A>
  explicit cDialogClass(A... args) : B(args...) {
    s_lpThis = static_cast<T*>(this);
    this->m_lpfnStaticProc = &cDialogClass::StaticProc;
  }
  ~cDialogClass() override {
    if (s_lpThis == static_cast<T*>(this)) s_lpThis = nullptr;
  }

  static T* Current() { return s_lpThis; }

  static LRESULT CALLBACK StaticProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    T* p = s_lpThis;
    if (!p) return 0;
    return ProcBarrier([&] { return p->MsgProc(hWnd, uMsg, wParam, lParam); });
  }

 private:
  static T* s_lpThis;
};

template <class T, class B>
T* cDialogClass<T, B>::s_lpThis = nullptr;
