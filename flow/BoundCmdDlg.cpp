#include "flow/BoundCmdDlg.h"

#include "resources/CmdDialogIds.h"

void SetUpParamEdits(cBoundCmdDlg& Dlg, const uint32_t (&anEdit)[3], const uint32_t (&anStatic)[3],
                     const cEffectParamInfo* pParams, int32_t nChoice, int32_t nCount, int8_t& nLast) {
  static const cEffectParamInfo s_None = {"", 0, 0, 0};
  const bool bKnown = nChoice >= 0 && nChoice < nCount;
  for (int i = 0; i < 3; ++i) {
    const cEffectParamInfo& r = bKnown ? pParams[nChoice * 3 + i] : s_None;
    cEditValCtrl<int16_t>* lpEdit = Dlg.m_Ctrls.Val<int16_t>(anEdit[i]);
    if (cControl* lpStatic = Dlg.m_Ctrls.Ctrl(anStatic[i])) lpStatic->SetText(r.m_strCaption);
    if (!lpEdit) continue;
    const bool bUsed = r.m_strCaption[0] != '\0';
    lpEdit->Enable(bUsed ? 1 : 0);
    lpEdit->SetRange(r.m_nMin, r.m_nMax);
    // Shows the value again, held to the new range.
    lpEdit->Show(lpEdit->ParseText(), true);
    if (nLast != -1 && nLast != nChoice) lpEdit->SetValue(r.m_nDefault);
  }
  nLast = static_cast<int8_t>(nChoice);
}
