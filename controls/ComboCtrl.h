// The combo box bound to an integer field: the item at position p stands for the value
// minimum + p. The items come from a fixed table of texts closed by an empty string, or from a
// vector of texts the dialog builds while it runs; either source can be exchanged at any time
// and the selected value stays selected while it still has an item.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "app/Control.h"
#include "base/ChkContainer.h"
#include "controls/CtrlBind.h"
#include "controls/NameLists.h"

typedef const char* const* cItemTable;
typedef cChkVector<std::string> cItemVector;

template <class T>
struct cComboParam {
  uint16_t wId = 0;
  T* pData = nullptr;
  cItemTable pTable = nullptr;
  cItemVector* pItems = nullptr;
  int32_t nMin = 0;
  const void* pConv = nullptr;  // never used: every combo maps positions through its minimum

  cComboParam& SetTable(uint32_t nId, T* p, cItemTable pTableIn, int32_t nMinIn) {
    wId = static_cast<uint16_t>(nId);
    pData = p;
    pTable = pTableIn;
    pItems = nullptr;
    nMin = nMinIn;
    pConv = nullptr;
    return *this;
  }
  cComboParam& SetVector(uint32_t nId, T* p, cItemVector* pItemsIn, int32_t nMinIn) {
    SetTable(nId, p, nullptr, nMinIn);
    pItems = pItemsIn;
    return *this;
  }
};

template <class T>
class cComboCtrl : public cControl {
 public:
  cComboCtrl() { m_nKind = KIND_COMBO; }

  // Fills the items before it takes the minimum; the dialog's DataToCtrls selects the value.
  void Attach(cDialog* lpOwner, const cComboParam<T>& Param) {
    cControl::Attach(lpOwner, Param.wId);
    m_pData = Param.pData;
    m_pTable = Param.pTable;
    m_pItems = Param.pItems;
    if (m_pTable)
      SetItemTable(m_pTable);
    else if (m_pItems)
      SetItemVector(m_pItems);
    m_nMin = Param.nMin;
    m_pConv = Param.pConv;
  }

  int32_t DataToPos(int32_t nValue) const { return nValue - m_nMin; }
  int32_t PosToData(int32_t nPos) const { return m_nMin + nPos; }

  void DataToCtrl() override {
    if (m_pData) SetCurData(static_cast<int32_t>(*m_pData));
  }
  // With nothing selected the field keeps its value: there is no item to stand for.
  void CtrlToData() override {
    if (!m_pData) return;
    int32_t nPos = static_cast<int32_t>(SendMessageA(m_hWnd, CB_GETCURSEL, 0, 0));
    if (nPos < 0) return;
    *m_pData = static_cast<T>(PosToData(nPos));
  }
  // The selected value; minimum - 1 with nothing selected.
  int32_t GetCurData() const {
    int32_t nPos = static_cast<int32_t>(SendMessageA(m_hWnd, CB_GETCURSEL, 0, 0));
    return PosToData(nPos < 0 ? -1 : nPos);
  }
  // A value without an item leaves nothing selected (asked for as such: some systems keep the
  // old selection when given a position past the end).
  void SetCurData(int32_t nValue) {
    int64_t nPos = static_cast<int64_t>(nValue) - m_nMin;
    int64_t nCount = SendMessageA(m_hWnd, CB_GETCOUNT, 0, 0);
    WPARAM w = (nPos < 0 || nPos >= nCount) ? static_cast<WPARAM>(-1) : static_cast<WPARAM>(nPos);
    SendMessageA(m_hWnd, CB_SETCURSEL, w, 0);
  }

  void SetItemTable(cItemTable pTable) {
    m_pTable = pTable;
    m_pItems = nullptr;
    int32_t nKeep = GetCurData();
    SendMessageA(m_hWnd, CB_RESETCONTENT, 0, 0);
    for (int i = 0; pTable && pTable[i] && pTable[i][0]; ++i)
      SendMessageA(m_hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(pTable[i]));
    SetCurData(nKeep);
    Adjust();
  }
  void SetItemVector(cItemVector* pItems) {
    m_pItems = pItems;
    m_pTable = nullptr;
    int32_t nKeep = GetCurData();
    SendMessageA(m_hWnd, CB_RESETCONTENT, 0, 0);
    for (int i = 0; pItems && i < static_cast<int>(pItems->size()); ++i)
      SendMessageA(m_hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>((*pItems)[i].c_str()));
    SetCurData(nKeep);
    Adjust();
  }
  void Refill() {
    if (m_pTable)
      SetItemTable(m_pTable);
    else if (m_pItems)
      SetItemVector(m_pItems);
  }
  void SetMin(int32_t nMin) {
    m_nMin = nMin;
    if (m_pData && static_cast<int32_t>(*m_pData) < nMin) *m_pData = static_cast<T>(nMin);
    Refill();
  }
  // Keeps the selection on an item: nothing or a value below the first selects the first item,
  // a value past the last selects the last. Compared wide, so no field type wraps the answer.
  void Adjust() {
    int64_t nCur = GetCurData();
    int64_t nLast = static_cast<int64_t>(m_nMin) + ItemCount() - 1;
    if (nCur < m_nMin)
      SetCurData(m_nMin);
    else if (nCur > nLast)
      SetCurData(static_cast<int32_t>(nLast));
  }
  int32_t ItemCount() const {
    if (m_pTable) {
      int32_t n = 0;
      while (m_pTable[n] && m_pTable[n][0]) ++n;
      return n;
    }
    return m_pItems ? static_cast<int32_t>(m_pItems->size()) : 0;
  }

  T* m_pData = nullptr;
  cItemTable m_pTable = nullptr;
  cItemVector* m_pItems = nullptr;
  int32_t m_nMin = 0;
  const void* m_pConv = nullptr;
};

// Fills the string vector with the numbered names of the records and makes it the item source
// of the combo box with that id.
template <class V, class R>
void SetComboNameList(V& vCombos, uint32_t nId, cItemVector& vNames, R& vRecords) {
  MakeNumberedNameList(vNames, vRecords);
  auto* p = FindCtrl(vCombos, nId);
  if (p) p->SetItemVector(&vNames);
}
