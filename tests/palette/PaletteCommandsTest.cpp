// The palette entry commands on the sample project's editor: cut, copy, paste, insert and delete
// through the palette clipboard within and across the common and stage palettes, the popup menu's
// item states, the data count, and the data-move operation with its dialog. Nothing that inherits
// from an entry number is renumbered; it takes its fields from whatever entry has the number.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "stage/FrameWnd.h"
#include "controls/InputDlg.h"
#include "model/Inherit.h"
#include "model/Palette.h"
#include "model/PrjOption.h"
#include "model/Stage.h"
#include "model/StageEditState.h"
#include "palette/DataMoveDlg.h"
#include "palette/PaletteWnd.h"
#include "resources/InputDlgIds.h"
#include "resources/PaletteEntryIds.h"
#include "resources/PaletteIds.h"
#include "stage/StageWnd.h"
#include "support/ModalStep.h"
#include "support/StartedEditor.h"

namespace {

const int32_t C = cPaletteWnd::PALETTE_COMMON;
const int32_t S = cPaletteWnd::PALETTE_STAGE;

// Entries named by their text, each with a graphic so that inheritance applies to it.
void Name(cChkVector<cEdBlock>& v, const std::vector<std::string>& vNames) {
  v.assign(vNames.size(), cEdBlock());
  for (size_t i = 0; i < vNames.size(); ++i) {
    v[static_cast<int>(i)].m_strName = vNames[i];
    v[static_cast<int>(i)].m_nGraphic = i == 0 ? 0 : 1;
  }
}

std::string Names(const cChkVector<cEdBlock>& v) {
  std::string str;
  for (const cEdBlock& e : v) str += (str.empty() ? "" : " ") + e.m_strName;
  return str;
}

// Inherits the name group only.
cChkVector<uint8_t> NameFlag() {
  cChkVector<uint8_t> v(cEdBlock::INHERIT_GROUPS, 0);
  v[0] = 1;
  return v;
}

class PaletteCommandsTest : public cStartedEditorTest {
 protected:
  void SetUp() override {
    cStartedEditorTest::SetUp();
    if (HasFatalFailure()) return;
    ASSERT_EQ(1, StageEditState.m_bStageOpen);
    Reset();
  }

  static void Reset() {
    // Common c0..c8; stage s0..s7 and an entry that takes its name from common entry 4. A new
    // entry is "D"; a new stage entry takes its name from the common entry of its number.
    PrjOption.m_DefBlock = cEdBlock();
    PrjOption.m_DefBlock.m_strName = "D";
    PrjOption.m_DefBlock.m_nGraphic = 1;
    PrjOption.m_anDefInheritPal[INHERIT_NEW_STAGE_ENTRY][0] = SRC_COMMON;
    PrjOption.DefFlags(INHERIT_NEW_STAGE_ENTRY, 0) = NameFlag();
    Name(CommonPalette.m_vBlock, {"c0", "c1", "c2", "c3", "c4", "c5", "c6", "c7", "c8"});
    Name(Stage.m_vPalBlock, {"s0", "s1", "s2", "s3", "s4", "s5", "s6", "s7", "i"});
    SetInherit(Stage.m_vPalBlock[8], 0, SRC_COMMON, 4, NameFlag());
    ASSERT_EQ("c4", Stage.m_vPalBlock[8].m_strName);
    StageEditState.ClearPaletteClipboard();
    StageEditState.m_nRightClickMode = cPaletteWnd::RCLICK_MENU;
  }

  // The entry picked in a window, then a command of that window.
  static void Do(int32_t nFlag, int32_t nEntry, uint16_t wCommand) {
    StageEditState.m_nBrushPalette = nFlag;
    StageEditState.m_nBrushEntry = nEntry;
    cPaletteWnd* p = cPaletteWnd::Instance(nFlag, 0);
    ASSERT_TRUE(p && p->m_hWnd);
    SendMessageA(p->m_hWnd, WM_COMMAND, wCommand, 0);
  }
  static bool Grayed(int32_t nFlag, uint16_t wId) {
    return (GetMenuState(cPaletteWnd::Instance(nFlag, 0)->m_hPopupMenu, wId, MF_BYCOMMAND) & MF_GRAYED) != 0;
  }
};

struct cStep {
  int32_t nFlag, nEntry;
  uint16_t wCommand;
};

}  // namespace

TEST_F(PaletteCommandsTest, EntryCommandsMoveCopyAndDropEntriesWithoutRenumberingWhatInherits) {
  const cPaletteClipboard& clip = StageEditState.PaletteClipboard;
  struct {
    const char* pszName;
    std::vector<cStep> vSteps;
    const char* pszCommon;
    const char* pszStage;
    int32_t bHasData;
    std::function<void()> fnCheck;
  } const aCases[] = {
      {"cut 5, insert at 2: moved forward",
       {{C, 5, ID_ENTRY_CUT}, {C, 2, ID_ENTRY_INSERT_COPIED}},
       "c0 c1 c5 c2 c3 c4 c6 c7 c8", "s0 s1 s2 s3 s4 s5 s6 s7 c3", 0, nullptr},
      {"cut 2, insert at 6: lands at 6, ends at 5",
       {{C, 2, ID_ENTRY_CUT}, {C, 6, ID_ENTRY_INSERT_COPIED}},
       "c0 c1 c3 c4 c5 c2 c6 c7 c8", "s0 s1 s2 s3 s4 s5 s6 s7 c5", 0, nullptr},
      {"cut in the common palette, insert in the stage palette",
       {{C, 3, ID_ENTRY_CUT}, {S, 2, ID_ENTRY_INSERT_COPIED}},
       "c0 c1 c2 c4 c5 c6 c7 c8", "s0 s1 c3 s2 s3 s4 s5 s6 s7 c5", 0,
       [] { EXPECT_EQ(4, Stage.m_vPalBlock[9].m_nInheritNo); }},
      {"copy 3, delete 3: the clipboard empties",
       {{C, 3, ID_ENTRY_COPY}, {C, 3, ID_ENTRY_DELETE}},
       "c0 c1 c2 c4 c5 c6 c7 c8", "s0 s1 s2 s3 s4 s5 s6 s7 c5", 0,
       [] {
         cPaletteWnd::Instance(C, 0)->SetEntryMenuState(1);
         EXPECT_TRUE(Grayed(C, ID_ENTRY_PASTE));
         EXPECT_TRUE(Grayed(C, ID_ENTRY_INSERT_COPIED));
       }},
      {"copy 7, insert new at 4: the source follows to 8, whose delete empties the clipboard",
       {{C, 7, ID_ENTRY_COPY}, {C, 4, ID_ENTRY_INSERT_NEW}, {C, 8, ID_ENTRY_DELETE}},
       "c0 c1 c2 c3 D c4 c5 c6 c8", "s0 s1 s2 s3 s4 s5 s6 s7 D", 0, nullptr},
      {"a cut is moved, never pasted",
       {{C, 2, ID_ENTRY_CUT}, {C, 4, ID_ENTRY_PASTE}},
       "c0 c1 c2 c3 c4 c5 c6 c7 c8", "s0 s1 s2 s3 s4 s5 s6 s7 c4", 1,
       [] {
         EXPECT_EQ(1, StageEditState.PaletteClipboard.m_bCutPending);
         cPaletteWnd::Instance(C, 0)->SetEntryMenuState(4);
         EXPECT_TRUE(Grayed(C, ID_ENTRY_PASTE));
         EXPECT_FALSE(Grayed(C, ID_ENTRY_INSERT_COPIED));
       }},
      {"pasted stage entry keeps inheriting from the common palette; pasted common entry does not",
       {{S, 8, ID_ENTRY_COPY}, {S, 1, ID_ENTRY_PASTE}, {C, 1, ID_ENTRY_PASTE}},
       "c0 c4 c2 c3 c4 c5 c6 c7 c8", "s0 c4 s2 s3 s4 s5 s6 s7 c4", 1,
       [] {
         EXPECT_EQ(SRC_COMMON, Stage.m_vPalBlock[1].m_nInheritPal);
         EXPECT_EQ(4, Stage.m_vPalBlock[1].m_nInheritNo);
         EXPECT_EQ(SRC_NONE, CommonPalette.m_vBlock[1].m_nInheritPal);
       }},
      {"a new stage entry inherits from the common entry of its number",
       {{S, 3, ID_ENTRY_INSERT_NEW}},
       "c0 c1 c2 c3 c4 c5 c6 c7 c8", "s0 s1 s2 c3 s3 s4 s5 s6 s7 c4", 0, nullptr},
      {"append on the empty entry",
       {{C, 0, ID_ENTRY_APPEND_NEW}, {C, 0, ID_ENTRY_DELETE}},
       "c0 c1 c2 c3 c4 c5 c6 c7 c8 D", "s0 s1 s2 s3 s4 s5 s6 s7 c4", 0,
       [] {
         cPaletteWnd::Instance(C, 0)->SetEntryMenuState(0);
         EXPECT_FALSE(Grayed(C, ID_ENTRY_APPEND_NEW));
         for (uint16_t w : {ID_ENTRY_EDIT, ID_ENTRY_CUT, ID_ENTRY_COPY, ID_ENTRY_INSERT_NEW, ID_ENTRY_DELETE})
           EXPECT_TRUE(Grayed(C, w)) << w;
       }},
      {"append a copy from the stage palette to the common palette",
       {{S, 2, ID_ENTRY_COPY}, {C, 0, ID_ENTRY_APPEND_COPIED}},
       "c0 c1 c2 c3 c4 c5 c6 c7 c8 s2", "s0 s1 s2 s3 s4 s5 s6 s7 c4", 1,
       [] { EXPECT_EQ(2, StageEditState.PaletteClipboard.m_nSrcNo); }},
  };
  for (const auto& c : aCases) {
    SCOPED_TRACE(c.pszName);
    Reset();
    for (const cStep& s : c.vSteps) Do(s.nFlag, s.nEntry, s.wCommand);
    EXPECT_EQ(c.pszCommon, Names(CommonPalette.m_vBlock));
    EXPECT_EQ(c.pszStage, Names(Stage.m_vPalBlock));
    EXPECT_EQ(c.bHasData, clip.m_bHasData);
    if (c.fnCheck) c.fnCheck();
  }
}

TEST_F(PaletteCommandsTest, DeletingTheOnlyAuthorEntryLeavesTheEmptyEntry) {
  Name(CommonPalette.m_vBlock, {"c0", "c1"});
  cPaletteWnd::Instance(C, 0)->UpdateScrollBar();
  Do(C, 1, ID_ENTRY_DELETE);
  EXPECT_EQ("c0", Names(CommonPalette.m_vBlock));
  EXPECT_EQ(0, StageEditState.m_nBrushEntry);
}

TEST_F(PaletteCommandsTest, DataCountResizesAndDropsReferencesPastTheEnd) {
  // The stage palette shrinks, then grows by entries that inherit from the common entries of
  // their numbers.
  cPaletteWnd::Instance(S, 0)->SetDataCount(5);
  EXPECT_EQ("s0 s1 s2 s3 s4 s5", Names(Stage.m_vPalBlock));
  cPaletteWnd::Instance(S, 0)->SetDataCount(7);
  EXPECT_EQ("s0 s1 s2 s3 s4 s5 c6 c7", Names(Stage.m_vPalBlock));
  EXPECT_EQ(SRC_COMMON, Stage.m_vPalBlock[7].m_nInheritPal);
  EXPECT_EQ(7, Stage.m_vPalBlock[7].m_nInheritNo);
  EXPECT_EQ(1, StageEditState.m_bStageChanged);
  // The common palette through the value dialog, which shows the count of the author's entries.
  cPaletteWnd* p = cPaletteWnd::Instance(C, 0);
  std::string strShown;
  {
    cWhenUp<cValueDlg> step([&](cValueDlg* d) {
      strShown = TextOf(d, IDC_INPUT_EDIT);
      Type(d, IDC_INPUT_EDIT, "3");
      Click(d, IDC_INPUT_OK);
    });
    SendMessageA(p->m_hWnd, WM_COMMAND, ID_PALETTE_DATA_COUNT, 0);
    EXPECT_TRUE(step.Ran());
  }
  EXPECT_EQ("8", strShown);
  EXPECT_EQ("c0 c1 c2 c3", Names(CommonPalette.m_vBlock));
  EXPECT_EQ(1, StageEditState.m_bPaletteChanged);
  // The stage entries that inherited from common entries past the end have lost their source and
  // kept what they had taken.
  EXPECT_EQ(SRC_NONE, Stage.m_vPalBlock[7].m_nInheritPal);
  EXPECT_EQ("c7", Stage.m_vPalBlock[7].m_strName);
  EXPECT_TRUE(IsWindowEnabled(FrameWnd.m_lpStageWnd->m_hWnd));
}

TEST(DataMoveTest, MovesCopiesAndDeletesRangesKeepingEntryZero) {
  const std::vector<std::string> vTen = {"e0", "e1", "e2", "e3", "e4", "e5", "e6", "e7", "e8", "e9"};
  struct {
    int32_t nFrom, nTo, nTarget, nOp;
    const char* pszAfter;
  } const aCases[] = {
      {3, 5, 1, DATA_MOVE, "e0 e3 e4 e5 e1 e2 e6 e7 e8 e9"},
      {3, 5, 8, DATA_MOVE, "e0 e1 e2 e6 e7 e3 e4 e5 e8 e9"},
      {3, 5, 3, DATA_MOVE, "e0 e1 e2 e3 e4 e5 e6 e7 e8 e9"},
      {3, 5, 4, DATA_MOVE, "e0 e1 e2 e3 e4 e5 e6 e7 e8 e9"},
      // A target inside the range or right after it is no move; nothing lands before entry 0.
      {3, 5, 6, DATA_MOVE, "e0 e1 e2 e3 e4 e5 e6 e7 e8 e9"},
      {1, 5, 3, DATA_MOVE, "e0 e1 e2 e3 e4 e5 e6 e7 e8 e9"},
      {2, 2, 10, DATA_MOVE, "e0 e1 e3 e4 e5 e6 e7 e8 e9 e2"},
      {2, 3, 2, DATA_COPY_INSERT, "e0 e1 e2 e3 e2 e3 e4 e5 e6 e7 e8 e9"},
      {4, 6, 1, DATA_DELETE, "e0 e1 e2 e3 e7 e8 e9"},
      {5, 3, 1, DATA_MOVE, "e0 e1 e2 e3 e4 e5 e6 e7 e8 e9"},
  };
  for (const auto& c : aCases) {
    SCOPED_TRACE(testing::Message() << c.nFrom << ".." << c.nTo << " -> " << c.nTarget << " op " << c.nOp);
    cChkVector<cEdBlock> v;
    Name(v, vTen);
    ApplyDataMove(v, c.nFrom, c.nTo, c.nTarget, c.nOp);
    EXPECT_EQ(c.pszAfter, Names(v));
  }
}

TEST_F(PaletteCommandsTest, DataMoveDialogAppliesOnOkAndKeepsTheBrushInsideThePalette) {
  cPaletteWnd* p = cPaletteWnd::Instance(C, 0);
  Name(CommonPalette.m_vBlock, {"c0", "c1", "c2", "c3", "c4", "c5", "c6", "c7"});
  struct {
    int32_t nBrush;
    const char* pszFrom;
    const char* pszTo;
    int nOp;
    bool bOk;
    const char* pszAfter;
    int32_t nBrushAfter;
  } const aCases[] = {
      {7, "4", "6", DATA_DELETE, true, "c0 c1 c2 c3 c7", 4},
      {-1, "1", "1", DATA_MOVE, true, "c0 c1 c2 c3 c7", 4},
      {2, "1", "2", DATA_DELETE, false, "c0 c1 c2 c3 c7", 2},
  };
  for (const auto& c : aCases) {
    SCOPED_TRACE(c.pszFrom);
    StageEditState.m_nBrushPalette = C;
    StageEditState.m_nBrushEntry = c.nBrush;
    StageEditState.PaletteClipboard.m_bHasData = 1;
    StageEditState.m_bPaletteChanged = 0;
    bool bTargetEnabled = true;
    cWhenUp<cDataMoveDlg> step([&](cDataMoveDlg* d) {
      Type(d, IDC_MOVE_FROM, c.pszFrom);
      Type(d, IDC_MOVE_TO, c.pszTo);
      Choose(d, IDC_MOVE_OPERATION, c.nOp);
      bTargetEnabled = IsWindowEnabled(GetDlgItem(d->m_hWnd, IDC_MOVE_TARGET)) != 0;
      Click(d, c.bOk ? IDC_MOVE_OK : IDC_MOVE_CANCEL);
    });
    SendMessageA(p->m_hWnd, WM_COMMAND, ID_PALETTE_DATA_MOVE, 0);
    ASSERT_TRUE(step.Ran());
    EXPECT_EQ(c.nOp != DATA_DELETE, bTargetEnabled);
    EXPECT_EQ(c.pszAfter, Names(CommonPalette.m_vBlock));
    EXPECT_EQ(c.nBrushAfter, StageEditState.m_nBrushEntry);
    EXPECT_EQ(c.bOk ? 0 : 1, StageEditState.PaletteClipboard.m_bHasData);
    EXPECT_EQ(c.bOk ? 1 : 0, StageEditState.m_bPaletteChanged);
  }
  EXPECT_EQ(nullptr, p->m_lpDataMoveDlg);
}
