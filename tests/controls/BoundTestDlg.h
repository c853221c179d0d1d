// A test dialog that holds one bound control of every kind over one record, and helpers that
// type, paste, spin and read back the way the user and the dialog base do.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <string>

#include "TestDlgIds.h"
#include "app/Dialog.h"
#include "app/Ime.h"
#include "app/WindowList.h"
#include "app/BitmapCtrl.h"
#include "controls/ButtonCtrl.h"
#include "controls/ComboCtrl.h"
#include "controls/CtrlBind.h"
#include "controls/EditStrCtrl.h"
#include "controls/EditValCtrl.h"
#include "controls/SliderCtrl.h"
#include "support/TestSupport.h"

struct cTestRecord {
  int16_t nShort = 5;
  double dReal = 1.0;
  int8_t cChar = 3;
  uint8_t bUChar = 200;
  std::string strName = "名前";
  std::string strBytes = "abc";
  std::string strMemo;
  int16_t nCombo = 1;
  int8_t cComboChar = 2;
  int8_t cCheck = 1;
  uint8_t bCheckU = 0;
  int32_t nSlider = 40;
};

extern const char* const g_aTestColours[];  // "赤", "緑", "青", ""

template <class C, class P>
using cBindVec = cChkVector<cCtrlBind<C, P>>;

class cBoundTestDlg : public cDialogClass<cBoundTestDlg> {
 public:
  explicit cBoundTestDlg(cTestRecord* p);
  ~cBoundTestDlg() override { Dispose(); }

  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;

  // Modeless, shown, initialised.
  bool Open();
  HWND Item(int nId) const { return GetDlgItem(m_hWnd, nId); }

  cTestRecord* m_pRec;
  cItemVector m_vNames;
  cBindVec<cEditValCtrl<int16_t>, cEditValParam<int16_t>> m_vShort;
  cBindVec<cEditValCtrl<double>, cEditValParam<double>> m_vReal;
  cBindVec<cEditValCtrl<int8_t>, cEditValParam<int8_t>> m_vChar;
  cBindVec<cEditValCtrl<uint8_t>, cEditValParam<uint8_t>> m_vUChar;
  cBindVec<cEditStrCtrl, cEditStrParam> m_vStr;
  cBindVec<cComboCtrl<int16_t>, cComboParam<int16_t>> m_vCombo;
  cBindVec<cComboCtrl<int8_t>, cComboParam<int8_t>> m_vComboChar;
  cBindVec<cCheckCtrl<int8_t>, cCheckParam<int8_t>> m_vCheck;
  cBindVec<cCheckCtrl<uint8_t>, cCheckParam<uint8_t>> m_vCheckU;
  cBindVec<cSliderCtrl, cSliderParam> m_vSlider;
  cBindVec<cBitmapCtrl, cBitmapParam> m_vBitmap;
  cBindVec<cStaticCtrl, cStaticParam> m_vStatic;
  cBindVec<cButtonCtrl, cButtonParam> m_vButton;
  std::function<void(cBoundTestDlg*)> m_fnInit;
};

std::string TextOf(HWND hWnd);
// Selects everything in the edit, then sends each byte as typed (WM_CHAR); "\b" is Backspace.
void TypeInto(HWND hEdit, const std::string& strKeys);
// Puts the text in at the caret as a paste does (no key filter).
void PasteInto(HWND hEdit, const std::string& str);
// One click of an up-down control, as the control reports it to its dialog.
void SpinClick(HWND hDlg, int nSpinId, int nDelta);
// The edit loses the focus, as it reports it to its dialog.
void LeaveEdit(HWND hDlg, int nEditId);

// While alive, the input method answers from these fields.
class cFakeIme {
 public:
  cFakeIme();
  ~cFakeIme();
  static int s_nState;
  static std::string s_strResult;

 private:
  cImeFns m_Prev;
};
