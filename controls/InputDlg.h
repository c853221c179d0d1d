// The input dialogs every editor uses: a whole number inside a range, one line of text within a
// length limit, and a modeless notice without buttons that stays up while a long operation runs.
// The free functions create the dialog, run it and destroy it again; callers never hold one.
#pragma once

#include <cstdint>
#include <string>

#include "app/Dialog.h"
#include "controls/ButtonCtrl.h"
#include "base/ChkContainer.h"
#include "controls/CtrlBind.h"
#include "controls/EditStrCtrl.h"
#include "controls/EditValCtrl.h"

class cWindowList;

// What the three input dialogs share: their caption, their commands (OK stores and confirms,
// Cancel and the close box cancel) and their initialisation around their own bound control.
template <class T>
class cInputDlgBase : public cDialogClass<T> {
 public:
  using cDialogClass<T>::cDialogClass;
  ~cInputDlgBase() override { this->Dispose(); }

  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;

  std::string m_strCaption;

 protected:
  // Attaches the dialog's bound control; then, after its data is shown, the last touches.
  virtual void AttachOwnCtrls() = 0;
  virtual void AfterDataShown() = 0;
};

class cValueDlg : public cInputDlgBase<cValueDlg> {
 public:
  cValueDlg(cWindow* lpParent, cWindowList* lpWindowList, int32_t* pnValue, int32_t nMin, int32_t nMax,
            const char* pszCaption);
  cValueDlg(cWindow* lpParent, cWindowList* lpWindowList, int32_t* pnValue, int32_t nMin, int32_t nMax,
            const char* pszCaption, int32_t x, int32_t y);
  cValueDlg(cWindow* lpParent, cWindowList* lpWindowList, int32_t* pnValue, int32_t nMin, int32_t nMax,
            const char* pszCaption, cControl* lpAnchor, int32_t bCentre);
  // The window goes before the bound controls it routes to.
  ~cValueDlg() override { Dispose(); }

  int32_t* m_pnValue = nullptr;
  cChkVector<cCtrlBind<cEditValCtrl<int32_t>, cEditValParam<int32_t>>> m_vEditVal;

 protected:
  void AttachOwnCtrls() override { AttachCtrls(m_vEditVal); }
  void AfterDataShown() override;

 private:
  void SetUp(int32_t* pnValue, int32_t nMin, int32_t nMax, const char* pszCaption);
};

class cStringDlg : public cInputDlgBase<cStringDlg> {
 public:
  cStringDlg(cWindow* lpParent, cWindowList* lpWindowList, std::string* pStr, int32_t nMax, int32_t bWide,
             const char* pszCaption);
  cStringDlg(cWindow* lpParent, cWindowList* lpWindowList, std::string* pStr, int32_t nMax, int32_t bWide,
             const char* pszCaption, int32_t x, int32_t y);
  cStringDlg(cWindow* lpParent, cWindowList* lpWindowList, std::string* pStr, int32_t nMax, int32_t bWide,
             const char* pszCaption, cControl* lpAnchor, int32_t bCentre);
  // The window goes before the bound controls it routes to.
  ~cStringDlg() override { Dispose(); }

  std::string* m_pStr = nullptr;
  cChkVector<cCtrlBind<cEditStrCtrl, cEditStrParam>> m_vEditStr;

 protected:
  void AttachOwnCtrls() override { AttachCtrls(m_vEditStr); }
  void AfterDataShown() override;

 private:
  void SetUp(std::string* pStr, int32_t nMax, int32_t bWide, const char* pszCaption);
};

class cNoticeDlg : public cInputDlgBase<cNoticeDlg> {
 public:
  cNoticeDlg(cWindow* lpParent, cWindowList* lpWindowList, const char* pszText, const char* pszCaption,
             int32_t bWait);
  cNoticeDlg(cWindow* lpParent, cWindowList* lpWindowList, const char* pszText, const char* pszCaption,
             int32_t bWait, int32_t x, int32_t y);
  cNoticeDlg(cWindow* lpParent, cWindowList* lpWindowList, const char* pszText, const char* pszCaption,
             int32_t bWait, cWindow* lpAnchor, int32_t bCentre);
  cNoticeDlg(cWindow* lpParent, cWindowList* lpWindowList, const char* pszText, const char* pszCaption,
             int32_t bWait, cControl* lpAnchor, int32_t bCentre);
  // The window goes before the bound controls it routes to.
  ~cNoticeDlg() override { Dispose(); }

  std::string m_strText;
  cChkVector<cCtrlBind<cStaticCtrl, cStaticParam>> m_vStatic;

 protected:
  void AttachOwnCtrls() override { AttachCtrls(m_vStatic); }
  void AfterDataShown() override;

 private:
  void SetUp(const char* pszText, const char* pszCaption, int32_t bWait);
};

// 1 after OK (the value or string then holds what was entered), 0 after Cancel or closing.
int InputValue(cWindow* lpParent, cWindowList* lpWindowList, int32_t* pnValue, int32_t nMin, int32_t nMax,
               const char* pszCaption, cControl* lpAnchor, int32_t bCentre);
int InputValueAt(cWindow* lpParent, cWindowList* lpWindowList, int32_t* pnValue, int32_t nMin, int32_t nMax,
                 const char* pszCaption, int32_t x, int32_t y);
int InputString(cWindow* lpParent, cWindowList* lpWindowList, std::string* pStr, int32_t nMax, int32_t bWide,
                const char* pszCaption, cControl* lpAnchor, int32_t bCentre);
int InputStringAt(cWindow* lpParent, cWindowList* lpWindowList, std::string* pStr, int32_t nMax, int32_t bWide,
                  const char* pszCaption, int32_t x, int32_t y);

// The notice replaces one still open; every other registered window is disabled while it lives.
void ShowNotice(cWindow* lpParent, cWindowList* lpWindowList, const char* pszText, const char* pszCaption,
                cWindow* lpAnchor, int32_t bCentre, int32_t bWait);
void ShowNoticeAt(cWindow* lpParent, cWindowList* lpWindowList, const char* pszText, const char* pszCaption,
                  int32_t x, int32_t y, int32_t bWait);
void ShowNoticeByCtrl(cWindow* lpParent, cWindowList* lpWindowList, const char* pszText, const char* pszCaption,
                      cControl* lpAnchor, int32_t bCentre, int32_t bWait);
void CloseNotice();
