// The design the character effect and screen effect pages share: a kind combo, a note on how fast
// the game draws that kind, and five parameter rows whose captions, enabled states, ranges and
// defaults follow the kind (model/EffectKindTables.h). Each page is this design on its own table.
#pragma once

#include <windows.h>

#include <cstdint>

#include "model/EffectKindTables.h"
#include "project/DbPage.h"
#include "resources/DbEditIds.h"

// One kind table: names and notes of kinds 1..nKinds, and EFFECT_PARAMS rows per kind from kind 0.
struct cEffectKindTable {
  const char* const* ppszNames;
  const char* const* ppszNotes;
  const cEffectParamInfo* pParams;
  int32_t nKinds;

  // The row of parameter p (0-based) of the kind; an unused row for a kind outside the table.
  const cEffectParamInfo& Param(int32_t nKind, int p) const {
    static const cEffectParamInfo s_Unused = {"", 0, 0, 0};
    if (nKind < 1 || nKind > nKinds || p < 0 || p >= EFFECT_PARAMS) return s_Unused;
    return pParams[EFFECT_PARAMS * nKind + p];
  }
  const char* Note(int32_t nKind) const { return nKind >= 1 && nKind <= nKinds ? ppszNotes[nKind - 1] : ""; }
};

extern const uint16_t EffectParamEditIds[EFFECT_PARAMS];
extern const uint16_t EffectParamCaptionIds[EFFECT_PARAMS];

template <class D, class R>
class cKindEffectPage : public cDbPage<D, R> {
 public:
  // Loading a record shows its parameters within these bounds, whatever the last kind allowed.
  enum { LOAD_MIN = -9999, LOAD_MAX = 9999 };

  cKindEffectPage(uint16_t wTemplateId, cWindow* lpOwner, cWindowList* lpWindowList, cChkVector<R>* lpSrc,
                  uint16_t wListId, const cEffectKindTable& Table)
      : cDbPage<D, R>(wTemplateId, lpOwner, lpWindowList, lpSrc, wListId, 1, 2), m_Table(Table) {
    static const uint16_t s_awSpin[EFFECT_PARAMS] = {IDC_DB_PARAM1_SPIN, IDC_DB_PARAM2_SPIN, IDC_DB_PARAM3_SPIN,
                                                      IDC_DB_PARAM4_SPIN, IDC_DB_PARAM5_SPIN};
    this->m_Ctrls.Combo(IDC_DB_KIND, &this->m_Edit.m_nKind, Table.ppszNames, 1);
    // Opened with the loading bounds too: a negative parameter (a screen effect's start position)
    // must reach the kind's ranges intact rather than cut to 0 on the way.
    for (int p = 0; p < EFFECT_PARAMS; ++p)
      this->m_Ctrls.Value(EffectParamEditIds[p], &this->m_Edit.m_anParam[p], LOAD_MIN, LOAD_MAX, s_awSpin[p]);
  }

  // Shows the note and the parameter rows of the kind in the combo. bRanges: the edits take the
  // kind's ranges and show their values within them. bDefaults: a kind other than the one last
  // chosen here gives every edit its default (the command's store takes them into the record).
  void ApplyKind(int32_t bRanges, int32_t bDefaults) {
    cComboCtrl<int32_t>* lpKind = this->m_Ctrls.Cb(IDC_DB_KIND);
    const int32_t nKind = lpKind ? lpKind->GetCurData() : 0;
    SetDlgItemTextA(this->m_hWnd, IDC_DB_KIND_NOTE, m_Table.Note(nKind));
    for (int p = 0; p < EFFECT_PARAMS; ++p) {
      const cEffectParamInfo& info = m_Table.Param(nKind, p);
      SetDlgItemTextA(this->m_hWnd, EffectParamCaptionIds[p], info.m_strCaption);
      cEditValCtrl<int32_t>* lpEdit = this->m_Ctrls.Val(EffectParamEditIds[p]);
      if (!lpEdit) continue;
      lpEdit->Enable(info.m_strCaption[0] != '\0');
      if (!bRanges) continue;
      lpEdit->SetRange(info.m_nMin, info.m_nMax);
      lpEdit->Show(lpEdit->ParseText(), true);
    }
    KindApplied(nKind);
    if (!bDefaults) return;
    if (m_nLastKind != -1 && m_nLastKind != nKind) {
      for (int p = 0; p < EFFECT_PARAMS; ++p)
        if (cEditValCtrl<int32_t>* lpEdit = this->m_Ctrls.Val(EffectParamEditIds[p]))
          lpEdit->SetValue(m_Table.Param(nKind, p).m_nDefault);
    }
    m_nLastKind = static_cast<int8_t>(nKind);
  }

 protected:
  // After the kind's rows are shown.
  virtual void KindApplied(int32_t) {}

  void AfterInit() override { ApplyKind(1, 1); }
  bool OnPageCommand(WORD wId, WORD wCode) override {
    if (wId == IDC_DB_KIND && wCode == CBN_SELCHANGE && this->m_bInit) ApplyKind(1, 1);
    return true;
  }
  void BeforeRecordLoad() override {
    for (int p = 0; p < EFFECT_PARAMS; ++p)
      if (cEditValCtrl<int32_t>* lpEdit = this->m_Ctrls.Val(EffectParamEditIds[p]))
        lpEdit->SetRange(LOAD_MIN, LOAD_MAX);
  }
  void AfterRecordLoad() override {
    if (this->m_bInit) ApplyKind(1, 0);
  }

  const cEffectKindTable& m_Table;
  // The kind last chosen from the combo; -1 before the first.
  int8_t m_nLastKind = -1;
};
