// The ten pages of the database sheet, in tab order. Each is the page pattern over one list of
// the database; the picture, sound and music pages add the file choice, and the sound and music
// pages play the chosen file.
#pragma once

#include "model/Database.h"
#include "project/DbPage.h"

// Tab 0 stands for the whole sheet: Apply commits, and its end is the end of the session.
class cAnimeSetPage : public cDbPage<cAnimeSetPage, cEdAnimeSet> {
 public:
  cAnimeSetPage(cWindow* lpOwner, cWindowList* lpWindowList);
};

class cAnimePage : public cDbPage<cAnimePage, cEdAnime> {
 public:
  cAnimePage(cWindow* lpOwner, cWindowList* lpWindowList);
};

class cBmpCharaExcPage : public cDbPage<cBmpCharaExcPage, cEdBmpCharaExc> {
 public:
  cBmpCharaExcPage(cWindow* lpOwner, cWindowList* lpWindowList);
};

class cSwordTypePage : public cDbPage<cSwordTypePage, cEdSwordType> {
 public:
  cSwordTypePage(cWindow* lpOwner, cWindowList* lpWindowList);
};

class cEffectPage : public cDbPage<cEffectPage, cEdEffect> {
 public:
  cEffectPage(cWindow* lpOwner, cWindowList* lpWindowList);
};

class cCharaEffectPage : public cDbPage<cCharaEffectPage, cEdCharaEffect> {
 public:
  cCharaEffectPage(cWindow* lpOwner, cWindowList* lpWindowList);
};

class cScrEffectPage : public cDbPage<cScrEffectPage, cEdScrEffect> {
 public:
  cScrEffectPage(cWindow* lpOwner, cWindowList* lpWindowList);
};

class cPicturePage : public cDbPage<cPicturePage, cEdPicture> {
 public:
  cPicturePage(cWindow* lpOwner, cWindowList* lpWindowList);
};

class cSoundPage : public cDbPage<cSoundPage, cEdSound> {
 public:
  cSoundPage(cWindow* lpOwner, cWindowList* lpWindowList);

 protected:
  // A file that cannot be played is reported, and the command goes on.
  bool Play() override;
};

class cBgmPage : public cDbPage<cBgmPage, cEdBgm> {
 public:
  cBgmPage(cWindow* lpOwner, cWindowList* lpWindowList);

 protected:
  // A file that cannot be played is reported, and the command ends there.
  bool Play() override;
};
