// The typed controls of one dialog or page: per control kind and value type one checked vector of
// bound controls, filled while the dialog is built (never after it attached them: the dialog keeps
// the controls' addresses) and attached in one fixed order of kinds, which the set keeps (a family
// of dialogs that has always attached its kinds in another order says so once). The dialog then
// finds, enables, shows and reads its controls by item id. Whether a missing id is reported
// (FindCtrl's diagnostic box) or only answered with null is the set's other property.
#pragma once

#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "base/ChkContainer.h"
#include "controls/BitmapCtrl.h"
#include "controls/ButtonCtrl.h"
#include "controls/ComboCtrl.h"
#include "controls/CtrlBind.h"
#include "controls/EditStrCtrl.h"
#include "controls/EditValCtrl.h"
#include "controls/SliderCtrl.h"

class cDialog;

template <class C, class P>
using cCtrlVec = cChkVector<cCtrlBind<C, P>>;

class cCtrlSet {
 public:
  // The kinds, each one vector; the default attach order is this order.
  enum eKind {
    EDIT32,
    EDIT16,
    EDIT8,
    EDITU8,
    EDITREAL,
    STR,
    CHECK32,
    CHECK8,
    CHECKU8,
    COMBO32,
    COMBO16,
    COMBO8,
    SLIDER,
    BUTTON,
    STATIC,
    PICTURE,
    KIND_COUNT
  };

  cCtrlSet();

  // The kinds in the order they attach; kinds not named follow in the default order.
  void SetAttachOrder(std::initializer_list<eKind> order);
  // Whether a lookup of an id the set does not hold reports it (the default) or is quiet.
  void SetReportMissing(bool bReport) { m_bReportMissing = bReport; }

  // Registration: each returns the attach record, which may still be changed before attaching.
  // The value type follows the field's pointer; the limits and the step are of that type.
  template <class T>
  struct Same {
    typedef T type;
  };
  template <class T>
  cEditValParam<T>& Value(uint32_t nId, T* p, typename Same<T>::type nMin, typename Same<T>::type nMax,
                          uint32_t nSpinId, typename Same<T>::type Step = 1) {
    return Added(VecOf<cEditValCtrl<T>>()).Set(nId, p, nMin, nMax, nSpinId, Step);
  }
  template <class T>
  cCheckParam<T>& Check(uint32_t nId, T* p) {
    return Added(VecOf<cCheckCtrl<T>>()).Set(nId, p);
  }
  // Item i of the list stands for the value nMin + i.
  template <class T>
  cComboParam<T>& Combo(uint32_t nId, T* p, cItemTable pTable, int32_t nMin = 0) {
    return Added(VecOf<cComboCtrl<T>>()).SetTable(nId, p, pTable, nMin);
  }
  template <class T>
  cComboParam<T>& Combo(uint32_t nId, T* p, cItemVector* pItems, int32_t nMin = 0) {
    return Added(VecOf<cComboCtrl<T>>()).SetVector(nId, p, pItems, nMin);
  }
  cEditStrParam& Str(const cEditStrParam& Param);
  // A limit in double-byte characters with bWide, else in bytes.
  cEditStrParam& Str(uint32_t nId, std::string* p, int32_t nLimit, int32_t bWide);
  cEditStrParam& Path(uint32_t nId, std::string* p);
  cSliderParam& Slider(uint32_t nId, int32_t* p, int32_t nMin, int32_t nMax, int32_t nPage, uint32_t nBuddyId);
  cButtonParam& Button(uint32_t nId);
  cStaticParam& Static(uint32_t nId);
  cBitmapParam& Picture(uint32_t nId, int32_t nWidth, int32_t nHeight);
  // A control attached elsewhere (a bound list) that lookups by id find all the same, after the
  // set's own.
  void Held(cControl* lpCtrl) { m_vHeld.push_back(lpCtrl); }

  // Attaches every vector in the set's order and enters the controls in the dialog's list.
  void AttachAll(cDialog* lpDlg);
  // Attaches the controls bound to fields again after their records were filled anew (buttons,
  // statics and pictures stay as they are); the dialog's list stays as it is.
  void RebindAll(cDialog* lpDlg);

  // The vector of control type C (cEditValCtrl<int16_t>, cComboCtrl<int8_t>, cSliderCtrl ...).
  template <class C>
  auto& VecOf() {
    return Vec(Tag<C>());
  }
  // The control of type C with that id, or null (reported when the set reports).
  template <class C>
  C* Get(uint32_t nId) {
    auto& v = VecOf<C>();
    if (C* p = FindIn(v, nId)) return p;
    Missing(nId);
    return nullptr;
  }
  // The attach record of the control of type C with that id (to change it before attaching).
  template <class C>
  auto ParamOf(uint32_t nId) -> decltype(&VecOf<C>()[0].m_Param) {
    auto& v = VecOf<C>();
    for (int i = 0; i < static_cast<int>(v.size()); ++i)
      if (v[i].m_Param.wId == static_cast<uint16_t>(nId)) return &v[i].m_Param;
    Missing(nId);
    return nullptr;
  }
  template <class T = int32_t>
  cEditValCtrl<T>* Val(uint32_t nId) {
    return Get<cEditValCtrl<T>>(nId);
  }
  template <class T = int32_t>
  cComboCtrl<T>* Cb(uint32_t nId) {
    return Get<cComboCtrl<T>>(nId);
  }
  template <class T = int32_t>
  cCheckCtrl<T>* Chk(uint32_t nId) {
    return Get<cCheckCtrl<T>>(nId);
  }
  cEditStrCtrl* Edit(uint32_t nId) { return Get<cEditStrCtrl>(nId); }
  cSliderCtrl* Sld(uint32_t nId) { return Get<cSliderCtrl>(nId); }
  cButtonCtrl* Btn(uint32_t nId) { return Get<cButtonCtrl>(nId); }
  cStaticCtrl* Stc(uint32_t nId) { return Get<cStaticCtrl>(nId); }
  cBitmapCtrl* Pic(uint32_t nId) { return Get<cBitmapCtrl>(nId); }

  // The control of any kind with that id, or null (reported when the set reports).
  cControl* Ctrl(uint32_t nId);
  // The same, never reported.
  cControl* Find(uint32_t nId);
  bool Has(uint32_t nId) { return Find(nId) != nullptr; }
  void Enable(uint32_t nId, bool bEnable);
  void Enable(std::initializer_list<uint32_t> ids, bool bEnable);
  void Show(uint32_t nId, bool bShow);
  // The value a combo box shows (its minimum - 1 with nothing selected), whichever type; -1 for an
  // id that is no combo.
  int32_t ComboValue(uint32_t nId);
  // The state of a check box on screen (not its field: 0, 1 or 2), whichever type; 0 for an id
  // that is no check box.
  int32_t CheckState(uint32_t nId);
  bool IsChecked(uint32_t nId) { return CheckState(nId) == BST_CHECKED; }
  void SetCheckState(uint32_t nId, int32_t nState);
  void SetChecked(uint32_t nId, bool bChecked) { SetCheckState(nId, bChecked ? BST_CHECKED : BST_UNCHECKED); }

  cCtrlVec<cEditValCtrl<int32_t>, cEditValParam<int32_t>> m_vEdit32;
  cCtrlVec<cEditValCtrl<int16_t>, cEditValParam<int16_t>> m_vEdit16;
  cCtrlVec<cEditValCtrl<int8_t>, cEditValParam<int8_t>> m_vEdit8;
  cCtrlVec<cEditValCtrl<uint8_t>, cEditValParam<uint8_t>> m_vEditU8;
  cCtrlVec<cEditValCtrl<double>, cEditValParam<double>> m_vEditReal;
  cCtrlVec<cEditStrCtrl, cEditStrParam> m_vStr;
  cCtrlVec<cCheckCtrl<int32_t>, cCheckParam<int32_t>> m_vCheck32;
  cCtrlVec<cCheckCtrl<int8_t>, cCheckParam<int8_t>> m_vCheck8;
  cCtrlVec<cCheckCtrl<uint8_t>, cCheckParam<uint8_t>> m_vCheckU8;
  cCtrlVec<cComboCtrl<int32_t>, cComboParam<int32_t>> m_vCombo32;
  cCtrlVec<cComboCtrl<int16_t>, cComboParam<int16_t>> m_vCombo16;
  cCtrlVec<cComboCtrl<int8_t>, cComboParam<int8_t>> m_vCombo8;
  cCtrlVec<cSliderCtrl, cSliderParam> m_vSlider;
  cCtrlVec<cButtonCtrl, cButtonParam> m_vButton;
  cCtrlVec<cStaticCtrl, cStaticParam> m_vStatic;
  cCtrlVec<cBitmapCtrl, cBitmapParam> m_vPicture;
  std::vector<cControl*> m_vHeld;

 private:
  template <class C>
  struct Tag {};
  auto& Vec(Tag<cEditValCtrl<int32_t>>) { return m_vEdit32; }
  auto& Vec(Tag<cEditValCtrl<int16_t>>) { return m_vEdit16; }
  auto& Vec(Tag<cEditValCtrl<int8_t>>) { return m_vEdit8; }
  auto& Vec(Tag<cEditValCtrl<uint8_t>>) { return m_vEditU8; }
  auto& Vec(Tag<cEditValCtrl<double>>) { return m_vEditReal; }
  auto& Vec(Tag<cEditStrCtrl>) { return m_vStr; }
  auto& Vec(Tag<cCheckCtrl<int32_t>>) { return m_vCheck32; }
  auto& Vec(Tag<cCheckCtrl<int8_t>>) { return m_vCheck8; }
  auto& Vec(Tag<cCheckCtrl<uint8_t>>) { return m_vCheckU8; }
  auto& Vec(Tag<cComboCtrl<int32_t>>) { return m_vCombo32; }
  auto& Vec(Tag<cComboCtrl<int16_t>>) { return m_vCombo16; }
  auto& Vec(Tag<cComboCtrl<int8_t>>) { return m_vCombo8; }
  auto& Vec(Tag<cSliderCtrl>) { return m_vSlider; }
  auto& Vec(Tag<cButtonCtrl>) { return m_vButton; }
  auto& Vec(Tag<cStaticCtrl>) { return m_vStatic; }
  auto& Vec(Tag<cBitmapCtrl>) { return m_vPicture; }

  template <class V>
  static auto& Added(V& v) {
    v.push_back(typename V::value_type());
    return v.back().m_Param;
  }
  // The element with that id in the vector, or null; reports nothing.
  template <class V>
  static auto FindIn(V& v, uint32_t nId) -> decltype(&v[0].m_Ctrl) {
    for (int i = 0; i < static_cast<int>(v.size()); ++i)
      if (v[i].m_Param.wId == static_cast<uint16_t>(nId)) return &v[i].m_Ctrl;
    return nullptr;
  }
  void Missing(uint32_t nId) const;
  // Runs f on the vector of kind k.
  template <class F>
  void OnKind(int k, F&& f);

  eKind m_aOrder[KIND_COUNT];
  bool m_bReportMissing = true;
};
