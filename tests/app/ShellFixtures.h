// Probe dialogs, pages and sheets for the tests of the window, dialog and sheet bases. Each probe
// runs on the stage window's template (view 1006, bars 1008 and 1009) and records what reaches it.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "app/Dialog.h"
#include "app/PropSheet.h"
#include "app/WindowList.h"
#include "resources/AppIds.h"
#include "support/TestSupport.h"

// A dialog class per N, since a dialog class reaches its one object through a static pointer.
template <int N>
class cProbeDlg : public cDialogClass<cProbeDlg<N>> {
  typedef cDialogClass<cProbeDlg<N>> base;

 public:
  template <class... A>
  explicit cProbeDlg(A... args) : base(args...) {}
  ~cProbeDlg() override { this->Dispose(); }

  LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override {
    LRESULT r = this->DefProc(hWnd, uMsg, wParam, lParam);
    if (m_fnMsg) m_fnMsg(this, uMsg, wParam, lParam);
    if (uMsg == WM_INITDIALOG) return TRUE;
    return r;
  }
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override {
    cDialog::OnInitDialog(wParam, lParam);
    this->m_bInit = 1;
    if (m_fnInit) m_fnInit(this);
  }
  void OnCommand(WPARAM wParam, LPARAM lParam) override {
    cDialog::OnCommand(wParam, lParam);
    m_vCommands.push_back(LOWORD(wParam));
    if (m_fnCommand) m_fnCommand(this, wParam);
  }
  void Frame() override {
    ++m_nFrames;
    if (m_fnFrame) m_fnFrame(this);
  }
  void Draw() override { ++m_nDraws; }

  std::function<void(cProbeDlg*)> m_fnInit;
  std::function<void(cProbeDlg*, UINT, WPARAM, LPARAM)> m_fnMsg;
  std::function<void(cProbeDlg*, WPARAM)> m_fnCommand;
  std::function<void(cProbeDlg*)> m_fnFrame;
  std::vector<WORD> m_vCommands;
  int m_nFrames = 0;
  int m_nDraws = 0;
};

// A sheet of two probe pages, registered with the owner's pointer to it.
class cProbeSheet : public cPropSheet {
 public:
  cProbeSheet(cWindow* lpOwner, cProbeSheet** lppSlot)
      : cPropSheet(1, lpOwner, &WindowList),
        m_Page1(IDD_STAGE, lpOwner, cWindow::KIND_PAGE, &WindowList),
        m_Page2(IDD_STAGE, lpOwner, cWindow::KIND_PAGE, &WindowList) {
    Register(lppSlot);
    m_vPages.push_back(&m_Page1);
    m_vPages.push_back(&m_Page2);
  }

  cProbeDlg<101> m_Page1;
  cProbeDlg<102> m_Page2;
};
