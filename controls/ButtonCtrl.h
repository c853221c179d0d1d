// The small bound controls: the check box over an integer field, and the push button and static
// text, which bind no data and exist so that a dialog can find, enable, show and caption them.
#pragma once

#include <windows.h>

#include <cstdint>

#include "app/Control.h"

struct cButtonParam {
  uint16_t wId = 0;
  cButtonParam& Set(uint32_t nId) {
    wId = static_cast<uint16_t>(nId);
    return *this;
  }
};

struct cStaticParam {
  uint16_t wId = 0;
  cStaticParam& Set(uint32_t nId) {
    wId = static_cast<uint16_t>(nId);
    return *this;
  }
};

class cButtonCtrl : public cControl {
 public:
  cButtonCtrl() { m_nKind = KIND_BUTTON; }
  void Attach(cDialog* lpOwner, const cButtonParam& Param) { cControl::Attach(lpOwner, Param.wId); }
  // The state of a push-like button.
  void SetCheck(int32_t nState) { SendMessageA(m_hWnd, BM_SETCHECK, static_cast<WPARAM>(nState), 0); }
};

class cStaticCtrl : public cControl {
 public:
  cStaticCtrl() { m_nKind = KIND_STATIC; }
  void Attach(cDialog* lpOwner, const cStaticParam& Param) { cControl::Attach(lpOwner, Param.wId); }
};

// T is the field's type: a 32-bit or an 8-bit integer.
template <class T>
struct cCheckParam {
  uint16_t wId = 0;
  T* pData = nullptr;
  cCheckParam& Set(uint32_t nId, T* p) {
    wId = static_cast<uint16_t>(nId);
    pData = p;
    return *this;
  }
};

template <class T>
class cCheckCtrl : public cControl {
 public:
  cCheckCtrl() { m_nKind = KIND_CHECK; }

  // Shows nothing yet: the dialog's DataToCtrls does. May run again on an attached control.
  void Attach(cDialog* lpOwner, const cCheckParam<T>& Param) {
    cControl::Attach(lpOwner, Param.wId);
    m_pData = Param.pData;
  }
  void DataToCtrl() override {
    if (m_pData) SendMessageA(m_hWnd, BM_SETCHECK, static_cast<WPARAM>(static_cast<int32_t>(*m_pData)), 0);
  }
  // 0 unchecked, 1 checked, 2 indeterminate.
  void CtrlToData() override {
    if (m_pData) *m_pData = static_cast<T>(GetCheck());
  }
  // Sets or reads the box without touching its field.
  void SetCheck(uint8_t bState) { SendMessageA(m_hWnd, BM_SETCHECK, bState, 0); }
  int32_t GetCheck() const { return static_cast<int32_t>(SendMessageA(m_hWnd, BM_GETCHECK, 0, 0)); }

  T* m_pData = nullptr;
};
