// The dialogs of the commands that steer flows and the game rather than move the character: flow
// operation, stage clear, game wait, message, warp and target setting. The same class serves a
// character command and the item command of the same kind.
#pragma once

#include "flow/CondListCtrl.h"
#include "flow/CmdCtrls.h"

class cFlowOpCmdDlg : public cCmdDlgOf<cFlowOpCmdDlg> {
 public:
  cFlowOpCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);
  LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
  // The conditions count only while "条件あり" is on; another character's flows are reached by ID.
  void UpdateEnable() override;

  cCondVector m_vCondWork;  // the list edits this copy; OK hands it to the command
  cCtrlBind<cCondListCtrl, cListParam<cCond>> m_CondBind;
  cCondListCtrl& m_CondList = m_CondBind.m_Ctrl;

 protected:
  void AttachMore() override;
  int OnOwnCommand(WPARAM wParam) override;
  void AfterCommand(WPARAM wParam) override;
  void BeforeClose() override;
};

class cStageClearCmdDlg : public cCmdDlgOf<cStageClearCmdDlg> {
 public:
  cStageClearCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                    cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);
  void UpdateEnable() override;

 protected:
  int OnOwnCommand(WPARAM wParam) override;
};

class cGameWaitCmdDlg : public cCmdDlgOf<cGameWaitCmdDlg> {
 public:
  cGameWaitCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                  cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);
};

class cMessageCmdDlg : public cCmdDlgOf<cMessageCmdDlg> {
 public:
  cMessageCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                 cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);
  void UpdateEnable() override;

  // The name combos only show and rename variables; nothing of them reaches the command.
  int16_t m_nRefCommonVar = 1;
  int16_t m_nRefStageVar = 1;
  cItemVector m_vCommonVarNames;
  cItemVector m_vStageVarNames;

 protected:
  int OnOwnCommand(WPARAM wParam) override;
  // A paused message holds the flow; one that does not pause lets the next command run.
  void AfterStore() override;
};

class cWarpCmdDlg : public cCmdDlgOf<cWarpCmdDlg> {
 public:
  cWarpCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
              cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);
  void UpdateEnable() override;
};

class cTargetCmdDlg : public cCmdDlgOf<cTargetCmdDlg> {
 public:
  cTargetCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);
  void UpdateEnable() override;
};
