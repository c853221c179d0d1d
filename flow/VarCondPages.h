// The variable condition pages: a common variable, a stage variable or a character variable
// compared with a constant. A new condition starts on variable 1. The common and stage pages
// rename the chosen variable in place: a common name is written to data\GValInfo.dat at once, a
// stage name goes with the stage file; either stays renamed when the page is cancelled.
#pragma once

#include "flow/CondPageDlg.h"

class cCommonVarCondDlg : public cCondPageDlg<cCommonVarCondDlg> {
 public:
  template <class... A>
  explicit cCommonVarCondDlg(A... args) : cCondPageDlg(args...) {
    SetUp();
  }
  ~cCommonVarCondDlg() override { Dispose(); }

  cItemVector m_vNames;

 protected:
  int OnPageCommand(WPARAM wParam) override;

 private:
  void SetUp();
};

class cStageVarCondDlg : public cCondPageDlg<cStageVarCondDlg> {
 public:
  template <class... A>
  explicit cStageVarCondDlg(A... args) : cCondPageDlg(args...) {
    SetUp();
  }
  ~cStageVarCondDlg() override { Dispose(); }

  cItemVector m_vNames;

 protected:
  int OnPageCommand(WPARAM wParam) override;

 private:
  void SetUp();
};

class cCharaVarCondDlg : public cCondPageDlg<cCharaVarCondDlg> {
 public:
  template <class... A>
  explicit cCharaVarCondDlg(A... args) : cCondPageDlg(args...) {
    SetUp();
  }
  ~cCharaVarCondDlg() override { Dispose(); }

 private:
  void SetUp();
};
