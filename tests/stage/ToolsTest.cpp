// The placing tools and the area selection on a stage alone: what each tool places, where it
// stops, what its undo step covers, that one player stays, and the area copied, cut, cleared
// and turned round.
#include <gtest/gtest.h>

#include <memory>
#include <tuple>
#include <vector>

#include "model/Stage.h"
#include "model/StageEditState.h"
#include "stage/Tools.h"
#include "support/TestSupport.h"

namespace {

uint64_t PlentyOfMemory() { return uint64_t(1) << 40; }

class cTestHost : public cToolHost {
 public:
  void PushUndo(int32_t nMask) override {
    StageEditState.PushSnapshot(nMask, StageEditState.m_Undo, Stage.m_vBlockGrid, Stage.m_vCharaGrid,
                                Stage.m_vItemGrid);
    StageEditState.m_Redo.m_nCount = 0;
    m_vMasks.push_back(nMask);
  }
  void EditCell() override { ++m_nEdits; }

  std::vector<int32_t> m_vMasks;
  int32_t m_nEdits = 0;
};

cEdBlock Block(int16_t n) {
  cEdBlock b;
  b.m_nGraphic = n;
  return b;
}
cEdItem Item(int16_t n) {
  cEdItem i;
  i.m_nGraphic = n;
  return i;
}
cEdChara Chara(int16_t n, bool bPlayer = false) {
  cEdChara c;
  c.m_nGraphic = n;
  c.m_nControl = bPlayer ? 0 : 1;
  return c;
}

class ToolsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_pfnOld = SetFreeMemFn(PlentyOfMemory);
    Stage.Reset();  // 20 x 15
    Stage.m_nUndoDepth = 3;
    StageEditState.Reset();
    StageEditState.AllocUndo(3, Stage.m_nPitch, Stage.m_nHeight);
  }
  void TearDown() override {
    StageEditState.ClearUndo();
    StageEditState.Reset();
    Stage.Reset();
    SetFreeMemFn(m_pfnOld);
  }
  // The view's mouse message at a cell; a move drags with the left button held.
  void Mouse(UINT uMsg, int32_t x, int32_t y, bool bShift = false, bool bLHeld = true) {
    cToolContext ctx = Context(x, y, bShift, bLHeld);
    RouteViewMouse(ctx, uMsg);
  }
  void Key(WPARAM wKey, int32_t x, int32_t y, bool bShift = false) {
    cToolContext ctx = Context(x, y, bShift, false);
    cAreaSelect::OnKey(ctx, wKey);
  }
  cToolContext Context(int32_t x, int32_t y, bool bShift, bool bLHeld) {
    return cToolContext{Stage, StageEditState, m_Host, x, y, bShift, bLHeld};
  }
  void Drag(int32_t nTool, int32_t x0, int32_t y0, int32_t x1, int32_t y1, bool bShift = false) {
    StageEditState.SetTool(nTool);
    Mouse(WM_LBUTTONDOWN, x0, y0, bShift);
    Mouse(WM_MOUSEMOVE, x1, y1, bShift);
    Mouse(WM_LBUTTONUP, x1, y1, bShift, false);
  }
  void RightDrag(int32_t x0, int32_t y0, int32_t x1, int32_t y1, bool bShift = false) {
    Mouse(WM_RBUTTONDOWN, x0, y0, bShift, false);
    Mouse(WM_MOUSEMOVE, x1, y1, bShift, false);
  }
  // A brush of W x H blocks numbered row by row from n.
  void BlockBrush(int32_t nW, int32_t nH, int16_t n = 1) {
    StageEditState.m_nBrushWidth = nW;
    StageEditState.m_nBrushHeight = nH;
    StageEditState.m_vBrushBlock.clear();
    for (int32_t i = 0; i < nW * nH; ++i) StageEditState.m_vBrushBlock.push_back(Block(static_cast<int16_t>(n + i)));
  }
  static int16_t B(int32_t x, int32_t y) { return Stage.m_vBlockGrid[Stage.CellIndex(x, y)].m_nGraphic; }
  static int16_t I(int32_t x, int32_t y) { return Stage.m_vItemGrid[Stage.CellIndex(x, y)].m_nGraphic; }
  static cEdChara& C(int32_t x, int32_t y) { return Stage.m_vCharaGrid[Stage.CellIndex(x, y)]; }
  static int32_t CountBlocks() {
    int32_t n = 0;
    for (const cEdBlock& b : Stage.m_vBlockGrid) n += b.m_nGraphic != 0;
    return n;
  }
  static int32_t CountPlayers() {
    int32_t n = 0;
    for (const cEdChara& c : Stage.m_vCharaGrid) n += c.m_nGraphic != 0 && c.m_nControl == 0;
    return n;
  }
  void Undo() { StageEditState.Undo(Stage.m_vBlockGrid, Stage.m_vCharaGrid, Stage.m_vItemGrid); }

  cTestHost m_Host;
  FreeMemFn m_pfnOld = nullptr;
};

TEST_F(ToolsTest, PenStampsTheBrushWhileHeldClippedAtTheEdgeAndUndoesAsOneStep) {
  BlockBrush(2, 2);
  Mouse(WM_LBUTTONDOWN, 3, 3);
  EXPECT_EQ(1, StageEditState.m_bStageChanged);
  EXPECT_EQ((std::vector<int16_t>{1, 2, 3, 4}), (std::vector<int16_t>{B(3, 3), B(4, 3), B(3, 4), B(4, 4)}));
  Mouse(WM_MOUSEMOVE, 18, 13);
  Mouse(WM_MOUSEMOVE, 19, 14);  // only the brush's top-left cell is on the stage
  EXPECT_EQ(1, B(19, 14));
  EXPECT_EQ(2, B(19, 13));  // from the stamp before
  Mouse(WM_MOUSEMOVE, 10, 10, false, false);  // a move with the button up places nothing
  EXPECT_EQ(0, B(10, 10));
  EXPECT_EQ(8, CountBlocks());
  // The press pushed one step of all three layers, even without Shift.
  EXPECT_EQ(std::vector<int32_t>{UNDO_ALL}, m_Host.m_vMasks);
  Undo();
  EXPECT_EQ(0, CountBlocks());
}

TEST_F(ToolsTest, ShiftPlacesEveryLayersBrushAndALayerWithoutThatCellIsLeftAlone) {
  BlockBrush(2, 1, 5);
  StageEditState.m_vBrushItem.assign(1, Item(9));  // one cell only
  Mouse(WM_LBUTTONDOWN, 0, 0, true);
  EXPECT_EQ(5, B(0, 0));
  EXPECT_EQ(6, B(1, 0));
  EXPECT_EQ(9, I(0, 0));
  EXPECT_EQ(0, I(1, 0));
}

TEST_F(ToolsTest, LineWalksCellByCellWithTheBrushRowRepeated) {
  struct {
    int32_t x0, y0, x1, y1, nW;
    std::vector<std::tuple<int32_t, int32_t, int32_t>> vCells;
  } aCases[] = {
      {0, 0, 3, 0, 2, {{0, 0, 0}, {1, 0, 1}, {2, 0, 0}, {3, 0, 1}}},
      {4, 4, 1, 1, 1, {{4, 4, 0}, {3, 3, 0}, {2, 2, 0}, {1, 1, 0}}},
      // Released on its start cell: that cell twice, the second time with the next column.
      {2, 2, 2, 2, 3, {{2, 2, 0}, {2, 2, 1}}},
  };
  for (const auto& c : aCases) {
    std::vector<std::tuple<int32_t, int32_t, int32_t>> v;
    WalkLine(c.x0, c.y0, c.x1, c.y1, c.nW, [&](int32_t x, int32_t y, int32_t n) { v.emplace_back(x, y, n); });
    EXPECT_EQ(c.vCells, v) << c.x0 << "," << c.y0 << " -> " << c.x1 << "," << c.y1;
  }
  std::vector<int32_t> vX;
  WalkLine(0, 0, 400, 0, 1, [&](int32_t x, int32_t, int32_t) { vX.push_back(x); });
  ASSERT_EQ(200u, vX.size());
  EXPECT_EQ(199, vX.back());
}

TEST_F(ToolsTest, LineToolPlacesOnReleaseAndPushesTheCurrentLayerOrAllWithShift) {
  BlockBrush(1, 1, 7);
  Drag(1, 1, 1, 4, 1);
  for (int32_t x = 1; x <= 4; ++x) EXPECT_EQ(7, B(x, 1)) << x;
  EXPECT_EQ(4, CountBlocks());
  EXPECT_EQ(0, StageEditState.m_bDragging);
  Drag(1, 0, 5, 0, 6, true);
  EXPECT_EQ((std::vector<int32_t>{UNDO_BLOCK, UNDO_ALL}), m_Host.m_vMasks);
  Undo();
  Undo();
  EXPECT_EQ(0, CountBlocks());
}

TEST_F(ToolsTest, RectangleTilesFromItsTopLeftWhicheverWayItIsDragged) {
  BlockBrush(2, 2);
  Drag(2, 2, 2, 4, 4);
  std::vector<int16_t> vForward;
  for (int32_t y = 2; y <= 4; ++y)
    for (int32_t x = 2; x <= 4; ++x) vForward.push_back(B(x, y));
  EXPECT_EQ((std::vector<int16_t>{1, 2, 1, 3, 4, 3, 1, 2, 1}), vForward);
  EXPECT_EQ(9, CountBlocks());
  Undo();
  ASSERT_EQ(0, CountBlocks());
  Drag(2, 4, 4, 2, 2);
  std::vector<int16_t> vBack;
  for (int32_t y = 2; y <= 4; ++y)
    for (int32_t x = 2; x <= 4; ++x) vBack.push_back(B(x, y));
  EXPECT_EQ(vForward, vBack);
  // Over the stage's corner: what is off the stage is skipped.
  Drag(2, 18, 13, 25, 20);
  EXPECT_EQ(1, B(18, 13));
  EXPECT_EQ(4, B(19, 14));
}

TEST_F(ToolsTest, FillCoversALargeEmptyLayerWithoutRecursion) {
  // Three layers of a quarter of a million cells: no undo store on top of that here.
  Stage.m_nUndoDepth = 0;
  StageEditState.ClearUndo();
  ASSERT_EQ(1, Stage.SetSize(512, 512, 0, 0));
  BlockBrush(1, 1, 5);
  StageEditState.SetTool(3);
  Mouse(WM_LBUTTONDOWN, 300, 200);
  EXPECT_EQ(512 * 512, CountBlocks());
  EXPECT_EQ(5, B(0, 0));
  EXPECT_EQ(5, B(511, 511));
}

TEST_F(ToolsTest, FillStopsAtDifferentCellsTilesFromTheClickAndUndoesItsLayerOnly) {
  for (int32_t y = 0; y < Stage.m_nHeight; ++y) Stage.m_vBlockGrid[Stage.CellIndex(10, y)] = Block(9);
  Stage.m_vItemGrid[0] = Item(3);
  BlockBrush(2, 1);
  StageEditState.SetTool(3);
  Mouse(WM_LBUTTONDOWN, 3, 0, true);  // Shift does not widen the fill
  EXPECT_EQ(1, B(3, 0));
  EXPECT_EQ(2, B(4, 0));
  EXPECT_EQ(2, B(2, 0));
  EXPECT_EQ(1, B(3, 7));
  EXPECT_EQ(9, B(10, 5));
  EXPECT_EQ(0, B(11, 5));
  EXPECT_EQ(15 + 10 * 15, CountBlocks());
  EXPECT_EQ(std::vector<int32_t>{UNDO_BLOCK}, m_Host.m_vMasks);
  // A brush equal to what is there: every cell is visited once and the fill ends.
  StageEditState.m_vBrushBlock.assign(1, Block(9));
  StageEditState.m_nBrushWidth = 1;
  Mouse(WM_LBUTTONDOWN, 10, 0);
  EXPECT_EQ(9, B(10, 14));
  Undo();
  Undo();
  EXPECT_EQ(15, CountBlocks());
  EXPECT_EQ(3, I(0, 0));
}

// A fill's cells share its brush record in the grid; the file holds every cell as if each had been
// written on its own, a carrying character's link to the item of its own cell included, and so
// does the stage after the fill is undone and redone.
TEST_F(ToolsTest, AFilledLayerSavesAsTheSameCellsWrittenOneByOne) {
  cTempDir dir;
  const int16_t ITEM_AT[][2] = {{0, 0}, {5, 3}, {19, 14}, {7, 7}};
  cEdChara carrier = Chara(4);
  carrier.m_bHoldItem = 1;
  carrier.m_strName = "はこびや";
  // The reference: the same cells each given a record of its own.
  std::unique_ptr<cEdStage> pRef(new cEdStage);
  pRef->m_nUndoDepth = 3;
  for (auto& a : ITEM_AT) pRef->m_vItemGrid.Unwatched(pRef->CellIndex(a[0], a[1])) = Item(2);
  for (int32_t y = 0; y < pRef->m_nHeight; ++y)
    for (int32_t x = 0; x < pRef->m_nWidth; ++x) pRef->m_vCharaGrid.Unwatched(pRef->CellIndex(x, y)) = carrier;
  ASSERT_TRUE(pRef->Save(dir.File("ref.stg4_778").c_str()));
  const std::vector<unsigned char> vWant = ReadFileBytes(dir.File("ref.stg4_778"));

  for (auto& a : ITEM_AT) Stage.m_vItemGrid.Unwatched(Stage.CellIndex(a[0], a[1])) = Item(2);
  StageEditState.SelectLayer(LAYER_CHARA);
  StageEditState.m_vBrushChara.assign(1, carrier);
  StageEditState.SetTool(3);
  Mouse(WM_LBUTTONDOWN, 2, 2);
  EXPECT_EQ(300u, Stage.m_vCharaGrid.SharingCells());
  // Undone, the cells keep what the empty record does not hold, emptied, and share it.
  Undo();
  for (int32_t i = 0; i < static_cast<int32_t>(Stage.m_vCharaGrid.size()); ++i)
    ASSERT_FALSE(Stage.m_vCharaGrid.Placed(i)) << i;
  EXPECT_EQ(299u, Stage.m_vCharaGrid.SharingCells());
  auto redo = [] { StageEditState.Redo(Stage.m_vBlockGrid, Stage.m_vCharaGrid, Stage.m_vItemGrid); };
  redo();
  EXPECT_EQ(300u, Stage.m_vCharaGrid.SharingCells());
  ASSERT_TRUE(Stage.Save(dir.File("filled.stg4_778").c_str()));
  EXPECT_EQ(vWant, ReadFileBytes(dir.File("filled.stg4_778")));
  // Saved, every cell has a record of its own; undone and redone, the same again.
  Undo();
  redo();
  ASSERT_TRUE(Stage.Save(dir.File("redone.stg4_778").c_str()));
  EXPECT_EQ(vWant, ReadFileBytes(dir.File("redone.stg4_778")));
}

TEST_F(ToolsTest, OnlyOnePlayerStaysWhateverTheToolPlacesIt) {
  StageEditState.SetLayer(LAYER_CHARA);
  StageEditState.m_vBrushChara.assign(1, Chara(4, true));
  Mouse(WM_LBUTTONDOWN, 1, 1);
  Mouse(WM_LBUTTONDOWN, 5, 5);
  EXPECT_EQ(1, CountPlayers());
  EXPECT_EQ(4, C(5, 5).m_nGraphic);
  EXPECT_EQ(0, C(1, 1).m_nGraphic);
  // A line and a fill of players leave one as well.
  Drag(1, 0, 8, 6, 8);
  EXPECT_EQ(1, CountPlayers());
  StageEditState.SetTool(3);
  Mouse(WM_LBUTTONDOWN, 0, 0);
  EXPECT_EQ(1, CountPlayers());
}

TEST_F(ToolsTest, ParameterEditFindsTheLayerThatHoldsAnElement) {
  const int32_t n = Stage.CellIndex(2, 2);
  EXPECT_EQ(-1, FindEditLayer(Stage, LAYER_BLOCK, n));
  Stage.m_vItemGrid[n] = Item(1);
  Stage.m_vBlockGrid[n] = Block(1);
  EXPECT_EQ(LAYER_ITEM, FindEditLayer(Stage, LAYER_CHARA, n));  // the character layer looks at items first
  Stage.m_vCharaGrid[n] = Chara(1);
  EXPECT_EQ(LAYER_BLOCK, FindEditLayer(Stage, LAYER_BLOCK, n));  // its own layer when it holds one
  Stage.m_vBlockGrid[n] = cEdBlock();
  EXPECT_EQ(LAYER_CHARA, FindEditLayer(Stage, LAYER_BLOCK, n));  // characters before items
  Stage.m_vItemGrid[n] = cEdItem();
  EXPECT_EQ(LAYER_CHARA, FindEditLayer(Stage, LAYER_ITEM, n));
  // The tool and a right double click with any tool ask for the cell's sheet.
  StageEditState.SetTool(4);
  Mouse(WM_LBUTTONDOWN, 2, 2);
  StageEditState.SetTool(0);
  Mouse(WM_RBUTTONDBLCLK, 2, 2, false, false);
  EXPECT_EQ(2, m_Host.m_nEdits);
}

TEST_F(ToolsTest, RightDragCopiesTheAreaIntoTheBrush) {
  for (int32_t x = 2; x <= 4; ++x) Stage.m_vBlockGrid[Stage.CellIndex(x, 3)] = Block(static_cast<int16_t>(x));
  Stage.m_vItemGrid[Stage.CellIndex(4, 3)] = Item(8);
  StageEditState.m_vBrushItem.assign(1, Item(1));
  StageEditState.SetTool(1);
  StageEditState.m_nLineX = -1;
  RightDrag(4, 3, 2, 2);
  EXPECT_EQ(TOOL_KIND_AREA, StageEditState.m_nToolGroup);
  EXPECT_EQ(-1, StageEditState.m_nBrushEntry);
  Mouse(WM_LBUTTONDOWN, 5, 5);  // the tools get nothing while an area is held
  EXPECT_EQ(-1, StageEditState.m_nLineX);
  Mouse(WM_RBUTTONUP, 2, 2, false, false);
  EXPECT_EQ(1, StageEditState.m_nToolGroup);
  EXPECT_EQ(0, StageEditState.m_bDragging);
  EXPECT_EQ(3, StageEditState.m_nBrushWidth);
  EXPECT_EQ(2, StageEditState.m_nBrushHeight);
  std::vector<int16_t> v;
  for (const cEdBlock& b : StageEditState.m_vBrushBlock) v.push_back(b.m_nGraphic);
  EXPECT_EQ((std::vector<int16_t>{0, 0, 0, 2, 3, 4}), v);
  EXPECT_EQ(1u, StageEditState.m_vBrushItem.size());  // other layers only with Shift
  // With Shift every layer; a click without moving takes one cell.
  Mouse(WM_RBUTTONDOWN, 4, 3, true, false);
  Mouse(WM_RBUTTONUP, 4, 3, true, false);
  EXPECT_EQ(1, StageEditState.m_nBrushWidth * StageEditState.m_nBrushHeight);
  EXPECT_EQ(8, StageEditState.m_vBrushItem[0].m_nGraphic);
  EXPECT_EQ(4, StageEditState.m_vBrushBlock[0].m_nGraphic);
}

TEST_F(ToolsTest, CutClearAndTurnRoundActWhileTheAreaIsHeld) {
  for (int32_t x = 2; x <= 3; ++x) {
    Stage.m_vBlockGrid[Stage.CellIndex(x, 2)] = Block(static_cast<int16_t>(x));
    Stage.m_vItemGrid[Stage.CellIndex(x, 2)] = Item(7);
  }
  Key('D', 3, 2);  // no area: nothing
  EXPECT_EQ(2, CountBlocks());
  // D: the area goes into the brush and off the stage; the release copies nothing more.
  RightDrag(2, 2, 3, 2);
  Key('D', 3, 2);
  EXPECT_EQ(0, CountBlocks());
  EXPECT_EQ(7, I(2, 2));  // without Shift only the current layer
  EXPECT_EQ(1, StageEditState.m_bStageChanged);
  Mouse(WM_RBUTTONUP, 3, 2, false, false);
  ASSERT_EQ(2u, StageEditState.m_vBrushBlock.size());
  EXPECT_EQ(3, StageEditState.m_vBrushBlock[1].m_nGraphic);
  EXPECT_EQ(0, StageEditState.m_bDragging);
  Undo();
  EXPECT_EQ(2, CountBlocks());
  // Q with Shift: every layer cleared, the selection goes on and its release copies the
  // emptied area.
  RightDrag(2, 2, 3, 2, true);
  Key('Q', 3, 2, true);
  EXPECT_EQ(0, I(3, 2));
  EXPECT_EQ(TOOL_KIND_AREA, StageEditState.m_nToolGroup);
  Mouse(WM_RBUTTONUP, 3, 2, true, false);
  EXPECT_EQ(0, StageEditState.m_vBrushBlock[1].m_nGraphic);
  EXPECT_EQ(UNDO_ALL, m_Host.m_vMasks.back());
  // R: characters whose direction is their own turn round, inherited ones stay.
  StageEditState.SetLayer(LAYER_CHARA);
  C(5, 5) = Chara(1);
  C(6, 5) = Chara(1);
  C(6, 5).m_bbInherit[5] = 1;
  RightDrag(5, 5, 6, 5);
  Key('R', 6, 5);
  EXPECT_EQ(1, C(5, 5).m_bFaceRight);
  EXPECT_EQ(0, C(6, 5).m_bFaceRight);
  Key('R', 6, 5);
  EXPECT_EQ(0, C(5, 5).m_bFaceRight);
}

}  // namespace
