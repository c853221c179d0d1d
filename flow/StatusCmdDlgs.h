// The dialogs of the commands that change a character's or the game's state: the status
// operation, the second status operation, vanishing and giving an item.
#pragma once

#include "flow/CmdCtrls.h"

class cStatusCmdDlg : public cCmdDlgOf<cStatusCmdDlg> {
 public:
  cStatusCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);
  void UpdateEnable() override;
  // After a status was chosen on either side: the variable lists, the operand ranges and the
  // percentage controls follow it.
  void OnStatusChoice(uint16_t wId);
  void UpdateLeftVar();
  void UpdateRightVar();

  cItemVector m_vStatusNames;
  cItemVector m_vSystemNames;
  cItemVector m_vCommonVarNames;
  cItemVector m_vStageVarNames;

 protected:
  void AfterDataShown() override;
  int OnOwnCommand(WPARAM wParam) override;
  void AfterCommand(WPARAM wParam) override;

 private:
  void ListVars(uint16_t wCombo, int32_t nSet);
  void Rename(uint16_t wCombo, uint16_t wSetCombo, uint16_t wButton);
};

class cStatus2CmdDlg : public cCmdDlgOf<cStatus2CmdDlg> {
 public:
  cStatus2CmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                 cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);
  void UpdateEnable() override;
  // The value combo offers the options of the attribute shown and starts at its first value,
  // raising the stored value at once when it lies below.
  void UpdateOptions();

  cItemVector m_vAttrNames;
  cItemVector m_vScrollNames;
  cItemVector m_vOptions;

 protected:
  void AfterDataShown() override { UpdateOptions(); }
};

class cVanishCmdDlg : public cCmdDlgOf<cVanishCmdDlg> {
 public:
  cVanishCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);
  void UpdateEnable() override;
};

class cItemGetCmdDlg : public cCmdDlgOf<cItemGetCmdDlg> {
 public:
  cItemGetCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                 cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);
  // The item list follows the palette chosen.
  void UpdateEnable() override;

  cItemVector m_vItemNames;

 protected:
  void AfterDataShown() override;
};
