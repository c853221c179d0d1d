#include "controls/SliderCtrl.h"

#include <commctrl.h>

void cSliderCtrl::Attach(cDialog* lpOwner, const cSliderParam& Param) {
  cControl::Attach(lpOwner, Param.wId);
  m_pData = Param.pData;
  m_nMin = Param.nMin;
  m_nMax = Param.nMax;
  m_nPage = Param.nPage;
  m_nLine = Param.nLine;
  int32_t nValue = m_pData ? *m_pData : m_nMin;
  SendMessageA(m_hWnd, TBM_SETRANGE, TRUE, MAKELPARAM(m_nMin, m_nMax));
  SendMessageA(m_hWnd, TBM_SETPAGESIZE, 0, m_nPage);
  SendMessageA(m_hWnd, TBM_SETLINESIZE, 0, m_nLine);
  SendMessageA(m_hWnd, TBM_SETPOS, TRUE, nValue);
  if (Param.wBuddyId) {
    cEditValParam<int32_t> ep;
    ep.Set(Param.wBuddyId, m_pData, m_nMin, m_nMax, 0, 1);
    m_Buddy.Attach(lpOwner, ep);
  }
  SetPos(nValue);
}

BOOL cSliderCtrl::Enable(int32_t bEnable) {
  BOOL b = EnableWindow(m_hWnd, bEnable ? TRUE : FALSE);
  if (m_Buddy.m_hWnd) m_Buddy.Enable(bEnable);
  return b;
}

void cSliderCtrl::DataToCtrl() {
  if (m_pData) SetPos(*m_pData);
}

void cSliderCtrl::CtrlToData() {
  if (m_pData) *m_pData = GetPos();
}

int cSliderCtrl::OnScroll(WPARAM, LPARAM lParam) {
  if (m_hWnd && reinterpret_cast<HWND>(lParam) == m_hWnd && m_Buddy.m_hWnd) m_Buddy.SetValue(GetPos());
  return 0;
}

void cSliderCtrl::SetPos(int32_t nPos) {
  SendMessageA(m_hWnd, TBM_SETPOS, TRUE, nPos);
  if (m_Buddy.m_hWnd) m_Buddy.SetValue(nPos);
}

int32_t cSliderCtrl::GetPos() const { return static_cast<int32_t>(SendMessageA(m_hWnd, TBM_GETPOS, 0, 0)); }
