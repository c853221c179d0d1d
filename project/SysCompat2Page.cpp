#include "project/SysCompat2Page.h"

#include "model/SystemData.h"
#include "resources/SystemSheetIds.h"

cSysCompat2Page::cSysCompat2Page(cWindow* lpOwner, cWindowList* lpWindowList)
    : cSysPage(IDD_SYS_COMPAT2, lpOwner, lpWindowList, 1) {
  m_Ctrls.Check(IDC_SC_COMPAT_18, &SystemData.m_bCompat759Move);
  m_Ctrls.Check(IDC_SC_COMPAT_19, &SystemData.m_bCompat772);
}
