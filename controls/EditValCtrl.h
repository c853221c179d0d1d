// The value edit: an edit box, optionally with a buddy up-down control, bound to one numeric
// field. Only what can form a number gets typed; full-width digits, minus and point completed in
// the input method arrive as plain ones. Every change re-reads the text and shows the number it
// forms, held to the value type; the field itself is written by CtrlToData alone, always inside
// the range, and the box shows that value once it loses the focus.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <type_traits>

#include "app/Control.h"
#include "controls/EditCtrl.h"

// Index of a value type: 0 char, 1 unsigned char, 2 short, 3 unsigned short, 4 int, 5 unsigned
// int, 6 float, 7 double, -1 any other. The records declare their byte fields as int8_t.
template <class T>
constexpr int GetTypeIndex() {
  return std::is_same<T, char>::value || std::is_same<T, signed char>::value ? 0
         : std::is_same<T, unsigned char>::value                              ? 1
         : std::is_same<T, short>::value                                      ? 2
         : std::is_same<T, unsigned short>::value                             ? 3
         : std::is_same<T, int>::value                                        ? 4
         : std::is_same<T, unsigned int>::value                               ? 5
         : std::is_same<T, float>::value                                      ? 6
         : std::is_same<T, double>::value                                     ? 7
                                                                              : -1;
}

// Limits of an integer type index; -1 for the real types and unknown ones.
int64_t GetTypeMax(int nIndex);
int64_t GetTypeMin(int nIndex);
// Digits after the point of a (positive) step written with ten decimals, trailing zeros not counted.
int GetDecimalPlaces(double dStep);

// The characters a value edit lets through as typed: "-", ".", digits and the codes 1 to 39.
bool IsValueEditChar(WPARAM wChar);
// The single-byte character of a full-width digit, minus or point; 0 for any other character.
char FullWidthNumberChar(unsigned char cLead, unsigned char cTrail);
// The characters a completed composition types into a value edit: its full-width digits, minus
// signs and points as single-byte ones, in order; everything else dropped.
std::string NumberCharsOfComposition(const std::string& strResult);
// Keeps what can form a number: digits, points, and a minus sign only as the first character.
void CleanNumberText(std::string& str);
// The integer of a clean text as far as it reads (optional "-", then digits), held to
// +-1000000000000 so that no text overflows.
int64_t ParseIntSaturated(const char* psz);

// Subclass of every value edit's box; the box's "CTRL_EDITVAL_CLASS" property holds the control.
LRESULT CALLBACK EditValProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
// Installs EditValProc on the control's box unless the box already has it.
void SubclassValueEdit(cControl* lpCtrl);

template <class T>
struct cSpinParam {
  uint16_t wId = 0;
  HWND hBuddy = nullptr;
  T* pData = nullptr;
  T Step{}, Min{}, Max{};

  cSpinParam& Set(uint32_t nId, HWND hBuddyIn, T* p, T StepIn, T MinIn, T MaxIn) {
    wId = static_cast<uint16_t>(nId);
    hBuddy = hBuddyIn;
    pData = p;
    Step = StepIn;
    Min = MinIn;
    Max = MaxIn;
    return *this;
  }
};

// The up-down control of a value edit. It never writes the edit's text; the edit answers its
// clicks with its own step.
template <class T>
class cSpinCtrl : public cControl {
 public:
  cSpinCtrl() { m_nKind = KIND_SPIN; }

  void Attach(cDialog* lpOwner, const cSpinParam<T>& Param) {
    cControl::Attach(lpOwner, Param.wId);
    m_pData = Param.pData;
    m_hBuddy = Param.hBuddy;
    m_Step = Param.Step;
    SetRange(Param.Min, Param.Max);
  }
  void SetRange(T Min, T Max) {
    m_Min = Min;
    m_Max = Max;
    SendMessageA(m_hWnd, UDM_SETRANGE32, static_cast<WPARAM>(static_cast<int32_t>(Min)),
                 static_cast<LPARAM>(static_cast<int32_t>(Max)));
  }

  T* m_pData = nullptr;
  HWND m_hBuddy = nullptr;
  T m_Step{}, m_Min{}, m_Max{};
};

template <class T>
struct cEditValParam {
  uint16_t wId = 0;
  T* pData = nullptr;
  T Min{}, Max{};
  uint16_t wSpinId = 0;  // the buddy up-down control, 0 for none
  T Step{};

  cEditValParam& Set(uint32_t nId, T* p, T MinIn, T MaxIn, uint32_t nSpinId, T StepIn) {
    wId = static_cast<uint16_t>(nId);
    pData = p;
    Min = MinIn;
    Max = MaxIn;
    wSpinId = static_cast<uint16_t>(nSpinId);
    Step = StepIn;
    return *this;
  }
};

template <class T>
class cEditValCtrl : public cEditCtrl {
  // Values are worked out in a wider type, so a step or a typed number never wraps.
  typedef typename std::conditional<std::is_floating_point<T>::value, double, int64_t>::type W;

 public:
  cEditValCtrl() { m_nKind = KIND_EDITVAL; }

  void Attach(cDialog* lpOwner, const cEditValParam<T>& Param) {
    m_nSubKind = SUB_VALUE;
    cControl::Attach(lpOwner, Param.wId);
    ClearStyle(ES_NUMBER);  // "-" and "." must get through to the filter
    m_pData = Param.pData;
    m_Min = Param.Min;
    m_Max = Param.Max;
    m_Step = Param.Step;
    m_nPlaces = GetDecimalPlaces(static_cast<double>(Param.Step));
    if (Param.wSpinId) {
      cSpinParam<T> sp;
      sp.Set(Param.wSpinId, m_hWnd, Param.pData, Param.Step, Param.Min, Param.Max);
      m_Spin.Attach(lpOwner, sp);
      m_Spin.ClearStyle(UDS_SETBUDDYINT);
    }
    m_nType = GetTypeIndex<T>();
    m_bReal = (m_nType == 6 || m_nType == 7) ? 1 : 0;
    SubclassValueEdit(this);
    if (m_pData) SetValue(*m_pData);
  }

  BOOL Enable(int32_t bEnable) override {
    BOOL b = EnableWindow(m_hWnd, bEnable ? TRUE : FALSE);
    if (m_Spin.m_hWnd) EnableWindow(m_Spin.m_hWnd, bEnable ? TRUE : FALSE);
    return b;
  }
  void DataToCtrl() override {
    m_strPending.clear();
    if (m_pData) SetValue(*m_pData);
  }
  // The field gets the parsed value held to the range, whatever the box is in the middle of.
  void CtrlToData() override {
    if (m_pData) *m_pData = static_cast<T>(ClampWide(static_cast<W>(ParseText())));
  }
  void OnChange() override {
    ParseText();  // keeps the error flag and the pending text in step with the box
    if (m_bBusy) return;
    m_bBusy = 1;
    DWORD dwStart = 0, dwEnd = 0;
    SendMessageA(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
    T v = ParseText();
    if (!m_bError) Show(v, false);
    SendMessageA(m_hWnd, EM_SETSEL, dwStart, static_cast<LPARAM>(dwEnd));
    m_bBusy = 0;
  }
  void OnKillFocus() override {
    if (m_bBusy) return;
    m_bBusy = 1;
    T v = ParseText();
    if (m_bError) {
      m_bError = 0;
      m_strPending.clear();
      v = EmptyValue();
    } else if (ClampWide(static_cast<W>(v)) != static_cast<W>(v)) {
      // A pending "-" or -0 outside the range gives way to the value the field will get.
      m_strPending.clear();
    }
    SetValue(v);
    m_bBusy = 0;
  }
  int OnNotify(WPARAM wParam, LPARAM lParam) override {
    const NMHDR* pHdr = reinterpret_cast<const NMHDR*>(lParam);
    if (!m_Spin.m_hWnd || !pHdr || wParam != m_Spin.m_wId || pHdr->code != static_cast<UINT>(UDN_DELTAPOS))
      return 0;
    const NMUPDOWN* pUd = reinterpret_cast<const NMUPDOWN*>(lParam);
    W v = static_cast<W>(ParseText()) + static_cast<W>(pUd->iDelta) * static_cast<W>(m_Step);
    m_bError = 0;
    m_strPending.clear();
    SetValue(static_cast<T>(ClampWide(v)));
    return 1;
  }

  void SetValue(T v) {
    m_bError = 0;
    Show(v, true);
  }
  void SetRange(T Min, T Max) {
    m_Min = Min;
    m_Max = Max;
    if (m_Spin.m_hWnd) m_Spin.SetRange(Min, Max);
  }

  // Shows the value; the field is not written. Forced (a value set, the box left) it is held to
  // the range. While the author types it is not: rewriting "40" + "30" as the maximum at once
  // would leave no way to type a number that passes through a too-large one.
  void Show(T v, bool bForce) {
    W w = static_cast<W>(v);
    W c = bForce ? ClampWide(w) : w;
    if (m_bError) return;
    std::string str;
    if (m_bReal) {
      if (bForce)
        str = FormatReal(static_cast<double>(c));
      else if (!m_strPending.empty())
        str = m_strPending;
      else
        return;
    } else {
      str = m_strPending.empty() ? std::to_string(static_cast<long long>(c)) : m_strPending;
    }
    char szNow[1024] = "";
    GetWindowTextA(m_hWnd, szNow, sizeof szNow);
    if (str != szNow) SetWindowTextA(m_hWnd, str.c_str());
  }

  // The value of the box's text, held to the value type but not to the range.
  T ParseText() {
    char sz[1024] = "";
    GetWindowTextA(m_hWnd, sz, sizeof sz);
    std::string str = sz;
    if (str.empty()) {
      m_strPending.clear();
      m_bError = 1;
      return EmptyValue();
    }
    CleanNumberText(str);
    T v{};
    if (m_bReal) {
      double d = atof(str.c_str());
      v = static_cast<T>(atof(FormatReal(d).c_str()));
      m_strPending = str;
    } else {
      int64_t n = ParseIntSaturated(str.c_str());
      m_strPending.clear();
      if (str == "-")
        m_strPending = "-";
      else if (!str.empty() && str[0] == '-' && ParseIntSaturated(str.c_str() + 1) == n)
        m_strPending = "-0";
      int64_t nMax = GetTypeMax(m_nType), nMin = GetTypeMin(m_nType);
      if (n > nMax) {
        n = nMax;
        m_strPending.clear();
      } else if (n < nMin) {
        n = nMin;
        m_strPending.clear();
      }
      v = static_cast<T>(n);
    }
    if (str.empty()) {
      m_bError = 1;
      return EmptyValue();
    }
    m_bError = 0;
    return v;
  }

  T* m_pData = nullptr;
  cSpinCtrl<T> m_Spin;
  T m_Min{}, m_Max{}, m_Step{};
  int32_t m_nType = -1;
  int32_t m_bReal = 0;
  int32_t m_nPlaces = 0;
  int32_t m_bError = 0;
  std::string m_strPending;

 private:
  // What an empty box stands for: the minimum when it is above zero, else zero.
  T EmptyValue() const { return m_Min > T(0) ? m_Min : T(0); }
  W ClampWide(W v) const {
    if (v < static_cast<W>(m_Min)) v = static_cast<W>(m_Min);
    if (v > static_cast<W>(m_Max)) v = static_cast<W>(m_Max);
    return v;
  }
  std::string FormatReal(double d) const {
    char sz[512];
    snprintf(sz, sizeof sz, "%.*f", m_nPlaces, d);
    return sz;
  }
};
