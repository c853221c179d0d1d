#include "flow/CondPageDlg.h"

#include "controls/InputDlg.h"
#include "controls/NameLists.h"

namespace {

// A variable name holds up to 12 characters, counted as double-byte ones.
const int32_t VAR_NAME_CHARS = 12;

}  // namespace

int RenameVariable(cDialog* lpDlg, cChkVector<cEdVarName>& vNames, int32_t nVar, cItemVector& vList,
                   cComboCtrl<int16_t>* lpCombo, cControl* lpButton) {
  if (nVar <= 0 || nVar >= static_cast<int32_t>(vNames.size())) {
    MessageBeep(0);
    return 0;
  }
  if (!InputString(lpDlg, lpDlg->m_lpWindowList, &vNames[nVar].m_strName, VAR_NAME_CHARS, 1, "変数名の入力",
                   lpButton, 1))
    return 0;
  MakeNumberedNameList(vList, vNames);
  if (lpCombo) lpCombo->SetItemVector(&vList);
  return 1;
}
