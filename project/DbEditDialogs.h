// The modal dialogs of the database pages that edit one element of a page's sub-list: the
// pattern of an anime (a list of its own), a sword position and an effect frame. The last two are
// bound straight to the element: OK stores every control into it, Cancel and the close box
// store nothing.
#pragma once

#include <windows.h>

#include <cstdint>

#include "app/Dialog.h"
#include "controls/CtrlBind.h"
#include "controls/ListCtrl.h"
#include "model/Database.h"
#include "project/SysPage.h"
#include "resources/DbEditIds.h"

// The anime the pattern dialog edits; the page that opens the dialog points it there first.
extern cEdAnime* EditedAnime;

// Black, then graphic kind, number and frame drawn as a character shows them, then copied to
// the picture control. Nothing without a drawing surface.
void DrawAnimeSample(cBitmapCtrl* lpSample, int32_t nKind, int32_t nNumber, int32_t nFrame);

class cAnimePatternDlg : public cDialogClass<cAnimePatternDlg> {
 public:
  cAnimePatternDlg(uint16_t wTemplateId, cWindow* lpParent, int32_t nKind, cWindowList* lpWindowList,
                   cControl* lpAnchor, int32_t bCentre);
  ~cAnimePatternDlg() override { Dispose(); }

  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
  void Draw() override;

  cEdAnime* m_lpAnime;
  // The anime set page's slot row when the dialog was made: the flying slots add its offset.
  int m_nSlotRow;
  cChkVector<cEdAnimePattern> m_vWork;
  cEdAnimePattern m_Rec;
  cCtrlBind<cListCtrl<cEdAnimePattern>, cListParam<cEdAnimePattern>> m_List;
  cSysPageCtrls m_Ctrls;

 private:
  cEdAnime m_Spare;  // edited when no page named an anime
  void StoreCtrls();
};

// What the two element dialogs share: D binds its controls to the element in its constructor.
template <class D, class T>
class cDbElementDlg : public cDialogClass<D> {
 public:
  cDbElementDlg(uint16_t wTemplateId, cWindow* lpParent, int32_t nKind, cWindowList* lpWindowList,
                cControl* lpAnchor, int32_t bCentre, T* lpElement)
      : cDialogClass<D>(wTemplateId, lpParent, nKind, lpWindowList, lpAnchor, bCentre),
        m_lpElement(lpElement ? lpElement : &m_Spare) {}
  ~cDbElementDlg() override { this->Dispose(); }

  void OnInitDialog(WPARAM wParam, LPARAM lParam) override {
    cDialog::OnInitDialog(wParam, lParam);
    HideSysPageView(this);
    m_Ctrls.AttachAll(this);
    this->DataToCtrls();
    this->m_bInit = 1;
  }
  void OnCommand(WPARAM wParam, LPARAM lParam) override {
    if (!this->CheckCommand(wParam)) return;
    cDialog::OnCommand(wParam, lParam);
    if (HIWORD(wParam) != BN_CLICKED) return;
    if (LOWORD(wParam) == IDC_DBDLG_OK) {
      this->CtrlsToData();
      this->Close(1);
    } else if (LOWORD(wParam) == IDC_DBDLG_CANCEL) {
      this->Close(0);
    }
  }
  LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override {
    LRESULT r = this->DefProc(hWnd, uMsg, wParam, lParam);
    if (uMsg == WM_INITDIALOG) return TRUE;
    if (uMsg == WM_CLOSE) {
      this->Close(0);
      return 1;
    }
    return r ? 1 : 0;
  }

  T* m_lpElement;
  cSysPageCtrls m_Ctrls;

 private:
  T m_Spare;  // edited when the page has no current element
};

class cSwordPosDlg : public cDbElementDlg<cSwordPosDlg, cEdSwordPos> {
 public:
  cSwordPosDlg(uint16_t wTemplateId, cWindow* lpParent, int32_t nKind, cWindowList* lpWindowList,
               cControl* lpAnchor, int32_t bCentre);
};

class cAnimeFrameDlg : public cDbElementDlg<cAnimeFrameDlg, cEdEffectFrame> {
 public:
  cAnimeFrameDlg(uint16_t wTemplateId, cWindow* lpParent, int32_t nKind, cWindowList* lpWindowList,
                 cControl* lpAnchor, int32_t bCentre);
};
