#include "project/SysTermsPage.h"

#include "model/SystemData.h"
#include "resources/SystemSheetIds.h"

namespace {

// Each term's edit and its limit in double-byte characters, in term order.
struct cTermEdit {
  uint16_t wId;
  int32_t nChars;
};
const cTermEdit TERM_EDITS[SYS_TERM_COUNT] = {
    {IDC_TM_TERM_0, 8},   {IDC_TM_TERM_1, 8},   {IDC_TM_TERM_2, 8},   {IDC_TM_TERM_3, 8},
    {IDC_TM_TERM_4, 8},   {IDC_TM_TERM_5, 8},   {IDC_TM_TERM_6, 8},   {IDC_TM_TERM_7, 8},
    {IDC_TM_TERM_8, 8},   {IDC_TM_TERM_9, 8},   {IDC_TM_TERM_10, 12}, {IDC_TM_TERM_11, 12},
    {IDC_TM_TERM_12, 12}, {IDC_TM_TERM_13, 12}, {IDC_TM_TERM_14, 12}, {IDC_TM_TERM_15, 12},
    {IDC_TM_TERM_16, 24}, {IDC_TM_TERM_17, 12}, {IDC_TM_TERM_18, 12}, {IDC_TM_TERM_19, 12},
    {IDC_TM_TERM_20, 12}, {IDC_TM_TERM_21, 12}, {IDC_TM_TERM_22, 12}, {IDC_TM_TERM_23, 12},
    {IDC_TM_TERM_24, 12}, {IDC_TM_TERM_25, 16}, {IDC_TM_TERM_26, 16}, {IDC_TM_TERM_27, 16},
    {IDC_TM_TERM_28, 16},
};

}  // namespace

cSysTermsPage::cSysTermsPage(cWindow* lpOwner, cWindowList* lpWindowList)
    : cSysPage(IDD_SYS_TERMS, lpOwner, lpWindowList, 0) {
  for (int i = 0; i < SYS_TERM_COUNT; ++i)
    m_Ctrls.Str(TERM_EDITS[i].wId, &SystemData.m_vTerms[i], TERM_EDITS[i].nChars, 1);
}
