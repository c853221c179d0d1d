// The dialogs of the commands that set what a flow shows and plays: the character's graphic and
// animations, effects on the character, the screen or a place, pictures, the screen colour,
// backgrounds, sound effects and background music. Most choose a database record in a combo of
// the records' numbered names, whose value is always the record's index.
#pragma once

#include "flow/CmdCtrls.h"

class cGraphicCmdDlg : public cCmdDlgOf<cGraphicCmdDlg> {
 public:
  cGraphicCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                 cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);
  // The number's and the offset's ranges follow the graphic kind; the preview follows both.
  void UpdateEnable() override;
  void Draw() override;

 protected:
  int OnOwnCommand(WPARAM wParam) override;
};

class cAnimeSetCmdDlg : public cCmdDlgOf<cAnimeSetCmdDlg> {
 public:
  cAnimeSetCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                  cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);
  cItemVector m_vNames;
};

class cAnimeCmdDlg : public cCmdDlgOf<cAnimeCmdDlg> {
 public:
  cAnimeCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
               cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);
  cItemVector m_vNames;
};

class cEffectCmdDlg : public cCmdDlgOf<cEffectCmdDlg> {
 public:
  cEffectCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);
  // Erasing the effects needs no place.
  void UpdateEnable() override;
  cItemVector m_vNames;

 protected:
  void AfterStore() override;
};

class cCharaEffectCmdDlg : public cCmdDlgOf<cCharaEffectCmdDlg> {
 public:
  cCharaEffectCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                     cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);
  cItemVector m_vNames;
};

class cScrEffectCmdDlg : public cCmdDlgOf<cScrEffectCmdDlg> {
 public:
  cScrEffectCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                   cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);
  cItemVector m_vNames;
};

class cPictureCmdDlg : public cCmdDlgOf<cPictureCmdDlg> {
 public:
  cPictureCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                 cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);
  // Erasing pictures needs only the ID; the display time decides what else counts.
  void UpdateEnable() override;
  cItemVector m_vNames;

 protected:
  void AfterStore() override;
};

class cScreenColorCmdDlg : public cCmdDlgOf<cScreenColorCmdDlg> {
 public:
  cScreenColorCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                     cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);
  void UpdateEnable() override;
  // The preview shows the colour of the R, G and B sliders.
  void Draw() override;
};

class cBackgroundCmdDlg : public cCmdDlgOf<cBackgroundCmdDlg> {
 public:
  cBackgroundCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                    cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);
};

class cSoundCmdDlg : public cCmdDlgOf<cSoundCmdDlg> {
 public:
  cSoundCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
               cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);
  cItemVector m_vNames;

 protected:
  // Choosing a sound plays it.
  void AfterCommand(WPARAM wParam) override;
};

class cBgmCmdDlg : public cCmdDlgOf<cBgmCmdDlg> {
 public:
  cBgmCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
             cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);
  // Plays the piece chosen; 1 when it plays.
  int PlayChosen();
  cItemVector m_vNames;

 protected:
  int OnOwnCommand(WPARAM wParam) override;
  // Music started here stops however the dialog closes.
  void BeforeClose() override;
};
