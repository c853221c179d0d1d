// The modal dialogs of the world map editor: the event dialog edits one event (its name and its
// pages) on a copy that reaches the event only on OK; the settings dialog sets the map's size,
// start cell, background colour and background image.
#pragma once

#include <windows.h>

#include <cstdint>

#include "app/Dialog.h"
#include "controls/ComboCtrl.h"
#include "controls/CtrlBind.h"
#include "controls/ListCtrl.h"
#include "model/WorldMap.h"
#include "project/SysPage.h"

// What the event's opener hands the dialog: the event, and whether it was just made for this run.
struct cWmEventEditInfo {
  cEdWmEvent* lpEvent = nullptr;
  int32_t bNew = 0;
};

class cWmEventDlg : public cDialogClass<cWmEventDlg> {
 public:
  // The anchor is a control or a window.
  template <class A>
  cWmEventDlg(uint16_t wTemplateId, cWindow* lpParent, int32_t nKind, cWmEventEditInfo* lpInfo,
              cWindowList* lpWindowList, A* lpAnchor, int32_t bCentre)
      : cDialogClass<cWmEventDlg>(wTemplateId, lpParent, nKind, lpWindowList, lpAnchor, bCentre) {
    SetUp(lpInfo);
  }
  ~cWmEventDlg() override { Dispose(); }

  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
  void Draw() override;

  // Enables what the shown type, variable and variation allow; a road or wall has no number.
  void EnableRules();
  void DrawSample();

  cEdWmEvent* m_lpEvent;
  cEdWmEvent m_Work;
  cChkVector<cEdWmEventPage> m_vPages;
  cEdWmEventPage m_Page;
  cCtrlBind<cListCtrl<cEdWmEventPage>, cListParam<cEdWmEventPage>> m_List;
  cItemVector m_vGraphicItems;
  cItemVector m_vCondVarItems;
  cItemVector m_vSetVarItems;
  cSysPageCtrls m_Ctrls;

 private:
  cEdWmEvent m_Spare;  // edited when the opener named no event
  void SetUp(cWmEventEditInfo* lpInfo);
  void StoreCtrls();
  void BrowseStage();
  void RenameVar(uint16_t wComboId, uint16_t wButtonId);
  void MakeVarItems();
};

class cWmSettingDlg : public cDialogClass<cWmSettingDlg> {
 public:
  cWmSettingDlg(uint16_t wTemplateId, cWindow* lpParent, int32_t nKind, cWindowList* lpWindowList);
  ~cWmSettingDlg() override { Dispose(); }

  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
  void Draw() override;

  void DrawColourSample();

  // The size is applied by OK only, through a resize of the map.
  int32_t m_nWidth;
  int32_t m_nHeight;
  cSysPageCtrls m_Ctrls;

 private:
  void Commit();
  void BrowseImage();
};
