// The summon command dialogs: a block, a character or an item of the common or the stage palette,
// placed by a formation like a shot's. Their settings live in the command's shot part.
#pragma once

#include <cstdint>

#include "flow/ShotCmdDlgs.h"
#include "resources/ShotCmdIds.h"

class cSummonCmdDlgBase : public cShotPartCmdDlg {
 public:
  enum eLayer { SUMMON_BLOCK = 0, SUMMON_CHARA = 1, SUMMON_ITEM = 2 };

  cSummonCmdDlgBase(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                    cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre, eLayer eWhat);

  void AfterShow() override { UpdateFormation(); }
  int OnOwnCommand(WPARAM wParam) override;

  // Enables the object and target combo boxes for the formation and sets up its parameter edits.
  void UpdateFormation();

  int8_t m_cLastFormation = -1;

 protected:
  // The new command's values and the controls every summon has; false without a command.
  bool PrepareSummon();
  // The entry combo box lists the entries of palette 0 (common) or 1 (stage) of this dialog's
  // kind; another value lists nothing.
  void FillEntries(int32_t nPalette);
  // The same for the palette chosen now; nothing while none is chosen.
  void RefillEntries();
  // The target combo box: for lightning and encirclement, and for the character summon only while
  // the object is the target.
  void ApplyTargetRule();

  eLayer m_eWhat;
};

class cBlockSummonCmdDlg : public cDialogClass<cBlockSummonCmdDlg, cSummonCmdDlgBase> {
 public:
  cBlockSummonCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                     cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);
  void UpdateEnable() override;
};

class cCharaSummonCmdDlg : public cDialogClass<cCharaSummonCmdDlg, cSummonCmdDlgBase> {
 public:
  cCharaSummonCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                     cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);
  void UpdateEnable() override;
};

class cItemSummonCmdDlg : public cDialogClass<cItemSummonCmdDlg, cSummonCmdDlgBase> {
 public:
  cItemSummonCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                    cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);
  void UpdateEnable() override;
};
