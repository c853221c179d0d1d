// The background dialog "背景": edits one layer of the basic page's background list in place, a
// picture from bmp\back\ scrolling at its own speeds or a plain colour of the project palette
// with a sample of it. OK stores every control into the layer; Cancel and the close box store
// nothing.
#pragma once

#include <cstdint>
#include <string>

#include "app/Dialog.h"
#include "app/BitmapCtrl.h"
#include "controls/ButtonCtrl.h"
#include "base/ChkContainer.h"
#include "controls/CtrlBind.h"
#include "controls/CtrlSet.h"
#include "controls/EditStrCtrl.h"
#include "controls/EditValCtrl.h"
#include "controls/SetDlg.h"
#include "model/StageRecords.h"

// The background list's row: "○" for a layer shown from the start, else "‐", then its colour
// number or its picture path.
void BackgroundRowText(std::string& strText, int nIndex, const cEdBackground& Layer);

class cBackgroundDlg : public cSetDlg<cBackgroundDlg> {
 public:
  // Edits the layer at the background list's current row of the open basic page.
  cBackgroundDlg(uint16_t wTemplateId, cWindow* lpParent, int32_t nKind, cWindowList* lpWindowList,
                 cControl* lpAnchor, int32_t bCentre);

  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
  // The colour sample, from the number the colour edit shows.
  void Draw() override;
  // Colour mode offers the colour number; picture mode the path, browse, speeds and auto-scroll.
  void UpdateEnables() override;

  cEdBackground* m_lpLayer;
  cBitmapCtrl m_Sample;

 protected:
  void AttachMore() override;

 private:
  cEdBackground m_Spare;  // edited when no list row names a layer
  void Browse();
};
