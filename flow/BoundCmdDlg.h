// The common frame of the command dialogs that bind many controls of several kinds: one vector of
// bound controls per control kind and value type, filled by the constructor of the derived dialog
// and attached in one fixed order when the dialog initialises. The derived dialog then reaches any
// of its controls by item id, checks what OK may store, and handles its own commands (previews,
// pickers, the set-up of parameter captions) before the enable refresh.
#pragma once

#include <windows.h>

#include <cstdint>

#include "app/BitmapCtrl.h"
#include "controls/ButtonCtrl.h"
#include "controls/ComboCtrl.h"
#include "controls/CtrlBind.h"
#include "controls/EditValCtrl.h"
#include "flow/CmdDlg.h"
#include "model/MoveShot.h"

template <class C, class P>
using cBindVec = cChkVector<cCtrlBind<C, P>>;

class cBoundCmdDlg : public cCmdDlg {
 public:
  cBoundCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
               cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);

  // Attaches every vector, shows the data, refreshes the enabling, runs AfterShow and marks the
  // dialog initialised.
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  // OK stores only when CheckOk agrees; a command that OnOwnCommand takes does not refresh the
  // enabling; any other change of a bound control does, once the dialog is initialised.
  void OnCommand(WPARAM wParam, LPARAM lParam) override;

  // Runs after the first refresh of the enabling, before the dialog counts as initialised.
  virtual void AfterShow() {}
  // False keeps the dialog open without storing.
  virtual bool CheckOk() { return true; }
  // True when the dialog handled the command itself (no enable refresh follows).
  virtual bool OnOwnCommand(uint16_t /*wId*/, uint16_t /*wCode*/) { return false; }

  // Filling the records; only in the constructor, before anything is attached.
  void Edit8(uint32_t nId, int8_t* p, int8_t nMin, int8_t nMax, uint32_t nSpin);
  void Edit16(uint32_t nId, int16_t* p, int16_t nMin, int16_t nMax, uint32_t nSpin);
  void Edit32(uint32_t nId, int32_t* p, int32_t nMin, int32_t nMax, uint32_t nSpin);
  void EditReal(uint32_t nId, double* p, double dMin, double dMax, uint32_t nSpin, double dStep);
  void Check(uint32_t nId, int8_t* p);
  void Combo8(uint32_t nId, int8_t* p, cItemTable pTable, int32_t nMin = 0);
  void Combo8(uint32_t nId, int8_t* p, cItemVector* pItems, int32_t nMin = 0);
  void Combo16(uint32_t nId, int16_t* p, cItemVector* pItems, int32_t nMin = 0);
  void Combo32(uint32_t nId, int32_t* p, cItemTable pTable);
  void Combo32(uint32_t nId, int32_t* p, cItemVector* pItems);
  void Static(uint32_t nId);
  void Button(uint32_t nId);
  void Picture(uint32_t nId, int32_t nWidth, int32_t nHeight);

  // The parallel flag, the time and its per-clone addition that most command dialogs start with.
  void BindTimeHeader();

  // The bound control with that item id; reported as missing (and null) when there is none.
  cControl* Ctrl(uint32_t nId);
  void EnableId(uint32_t nId, bool bEnable);
  void ShowId(uint32_t nId, bool bShow);
  bool IsTicked(uint32_t nId);
  void SetTicked(uint32_t nId, bool bTicked);
  // The value the combo box shows (its minimum - 1 with nothing selected).
  int32_t ComboValue(uint32_t nId);
  // The 16-bit value edit with that id.
  cEditValCtrl<int16_t>* Edit16Ctrl(uint32_t nId);

  cBindVec<cEditValCtrl<int32_t>, cEditValParam<int32_t>> m_vEdit32;
  cBindVec<cEditValCtrl<int16_t>, cEditValParam<int16_t>> m_vEdit16;
  cBindVec<cEditValCtrl<int8_t>, cEditValParam<int8_t>> m_vEdit8;
  cBindVec<cEditValCtrl<double>, cEditValParam<double>> m_vEditReal;
  cBindVec<cCheckCtrl<int8_t>, cCheckParam<int8_t>> m_vCheck;
  cBindVec<cComboCtrl<int8_t>, cComboParam<int8_t>> m_vCombo8;
  cBindVec<cComboCtrl<int16_t>, cComboParam<int16_t>> m_vCombo16;
  cBindVec<cComboCtrl<int32_t>, cComboParam<int32_t>> m_vCombo32;
  cBindVec<cBitmapCtrl, cBitmapParam> m_vPicture;
  cBindVec<cStaticCtrl, cStaticParam> m_vStatic;
  cBindVec<cButtonCtrl, cButtonParam> m_vButton;
  // The name lists behind the combo boxes; kept as long as the dialog.
  cItemVector m_vAnimeNames, m_vSoundNames, m_vEffectNames, m_vSwordNames, m_vEntryNames;
};

// The three parameter edits whose captions, ranges and defaults follow a formation or a movement
// type: for each edit with its static, the static shows the caption; an edit with a caption is
// enabled and held to the record's range, one without is disabled. When the choice changed from
// an earlier one (nLast not -1), the edits take the defaults. nLast becomes the choice.
void SetUpParamEdits(cBoundCmdDlg& Dlg, const uint32_t (&anEdit)[3], const uint32_t (&anStatic)[3],
                     const cEffectParamInfo* pParams, int32_t nChoice, int32_t nCount, int8_t& nLast);
