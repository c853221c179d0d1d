// What the pages of the block, character and item data sheets have in common: a working copy of
// the edited record with every control bound to its fields, inheritance check boxes that lock the
// controls of their field groups, change handlers registered per control, the "←" and "→" steps
// over the palette copy, and the property-sheet notifications (a page that is left hands its
// working copy to the sheet's other pages; the first page commits).
//
// The first page of a sheet (cFirstRecordPage) also holds the palette copy, the inheritance source,
// the name and the appearance conditions; the block, item and character view pages share the
// graphic and mark controls (cGraphicPart). A page keeps only its own fields and rules.
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
#include "controls/CtrlSet.h"
#include "controls/EditStrCtrl.h"
#include "controls/EditValCtrl.h"
#include "model/Inherit.h"
#include "model/PaletteOptionTables.h"
#include "model/StageEditState.h"
#include "palette/DataPage.h"
#include "palette/DataSheets.h"
#include "resources/DataSheetIds.h"
#include "controls/GraphicDraw.h"

// The items that every first page has under the same number.
enum : uint16_t {
  IDC_DP_NAME = 1002,
  IDC_DP_LATCH = 1051,
  IDC_DP_JUDGE = 1255,
  IDC_DP_INHERIT_PAL = 1268,
  IDC_DP_INHERIT_NO = 1269,
};
// The graphic and mark items of the block, item and character view pages. The item under
// IDC_DP_FRAME holds the frame of a block or an item and the shift of a character.
enum : uint16_t {
  IDC_DP_GRAPHIC_NO = 1036,
  IDC_DP_GRAPHIC_SPIN = 1037,
  IDC_DP_FRAME = 1038,
  IDC_DP_FRAME_SPIN = 1039,
  IDC_DP_MARK_SPIN = 1047,
  IDC_DP_GRAPHIC_KIND = 1254,
  IDC_DP_TRANSPARENT = 1258,
  IDC_DP_MARK_SHOW = 1260,
  IDC_DP_MARK_PICK = 1445,
  IDC_DP_GRAPHIC_PICK = 1446,
  IDC_DP_MARK_NO = 11040,
};

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

// How a page's graphic controls read: the names of the graphic kinds, the lower limit of the
// frame item (its upper one is 999) and its limits while the kind is 1 (a 40-frame sheet) or 4 (a
// character-specific bitmap of 240 frames). While the box wKindCheck is ticked the kind leaves
// the limits as they are (0: the page has no such box).
struct cGraphicPart {
  const char* const* pSheetNames;
  uint16_t wKindCheck;
  int16_t nFrameMin;
  int16_t aKind1[2];
  int16_t aKind4[2];
};

// The part of a data page that does not depend on its record type.
class cRecordPageBase : public cDialog {
 public:
  cRecordPageBase(uint16_t wTemplateId, cWindow* lpParent, cWindowList* lpWindowList, int32_t nPageIndex);

  // The page's control with this item id (the condition list among them); none when the page has
  // no such control.
  cControl* FindItem(uint16_t wId) { return m_Ctrls.Find(wId); }
  void EnableItem(uint16_t wId, bool bEnable) { m_Ctrls.Enable(wId, bEnable); }
  void ShowItem(uint16_t wId, bool bShow);
  bool IsItemEnabled(uint16_t wId);
  bool IsChecked(uint16_t wId) { return m_Ctrls.IsChecked(wId); }
  // The value a combo box shows (its minimum - 1 with nothing selected).
  int32_t ComboValue(uint16_t wId) { return m_Ctrls.ComboValue(wId); }

  // Attaches the controls, shows the record, locks the inherited groups and runs the page's
  // enabling rules.
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  // Locks or frees the controls of group k by its box; the pages add their own exceptions.
  virtual void EnableGroup(int k);
  void EnableAllGroups();
  // The index of the group whose box has this id, or -1.
  int GroupOfCheck(uint16_t wId) const;
  // Every change handler that does not belong to a button (nor to the control wSkip).
  void RunChangeHandlers(uint16_t wSkip = 0);
  // The first change handler that takes the command; true when one ran.
  bool RunChangeHandlerFor(WPARAM wParam);
  // The computer-only sets: enabled for a computer, disabled for the player, unless inherited.
  void EnableComputerOnly(bool bComputer);
  void EnableComputerSets() { EnableComputerOnly(IsComputerOperated()); }
  // "No.%d" of the brush entry in the palette contexts; else the number and the step buttons go.
  void ShowEntryNumber();
  // Tells the sheet that something changed, which enables 適用.
  void TellSheetChanged();
  // The controls attached (once) or attached again after their records were filled anew.
  void AttachAll() { m_Ctrls.AttachAll(this); }
  void RebindAll() { m_Ctrls.RebindAll(this); }

  // The condition list's part of a command; true when the command ends here (a refused paste).
  bool OnCondListCommand(WPARAM wParam);
  // A right click over the condition list opens its popup menu at the clicked row.
  void OnCondListRightClick();
  // Recolours the previews from what the controls show now.
  virtual void DrawPreviews() {}
  void Draw() override;

  // The bound controls; lookups by id are quiet (a page asks for items it may not have).
  cCtrlSet m_Ctrls;
  std::vector<cCtrlEvent> m_vEvents;
  // The appearance-condition list of a first page; none on the other pages.
  cCtrlBind<cCondListCtrl, cListParam<cCond>>* m_lpCond = nullptr;
  // The block and item lists refuse to paste distance conditions.
  int32_t m_bRefuseDistancePaste = 0;
  const cInheritGroup* m_pGroups = nullptr;
  int m_nGroups = 0;
  const cComputerOnlySet* m_pComputerOnly = nullptr;
  int m_nComputerOnly = 0;
  // The graphic controls of the page; none on a page without them.
  const cGraphicPart* m_pGraphic = nullptr;
  int32_t m_nPageIndex = 0;

 protected:
  template <size_t N>
  void SetGroups(const cInheritGroup (&aGroups)[N]) {
    m_pGroups = aGroups;
    m_nGroups = static_cast<int>(N);
  }
  template <size_t N>
  void SetComputerOnly(const cComputerOnlySet (&aSets)[N]) {
    m_pComputerOnly = aSets;
    m_nComputerOnly = static_cast<int>(N);
  }
  // The page has the graphic and mark controls: their handlers are registered (in the order of
  // the page's other handlers) and the records filled by BindGraphic.
  void UseGraphic(const cGraphicPart& Part);
  void Event(int32_t nKind, uint16_t wId, cCtrlEvent::Handler pfn) {
    cCtrlEvent e;
    e.Set(nKind, wId, pfn);
    m_vEvents.push_back(e);
  }
  // The set the records of a record shown are filled into: the page's own the first time; later
  // a fresh one, whose records EndBinding hands to the page's controls (attached controls keep
  // their places, so the filling must add the same controls in the same order).
  cCtrlSet& BeginBinding();
  void EndBinding();
  static void Picture(cCtrlSet& c, uint16_t wId) { c.Picture(wId, PREVIEW_SIZE, PREVIEW_SIZE); }
  // The inheritance source names of the edit context: a placed element inherits from either
  // palette, a stage palette entry from the common palette, the others from nowhere.
  static const char* const* InheritPalNames();

  // What the page adds once its controls are attached (before they show the record), and its
  // enabling rules (run after the groups were locked).
  virtual void AfterAttach() {}
  virtual void RefreshEnabling() = 0;
  // True for a computer-operated character (the computer-only sets are then enabled).
  virtual bool IsComputerOperated() = 0;

  // The edit with this id gets new limits and shows its text held to them.
  template <class T>
  void SetEditRange(uint16_t wId, T nMin, T nMax) {
    auto& v = m_Ctrls.VecOf<cEditValCtrl<T>>();
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
  T EditValue(uint16_t wId, T nDefault) {
    auto& v = m_Ctrls.VecOf<cEditValCtrl<T>>();
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
  void SetEditValue(uint16_t wId, T n) {
    auto& v = m_Ctrls.VecOf<cEditValCtrl<T>>();
    for (int i = 0; i < static_cast<int>(v.size()); ++i)
      if (v[i].m_Param.wId == wId && v[i].m_Ctrl.m_hWnd) v[i].m_Ctrl.SetValue(n);
  }

  enum { PREVIEW_SIZE = 32 };

 private:
  // The graphic kind sets the frame's and the number's limits and what can be picked.
  void OnGraphicKind();
  void ApplyKindLimits(int32_t nKind);
  // The mark number and its picker only while a mark is shown.
  void OnMarkShow();

  // The set a later filling goes into, and whether the page's own set was filled.
  cCtrlSet m_Fresh;
  bool m_bBound = false;
};

// The page TPage of a record of kind K (cBlockKind, cCharaKind or cItemKind; DataSheets.h) that
// is page nPageIndex of its sheet. What it does is what a page after the first does; the first
// page (cFirstRecordPage) adds to it.
template <class K, class TPage>
class cRecordPage : public cDialogClass<TPage, cRecordPageBase> {
 public:
  typedef typename K::Rec R;
  typedef cDialogClass<TPage, cRecordPageBase> Base;
  cRecordPage(uint16_t wTemplateId, cWindow* lpParent, cWindowList* lpWindowList, int32_t nPageIndex)
      : Base(wTemplateId, lpParent, lpWindowList, nPageIndex) {
    this->Event(cControl::KIND_BUTTON, IDC_DP_PREV, [](cDialog* p) { Self(p)->OnStep(-1); });
    this->Event(cControl::KIND_BUTTON, IDC_DP_NEXT, [](cDialog* p) { Self(p)->OnStep(1); });
  }
  ~cRecordPage() override { this->Dispose(); }

  // Loads a record into the working copy and the control records; attaches again once shown.
  void SetupCtrls(const R* lpRec) {
    if (!lpRec) return;
    m_Work = *lpRec;
    SizeFlags();
    cCtrlSet& c = this->BeginBinding();
    for (int k = 0; k < this->m_nGroups; ++k) {
      const cInheritGroup& g = this->m_pGroups[k];
      c.Check(g.wCheck, &m_Work.m_bbInherit[g.nFlag]);
    }
    BindFirstPage(m_Work, c);
    BindFields(m_Work, c);
    c.Button(IDC_DP_PREV);
    c.Button(IDC_DP_NEXT);
    c.Static(IDC_DP_NO);
    this->EndBinding();
    if (!this->m_bInit) return;
    if (this->m_lpCond) this->RebindList(*this->m_lpCond);
    this->RebindAll();
  }
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
  void DrawPreviews() override {
    if (this->m_bInit) DrawRecordPreview(PreviewRecord());
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
  static TPage* Self(cDialog* p) { return static_cast<TPage*>(p); }

  // The page's own control records on the working copy.
  virtual void BindFields(R& w, cCtrlSet& c) = 0;
  // What the first page binds before them.
  virtual void BindFirstPage(R&, cCtrlSet&) {}
  // What the page shows in its previews: by default the working copy.
  virtual R PreviewRecord() { return m_Work; }
  bool IsComputerOperated() override { return K::ComputerOperated(m_Work); }
  // The page's records made for the edit target; the page's constructor calls it last.
  virtual void Start() { SetupCtrls(K::Target()); }

  // PSN_SETACTIVE: the controls show the working copy again, which another page may have changed
  // or stepped to another entry.
  virtual void OnSetActive() {
    this->UpdateCtrls(0);
    ReapplyLocks();
    this->ShowEntryNumber();
  }
  // The locks of the record shown, whatever the page showed before: each group by its box, the
  // computer-only sets by the operator, the boxes by the source, then the page's own rules.
  virtual void ReapplyLocks() {
    this->EnableAllGroups();
    this->EnableComputerSets();
    RefreshChecks();
  }
  // After a click on an inheritance box, once its group is refreshed.
  virtual void AfterInheritClick() {
    this->EnableComputerSets();
    RefreshChecks();
  }
  void RefreshEnabling() override { RefreshChecks(); }
  // What the first page adds: the commit, the remembered page, the closing.
  virtual void Commit() {}
  virtual void RememberPage(int32_t) {}
  virtual void OnPageMessage(UINT) {}

  // The boxes of a page after the first can be ticked only while the record inherits from
  // somewhere (the first page sets that).
  void RefreshChecks() {
    const bool bInherits = m_Work.m_nInheritPal != SRC_NONE;
    for (int k = 0; k < this->m_nGroups; ++k) this->EnableItem(this->m_pGroups[k].wCheck, bInherits);
    this->RunChangeHandlers();
  }
  // The graphic and mark records of a page that uses them (UseGraphic); nFrame is the field
  // under IDC_DP_FRAME.
  void BindGraphic(R& w, int16_t& nFrame, cCtrlSet& c) {
    const cGraphicPart& g = *this->m_pGraphic;
    c.Value(IDC_DP_GRAPHIC_NO, &w.m_nGraphic, 1, 999, IDC_DP_GRAPHIC_SPIN);
    c.Value(IDC_DP_FRAME, &nFrame, g.nFrameMin, 999, IDC_DP_FRAME_SPIN);
    c.Value(IDC_DP_MARK_NO, &w.m_nMarkNo, 0, 119, IDC_DP_MARK_SPIN);
    c.Combo(IDC_DP_GRAPHIC_KIND, &w.m_nSheet, g.pSheetNames);
    c.Combo(IDC_DP_TRANSPARENT, &w.m_bTransparent, TransparentNames);
    c.Combo(IDC_DP_MARK_SHOW, &w.m_nMark, MarkShowNames);
    c.Button(IDC_DP_GRAPHIC_PICK);
    c.Button(IDC_DP_MARK_PICK);
  }
  // The graphic fields of rec as the controls show them now (the working copy's where an edit is
  // not there); pFrame is the field under IDC_DP_FRAME.
  void ReadGraphic(R& rec, int16_t R::*pFrame) {
    rec.m_nSheet = static_cast<int8_t>(this->ComboValue(IDC_DP_GRAPHIC_KIND));
    rec.m_nGraphic = this->EditValue(IDC_DP_GRAPHIC_NO, m_Work.m_nGraphic);
    rec.*pFrame = this->EditValue(IDC_DP_FRAME, m_Work.*pFrame);
    rec.m_nMark = static_cast<int8_t>(this->ComboValue(IDC_DP_MARK_SHOW));
    rec.m_nMarkNo = this->EditValue(IDC_DP_MARK_NO, m_Work.m_nMarkNo);
  }
  cRecordSheet<R>* Sheet() const { return dynamic_cast<cRecordSheet<R>*>(this->m_lpSheet); }
  // The edit target's flags sized for every group, so each box has its flag to bind.
  void SizeFlags() {
    if (m_Work.m_bbInherit.size() < static_cast<size_t>(R::INHERIT_GROUPS))
      m_Work.m_bbInherit.resize(R::INHERIT_GROUPS, 0);
  }

 private:
  // Stores the page, moves to the previous or next entry of the palette copy and shows it with
  // its own locks: the entry left may have inherited other groups, or from nowhere.
  void OnStep(int32_t nStep) {
    if (m_lpPalette) {
      cControl* lpNo = this->FindItem(IDC_DP_NO);
      StepEditRecord(K::Target(), StageEditState.m_nBrushEntry, nStep, *this, m_Work, *m_lpPalette,
                     [this](R& rec) { SetupCtrls(&rec); }, lpNo);
    }
    if (this->m_lpCond) this->m_lpCond->m_Ctrl.SelectOnly(0, 1);
    ReapplyLocks();
  }
  // The previews cleared to black, the record drawn at (0, 0) and shown.
  void DrawRecordPreview(const R& rec) {
    auto& v = this->m_Ctrls.m_vPicture;
    for (int i = 0; i < static_cast<int>(v.size()); ++i) {
      cBitmapCtrl& c = v[i].m_Ctrl;
      if (!c.m_hWnd || !c.m_Window.m_hDC || !c.m_Surface.m_hDC) continue;
      cSurface& s = c.m_Surface;
      s.Fill(RGB(0, 0, 0));
      DrawEntryGraphic(s, 0, 0, rec, 0);
      c.m_Window.Blt(0, 0, s.m_nWidth, s.m_nHeight, s, 0, 0, 1);
    }
  }
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
    if (uCode != static_cast<UINT>(PSN_APPLY) && uCode != static_cast<UINT>(PSN_RESET)) return;
    if (this->m_nPageIndex == 0)
      EndSheet(uCode);
    else if (this->m_lpSheet)
      this->m_lpSheet->PassEndToFirstPage(this, uCode);
  }

 public:
  // The first page's part of the sheet's OK, 適用 (PSN_APPLY) and cancel (PSN_RESET): the page shown
  // is remembered, and OK and 適用 commit the working copy. Also run for a first page the sheet
  // never made (the author stayed on later pages).
  void EndSheet(UINT uCode) {
    cPropSheet* lpSheet = this->m_lpSheet;
    const int nCur = lpSheet ? lpSheet->GetCurPage() : -1;
    if (nCur >= 0) RememberPage(nCur);
    if (uCode != static_cast<UINT>(PSN_APPLY)) return;
    // The page being left has shared its copy already; this page stores its own controls.
    if (nCur <= 0) this->CtrlsToData();
    Commit();
  }
};

// The first page of a sheet: it holds the palette copy that every page steps over, the
// inheritance source and the appearance conditions, and commits the sheet.
template <class K, class TPage>
class cFirstRecordPage : public cRecordPage<K, TPage> {
 public:
  typedef typename K::Rec R;
  typedef cRecordPage<K, TPage> Page;
  cFirstRecordPage(uint16_t wTemplateId, cWindow* lpParent, cWindowList* lpWindowList)
      : Page(wTemplateId, lpParent, lpWindowList, 0) {
    this->m_lpCond = &m_Cond;
    this->m_Ctrls.Held(&m_Cond.m_Ctrl);
    this->Event(cControl::KIND_COMBO, IDC_DP_INHERIT_PAL, [](cDialog* p) { Page::Self(p)->OnInheritPal(); });
    this->Event(cControl::KIND_COMBO, IDC_DP_INHERIT_NO, [](cDialog* p) {
      Page::Self(p)->ReapplyInherit();
      Page::Self(p)->EnableComputerSets();
    });
  }

  cChkVector<R> m_vPalette;
  cCtrlBind<cCondListCtrl, cListParam<cCond>> m_Cond;
  cItemVector m_vInheritNames;

 protected:
  void Start() override {
    m_vPalette = PaletteCopy<K>();
    this->m_lpPalette = &m_vPalette;
    Page::Start();
  }
  void BindFirstPage(R& w, cCtrlSet& c) override {
    cCondListCtrl::SetParam(m_Cond.m_Param, IDC_COND_LIST, nullptr, &w.m_vCond);
    c.Str(IDC_DP_NAME, &w.m_strName, 20, 1);
    c.Check(IDC_DP_LATCH, &w.m_bLatch);
    c.Combo(IDC_DP_INHERIT_NO, &w.m_nInheritNo, &m_vInheritNames, 1);
    c.Combo(IDC_DP_INHERIT_PAL, &w.m_nInheritPal, this->InheritPalNames());
    c.Combo(IDC_DP_JUDGE, &w.m_nCondJudge, CondJudgeNames);
    // The list's buttons are locked with the list.
    c.Button(IDC_COND_INSERT);
    c.Button(IDC_COND_EDIT);
    c.Button(IDC_COND_DELETE);
    if (w.m_nInheritPal == SRC_COMMON) MakeNumberedNameList(m_vInheritNames, K::CommonPal());
    if (w.m_nInheritPal == SRC_STAGE) MakeNumberedNameList(m_vInheritNames, K::StagePal());
  }
  void AfterAttach() override {
    m_Cond.m_Ctrl.SetOwnerIds(COND_OWNER_DATA);
    m_Cond.m_Ctrl.SelectOnly(0, 1);
    // A common palette entry and a default record inherit from nowhere.
    const int32_t nContext = StageEditState.m_nEditContext;
    if (nContext == EDIT_COMMON_PALETTE || nContext == EDIT_DEFAULT) {
      this->EnableItem(IDC_DP_INHERIT_PAL, false);
      this->EnableItem(IDC_DP_INHERIT_NO, false);
    }
  }
  void RefreshEnabling() override { this->RunChangeHandlers(); }
  void OnSetActive() override {
    this->UpdateCtrls(0);
    m_Cond.m_Ctrl.Redraw();
    ReapplyLocks();
    this->ShowEntryNumber();
  }
  // The source's handler (among the change handlers) frees or locks the entry list and the boxes.
  void ReapplyLocks() override {
    this->EnableAllGroups();
    this->EnableComputerSets();
    this->RunChangeHandlers();
  }
  void AfterInheritClick() override { this->RunChangeHandlers(); }
  void Commit() override { CommitRecord<K>(this->m_Work, m_vPalette); }
  void RememberPage(int32_t nPage) override { K::SheetPage() = nPage; }
  void OnPageMessage(UINT uMsg) override {
    if (uMsg == WM_INITDIALOG) m_Cond.m_Ctrl.LoadClipboard(CondClipboard);
    if (uMsg == WM_DESTROY) {
      m_Cond.m_Ctrl.StoreClipboard(CondClipboard);
      DataSheetClosed(K::nLayer);
    }
    this->OnCondListRightClick();
  }
  // After the inheritance boxes followed a new source, before the record takes the inherited
  // groups.
  virtual void AfterInheritSource() {}

 private:
  // Without a source every box is cleared and locked, and every flag of the record cleared (those
  // of the other pages too); with one the boxes are free and the entry list shows its palette.
  void OnInheritPal() {
    const int32_t v = this->ComboValue(IDC_DP_INHERIT_PAL);
    if (v <= 0) {
      this->EnableItem(IDC_DP_INHERIT_NO, false);
      for (int k = 0; k < this->m_nGroups; ++k) {
        CheckDlgButton(this->m_hWnd, this->m_pGroups[k].wCheck, BST_UNCHECKED);
        this->EnableItem(this->m_pGroups[k].wCheck, false);
        this->EnableGroup(k);
      }
      this->CtrlsToData();
      for (size_t i = 0; i < this->m_Work.m_bbInherit.size(); ++i) this->m_Work.m_bbInherit[static_cast<int>(i)] = 0;
      this->RunChangeHandlers(IDC_DP_INHERIT_PAL);
    } else {
      this->EnableItem(IDC_DP_INHERIT_NO, true);
      for (int k = 0; k < this->m_nGroups; ++k) this->EnableItem(this->m_pGroups[k].wCheck, true);
      if (v == SRC_COMMON) SetComboNameList(this->m_Ctrls.m_vCombo16, IDC_DP_INHERIT_NO, m_vInheritNames, K::CommonPal());
      if (v == SRC_STAGE) SetComboNameList(this->m_Ctrls.m_vCombo16, IDC_DP_INHERIT_NO, m_vInheritNames, K::StagePal());
    }
    AfterInheritSource();
    this->ReapplyInherit();
    this->EnableComputerSets();
  }
};
