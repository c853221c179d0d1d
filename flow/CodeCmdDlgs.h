// The dialogs of the commands that compute rather than show: code execution, checked by the
// expression evaluator before it is stored; the arrange command, which takes one numeric setting of
// the next command from a variable; and the loop over the following commands.
#pragma once

#include "flow/CmdCtrls.h"

class cCodeCmdDlg : public cCmdDlgOf<cCodeCmdDlg> {
 public:
  cCodeCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
              cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);

  // The name combos only show and rename variables; nothing of them reaches the command.
  int16_t m_nRefCommonVar = 1;
  int16_t m_nRefStageVar = 1;
  cItemVector m_vCommonVarNames;
  cItemVector m_vStageVarNames;

 protected:
  // The code is stored only once the evaluator has taken it; its message is the only report.
  int CanStore() override;
  int OnOwnCommand(WPARAM wParam) override;
};

class cArrangeCmdDlg : public cCmdDlgOf<cArrangeCmdDlg> {
 public:
  cArrangeCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                 cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);
  // A kind without settings to arrange leaves nothing else to choose.
  void UpdateEnable() override;
  // The settings of the target kind shown (or of the stored one before the dialog is up).
  void FillSettingList();
  // The variable list follows the variable set.
  void UpdateVariable();

  cItemVector m_vKindNames;
  cItemVector m_vSettings;
  cItemVector m_vCommonVarNames;
  cItemVector m_vStageVarNames;

 protected:
  int OnOwnCommand(WPARAM wParam) override;

 private:
  bool HasSettings(int32_t nKind) const;
};

class cLoopCmdDlg : public cCmdDlgOf<cLoopCmdDlg> {
 public:
  cLoopCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
              cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);
};
