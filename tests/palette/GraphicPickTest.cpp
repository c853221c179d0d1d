// The graphic picker on the sample project's graphic sheets: a click returns the number of the
// cell under it (numbers run down each column first), the close box keeps the caller's number,
// and the character-specific bitmap kind has no picker.
#include <gtest/gtest.h>

#include <windows.h>

#include "controls/GraphicPickDlg.h"
#include "palette/PaletteWnd.h"
#include "support/ModalStep.h"
#include "support/StartedEditor.h"

namespace {

class GraphicPickTest : public cStartedEditorTest {
 protected:
  void SetUp() override {
    cStartedEditorTest::SetUp();
    if (HasFatalFailure()) return;
    m_lpOwner = cPaletteWnd::Instance(0, 0);
    ASSERT_TRUE(m_lpOwner && m_lpOwner->m_hWnd);
  }
  cDialog* m_lpOwner = nullptr;
};

// Puts the cursor over a dot of the picker's view and presses the left button there.
void PressAt(cGraphicPickDlg* p, int x, int y) {
  POINT pt = {p->m_nViewX + x, p->m_nViewY + y};
  ClientToScreen(p->m_hWnd, &pt);
  SetCursorPos(pt.x, pt.y);
  SendMessageA(p->m_hWnd, WM_MOUSEMOVE, 0, 0);
  SendMessageA(p->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
}

}  // namespace

TEST_F(GraphicPickTest, AClickReturnsTheCellNumberDownEachColumnFirst) {
  struct {
    int x, y;
    uint16_t wCell;
  } const aCases[] = {{16, 16, 0}, {16, 48, 1}, {48, 16, 15}, {7 * 32 + 16, 14 * 32 + 16, 119}};
  for (const auto& c : aCases) {
    SCOPED_TRACE(c.wCell);
    uint16_t wResult = 999;
    int32_t nSheet = -1;
    cWhenUp<cGraphicPickDlg> step([&](cGraphicPickDlg* d) {
      nSheet = d->m_nSheet;
      PressAt(d, c.x, c.y);
    });
    EXPECT_EQ(1, PickGraphic(&wResult, 2, m_lpOwner, nullptr));
    ASSERT_TRUE(step.Ran());
    EXPECT_EQ(2, nSheet);
    EXPECT_EQ(c.wCell, wResult);
  }
}

TEST_F(GraphicPickTest, ClosingKeepsTheNumberAndKindsWithoutASheetOfTheirOwn) {
  uint16_t wResult = 7;
  int32_t nSheet = -1;
  {
    cWhenUp<cGraphicPickDlg> step([&](cGraphicPickDlg* d) {
      nSheet = d->m_nSheet;
      SendMessageA(d->m_hWnd, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(0, PickGraphic(&wResult, 3, m_lpOwner, nullptr));
    ASSERT_TRUE(step.Ran());
  }
  EXPECT_EQ(3, nSheet);
  EXPECT_EQ(7, wResult);
  // The character-specific bitmap has no sheet: no picker, nothing changes.
  EXPECT_EQ(0, PickGraphic(&wResult, 4, m_lpOwner, nullptr));
  EXPECT_EQ(7, wResult);
  // The marks' sheet opens only through the picker itself; kinds past the last show the blocks.
  for (int32_t nAsked : {4, 9}) {
    cWhenUp<cGraphicPickDlg> step([&](cGraphicPickDlg* d) {
      nSheet = d->m_nSheet;
      SendMessageA(d->m_hWnd, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(0, RunGraphicPickDlg(&wResult, nAsked, m_lpOwner, nullptr));
    ASSERT_TRUE(step.Ran());
    EXPECT_EQ(nAsked == 4 ? 4 : 0, nSheet);
  }
  {
    cWhenUp<cGraphicPickDlg> step([&](cGraphicPickDlg* d) {
      nSheet = d->m_nSheet;
      SendMessageA(d->m_hWnd, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(0, PickGraphic(&wResult, 6, m_lpOwner, nullptr));
    EXPECT_EQ(0, nSheet);
  }
  EXPECT_EQ(7, wResult);
}
