// Every dialog template shows its captions whole in the dialog's own font, and nothing in it
// crosses a group box's frame or lies on a caption. Each template is created as it is, with a
// dialog procedure that does nothing, and measured; the captions a dialog takes from its tables
// are shown in turn, and the command palettes, whose buttons are captioned as they open, are
// measured open.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "app/WindowList.h"
#include "flow/CmdPaletteDlg.h"
#include "model/EffectKindTables.h"
#include "model/MoveShot.h"
#include "resources/CmdDialogIds.h"
#include "resources/DatabaseSheetIds.h"
#include "resources/DbEditIds.h"
#include "resources/ShotCmdIds.h"
#include "support/AnswerWhenUp.h"
#include "support/CaptionFit.h"
#include "support/TestSupport.h"

namespace {

INT_PTR CALLBACK InertProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR pszName, LONG_PTR lParam) {
  auto* pv = reinterpret_cast<std::vector<std::string>*>(lParam);
  pv->push_back(IS_INTRESOURCE(pszName) ? "#" + std::to_string(reinterpret_cast<UINT_PTR>(pszName))
                                        : std::string(pszName));
  return TRUE;
}

std::vector<std::string> TemplateNames() {
  std::vector<std::string> v;
  EnumResourceNamesA(GetModuleHandleA(nullptr), RT_DIALOG, &CollectName, reinterpret_cast<LONG_PTR>(&v));
  return v;
}

LPCSTR ResourceName(const std::string& str) {
  return str[0] == '#' ? MAKEINTRESOURCEA(std::stoi(str.substr(1))) : str.c_str();
}

class DialogCaptionsTest : public testing::Test {
 protected:
  void SetUp() override {
    InitCommonControls();
    // Child templates (sheet pages, data pages) need a parent; it never shows.
    m_hHost = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1200, 900, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(m_hHost);
  }
  void TearDown() override { DestroyWindow(m_hHost); }

  // Creates each template and collects what the check finds, each line led by the template.
  std::vector<std::string> EveryTemplate(std::vector<std::string> (*fnCheck)(HWND)) {
    std::vector<std::string> vFound;
    for (const std::string& strName : TemplateNames()) {
      HWND hDlg = CreateDialogParamA(GetModuleHandleA(nullptr), ResourceName(strName), m_hHost, &InertProc, 0);
      if (!hDlg) {
        vFound.push_back("template " + strName + " cannot be created");
        continue;
      }
      for (const std::string& s : fnCheck(hDlg)) vFound.push_back("template " + strName + ": " + s);
      DestroyWindow(hDlg);
    }
    return vFound;
  }

  HWND m_hHost = nullptr;
};

// One failure per line, in the program's own text (a string comparison would print escapes).
void ExpectNone(const std::vector<std::string>& v) {
  for (const std::string& line : v) ADD_FAILURE() << line;
}

// The palette as it opens, measured before it closes again.
template <class P>
std::vector<std::string> OpenPaletteCut(uint16_t wTemplate) {
  std::vector<std::string> vCut;
  cEdCommand cmd;
  cCmdEditInfo info{&cmd, 1};
  P pal(wTemplate, nullptr, cWindow::KIND_DIALOG, &info, &WindowList, static_cast<cControl*>(nullptr), 0);
  cAnswerWhenUp<P> look([&](P* p) {
    vCut = caption_fit::CutCaptions(p->m_hWnd);
    for (const std::string& s : caption_fit::Overlaps(p->m_hWnd)) vCut.push_back(s);
    PostMessageA(p->m_hWnd, WM_CLOSE, 0, 0);
  });
  EXPECT_EQ(0, pal.DoModal(0));
  return vCut;
}

}  // namespace

TEST_F(DialogCaptionsTest, TheMeasureFindsCutCaptions) {
  // Sizes in pixels around one caption's own extent in the host's font.
  HFONT hFont = reinterpret_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  HDC hDC = GetDC(m_hHost);
  HGDIOBJ hOld = SelectObject(hDC, hFont);
  SIZE ext;
  GetTextExtentPoint32A(hDC, "ABCDEFGH", 8, &ext);
  SelectObject(hDC, hOld);
  ReleaseDC(m_hHost, hDC);
  struct cCase {
    const char* pszClass;
    DWORD dwStyle;
    int nWidth, nHeight;
    bool bCut;
  } cases[] = {
      {"STATIC", SS_LEFT, ext.cx, ext.cy, false},
      {"STATIC", SS_LEFT, ext.cx - 2, ext.cy, true},
      {"STATIC", SS_LEFT, ext.cx, ext.cy - 2, true},
      {"STATIC", SS_BLACKRECT, 1, 1, false},  // no caption to show
      {"BUTTON", BS_PUSHBUTTON, ext.cx, ext.cy, false},
      {"BUTTON", BS_PUSHBUTTON, ext.cx - 2, ext.cy + 4, true},
      {"BUTTON", BS_AUTOCHECKBOX | BS_PUSHLIKE, ext.cx, ext.cy, false},  // no box beside the text
      {"BUTTON", BS_AUTOCHECKBOX, ext.cx + 24, ext.cy, false},
      {"BUTTON", BS_AUTOCHECKBOX, ext.cx + 4, ext.cy, true},  // the box takes room
      {"BUTTON", BS_GROUPBOX, ext.cx + 14, 4, false},  // a title's height is free
      {"BUTTON", BS_GROUPBOX, ext.cx + 4, 40, true},
  };
  for (const cCase& c : cases) {
    HWND h = CreateWindowExA(0, c.pszClass, "ABCDEFGH", WS_CHILD | c.dwStyle, 0, 0, c.nWidth, c.nHeight,
                             m_hHost, nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
    EXPECT_EQ(c.bCut, !caption_fit::CutCaptions(m_hHost).empty())
        << c.pszClass << " style " << c.dwStyle << " " << c.nWidth << "x" << c.nHeight;
    DestroyWindow(h);
  }
}

TEST_F(DialogCaptionsTest, TheOverlapCheckFindsCrossedFramesAndCoveredCaptions) {
  struct cPart {
    const char* pszClass;
    const char* pszText;
    DWORD dwStyle;
    RECT rc;
  };
  const cPart group = {"BUTTON", "Group", BS_GROUPBOX, {0, 0, 200, 100}};
  struct cCase {
    const char* pszWhat;
    std::vector<cPart> vParts;
    bool bCrossed;
  } cases[] = {
      {"text inside the frame", {group, {"STATIC", "Note", SS_LEFT, {10, 40, 80, 55}}}, false},
      {"text under the bottom frame", {group, {"STATIC", "Note", SS_LEFT, {10, 90, 80, 105}}}, true},
      {"text on the title", {group, {"STATIC", "Note", SS_LEFT, {10, 2, 80, 17}}}, true},
      {"group inside a group", {group, {"BUTTON", "Inner", BS_GROUPBOX, {10, 30, 190, 90}}}, false},
      {"picture on a caption",
       {{"STATIC", "Note", SS_LEFT, {10, 40, 80, 55}}, {"STATIC", "", SS_BLACKRECT, {5, 40, 30, 70}}},
       true},
      {"picture beside a short caption",
       {{"STATIC", "Note", SS_LEFT, {10, 40, 200, 55}}, {"STATIC", "", SS_BLACKRECT, {150, 40, 170, 70}}},
       false},
      {"picture on an edit", {{"EDIT", "", 0, {10, 40, 80, 55}}, {"STATIC", "", SS_BLACKRECT, {5, 40, 30, 70}}}, false},
  };
  for (const cCase& c : cases) {
    std::vector<HWND> vMade;
    for (const cPart& p : c.vParts) {
      vMade.push_back(CreateWindowExA(0, p.pszClass, p.pszText, WS_CHILD | WS_VISIBLE | p.dwStyle, p.rc.left,
                                      p.rc.top, p.rc.right - p.rc.left, p.rc.bottom - p.rc.top, m_hHost,
                                      nullptr, GetModuleHandleA(nullptr), nullptr));
    }
    EXPECT_EQ(c.bCrossed, !caption_fit::Overlaps(m_hHost).empty()) << c.pszWhat;
    for (HWND h : vMade) DestroyWindow(h);
  }
}

TEST_F(DialogCaptionsTest, EveryCaptionFitsItsControl) {
  // A check that finds no templates would pass on nothing.
  EXPECT_GE(TemplateNames().size(), 100u);
  ExpectNone(EveryTemplate(&caption_fit::CutCaptions));
}

TEST_F(DialogCaptionsTest, NothingCrossesAGroupFrameOrLiesOnACaption) {
  ExpectNone(EveryTemplate(&caption_fit::Overlaps));
}

// Captions a dialog takes from a table as a kind or pattern is chosen: every text each control
// may show, shown in turn.
struct cTableCaptions {
  uint16_t wTemplate;
  std::vector<int> vIds;  // the controls of one row of the table
  std::vector<std::string> vTexts;  // row after row
};

std::vector<std::string> ParamRows(const cEffectParamInfo* pTable, int nEntries) {
  std::vector<std::string> v;
  for (int i = 0; i < nEntries; ++i) v.push_back(pTable[i].m_strCaption);
  return v;
}

std::vector<std::string> NoteRows(const char* const* ppszNotes, int nKinds) {
  return std::vector<std::string>(ppszNotes, ppszNotes + nKinds);
}

TEST_F(DialogCaptionsTest, CaptionsTakenFromTablesFitTheirControls) {
  const std::vector<int> vForm = {IDC_SH_FORM_CAPTION1, IDC_SH_FORM_CAPTION2, IDC_SH_FORM_CAPTION3};
  const std::vector<int> vType = {IDC_SH_TYPE_CAPTION1, IDC_SH_TYPE_CAPTION2, IDC_SH_TYPE_CAPTION3};
  const std::vector<int> vEffectIds = {IDC_DB_PARAM1_CAPTION, IDC_DB_PARAM2_CAPTION, IDC_DB_PARAM3_CAPTION,
                                       IDC_DB_PARAM4_CAPTION, IDC_DB_PARAM5_CAPTION};
  const std::vector<std::string> vFormTexts = ParamRows(ShotFormationParams, SHOT_FORMATIONS * 3);
  const cTableCaptions tables[] = {
      {IDD_CMD_SHOT, vForm, vFormTexts},
      {IDD_CMD_SHOT, vType, ParamRows(ShotMoveTypeParams, SHOT_MOVE_TYPES * 3)},
      {IDD_CMD_BLOCK_SUMMON, vForm, vFormTexts},
      {IDD_CMD_CHARA_SUMMON, vForm, vFormTexts},
      {IDD_CMD_ITEM_SUMMON, vForm, vFormTexts},
      {IDD_DB_CHARA_EFFECT, vEffectIds, ParamRows(CharaEffectParams, (CHARA_EFFECT_KINDS + 1) * EFFECT_PARAMS)},
      {IDD_DB_SCR_EFFECT, vEffectIds, ParamRows(ScrEffectParams, (SCR_EFFECT_KINDS + 1) * EFFECT_PARAMS)},
      {IDD_DB_CHARA_EFFECT, {IDC_DB_KIND_NOTE}, NoteRows(CharaEffectNotes, CHARA_EFFECT_KINDS)},
      {IDD_DB_SCR_EFFECT, {IDC_DB_KIND_NOTE}, NoteRows(ScrEffectNotes, SCR_EFFECT_KINDS)},
  };
  for (const cTableCaptions& t : tables) {
    HWND hDlg = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(t.wTemplate), m_hHost, &InertProc, 0);
    ASSERT_TRUE(hDlg) << t.wTemplate;
    for (size_t i = 0; i < t.vTexts.size(); ++i) {
      SetDlgItemTextA(hDlg, t.vIds[i % t.vIds.size()], t.vTexts[i].c_str());
      for (const std::string& s : caption_fit::CutCaptions(hDlg)) {
        ADD_FAILURE() << "template " << t.wTemplate << ": " << s;
      }
    }
    DestroyWindow(hDlg);
  }
}

TEST_F(DialogCaptionsTest, CommandPaletteButtonsShowTheirKindsWhole) {
  ExpectNone(OpenPaletteCut<cCmdPaletteDlg>(IDD_CMD_PALETTE));
  ExpectNone(OpenPaletteCut<cItemCmdPaletteDlg>(IDD_ITEM_CMD_PALETTE));
}
