#include "project/SysCompatPage.h"

#include "model/SystemData.h"
#include "resources/SystemSheetIds.h"

cSysCompatPage::cSysCompatPage(cWindow* lpOwner, cWindowList* lpWindowList)
    : cSysPage(IDD_SYS_COMPAT, lpOwner, lpWindowList, 1) {
  cEdSystem& s = SystemData;
  m_Ctrls.Check(IDC_SC_COMPAT_1, &s.m_bCompat212);
  m_Ctrls.Check(IDC_SC_COMPAT_2, &s.m_bCompat260);
  m_Ctrls.Check(IDC_SC_COMPAT_3, &s.m_bCompat523);
  m_Ctrls.Check(IDC_SC_COMPAT_4, &s.m_bCompat554);
  m_Ctrls.Check(IDC_SC_COMPAT_5, &s.m_bCompat616);
  m_Ctrls.Check(IDC_SC_COMPAT_6, &s.m_bCompat668);
  m_Ctrls.Check(IDC_SC_COMPAT_7, &s.m_bCompat676);
  m_Ctrls.Check(IDC_SC_COMPAT_8, &s.m_bCompat694);
  m_Ctrls.Check(IDC_SC_COMPAT_9, &s.m_bCompat696);
  m_Ctrls.Check(IDC_SC_COMPAT_10, &s.m_bCompat720);
  m_Ctrls.Check(IDC_SC_COMPAT_11, &s.m_bCompat722);
  m_Ctrls.Check(IDC_SC_COMPAT_12, &s.m_bCompat732);
  m_Ctrls.Check(IDC_SC_COMPAT_13, &s.m_bCompat734);
  m_Ctrls.Check(IDC_SC_COMPAT_14, &s.m_bCompat747);
  m_Ctrls.Check(IDC_SC_COMPAT_15, &s.m_bCompat751);
  m_Ctrls.Check(IDC_SC_COMPAT_16, &s.m_bCompat759Hit);
  m_Ctrls.Check(IDC_SC_COMPAT_17, &s.m_bCompat759Shot);
}
