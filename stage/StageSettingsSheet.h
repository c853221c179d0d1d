// The stage settings: a modeless property sheet "ステージの設定" over the open stage. Its basic
// page edits the name, size and resize anchors, scroll limits and modes, time limit, gravity,
// invulnerability times, status window, BGM, character images, ranking items and background
// layers, with live feedback on the memory a resize needs and the cells the scroll limits hide;
// the two advanced pages follow it. Nothing reaches the stage before OK or Apply; the commit
// stores every page that was shown and resizes the stage when its size changed.
#pragma once

#include <cstdint>
#include <string>

#include "app/Dialog.h"
#include "app/PropSheet.h"
#include "controls/ButtonCtrl.h"
#include "base/ChkContainer.h"
#include "controls/ComboCtrl.h"
#include "controls/CtrlBind.h"
#include "controls/CtrlSet.h"
#include "controls/EditStrCtrl.h"
#include "controls/EditValCtrl.h"
#include "controls/ListCtrl.h"
#include "model/StageRecords.h"

class cStageWnd;
class cBackgroundDlg;
class cStageAdvancedPage;
class cStageAdvanced2Page;

class cStageBasicPage : public cDialogClass<cStageBasicPage> {
 public:
  cStageBasicPage(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cWindowList* lpWindowList);
  ~cStageBasicPage() override;

  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;

  // The page's commit: stores its controls and resizes the stage when the size changed.
  void ApplySize();
  void UpdateEnables();
  // The labels read what the edits show, not the bound data.
  void UpdateUndoEstimate();
  void UpdateHiddenWidths();
  // The layer at the background list's current row; null on the end row or with no row.
  cEdBackground* CurrentBackground();

  cCtrlSet m_Ctrls;
  cChkVector<std::string> m_vBgmNames;
  // The background list edits the page's own copy of the stage's layers; the commit stores it.
  cCtrlBind<cListCtrl<cEdBackground>, cListParam<cEdBackground>> m_BgList;
  cChkVector<cEdBackground> m_vBackground;
  cBackgroundDlg* m_lpBgDlg = nullptr;  // while the background dialog runs
  // The size the edits are bound to: the stage's when the page was made, the stage itself only
  // at a commit.
  int32_t m_nWidthCopy = 0;
  int32_t m_nHeightCopy = 0;
  // Set by OK or Apply: only a sheet that stored something starts the undo history afresh.
  bool m_bCommitted = false;

 private:
  int32_t Typed(uint16_t wId);
  void SetLabel(uint16_t wId, const char* pszFormat, ...);
  void PlayBgm();
  // The list's buttons, notifications, keys and popup items.
  void OnBgListCommand(WPARAM wParam);
  void OnBgListRightClick();
};

class cStageSettingSheet : public cSlotSheet<cPropSheet> {
 public:
  using cSlotSheet::cSlotSheet;

  // Makes the pages and shows the sheet; false (nothing shown) when that fails.
  bool Create();
  // Stores every page, twice.
  void Commit();

  cStageBasicPage* m_lpBasic = nullptr;
  cStageAdvancedPage* m_lpAdvanced = nullptr;
  cStageAdvanced2Page* m_lpAdvanced2 = nullptr;
};

// The stage window's stage-settings command: hides and disables the registered windows, deletes
// the sheet still held and opens a new one. When the sheet closes, the window's
// OnStageSettingsClosed gives everything back.
void OpenStageSettingSheet(cStageWnd* lpWnd);
