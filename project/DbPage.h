// The page pattern shared by the ten pages of the database sheet. A page edits one list of the
// database on a working copy: the record list shows the names (numbered, from the page's first
// listed index), the controls on the right edit a copy of the current record, and every change is
// written into the working copy at once. Only the sheet's commit copies the working copy back
// into the database. Pages whose records are files add the file choice and the name taken from
// the file name.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <cstdint>
#include <string>

#include "app/Dialog.h"
#include "app/WindowList.h"
#include "base/ChkContainer.h"
#include "controls/CtrlBind.h"
#include "controls/ListCtrl.h"
#include "project/SysPage.h"
#include "resources/DatabaseSheetIds.h"
#include "resources/ListIds.h"

// The open-file dialog of a page whose records are files.
struct cDbFileChoice {
  const char* pszInitDir;
  const char* pszTitle;
  const char* pszFilter;
  const char* pszExt;
};

// The page-independent steps of the pattern.
// "データ数": asks the number of listed records; 1 with the new number on OK.
int AskDbRecordCount(cDialog* lpPage, cControl* lpAnchor, int32_t* pnCount);
// "参照": the file goes into the path edit, made relative to the project folder.
void BrowseDbFile(cDialog* lpPage, const cDbFileChoice& Choice, cEditStrCtrl* lpPathEdit);
// "ファイル名と同じ": while checked the name edit is disabled and shows the file name of the path
// in the given edit, without its folder and extension (a file name without a dot leaves the name
// as it is).
void ApplyNameFromFile(cSysPageCtrls& Ctrls, uint16_t wPathId);
// The page that stands for the sheet commits on Apply and ends the sheet's session when it goes.
void CommitDatabaseSheet();
void EndDatabaseSession();

template <class R>
void DbRowText(std::string& strText, int, const R& Rec) {
  strText = Rec.m_strName;
}

template <class D, class R>
class cDbPage : public cDialogClass<D> {
 public:
  enum { MAX_LISTED = 999, NAME_CHARS = 12 };

  // nMinRecords: the database list is extended to it at once (Cancel does not undo that).
  cDbPage(uint16_t wTemplateId, cWindow* lpOwner, cWindowList* lpWindowList, cChkVector<R>* lpSrc,
          uint16_t wListId, int32_t nFirst, int32_t nMinRecords)
      : cDialogClass<D>(wTemplateId, lpOwner, cWindow::KIND_PAGE, lpWindowList) {
    while (static_cast<int32_t>(lpSrc->size()) < nMinRecords) lpSrc->push_back(R());
    m_vWork = *lpSrc;
    m_List.m_Param.Set(wListId, lpSrc, &m_vWork, &m_Edit, 1, &DbRowText<R>, 1, 1, MAX_LISTED, nFirst, 1, 0);
    m_Ctrls.Str(IDC_DB_NAME, &m_Edit.m_strName, NAME_CHARS, 1);
    m_Ctrls.Button(IDC_DB_NEW);
    m_Ctrls.Button(IDC_DB_CLEAR);
    m_Ctrls.Button(IDC_DB_COUNT);
  }
  ~cDbPage() override { this->Dispose(); }

  // The commit: a page whose window was never created leaves its database list alone.
  void CommitList() {
    if (this->HasLiveWindow()) m_List.m_Ctrl.CtrlToData();
  }

  void OnInitDialog(WPARAM wParam, LPARAM lParam) override {
    cDialog::OnInitDialog(wParam, lParam);
    HideSysPageView(this);
    this->AttachList(m_List);
    AttachSubList();
    m_Ctrls.AttachAll(this);
    cListCtrl<R>& list = m_List.m_Ctrl;
    list.SetAccelMenu(IDR_ACCEL_REC1, IDR_POPUP_REC1, 0, 1);
    list.SelectOnly(0, 1);
    if (cListCtrlBase* lpSub = SubList()) lpSub->SelectOnly(0, 0);
    this->DataToCtrls();
    PageRules();
    AfterInit();
    this->m_bInit = 1;
  }

  void OnCommand(WPARAM wParam, LPARAM lParam) override {
    if (!this->CheckCommand(wParam)) return;
    cDialog::OnCommand(wParam, lParam);
    cListCtrl<R>& list = m_List.m_Ctrl;
    const WORD wId = LOWORD(wParam), wCode = HIWORD(wParam);
    if (wId == m_List.m_Param.wId && wCode == LBN_SELCHANGE) {
      BeforeRecordLoad();
      list.OnSelChange();
      Refresh();
      AfterRecordLoad();
    } else if (wCode == BN_CLICKED && lParam) {
      if (!OnButton(wId)) {
        this->RedrawList();  // the routing above froze the list
        return;
      }
    }
    if (!OnPageCommand(wId, wCode)) {
      this->RedrawList();
      return;
    }
    // A pasted record is loaded like a selected one.
    const bool bPaste = IsPasteCommand(wId);
    if (bPaste) BeforeRecordLoad();
    if (list.OnAccelKey(wParam) || list.OnPopupCommand(wParam)) {
      Refresh();
      if (bPaste) AfterRecordLoad();
    } else if (cListCtrlBase* lpSub = SubList()) {
      // The sub-list edits the edited record's own vector: the record goes back to its row.
      if (lpSub->OnAccelKey(wParam) || lpSub->OnPopupCommand(wParam)) list.Reselect();
    }
    // Before the page is initialised, showing the record is no change of the author's.
    if (this->m_bInit) {
      PageRules();
      if (this->ChangedCtrlId(wParam)) {
        StoreCtrls();
        list.Reselect();
      }
    }
    this->RedrawList();
    if (!this->m_bInit) return;
    AfterCommand();
    NotifySysPageChanged(this);
  }

  LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override {
    LRESULT r = this->DefProc(hWnd, uMsg, wParam, lParam);
    switch (uMsg) {
      case WM_INITDIALOG:
        return TRUE;
      case WM_DESTROY:
        this->m_bInit = 0;
        if (m_bStandsForSheet) EndDatabaseSession();
        return 1;
      case WM_CONTEXTMENU: {
        if (!this->m_bInit) break;
        POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        cListCtrlBase* lpSub = SubList();
        if (lpSub && reinterpret_cast<HWND>(wParam) == lpSub->m_hWnd) {
          if (lpSub->SelectAtPoint(pt)) this->PopupMenu(lpSub->m_hPopupMenu);
          return 1;
        }
        if (m_List.m_Ctrl.SelectAtPoint(pt)) {
          Refresh();
          this->PopupMenu(m_List.m_Ctrl.m_hPopupMenu);
        }
        return 1;
      }
      case WM_NOTIFY:
        if (AnswerPageNotify(hWnd, lParam, m_bStandsForSheet != 0, [] { CommitDatabaseSheet(); }, [this] {
              if (this->m_bInit) ReloadEdit();
            }))
          return 1;
        break;
      default:
        break;
    }
    if (!r) return 0;
    // The pages with a sample keep it up to date with what the message changed.
    if (this->m_bInit) this->Draw();
    return 1;
  }

  cChkVector<R> m_vWork;
  R m_Edit;
  cCtrlBind<cListCtrl<R>, cListParam<R>> m_List;
  cSysPageCtrls m_Ctrls;

 protected:
  // Pages whose records name a file: the name may follow the file named by the path edit
  // wNamingPathId (the derived constructor calls these).
  void BindNameFromFile(int32_t* pbFlag, uint16_t wNamingPathId) {
    m_wNamingPathId = wNamingPathId;
    m_Ctrls.Check(IDC_DB_NAME_FROM_FILE, pbFlag);
  }
  // A path edit with its "参照" button; a page has at most two.
  void BindPath(const cDbFileChoice* lpChoice, std::string* pstrPath, uint16_t wPathId, uint16_t wBrowseId) {
    m_Ctrls.Path(wPathId, pstrPath);
    m_Ctrls.Button(wBrowseId);
    for (cBrowse& b : m_aBrowse) {
      if (b.lpChoice) continue;
      b = {lpChoice, wBrowseId, wPathId};
      break;
    }
  }
  // The usual file page: name from file, path 1003 and "参照" 1055.
  void BindFile(const cDbFileChoice* lpChoice) {
    BindNameFromFile(&m_Edit.m_bNameIsFile, IDC_DB_PATH);
    BindPath(lpChoice, &m_Edit.m_strPath, IDC_DB_PATH, IDC_DB_BROWSE);
  }
  void BindPlay() { m_Ctrls.Button(IDC_DB_PLAY); }
  // "再生"; false ends the command there.
  virtual bool Play() { return true; }

  // What a page adds to the pattern.
  // The sub-list bound to a vector inside the edited record, attached after the record list.
  virtual void AttachSubList() {}
  virtual cListCtrlBase* SubList() { return nullptr; }
  // Initialisation's last step before the page counts as initialised.
  virtual void AfterInit() {}
  // The page's own controls, after the pattern's commands; false ends the command there.
  virtual bool OnPageCommand(WORD, WORD) { return true; }
  // Around the loading of another record into the edited record.
  virtual void BeforeRecordLoad() {}
  virtual void AfterRecordLoad() {}
  // The page's own enable rules, after the name-from-file rule.
  virtual void OwnRules() {}
  // After every command of the initialised page.
  virtual void AfterCommand() {}

  // Every control but the list shows the edited record.
  void Refresh() { this->UpdateCtrlsExcept(m_List.m_Param.wId, &m_List.m_Ctrl); }

  int32_t m_bStandsForSheet = 0;

 private:
  struct cBrowse {
    const cDbFileChoice* lpChoice;
    uint16_t wBrowseId;
    uint16_t wPathId;
  };
  cBrowse m_aBrowse[2] = {};
  uint16_t m_wNamingPathId = 0;

  bool IsPasteCommand(WORD wId) const {
    const cListCtrl<R>& list = m_List.m_Ctrl;
    return wId && (wId == list.m_wAccelId[cListCtrlBase::CMD_PASTE] || wId == list.m_wPopupId[cListCtrlBase::CMD_PASTE]);
  }
  void StoreCtrls() {
    for (cControl* c : this->m_vCtrls)
      if (c != &m_List.m_Ctrl) c->CtrlToData();
  }
  void ReloadEdit() {
    cListCtrl<R>& list = m_List.m_Ctrl;
    int n = list.GetCurDataIndex();
    if (n < 0 || n >= static_cast<int>(m_vWork.size())) n = list.m_nFirst;
    if (n < static_cast<int>(m_vWork.size())) m_Edit = m_vWork[n];
  }
  void PageRules() {
    if (m_wNamingPathId) ApplyNameFromFile(m_Ctrls, m_wNamingPathId);
    OwnRules();
  }
  bool OnButton(WORD wId) {
    cListCtrl<R>& list = m_List.m_Ctrl;
    switch (wId) {
      case IDC_DB_NEW:
        list.New();
        Refresh();
        break;
      case IDC_DB_CLEAR:
        list.Clear();
        Refresh();
        break;
      case IDC_DB_COUNT: {
        int32_t nCount = static_cast<int32_t>(m_vWork.size()) - list.m_nFirst;
        if (AskDbRecordCount(this, m_Ctrls.Find(IDC_DB_COUNT), &nCount)) {
          BeforeRecordLoad();
          list.SetCount(nCount);
          Refresh();
          AfterRecordLoad();
        }
        break;
      }
      case IDC_DB_PLAY:
        return Play();
      default:
        for (const cBrowse& b : m_aBrowse)
          if (b.lpChoice && b.wBrowseId == wId) BrowseDbFile(this, *b.lpChoice, m_Ctrls.Edit(b.wPathId));
        break;
    }
    return true;
  }
};
