// The anime set and anime pages: what they add to the page pattern. Both show a 32 x 32 sample
// of the anime being edited that plays its pattern at 60 ticks a second, and both edit the
// pattern in the anime pattern dialog.
#include <new>

#include "app/AnimeSeq.h"
#include "app/MsgBox.h"
#include "app/TextFormat.h"
#include "model/Globals.h"
#include "model/PaletteOptionTables.h"
#include "controls/GraphicPickDlg.h"
#include "project/DbEditDialogs.h"
#include "project/DbPages.h"
#include "controls/GraphicDraw.h"

namespace {

enum { SLOT_COUNT = 4, SHIFT_MAX = 999, GRAPHIC_MAX = 119, CHARA_FRAME_MAX = 19, CHARA_SP_FRAME_MAX = 239,
       LOAD_NUMBER_MAX = 32767 };
// Ticks per tenth of a second at 60 ticks a second.
constexpr int32_t TICKS_PER_TENTH = 6;

void SlotRowText(std::string& strText, int, const cEdAnime& a) {
  FormatStr(strText, "%s ×%d", a.m_strName.c_str(), static_cast<int>(a.m_vPattern.size()));
}

// The sample controls, bound to the anime whose graphic the page shows. A record is shown within
// the widest limits of any kind; the graphic-kind rule then narrows them to the record's own kind,
// so that loading a record never cuts its values to the limits of the record shown before.
void BindSample(cSysPageCtrls& c, cEdAnime& a) {
  c.Combo(IDC_DB_SAMPLE_KIND, &a.m_nSampleKind, SheetNames, 0);
  c.Value(IDC_DB_SAMPLE_NO, &a.m_nSampleNo, 1, LOAD_NUMBER_MAX, IDC_DB_SAMPLE_NO_SPIN);
  c.Button(IDC_DB_SAMPLE_PICK);
  c.Value(IDC_DB_SAMPLE_FRAME, &a.m_nSampleFrame, 0, CHARA_SP_FRAME_MAX, IDC_DB_SAMPLE_FRAME_SPIN);
  c.Picture(IDC_DB_SAMPLE, 32, 32);
}

void WidenSampleLimits(cSysPageCtrls& c) {
  if (cEditValCtrl<int16_t>* lpNo = c.Val<int16_t>(IDC_DB_SAMPLE_NO)) lpNo->SetRange(1, LOAD_NUMBER_MAX);
  if (cEditValCtrl<int16_t>* lpFrame = c.Val<int16_t>(IDC_DB_SAMPLE_FRAME)) lpFrame->SetRange(0, CHARA_SP_FRAME_MAX);
}

// The pattern dialog draws its sample from the anime it edits; the page may show another graphic
// than the one stored (a number raised to its minimum), so what it shows is stored first.
void StoreShownSample(cSysPageCtrls& c) {
  for (uint32_t nId : {IDC_DB_SAMPLE_KIND, IDC_DB_SAMPLE_NO, IDC_DB_SAMPLE_FRAME})
    if (cControl* lpCtrl = c.Find(nId)) lpCtrl->CtrlToData();
}

template <class E>
int32_t Shown(E* lpEdit) {
  return lpEdit ? static_cast<int32_t>(lpEdit->ParseText()) : 0;
}

// Gives the edit its range and shows its value within it.
void ReRange(cEditValCtrl<int16_t>* lpEdit, int16_t nMin, int16_t nMax) {
  if (!lpEdit) return;
  lpEdit->SetRange(nMin, nMax);
  lpEdit->Show(lpEdit->ParseText(), true);
}

// The graphic-kind rule: start frame and graphic number take the ranges of the kind in the combo
// (a character bitmap counts the entries of the database's list, not yet those only added on its
// page). Returns true when the edits now show other values than the stored anime.
bool ApplyGraphicKind(cSysPageCtrls& c, const cEdAnime* lpStored) {
  cComboCtrl<int8_t>* lpKind = c.Cb<int8_t>(IDC_DB_SAMPLE_KIND);
  cEditValCtrl<int16_t>* lpNo = c.Val<int16_t>(IDC_DB_SAMPLE_NO);
  cEditValCtrl<int16_t>* lpFrame = c.Val<int16_t>(IDC_DB_SAMPLE_FRAME);
  const int32_t nKind = lpKind ? lpKind->GetCurData() : GRAPHIC_CHARA;
  int32_t nNoMax = GRAPHIC_MAX;
  if (nKind == GRAPHIC_CHARA) {
    ReRange(lpFrame, 0, CHARA_FRAME_MAX);
  } else if (nKind == GRAPHIC_CHARA_SP) {
    ReRange(lpFrame, 0, CHARA_SP_FRAME_MAX);
    // Entry 0 is no bitmap; a list of that entry alone still leaves the edit a number to show.
    nNoMax = static_cast<int32_t>(Database.m_vBmpCharaExc.size()) - 1;
    if (nNoMax < 1) nNoMax = 1;
  }
  c.Enable(IDC_DB_SAMPLE_FRAME, nKind == GRAPHIC_CHARA || nKind == GRAPHIC_CHARA_SP);
  ReRange(lpNo, 1, static_cast<int16_t>(nNoMax));
  c.Enable(IDC_DB_SAMPLE_PICK, nKind != GRAPHIC_CHARA_SP);
  if (!lpStored) return false;
  return Shown(lpNo) != lpStored->m_nSampleNo || Shown(lpFrame) != lpStored->m_nSampleFrame;
}

// Once per idle tick after the rule found a difference: the edits show the stored values again.
void RestoreStoredGraphic(cSysPageCtrls& c, const cEdAnime& stored) {
  cEditValCtrl<int16_t>* lpNo = c.Val<int16_t>(IDC_DB_SAMPLE_NO);
  cEditValCtrl<int16_t>* lpFrame = c.Val<int16_t>(IDC_DB_SAMPLE_FRAME);
  if (lpNo && Shown(lpNo) != stored.m_nSampleNo) lpNo->SetValue(stored.m_nSampleNo);
  if (lpFrame && Shown(lpFrame) != stored.m_nSampleFrame) lpFrame->SetValue(stored.m_nSampleFrame);
}

// "一覧": the picked number goes into the number edit (the click's store takes it into the anime).
void PickSampleGraphic(cDialog* lpPage, cSysPageCtrls& c) {
  cComboCtrl<int8_t>* lpKind = c.Cb<int8_t>(IDC_DB_SAMPLE_KIND);
  cEditValCtrl<int16_t>* lpNo = c.Val<int16_t>(IDC_DB_SAMPLE_NO);
  if (!lpKind || !lpNo) return;
  uint16_t wPicked = 0;
  if (PickGraphic(&wPicked, lpKind->GetCurData(), lpPage, c.Find(IDC_DB_SAMPLE_PICK)))
    lpNo->SetValue(static_cast<int16_t>(wPicked));
}

// The preview plays the patterns in order, each its display time, and starts again after the last.
void BuildAnimePreview(const cEdAnime& a) {
  cSeqFrames vFrames;
  for (const cEdAnimePattern& p : a.m_vPattern) vFrames.push_back(cSeqFrame(p.m_nFrame, p.m_nTime * TICKS_PER_TENTH));
  vFrames.push_back(cSeqFrame(SEQ_LOOP, 0));
  cSeqDef def;
  def.push_back(vFrames);
  AnimePreview.Set(def);
}

// The sample's frame: the start frame shown, plus the preview's picture when it has one.
void DrawPageSample(cSysPageCtrls& c, int32_t nExtraFrames, int32_t bTick) {
  cComboCtrl<int8_t>* lpKind = c.Cb<int8_t>(IDC_DB_SAMPLE_KIND);
  int32_t nFrame = Shown(c.Val<int16_t>(IDC_DB_SAMPLE_FRAME)) + nExtraFrames;
  if (AnimePreview.SeqCount() > 0) nFrame += bTick ? AnimePreview.Step() : AnimePreview.GetPict();
  DrawAnimeSample(c.Pic(IDC_DB_SAMPLE), lpKind ? lpKind->GetCurData() : GRAPHIC_CHARA,
                  Shown(c.Val<int16_t>(IDC_DB_SAMPLE_NO)), nFrame);
}

// The working-copy record of the current row, or null.
template <class R, class L>
const R* CurrentWorkRecord(L& list, cChkVector<R>& vWork) {
  int n = list.GetCurDataIndex();
  if (n < 0 || n >= static_cast<int>(vWork.size())) return nullptr;
  return &vWork[n];
}

// A set of fewer or more than four slots would leave the page without its four rows; the sample
// controls are bound into slot 0 of the edited set, which must therefore never move.
void KeepFourSlots(cChkVector<cEdAnimeSet>& v) {
  for (cEdAnimeSet& s : v)
    if (s.m_vSlot.size() != SLOT_COUNT) s.m_vSlot.resize(SLOT_COUNT);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Anime set page

void cAnimeSetPage::BindAnimeSet() {
  KeepFourSlots(Database.m_vAnimeSet);
  KeepFourSlots(m_vWork);
  m_Edit.m_vSlot.reserve(SLOT_COUNT);
  m_Ctrls.Value(IDC_DB_FLY_SHIFT, &m_Edit.m_nFlyShift, 0, SHIFT_MAX, IDC_DB_FLY_SHIFT_SPIN);
  m_Ctrls.Value(IDC_DB_INVINCIBLE_SHIFT, &m_Edit.m_nInvincibleShift, 0, SHIFT_MAX, IDC_DB_INVINCIBLE_SHIFT_SPIN);
  m_Ctrls.Value(IDC_DB_BLOCK_SHIFT, &m_Edit.m_nBlockShift, 0, SHIFT_MAX, IDC_DB_BLOCK_SHIFT_SPIN);
  m_Ctrls.Button(IDC_DB_SLOT_EDIT);
  BindSample(m_Ctrls, m_Edit.m_vSlot[0]);
  m_Slots.m_Param.Set(IDC_DB_SLOT_LIST, nullptr, &m_Edit.m_vSlot, nullptr, 0, &SlotRowText, 0, SLOT_COUNT,
                      SLOT_COUNT, 0, 0, 0);
}

void cAnimeSetPage::AttachSubList() {
  AttachList(m_Slots);
  m_Slots.m_Ctrl.SetCurSel(0, 0);
}

int cAnimeSetPage::SelectedSlot() const { return m_Slots.m_Ctrl.m_hWnd ? m_Slots.m_Ctrl.GetCurSel() : -1; }

int32_t cAnimeSetPage::ShownFlyShift() { return m_bInit ? Shown(m_Ctrls.Val(IDC_DB_FLY_SHIFT)) : 0; }

bool cAnimeSetPage::OnPageCommand(WORD wId, WORD wCode) {
  if (wId == IDC_DB_SLOT_LIST && wCode == LBN_SELCHANGE) {
    m_Slots.m_Ctrl.OnSelChange();
  } else if ((wId == IDC_DB_SLOT_LIST && wCode == LBN_DBLCLK) || (wId == IDC_DB_SLOT_EDIT && wCode == BN_CLICKED)) {
    EditSlot();
  } else if (wId == IDC_DB_SAMPLE_PICK && wCode == BN_CLICKED) {
    PickSampleGraphic(this, m_Ctrls);
  }
  return true;
}

void cAnimeSetPage::EditSlot() {
  cListCtrl<cEdAnime>& slots = m_Slots.m_Ctrl;
  const int nRow = slots.GetCurSel();
  if (nRow < 0 || nRow >= static_cast<int>(m_Edit.m_vSlot.size())) return;
  StoreShownSample(m_Ctrls);
  // The set's graphic is that of its first slot; the slot edited takes it over.
  cEdAnime& slot = m_Edit.m_vSlot[nRow];
  const cEdAnime& first = m_Edit.m_vSlot[0];
  slot.m_nSampleKind = first.m_nSampleKind;
  slot.m_nSampleNo = first.m_nSampleNo;
  slot.m_nSampleFrame = first.m_nSampleFrame;
  EditedAnime = &slot;
  if (slots.Edit(m_lpPatternDlg, IDD_DB_ANIME_PATTERN, &WindowList, 0, 1)) m_List.m_Ctrl.Reselect();
}

void cAnimeSetPage::BeforeRecordLoad() { WidenSampleLimits(m_Ctrls); }

void cAnimeSetPage::OwnRules() {
  const cEdAnimeSet* lpStored = CurrentWorkRecord(m_List.m_Ctrl, m_vWork);
  const cEdAnime* lpSlot = lpStored && !lpStored->m_vSlot.empty() ? &lpStored->m_vSlot[0] : nullptr;
  if (ApplyGraphicKind(m_Ctrls, lpSlot)) m_bRefreshPending = 1;
  DrawSample(0);
}

void cAnimeSetPage::Frame() {
  if (!m_bInit || !m_bRefreshPending) return;
  const cEdAnimeSet* lpStored = CurrentWorkRecord(m_List.m_Ctrl, m_vWork);
  if (!lpStored || lpStored->m_vSlot.empty()) return;
  m_bRefreshPending = 0;
  RestoreStoredGraphic(m_Ctrls, lpStored->m_vSlot[0]);
}

void cAnimeSetPage::AfterCommand() {
  const int nRow = SelectedSlot();
  if (nRow >= 0 && nRow < static_cast<int>(m_Edit.m_vSlot.size())) BuildAnimePreview(m_Edit.m_vSlot[nRow]);
}

void cAnimeSetPage::DrawSample(int32_t bTick) {
  if (!m_bInit) return;
  const int nRow = SelectedSlot();
  const int32_t nShift = (nRow == 2 || nRow == 3) ? ShownFlyShift() : 0;
  DrawPageSample(m_Ctrls, nShift, bTick);
}

// ---------------------------------------------------------------------------------------------
// Anime page

void cAnimePage::BindAnime() {
  m_Ctrls.Button(IDC_DB_PATTERN_EDIT);
  BindSample(m_Ctrls, m_Edit);
}

bool cAnimePage::OnPageCommand(WORD wId, WORD wCode) {
  if (wCode != BN_CLICKED) return true;
  if (wId == IDC_DB_PATTERN_EDIT)
    EditPattern();
  else if (wId == IDC_DB_SAMPLE_PICK)
    PickSampleGraphic(this, m_Ctrls);
  return true;
}

void cAnimePage::EditPattern() {
  if (m_List.m_Ctrl.GetCurDataIndex() < 0) return;
  StoreShownSample(m_Ctrls);
  EditedAnime = &m_Edit;
  WindowList.EnableAll(0);
  cAnimePatternDlg* lpDlg = new (std::nothrow)
      cAnimePatternDlg(IDD_DB_ANIME_PATTERN, this, cWindow::KIND_DIALOG, &WindowList, m_Ctrls.Find(IDC_DB_PATTERN_EDIT), 1);
  if (!lpDlg) {
    OutOfMemory();
  } else {
    lpDlg->DoModal(0);
    delete lpDlg;
  }
  WindowList.EnableAll(1);
  // The click is a changed control: the command's store takes the patterns into the working copy.
}

void cAnimePage::BeforeRecordLoad() { WidenSampleLimits(m_Ctrls); }

void cAnimePage::OwnRules() {
  if (ApplyGraphicKind(m_Ctrls, CurrentWorkRecord(m_List.m_Ctrl, m_vWork))) m_bRefreshPending = 1;
}

void cAnimePage::Frame() {
  if (!m_bInit || !m_bRefreshPending) return;
  const cEdAnime* lpStored = CurrentWorkRecord(m_List.m_Ctrl, m_vWork);
  if (!lpStored) return;
  m_bRefreshPending = 0;
  RestoreStoredGraphic(m_Ctrls, *lpStored);
}

void cAnimePage::AfterCommand() { BuildAnimePreview(m_Edit); }

void cAnimePage::DrawSample(int32_t bTick) {
  if (m_bInit) DrawPageSample(m_Ctrls, 0, bTick);
}
