// The common part of the eight pages of the system settings sheet: the bound controls of a page,
// one vector per control kind, and the page behaviour they share. A page attaches its controls
// when its window is created, runs its enable rule around showing the record, tells the sheet of
// every command (so that Apply lights up), stores its controls only when the sheet commits, and
// the pages that stand for the whole sheet (1, 2, 7 and 8) commit on Apply and end the sheet's
// session when they are destroyed.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <cstdint>
#include <string>

#include "app/Dialog.h"
#include "app/BitmapCtrl.h"
#include "controls/ButtonCtrl.h"
#include "controls/ComboCtrl.h"
#include "controls/CtrlBind.h"
#include "controls/EditStrCtrl.h"
#include "controls/EditValCtrl.h"

template <class C, class P>
using cSysBinds = cChkVector<cCtrlBind<C, P>>;

struct cSysPageCtrls {
  cSysBinds<cEditValCtrl<int32_t>, cEditValParam<int32_t>> m_vValue;
  cSysBinds<cEditValCtrl<uint8_t>, cEditValParam<uint8_t>> m_vByte;
  cSysBinds<cEditValCtrl<int16_t>, cEditValParam<int16_t>> m_vShort;
  cSysBinds<cEditStrCtrl, cEditStrParam> m_vStr;
  cSysBinds<cComboCtrl<int32_t>, cComboParam<int32_t>> m_vCombo;
  cSysBinds<cComboCtrl<int8_t>, cComboParam<int8_t>> m_vCharCombo;
  cSysBinds<cCheckCtrl<int32_t>, cCheckParam<int32_t>> m_vCheck;
  cSysBinds<cCheckCtrl<uint8_t>, cCheckParam<uint8_t>> m_vFlag;
  cSysBinds<cButtonCtrl, cButtonParam> m_vButton;
  cSysBinds<cBitmapCtrl, cBitmapParam> m_vBitmap;

  // Bindings are added while the page is built, never after its window exists (the dialog keeps
  // the controls' addresses).
  void Value(uint32_t nId, int32_t* p, int32_t nMin, int32_t nMax, uint32_t nSpinId);
  void Byte(uint32_t nId, uint8_t* p, uint8_t nMin, uint8_t nMax, uint32_t nSpinId);
  void Short(uint32_t nId, int16_t* p, int16_t nMin, int16_t nMax, uint32_t nSpinId);
  // A limit in double-byte characters with bWide, else in bytes.
  void Str(uint32_t nId, std::string* p, int32_t nLimit, int32_t bWide);
  void Path(uint32_t nId, std::string* p);
  // Item p stands for the value nMin + p.
  void Combo(uint32_t nId, int32_t* p, cItemTable pTable, int32_t nMin = 0);
  void Combo(uint32_t nId, int8_t* p, cItemTable pTable, int32_t nMin = 0);
  void Combo(uint32_t nId, int32_t* p, cItemVector* pItems, int32_t nMin = 0);
  void Check(uint32_t nId, int32_t* p);
  void Flag(uint32_t nId, uint8_t* p);
  void Button(uint32_t nId);
  void Bitmap(uint32_t nId, int32_t nWidth, int32_t nHeight);

  void AttachAll(cDialog* lpDlg);

  // What the enable rules read and set: the controls on the screen, never the record.
  // A check box's state; 0 for an id that is no check box of the page.
  int32_t IsChecked(uint32_t nId);
  void SetChecked(uint32_t nId, int32_t bCheck);
  void Enable(uint32_t nId, bool bEnable);
  cControl* Find(uint32_t nId);
  cComboCtrl<int32_t>* FindCombo(uint32_t nId);
  cComboCtrl<int8_t>* FindCharCombo(uint32_t nId);
  cEditValCtrl<int32_t>* FindValue(uint32_t nId);
  cEditValCtrl<int16_t>* FindShort(uint32_t nId);
  cBitmapCtrl* FindBitmap(uint32_t nId);
  cEditStrCtrl* FindStr(uint32_t nId);
};

// Hides the view item that every template carries, unless the page uses the id for a control.
void HideSysPageView(cDialog* lpPage);
// PSM_CHANGED to the page's sheet.
void NotifySysPageChanged(cDialog* lpPage);
// Apply or OK on one of the pages that commit: the sheet stores every page and writes the file.
void CommitSysSheet(cDialog* lpPage);
// One of the pages that stand for the sheet goes: the music stops and the stage window hears
// that the sheet closed.
void EndSysSheetSession();

template <class T>
class cSysPage : public cDialogClass<T> {
 public:
  cSysPage(uint16_t wTemplateId, cWindow* lpOwner, cWindowList* lpWindowList, int32_t bCommits)
      : cDialogClass<T>(wTemplateId, lpOwner, cWindow::KIND_PAGE, lpWindowList), m_bCommits(bCommits) {}
  ~cSysPage() override { this->Dispose(); }

  void OnInitDialog(WPARAM wParam, LPARAM lParam) override {
    cDialog::OnInitDialog(wParam, lParam);
    HideSysPageView(this);
    m_Ctrls.AttachAll(this);
    UpdateEnable();
    this->DataToCtrls();
    UpdateEnable();
    this->m_bInit = 1;
  }

  void OnCommand(WPARAM wParam, LPARAM lParam) override {
    if (!this->CheckCommand(wParam)) return;
    cDialog::OnCommand(wParam, lParam);
    OnPageCommand(wParam);
    if (!this->m_bInit) return;  // showing the record is no change of the author's
    if (this->ChangedCtrlId(wParam)) UpdateEnable();
    NotifySysPageChanged(this);
  }

  LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override {
    LRESULT r = this->DefProc(hWnd, uMsg, wParam, lParam);
    switch (uMsg) {
      case WM_INITDIALOG:
        return TRUE;
      case WM_DESTROY:
        this->m_bInit = 0;
        if (m_bCommits) EndSysSheetSession();
        return 1;
      case WM_CLOSE:
        this->Close(0);
        return 1;
      case WM_DRAWITEM:
        // An owner-drawn picture (the font sample) is drawn after the system painted it.
        if (this->m_bInit) this->Draw();
        return 1;
      case WM_NOTIFY: {
        const NMHDR* pHdr = reinterpret_cast<const NMHDR*>(lParam);
        if (!pHdr) break;
        if (pHdr->code == static_cast<UINT>(PSN_APPLY) && m_bCommits) {
          CommitSysSheet(this);
          SetWindowLongPtrA(hWnd, DWLP_MSGRESULT, PSNRET_NOERROR);
          return 1;
        }
        if (pHdr->code == static_cast<UINT>(PSN_SETACTIVE)) {
          if (this->m_bInit) UpdateEnable();
          SetWindowLongPtrA(hWnd, DWLP_MSGRESULT, 0);
          return 1;
        }
        break;
      }
      default:
        break;
    }
    if (!r) return 0;
    this->Draw();
    return 1;
  }

  // The page's enable rule; pages without one keep every control enabled.
  virtual void UpdateEnable() {}
  // The page's own buttons, after the bound controls had the command.
  virtual void OnPageCommand(WPARAM) {}

  cSysPageCtrls m_Ctrls;
  int32_t m_bCommits;
};
