// The status and distance condition pages. The status page compares a status (of a character or
// of the game) or a variable with a constant, a random number, another status or another
// variable; the status 2 page tests a flag of a character or of the scrolling; the status 3 page a
// character's situation; the distance page the distance to the hero or a target, and how the game
// draws that range.
#pragma once

#include "flow/CondPageDlg.h"

class cStatusCondDlg : public cCondPageDlg<cStatusCondDlg> {
 public:
  template <class... A>
  explicit cStatusCondDlg(A... args) : cCondPageDlg(args...) {
    SetUp();
  }
  ~cStatusCondDlg() override { Dispose(); }

  void UpdateEnable() override;
  // A new left or right status item: the variable combo of that side, and for the left one the
  // constant's range and whether a percentage may be given.
  void OnStatusChanged(uint16_t wId);
  void UpdateLeftVar();
  void UpdateRightVar();

  // The left status item chosen last in any status page while the program runs; -1 for none yet.
  static int32_t s_nLastLeftItem;

  cItemVector m_vTargets;
  cItemVector m_vStatusNames;
  cItemVector m_vSystemNames;
  cItemVector m_vCommonNames;
  cItemVector m_vStageNames;

 protected:
  void BeforeAttach() override;
  void AfterDataShown() override;
  int OnPageCommand(WPARAM wParam) override;

 private:
  void SetUp();
  // The items of a status combo for its target: the game's values for "システム", else the
  // character statuses; the shown item index is kept.
  void FillItems(uint16_t wItemId, int32_t nTarget);
  // The variable combo of one side as its state asks; bCharaVar for a character's "キャラ変数".
  void FillVar(uint16_t wVarId, uint16_t wRenameId, bool bCharaVar, bool bVariable, int32_t nSet);
  cItemVector* VarNames(int32_t nSet);
  void Rename(uint16_t wVarId, uint16_t wSetId, uint16_t wButtonId);
};

class cStatus2CondDlg : public cCondPageDlg<cStatus2CondDlg> {
 public:
  template <class... A>
  explicit cStatus2CondDlg(A... args) : cCondPageDlg(args...) {
    SetUp();
  }
  ~cStatus2CondDlg() override { Dispose(); }

  void UpdateEnable() override;
  // The value combo takes the options of the chosen flag; a stored value below the flag's first
  // value is raised to it at once.
  void UpdateValueList();

  cItemVector m_vTargets;
  cItemVector m_vCharaFlags;  // flags 1 to 6 ("消滅" is never tested)
  cItemVector m_vScrollFlags;
  cItemVector m_vOptions;

 protected:
  void BeforeAttach() override;
  void AfterDataShown() override;
  int OnPageCommand(WPARAM wParam) override;

 private:
  void SetUp();
  void FillFlags(int32_t nTarget);
};

class cStatus3CondDlg : public cCondPageDlg<cStatus3CondDlg> {
 public:
  template <class... A>
  explicit cStatus3CondDlg(A... args) : cCondPageDlg(args...) {
    SetUp();
  }
  ~cStatus3CondDlg() override { Dispose(); }

  cItemVector m_vTargets;

 private:
  void SetUp();
};

class cDistanceCondDlg : public cCondPageDlg<cDistanceCondDlg> {
 public:
  template <class... A>
  explicit cDistanceCondDlg(A... args) : cCondPageDlg(args...) {
    SetUp();
  }
  ~cDistanceCondDlg() override { Dispose(); }

  // The colour and the two display flags matter only while the range is shown.
  void UpdateEnable() override;

 private:
  void SetUp();
};
