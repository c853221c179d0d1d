// The movement command dialogs: straight, ground turn-back, circle, charge, homing and avoidance
// moves and movement disabling keep their settings in the command's move part; turn and jump in
// the command's parameters. Five of them give two of time, speed and distance, and refuse a
// distance-to-speed ratio too small for the game to move by.
#pragma once

#include <cstdint>

#include "flow/BoundCmdDlg.h"

// The distance in dots (a unit other than 1 counts 16 dots to the hbl) divided by the speed; 0
// for speed 0.
double CalcMoveRatio(int16_t nDistance, int16_t nSpeed, int nUnit);
// At most -0.1 or at least 0.1.
bool IsMoveRatioValid(int16_t nDistance, int16_t nSpeed, int nUnit);
void ShowMoveRatio(cControl* lpStatic, int16_t nDistance, int16_t nSpeed, int nUnit);

// The controls and rules that the movement-part dialogs share.
class cMoveCmdDlgBase : public cBoundCmdDlg {
 public:
  cMoveCmdDlgBase(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                  cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);

  cEdMove& Move() { return *Command().m_pMove; }

 protected:
  // A new command gets a fresh part first; an existing one without a part (a damaged file) gets
  // one too, so that every control has a field. True when there is a command to bind.
  bool PrepareMove();
  void BindTimeGroup();
  void BindInertia();
  void BindOther();
  void ApplyTimeRule();
  void ApplyInertiaRule();
  void ApplyAnimeRule();
  // The three above, in this order: what the dialogs with a time-speed-distance group refresh.
  void ApplyTimedRules();
  // The ratio check of "速度と距離を指定"; false after the message.
  bool CheckRatio();
};

class cLineMoveCmdDlg : public cDialogClass<cLineMoveCmdDlg, cMoveCmdDlgBase> {
 public:
  cLineMoveCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                  cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);
  void UpdateEnable() override;
  int CanStore() override { return CheckRatio() ? 1 : 0; }
};

class cGroundTurnMoveCmdDlg : public cDialogClass<cGroundTurnMoveCmdDlg, cMoveCmdDlgBase> {
 public:
  cGroundTurnMoveCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                        cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);
  void UpdateEnable() override;
  int CanStore() override { return CheckRatio() ? 1 : 0; }
};

class cCircleMoveCmdDlg : public cDialogClass<cCircleMoveCmdDlg, cMoveCmdDlgBase> {
 public:
  cCircleMoveCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                    cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);
  void UpdateEnable() override;
};

class cChargeMoveCmdDlg : public cDialogClass<cChargeMoveCmdDlg, cMoveCmdDlgBase> {
 public:
  cChargeMoveCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                    cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);
  void UpdateEnable() override;
  int CanStore() override { return CheckRatio() ? 1 : 0; }
};

class cHomingMoveCmdDlg : public cDialogClass<cHomingMoveCmdDlg, cMoveCmdDlgBase> {
 public:
  cHomingMoveCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                    cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);
  void UpdateEnable() override;
  int CanStore() override { return CheckRatio() ? 1 : 0; }
};

// The avoidance move (its own template) and movement disabling (a template with the header
// alone, of which only the header is bound: the move part is left as it is).
class cAvoidMoveCmdDlg : public cDialogClass<cAvoidMoveCmdDlg, cMoveCmdDlgBase> {
 public:
  cAvoidMoveCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                   cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);
  void UpdateEnable() override;
  int CanStore() override { return m_bHeaderOnly || CheckRatio() ? 1 : 0; }

  bool m_bHeaderOnly = false;
};

class cTurnCmdDlg : public cDialogClass<cTurnCmdDlg, cBoundCmdDlg> {
 public:
  cTurnCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
              cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);
  int OnOwnCommand(WPARAM wParam) override;
};

class cJumpCmdDlg : public cDialogClass<cJumpCmdDlg, cBoundCmdDlg> {
 public:
  cJumpCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
              cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);
  void UpdateEnable() override;
  int OnOwnCommand(WPARAM wParam) override;
};
