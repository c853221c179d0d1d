// The project options sheet: a modeless property sheet over PrjOption with the page "全般" (the
// default block, character and item records, the handling of older stage files, the game program
// of test play) and the page "継承のデフォルト" (the source palette and the inherited field groups
// that new and placed palette entries receive). Values reach PrjOption only when OK or Apply
// commits, and the commit writes data\PrjOption.dat.
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

// A combo box whose positions stand for the values of a conversion table (m_pConv, one int32_t
// per item) instead of minimum + position; without a table it is the plain combo box.
class cConvComboCtrl : public cComboCtrl<int32_t> {
 public:
  void DataToCtrl() override;
  void CtrlToData() override;
  // The value of the shown item; -1 with nothing shown.
  int32_t GetConvData() const;

 private:
  const int32_t* Table() const { return static_cast<const int32_t*>(m_pConv); }
};

class cPrjOptionGeneralPage : public cDialogClass<cPrjOptionGeneralPage> {
 public:
  cPrjOptionGeneralPage(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cWindowList* lpWindowList);
  ~cPrjOptionGeneralPage() override;

  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;

  cCtrlSet m_Ctrls;
  // The data sheets opened on the default block, character and item.
  cPropSheet* m_lpDataSheet[3] = {};

 private:
  void UpdateEnable();
  bool BrowseGameProgram();
};

class cPrjOptionInheritPage : public cDialogClass<cPrjOptionInheritPage> {
 public:
  enum { CHECK_COUNT = 183 };

  cPrjOptionInheritPage(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cWindowList* lpWindowList);
  ~cPrjOptionInheritPage() override;

  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;

  cCtrlSet m_Ctrls;
  // The combos that store a table's value are no kind of the set; they attach after it.
  cChkVector<cCtrlBind<cConvComboCtrl, cComboParam<int32_t>>> m_vCombo;
};

// The ids of the inheritance check boxes in binding order (block, character, item; each by
// situation "ステージ", "コモン→配置", "ステージ→配置"; rows in flag order), closed by -1.
extern const int32_t PrjInheritCheckIds[cPrjOptionInheritPage::CHECK_COUNT + 1];
// The combo ids of "継承パレットのデフォルト", index 3 x situation + kind.
extern const int32_t PrjInheritComboIds[9];

class cPrjOptionSheet : public cSlotSheet<cPrjOptionSheet> {
 public:
  using cSlotSheet::cSlotSheet;

  // Makes both pages and shows the sheet; false (nothing shown) when a page cannot be made.
  bool Create();
  // Stores both pages twice in page order, then writes data\PrjOption.dat; the write's result.
  int Save();
  // OK and Apply reach both pages when both were made: the first made one commits for the
  // press, so that a failing file gives one box, not one per page.
  bool CommitsFor(const cDialog* lpPage) const;

  cPrjOptionGeneralPage* m_lpGeneral = nullptr;
  cPrjOptionInheritPage* m_lpInherit = nullptr;
};

// The sheet the stage window opens; null while none is open (the main loop nulls it after close).
extern cPrjOptionSheet* g_lpPrjOptionSheet;

// The stage window's project-options command: hides and disables the registered windows, deletes a
// sheet still held and opens a new one owned by the window.
void OpenPrjOptionSheet(cWindow* lpOwner);

// What the stage window does when the sheet closes (validate the stage, show its tool windows,
// enable the registered windows, redraw the palettes). Until the stage window names its own, the
// registered windows are shown and enabled again. Null restores that; returns the previous one.
typedef void (*PrjOptionClosedFn)();
PrjOptionClosedFn SetPrjOptionClosedFn(PrjOptionClosedFn pfn);

// Opens the data sheet of the block (0), character (1) or item (2) on its project default record,
// owned by the general page, which keeps it.
void OpenDefaultRecordSheet(int nKind, cPrjOptionGeneralPage* lpPage);
