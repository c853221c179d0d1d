// A small page for the list tests: a database-style list of small records (multiple selection,
// numbered, 1 to 999 listed, element 0 hidden, end row) bound to a source vector through a working
// copy and an editor record, beside a single-selection sub-list; with the owner duties that every
// page carries out for its lists (selection changes, buttons, keys and popup commands, right
// clicks, restoring the selection after each command).
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ListTestIds.h"
#include "app/Dialog.h"
#include "app/WindowList.h"
#include "controls/CtrlBind.h"
#include "controls/ListCtrl.h"
#include "resources/ListIds.h"
#include "support/AnswerWhenUp.h"
#include "support/TestSupport.h"

struct cSmall {
  std::string m_strName;
  int32_t m_nValue = 0;
  cSmall() {}
  cSmall(const char* psz, int32_t n) : m_strName(psz), m_nValue(n) {}
  void SetDefault() { *this = cSmall(); }
  bool operator==(const cSmall& o) const { return m_strName == o.m_strName && m_nValue == o.m_nValue; }
};

typedef cChkVector<cSmall> cSmallVector;

void SmallRowText(std::string& str, int nIndex, const cSmall& e);
// n listed records "r1".."rn" (values 1 to n) after a hidden element 0.
cSmallVector SmallRecords(int n);

// The element dialog: answers itself with the set answer once it is up.
class cElemDlg : public cDialogClass<cElemDlg> {
 public:
  template <class... A>
  explicit cElemDlg(A... args) : cDialogClass<cElemDlg>(args...) {}
  ~cElemDlg() override { Dispose(); }
  LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;

  static int s_nAnswer;     // IDOK or IDCANCEL
  static int s_nOpened;     // dialogs shown
  static std::function<void()> s_fnOnOk;
};

class cListTestDlg : public cDialogClass<cListTestDlg> {
 public:
  // The source holds element 0 (hidden) and the listed elements.
  explicit cListTestDlg(cSmallVector* lpSrc);
  ~cListTestDlg() override { Dispose(); }

  LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;

  // Shows the page modeless, registered in the window list.
  bool Open();

  cSmallVector m_vWork;
  cSmall m_Edit;
  cSmallVector m_vSub;
  cCtrlBind<cListCtrl<cSmall>, cListParam<cSmall>> m_BindA;
  cCtrlBind<cListCtrl<cSmall>, cListParam<cSmall>> m_BindB;
  cListCtrl<cSmall>& m_ListA = m_BindA.m_Ctrl;
  cListCtrl<cSmall>& m_ListB = m_BindB.m_Ctrl;
  cElemDlg* m_lpElemDlg = nullptr;
  // Popups the right click would have opened (the menu itself is not tracked unless asked).
  std::vector<HMENU> m_vPopups;
  bool m_bTrackPopup = false;
  std::vector<int> m_vResults;
};

// Test helpers on a list box.
std::vector<int> SelectedRows(HWND hList);
// Selects the rows in the list box as the user would and tells the owner.
void UserSelect(cDialog& dlg, cListCtrlBase& list, const std::vector<int>& vRows, int nCaret);
// Counts the beeps of refused operations while alive.
class cBeepCounter {
 public:
  cBeepCounter();
  ~cBeepCounter();
  int Count() const { return s_nBeeps; }

 private:
  static int s_nBeeps;
  static void Beep() { ++s_nBeeps; }
  ListBeepFn m_pfnPrev;
};
