// The ten pages of the database sheet, in tab order. Each is the page pattern over one list of
// the database; the picture, sound and music pages add the file choice, and the sound and music
// pages play the chosen file. The animation pages play a live sample of what they edit; the
// sword type and effect pages edit a list inside their record, one element at a time in a modal
// dialog; the two kinds of effect fit their parameter rows to the chosen kind.
#pragma once

#include "model/Database.h"
#include "project/DbKindEffectPage.h"
#include "project/DbPage.h"

// Tab 0 stands for the whole sheet: Apply commits, and its end is the end of the session.
class cAnimePatternDlg;
class cSwordPosDlg;
class cAnimeFrameDlg;

class cAnimeSetPage : public cDbPage<cAnimeSetPage, cEdAnimeSet> {
 public:
  cAnimeSetPage(cWindow* lpOwner, cWindowList* lpWindowList);

  // The sample, one preview tick further when bTick is set.
  void DrawSample(int32_t bTick);
  void Draw() override { DrawSample(0); }
  void Frame() override;
  // The row of the slot list, -1 for none.
  int SelectedSlot() const;
  // The flying frame offset the page shows.
  int32_t ShownFlyShift();

 protected:
  void AttachSubList() override;
  bool OnPageCommand(WORD wId, WORD wCode) override;
  void BeforeRecordLoad() override;
  void OwnRules() override;
  void AfterCommand() override;

 private:
  void BindAnimeSet();
  void EditSlot();

  cCtrlBind<cListCtrl<cEdAnime>, cListParam<cEdAnime>> m_Slots;
  cAnimePatternDlg* m_lpPatternDlg = nullptr;
  int32_t m_bRefreshPending = 0;
};

class cAnimePage : public cDbPage<cAnimePage, cEdAnime> {
 public:
  cAnimePage(cWindow* lpOwner, cWindowList* lpWindowList);

  void DrawSample(int32_t bTick);
  void Frame() override;

 protected:
  bool OnPageCommand(WORD wId, WORD wCode) override;
  void BeforeRecordLoad() override;
  void OwnRules() override;
  void AfterCommand() override;

 private:
  void BindAnime();
  void EditPattern();

  int32_t m_bRefreshPending = 0;
};

class cBmpCharaExcPage : public cDbPage<cBmpCharaExcPage, cEdBmpCharaExc> {
 public:
  cBmpCharaExcPage(cWindow* lpOwner, cWindowList* lpWindowList);

  // The commit also makes the bitmaps the editor draws these graphics from anew, whether or not
  // the page was opened.
  void CommitList();

 protected:
  void OwnRules() override;
};

class cSwordTypePage : public cDbPage<cSwordTypePage, cEdSwordType> {
 public:
  cSwordTypePage(cWindow* lpOwner, cWindowList* lpWindowList);

  // The position the position list's current row shows; null for none.
  cEdSwordPos* CurrentPos();

 protected:
  void AttachSubList() override;
  cListCtrlBase* SubList() override { return &m_Pos.m_Ctrl; }
  bool OnPageCommand(WORD wId, WORD wCode) override;

 private:
  void BindPositions();

  cCtrlBind<cListCtrl<cEdSwordPos>, cListParam<cEdSwordPos>> m_Pos;
  cSwordPosDlg* m_lpPosDlg = nullptr;
};

class cEffectPage : public cDbPage<cEffectPage, cEdEffect> {
 public:
  cEffectPage(cWindow* lpOwner, cWindowList* lpWindowList);

  // The frame the frame list's current row shows; null for none.
  cEdEffectFrame* CurrentFrame();

 protected:
  void AttachSubList() override;
  cListCtrlBase* SubList() override { return &m_Frames.m_Ctrl; }
  bool OnPageCommand(WORD wId, WORD wCode) override;

 private:
  void BindFrames();

  cCtrlBind<cListCtrl<cEdEffectFrame>, cListParam<cEdEffectFrame>> m_Frames;
  cAnimeFrameDlg* m_lpFrameDlg = nullptr;
};

class cCharaEffectPage : public cKindEffectPage<cCharaEffectPage, cEdCharaEffect> {
 public:
  cCharaEffectPage(cWindow* lpOwner, cWindowList* lpWindowList);

  // The colour sample of the "色変化" kind: the palette colour whose number parameter 4 shows.
  void Draw() override;

 protected:
  void KindApplied(int32_t nKind) override;
};

class cScrEffectPage : public cKindEffectPage<cScrEffectPage, cEdScrEffect> {
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
