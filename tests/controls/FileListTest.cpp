#include <gtest/gtest.h>

#include <memory>

#include "ListTestDlg.h"
#include "support/TestSupport.h"

namespace {

void PathText(std::string& str, int, const std::string& strPath) { FormatStr(str, "%s", strPath.c_str()); }

// The bitmap tool's file list: single selection, 0 to 1000 paths, end row.
class cFileListDlg : public cDialogClass<cFileListDlg> {
 public:
  cFileListDlg() : cDialogClass<cFileListDlg>(IDD_LIST_TEST, nullptr, cWindow::KIND_DIALOG, &WindowList) {
    m_Bind.m_Param.Set(IDC_LIST_B, nullptr, &m_vPaths, nullptr, 0, PathText, 0, 0, 1000, 0, 1, 0);
  }
  ~cFileListDlg() override { Dispose(); }
  LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override {
    LRESULT r = DefProc(hWnd, uMsg, wParam, lParam);
    return uMsg == WM_INITDIALOG ? TRUE : r;
  }
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override {
    cDialog::OnInitDialog(wParam, lParam);
    AttachList(m_Bind);
    m_bInit = 1;
  }
  cChkVector<std::string> m_vPaths;
  cCtrlBind<cListCtrl<std::string>, cListParam<std::string>> m_Bind;
  cListCtrl<std::string>& m_List = m_Bind.m_Ctrl;
};

cChkVector<std::string> Paths(std::initializer_list<const char*> l) {
  cChkVector<std::string> v;
  for (const char* p : l) v.push_back(p);
  return v;
}

}  // namespace

TEST(FileList, PathsAreAddedOnceComparedWithLetterCaseAndClearedToTheEndRow) {
  std::unique_ptr<cFileListDlg> dlg(new cFileListDlg);
  dlg->DoModeless(0, 1);
  ASSERT_NE(nullptr, dlg->m_hWnd);
  cListCtrl<std::string>& list = dlg->m_List;
  list.AddItem("bmp\\a.bmp", 1);
  list.AddItem("bmp\\a.bmp", 1);
  list.AddItem("bmp\\A.bmp", 1);
  list.AddItems(Paths({"bmp\\b.bmp", "bmp\\a.bmp", "bmp\\c.bmp", "bmp\\b.bmp"}), 1);
  EXPECT_EQ(Paths({"bmp\\a.bmp", "bmp\\A.bmp", "bmp\\b.bmp", "bmp\\c.bmp"}), dlg->m_vPaths);
  EXPECT_EQ(5, list.GetCount());
  EXPECT_EQ("bmp\\c.bmp", RowText(list.m_hWnd, 3));
  // Without the unique flag everything is appended.
  list.AddItems(Paths({"x", "x"}), 0);
  list.AddItem("x", 0);
  EXPECT_EQ(7u, dlg->m_vPaths.size());

  list.ResetToCount();
  EXPECT_TRUE(dlg->m_vPaths.empty());
  EXPECT_EQ(1, list.GetCount());
  EXPECT_EQ(std::vector<int>{0}, SelectedRows(list.m_hWnd));
  list.AddItem("bmp\\d.bmp", 1);
  EXPECT_EQ("bmp\\d.bmp", RowText(list.m_hWnd, 0));
}

TEST(FileList, VectorHelpersAnswerMembershipAndAppendToThemselves) {
  cChkVector<std::string> v = Paths({"a", "b"});
  EXPECT_EQ(1, v.Contains("b"));
  EXPECT_EQ(0, v.Contains("B"));
  EXPECT_EQ(0, v.PushUnique("a"));
  EXPECT_EQ(1, v.PushUnique("c"));
  EXPECT_EQ(0, v.AppendUnique(Paths({"a", "c"})));
  v.Append(v);
  EXPECT_EQ(Paths({"a", "b", "c", "a", "b", "c"}), v);
  EXPECT_EQ(1, StrEqual("bmp\\x.bmp", "bmp\\x.bmp"));
  EXPECT_EQ(0, StrEqual("bmp\\x.bmp", "bmp\\x.BMP"));
}
