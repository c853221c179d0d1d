// What the pages of the block, character and item data sheets have in common: a working copy of
// the edited record with every control bound to its fields, inheritance check boxes that lock the
// controls of their field groups, change handlers registered per control, the "←" and "→" steps
// over the palette copy, and the property-sheet notifications (a page that is left hands its
// working copy to the sheet's other pages; the first page commits).
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/Dialog.h"
#include "app/BitmapCtrl.h"
#include "controls/ButtonCtrl.h"
#include "base/ChkContainer.h"
#include "controls/ComboCtrl.h"
#include "flow/CondListCtrl.h"
#include "controls/CtrlBind.h"
#include "controls/EditStrCtrl.h"
#include "controls/EditValCtrl.h"
#include "model/Inherit.h"
#include "model/StageEditState.h"
#include "palette/DataPage.h"
#include "palette/DataSheets.h"
#include "resources/DataSheetIds.h"
#include "controls/GraphicDraw.h"

// One field group of a page: its "継承→" box, the flag it owns and the controls it locks (closed
// by 0).
struct cInheritGroup {
  uint16_t wCheck;
  uint8_t nFlag;
  uint16_t aCtrls[7];
};

// A set of controls that only a computer-operated character uses, tied to the group whose box
// leaves it alone while inherited.
struct cComputerOnlySet {
  uint16_t wGroupCheck;
  uint16_t aCtrls[7];
};

// The part of a data page that does not depend on its record type.
class cRecordPageBase : public cDialog {
 public:
  cRecordPageBase(uint16_t wTemplateId, cWindow* lpParent, cWindowList* lpWindowList, int32_t nPageIndex);

  // The attached control with this item id; none when the page has no such control.
  cControl* FindItem(uint16_t wId) const;
  void EnableItem(uint16_t wId, bool bEnable);
  void ShowItem(uint16_t wId, bool bShow);
  bool IsItemEnabled(uint16_t wId) const;
  bool IsChecked(uint16_t wId) const;
  // The value a combo box shows (its minimum - 1 with nothing selected).
  int32_t ComboValue(uint16_t wId) const;

  // Locks or frees the controls of group k by its box; the pages add their own exceptions.
  virtual void EnableGroup(int k);
  void EnableAllGroups();
  // The index of the group whose box has this id, or -1.
  int GroupOfCheck(uint16_t wId) const;
  // Every change handler that does not belong to a button.
  void RunChangeHandlers();
  // The first change handler that takes the command; true when one ran.
  bool RunChangeHandlerFor(WPARAM wParam);
  // The computer-only sets: enabled for a computer, disabled for the player, unless inherited.
  void EnableComputerOnly(bool bComputer);
  // "No.%d" of the brush entry in the palette contexts; else the number and the step buttons go.
  void ShowEntryNumber();
  // Tells the sheet that something changed, which enables 適用.
  void TellSheetChanged();
  // Every control vector attached (once) or attached again after the records were filled anew.
  void AttachAll();
  void RebindAll();

  // The condition list's part of a command; true when the command ends here (a refused paste).
  bool OnCondListCommand(WPARAM wParam);
  // A right click over the condition list opens its popup menu at the clicked row.
  void OnCondListRightClick();
  // Recolours the previews from what the controls show now.
  virtual void DrawPreviews() {}
  void Draw() override;

  // Bound controls by kind and field type.
  cChkVector<cCtrlBind<cCheckCtrl<uint8_t>, cCheckParam<uint8_t>>> m_vInherit;
  cChkVector<cCtrlBind<cEditValCtrl<int32_t>, cEditValParam<int32_t>>> m_vEdit32;
  cChkVector<cCtrlBind<cEditValCtrl<int16_t>, cEditValParam<int16_t>>> m_vEdit16;
  cChkVector<cCtrlBind<cEditValCtrl<int8_t>, cEditValParam<int8_t>>> m_vEdit8;
  cChkVector<cCtrlBind<cEditStrCtrl, cEditStrParam>> m_vEditStr;
  cChkVector<cCtrlBind<cCheckCtrl<int8_t>, cCheckParam<int8_t>>> m_vCheck;
  cChkVector<cCtrlBind<cComboCtrl<int16_t>, cComboParam<int16_t>>> m_vCombo16;
  cChkVector<cCtrlBind<cComboCtrl<int8_t>, cComboParam<int8_t>>> m_vCombo8;
  cChkVector<cCtrlBind<cBitmapCtrl, cBitmapParam>> m_vPicture;
  cChkVector<cCtrlBind<cButtonCtrl, cButtonParam>> m_vButton;
  cChkVector<cCtrlBind<cStaticCtrl, cStaticParam>> m_vStatic;
  std::vector<cCtrlEvent> m_vEvents;
  // The appearance-condition list of a first page; none on the other pages.
  cCtrlBind<cCondListCtrl, cListParam<cCond>>* m_lpCond = nullptr;
  // The block and item lists refuse to paste distance conditions.
  int32_t m_bRefuseDistancePaste = 0;
  const cInheritGroup* m_pGroups = nullptr;
  int m_nGroups = 0;
  const cComputerOnlySet* m_pComputerOnly = nullptr;
  int m_nComputerOnly = 0;
  int32_t m_nPageIndex = 0;

 protected:
  void Event(int32_t nKind, uint16_t wId, cCtrlEvent::Handler pfn) {
    cCtrlEvent e;
    e.Set(nKind, wId, pfn);
    m_vEvents.push_back(e);
  }
  // The edit with this id gets new limits and shows its text held to them.
  template <class T>
  void SetEditRange(cChkVector<cCtrlBind<cEditValCtrl<T>, cEditValParam<T>>>& v, uint16_t wId, T nMin, T nMax) {
    for (int i = 0; i < static_cast<int>(v.size()); ++i) {
      if (v[i].m_Param.wId != wId) continue;
      v[i].m_Param.Min = nMin;
      v[i].m_Param.Max = nMax;
      cEditValCtrl<T>& c = v[i].m_Ctrl;
      c.SetRange(nMin, nMax);
      if (c.m_hWnd) c.SetValue(c.ParseText());
      return;
    }
  }
  // The number an edit shows now, as typed (held to its limits).
  template <class T>
  T EditValue(cChkVector<cCtrlBind<cEditValCtrl<T>, cEditValParam<T>>>& v, uint16_t wId, T nDefault) {
    for (int i = 0; i < static_cast<int>(v.size()); ++i) {
      if (v[i].m_Param.wId != wId) continue;
      cEditValCtrl<T>& c = v[i].m_Ctrl;
      if (!c.m_hWnd) return nDefault;
      T n = c.ParseText();
      if (n < c.m_Min) n = c.m_Min;
      if (n > c.m_Max) n = c.m_Max;
      return n;
    }
    return nDefault;
  }
  template <class T>
  void SetEditValue(cChkVector<cCtrlBind<cEditValCtrl<T>, cEditValParam<T>>>& v, uint16_t wId, T n) {
    for (int i = 0; i < static_cast<int>(v.size()); ++i)
      if (v[i].m_Param.wId == wId && v[i].m_Ctrl.m_hWnd) v[i].m_Ctrl.SetValue(n);
  }
  // The previews cleared to black, the record drawn at (0, 0) and shown.
  template <class R>
  void DrawRecordPreview(const R& rec);
};

enum { PREVIEW_SIZE = 32 };

// The page TPage of record type R that is page nPageIndex of its sheet.
template <class R, class TPage>
class cRecordPage : public cDialogClass<TPage, cRecordPageBase> {
 public:
  typedef cDialogClass<TPage, cRecordPageBase> Base;
  cRecordPage(uint16_t wTemplateId, cWindow* lpParent, cWindowList* lpWindowList, int32_t nPageIndex)
      : Base(wTemplateId, lpParent, lpWindowList, nPageIndex) {}
  ~cRecordPage() override { this->Dispose(); }

  // Loads a record into the working copy and the control records; attaches again once shown.
  virtual void SetupCtrls(const R* lpRec) = 0;
  // The sheet hands over the copy of the page that was left.
  void TakeRecord(const R& rec) {
    m_Work = rec;
    SetupCtrls(&m_Work);
  }
  // The working copy takes the inherited field groups; the controls show them.
  void ReapplyInherit() {
    this->CtrlsToData();
    m_Work.ApplyInherit();
    this->DataToCtrls();
  }

  LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override {
    LRESULT nResult = this->DefProc(hWnd, uMsg, wParam, lParam);
    switch (uMsg) {
      case WM_CLOSE:
        this->Close(0);
        break;
      case WM_NOTIFY: {
        const NMHDR* pHdr = reinterpret_cast<const NMHDR*>(lParam);
        if (pHdr && pHdr->hwndFrom == this->m_hSheetWnd) OnSheetNotify(pHdr->code);
        break;
      }
      default:
        break;
    }
    OnPageMessage(uMsg);
    if (this->m_bInit && uMsg != WM_DESTROY && uMsg != WM_NCDESTROY && this->m_hWnd) this->Draw();
    return nResult;
  }

  void OnCommand(WPARAM wParam, LPARAM lParam) override {
    if (!this->CheckCommand(wParam)) return;
    cDialog::OnCommand(wParam, lParam);
    if (this->m_lpCond && this->OnCondListCommand(wParam)) return;
    if (this->m_bInit) {
      const int k = this->GroupOfCheck(LOWORD(wParam));
      if (k >= 0 && HIWORD(wParam) == BN_CLICKED) {
        if (this->IsChecked(LOWORD(wParam))) ReapplyInherit();
        this->EnableGroup(k);
        AfterInheritClick();
      }
      this->RunChangeHandlerFor(wParam);
    }
    if (this->m_lpCond) this->m_lpCond->m_Ctrl.RestoreSel();
    this->TellSheetChanged();
  }

  R m_Work;
  // The palette copy that the steps go over: the first page's.
  cChkVector<R>* m_lpPalette = nullptr;

 protected:
  // PSN_SETACTIVE: the controls show the working copy again, which another page may have changed.
  virtual void OnSetActive() = 0;
  // After a click on an inheritance box, once its group is refreshed.
  virtual void AfterInheritClick() = 0;
  // What the first page adds: the commit, the remembered page, the closing.
  virtual void Commit() {}
  virtual void RememberPage(int32_t) {}
  virtual void OnPageMessage(UINT) {}

  // Stores the page, moves to the previous or next entry of the palette copy and shows it.
  void StepEntry(R*& lpTarget, int32_t nStep) {
    if (!m_lpPalette) return;
    cControl* lpNo = this->FindItem(IDC_DP_NO);
    StepEditRecord(lpTarget, StageEditState.m_nBrushEntry, nStep, *this, m_Work, *m_lpPalette,
                   [this](R& rec) { SetupCtrls(&rec); }, lpNo);
  }
  cRecordSheet<R>* Sheet() const { return dynamic_cast<cRecordSheet<R>*>(this->m_lpSheet); }
  // The edit target's flags sized for every group, so each box has its flag to bind.
  void SizeFlags() {
    if (m_Work.m_bbInherit.size() < static_cast<size_t>(R::INHERIT_GROUPS))
      m_Work.m_bbInherit.resize(R::INHERIT_GROUPS, 0);
  }

 private:
  void OnSheetNotify(UINT uCode) {
    if (uCode == static_cast<UINT>(PSN_SETACTIVE)) {
      if (this->m_bInit) OnSetActive();
      return;
    }
    if (uCode == static_cast<UINT>(PSN_KILLACTIVE)) {
      this->CtrlsToData();
      if (cRecordSheet<R>* lpSheet = Sheet()) lpSheet->ShareRecord(m_Work, this->m_nPageIndex);
      return;
    }
    const bool bApply = uCode == static_cast<UINT>(PSN_APPLY);
    if ((!bApply && uCode != static_cast<UINT>(PSN_RESET)) || this->m_nPageIndex != 0) return;
    cPropSheet* lpSheet = this->m_lpSheet;
    const int nCur = lpSheet ? lpSheet->GetCurPage() : -1;
    if (nCur >= 0) RememberPage(nCur);
    if (!bApply) return;
    // The page being left has shared its copy already; this page stores its own controls.
    if (nCur <= 0) this->CtrlsToData();
    Commit();
  }
};

template <class R>
void cRecordPageBase::DrawRecordPreview(const R& rec) {
  for (int i = 0; i < static_cast<int>(m_vPicture.size()); ++i) {
    cBitmapCtrl& c = m_vPicture[i].m_Ctrl;
    if (!c.m_hWnd || !c.m_Window.m_hDC || !c.m_Surface.m_hDC) continue;
    cSurface& s = c.m_Surface;
    s.Fill(RGB(0, 0, 0));
    DrawEntryGraphic(s, 0, 0, rec, 0);
    c.m_Window.Blt(0, 0, s.m_nWidth, s.m_nHeight, s, 0, 0, 1);
  }
}
