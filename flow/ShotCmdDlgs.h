// The attack command dialogs: the shot, whose formation and movement type each set the captions,
// ranges and defaults of three parameter edits and which previews its graphic, and the sword,
// whose time follows its sword type. Both keep their settings in the command's shot part.
#pragma once

#include <cstdint>

#include "flow/BoundCmdDlg.h"

// What the shot, sword and summon dialogs share: the shot part, made fresh for a new command.
class cShotPartCmdDlg : public cBoundCmdDlg {
 public:
  cShotPartCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                  cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);

  cEdShot& Shot() { return *Command().m_pShot; }

 protected:
  // A new command gets a fresh part, and so does an existing one without a part (a damaged
  // file). Fills the anime and sound lists. True when there is a command to bind.
  bool PrepareShot();
  // The formation, its three parameter edits with their captions, and the count.
  void BindFormation();
  // The palette of the obtained item and its entry (shot and sword).
  void BindDrop();
  // The entry combo box follows the chosen palette: off for "なし", else that palette's items.
  void ApplyDropRule();
  // Plays the chosen sound; true for the sound combo box's selection change.
  bool PreviewOwnSound(uint16_t wId, uint16_t wCode);
};

class cShotCmdDlg : public cDialogClass<cShotCmdDlg, cShotPartCmdDlg> {
 public:
  enum { SHOT_SHEET = 3, PREVIEW_SIZE = 16 };

  cShotCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
              cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);
  void UpdateEnable() override;
  void AfterShow() override;
  int OnOwnCommand(WPARAM wParam) override;
  void Draw() override;

  void UpdateFormation();
  void UpdateMoveType();
  // The graphic that the edit shows, from the shot sheet, into the picture control.
  void DrawGraphic(uint32_t nPictureId);

  int8_t m_cLastFormation = -1;
  int8_t m_cLastType = -1;

 private:
  void ApplyTargetRule();
};

class cSwordCmdDlg : public cDialogClass<cSwordCmdDlg, cShotPartCmdDlg> {
 public:
  cSwordCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
               cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);
  void UpdateEnable() override;
  void AfterShow() override { UpdateTime(); }
  int OnOwnCommand(WPARAM wParam) override;

  // The time edit shows the total time of the chosen sword type.
  void UpdateTime();
};
