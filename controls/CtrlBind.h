// How a dialog holds its bound controls: per control kind and value type one checked vector of
// cCtrlBind elements, each the control object followed by the record that attaches it to its
// dialog item and to its field. The dialog fills the records in its constructor, attaches the
// vectors once when it initialises (cDialog::AttachCtrls) and rebinds them when it shows another
// record (cDialog::RebindCtrls); afterwards it reaches a control by its item id.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "app/TextFormat.h"
#include "base/ChkContainer.h"

class cDialog;

template <class C, class P>
struct cCtrlBind {
  C m_Ctrl;
  P m_Param{};
};

// "コントロールID 【%u】 が見つかりません！" in the diagnostic box, then the frame window goes.
void ReportMissingCtrl(uint32_t nId);

// The control of the first element whose item id is the id's low 16 bits; null (reported) when
// none has it.
template <class V>
auto FindCtrl(V& v, uint32_t nId) -> decltype(&v[0].m_Ctrl) {
  uint16_t wId = static_cast<uint16_t>(nId);
  for (int i = 0; i < static_cast<int>(v.size()); ++i)
    if (v[i].m_Param.wId == wId) return &v[i].m_Ctrl;
  ReportMissingCtrl(wId);
  return nullptr;
}

template <class V>
BOOL EnableCtrlById(V& v, uint32_t nId, int32_t bEnable) {
  auto* p = FindCtrl(v, nId);
  return p ? p->Enable(bEnable) : FALSE;
}

template <class V>
BOOL ShowCtrlById(V& v, uint32_t nId, int32_t bShow) {
  auto* p = FindCtrl(v, nId);
  return p ? p->Show(bShow) : FALSE;
}

// Deletes a heap object through its virtual destructor and empties the holder.
template <class T>
void SafeDelete(T*& p) {
  if (p) delete p;
  p = nullptr;
}

// A handler that a data page runs when one of its controls reports a change.
struct cCtrlEvent {
  typedef void (*Handler)(cDialog* lpDlg);
  int32_t nType = 0;  // the control kind whose change is awaited
  int32_t nId = 0;
  Handler pfnHandler = nullptr;

  void Set(int32_t nTypeIn, int32_t nIdIn, Handler pfn) {
    nType = nTypeIn;
    nId = nIdIn;
    pfnHandler = pfn;
  }
  // 1 when the WM_COMMAND wParam is the change notification of this control.
  int IsChange(WPARAM wParam) const;
};

