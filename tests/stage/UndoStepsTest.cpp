// The undo store keeps only the cells an edit changes; it must give back exactly what whole-layer
// copies of the grids would. Each case runs a tool, edits again, undoes and redoes, and after every
// step compares the stage cell by cell with a model that keeps full copies of the three layers.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "model/Stage.h"
#include "model/StageEditState.h"
#include "stage/Tools.h"
#include "support/TestSupport.h"

namespace {

uint64_t PlentyOfMemory() { return uint64_t(1) << 40; }

// Whole-layer snapshots with the restore rule of the store: a cell that held an element comes back
// whole, a cell that was empty only has its graphic number cleared.
struct cFullCopy {
  int32_t nMask;
  cChkVector<cEdBlock> vBlock;
  cChkVector<cEdChara> vChara;
  cChkVector<cEdItem> vItem;
};

class cFullCopyModel {
 public:
  explicit cFullCopyModel(int32_t nDepth) : m_nDepth(nDepth) {}
  void Push(int32_t nMask, bool bRedo = false) {
    std::deque<cFullCopy>& s = bRedo ? m_Redo : m_Undo;
    s.push_front(cFullCopy{nMask, Stage.m_vBlockGrid.ToVector(), Stage.m_vCharaGrid.ToVector(), Stage.m_vItemGrid.ToVector()});
    if (static_cast<int32_t>(s.size()) > m_nDepth) s.pop_back();
  }
  void Undo() { Step(m_Undo, true); }
  void Redo() { Step(m_Redo, false); }
  void ClearRedo() { m_Redo.clear(); }
  void Clear() {
    m_Undo.clear();
    m_Redo.clear();
  }
  std::deque<cFullCopy> m_Undo, m_Redo;

  // The stage as the model says it should be.
  cChkVector<cEdBlock> m_vBlock;
  cChkVector<cEdChara> m_vChara;
  cChkVector<cEdItem> m_vItem;

 private:
  template <class T, class G>
  static void Restore(G& grid, const cChkVector<T>& snap) {
    for (int32_t y = 0; y < Stage.m_nHeight; ++y)
      for (int32_t x = 0; x < Stage.m_nWidth; ++x) {
        const int32_t i = Stage.CellIndex(x, y);
        if (snap[i].m_nGraphic != 0)
          grid.data()[i] = snap[i];
        else
          grid.data()[i].m_nGraphic = 0;
      }
  }
  void Step(std::deque<cFullCopy>& from, bool bUndo) {
    if (from.empty()) return;
    cFullCopy top = from.front();
    from.pop_front();
    Push(top.nMask, bUndo);
    m_vBlock = Stage.m_vBlockGrid.ToVector(), m_vChara = Stage.m_vCharaGrid.ToVector(), m_vItem = Stage.m_vItemGrid.ToVector();
    if (top.nMask & UNDO_BLOCK) Restore(m_vBlock, top.vBlock);
    if (top.nMask & UNDO_CHARA) Restore(m_vChara, top.vChara);
    if (top.nMask & UNDO_ITEM) Restore(m_vItem, top.vItem);
  }
  int32_t m_nDepth;
};

class cBothHost : public cToolHost {
 public:
  explicit cBothHost(cFullCopyModel& model) : m_Model(model) {}
  void PushUndo(int32_t nMask) override {
    StageEditState.PushSnapshot(nMask, StageEditState.m_Undo, Stage.m_vBlockGrid, Stage.m_vCharaGrid,
                                Stage.m_vItemGrid);
    StageEditState.m_Redo.m_nCount = 0;
    m_Model.Push(nMask);
    m_Model.ClearRedo();
  }
  void EditCell() override {}
  cFullCopyModel& m_Model;
};

// A record with a graphic number and one more field that tells it apart.
void Mark(cEdBlock& r, int16_t n) { r.m_nFrame = n; }
void Mark(cEdChara& r, int16_t n) { r.m_nOffsetX = n; }
void Mark(cEdItem& r, int16_t n) { r.m_nOffsetX = n; }
template <class T>
T Rec(int16_t nGraphic, int16_t nMark) {
  T r;
  r.m_nGraphic = nGraphic;
  Mark(r, nMark);
  return r;
}

class UndoStepsTest : public ::testing::Test {
 public:
  static constexpr int32_t DEPTH = 3;
  void SetUp() override {
    m_pfnOld = SetFreeMemFn(PlentyOfMemory);
    Stage.Reset();  // 20 x 15
    Stage.m_nUndoDepth = DEPTH;
    StageEditState.Reset();
    StageEditState.AllocUndo(DEPTH, Stage.m_nPitch, Stage.m_nHeight);
    m_Model.Clear();
    // Something on every layer, and an emptied cell that still holds its other fields.
    for (int32_t y = 0; y < Stage.m_nHeight; y += 3)
      for (int32_t x = (y / 3) % 2; x < Stage.m_nWidth; x += 2) {
        const int32_t i = Stage.CellIndex(x, y);
        Stage.m_vBlockGrid.Unwatched(i) = Rec<cEdBlock>(static_cast<int16_t>(1 + x % 3), 7);
        if (x % 4 == 1) Stage.m_vItemGrid.Unwatched(i) = Rec<cEdItem>(3, 2);
      }
    cEdChara enemy = Rec<cEdChara>(5, 1);
    enemy.m_nControl = 1;
    Stage.m_vCharaGrid.Unwatched(Stage.CellIndex(6, 4)) = enemy;
    Stage.m_vCharaGrid.Unwatched(Stage.CellIndex(7, 4)) = Rec<cEdChara>(0, 9);
    Brush(2, 1);
  }
  void TearDown() override {
    StageEditState.ClearUndo();
    StageEditState.Reset();
    Stage.Reset();
    SetFreeMemFn(m_pfnOld);
  }
  // A brush of W x H cells on every layer, numbered from n.
  void Brush(int32_t nW, int32_t nH, int16_t n = 11) {
    cStageEditState& st = StageEditState;
    st.m_nBrushWidth = nW;
    st.m_nBrushHeight = nH;
    st.m_vBrushBlock.clear(), st.m_vBrushChara.clear(), st.m_vBrushItem.clear();
    for (int32_t i = 0; i < nW * nH; ++i) {
      st.m_vBrushBlock.push_back(Rec<cEdBlock>(static_cast<int16_t>(n + i), 1));
      cEdChara c = Rec<cEdChara>(static_cast<int16_t>(n + i), 2);
      c.m_nControl = 1;
      st.m_vBrushChara.push_back(c);
      st.m_vBrushItem.push_back(Rec<cEdItem>(static_cast<int16_t>(n + i), 3));
    }
  }
  cToolContext Context(int32_t x, int32_t y, bool bShift, bool bLHeld) {
    return cToolContext{Stage, StageEditState, m_Host, x, y, bShift, bLHeld};
  }
  void Mouse(UINT uMsg, int32_t x, int32_t y, bool bShift, bool bLHeld = true) {
    cToolContext ctx = Context(x, y, bShift, bLHeld);
    RouteViewMouse(ctx, uMsg);
  }
  void Drag(int32_t nTool, int32_t x0, int32_t y0, int32_t x1, int32_t y1, bool bShift) {
    StageEditState.SetTool(nTool);
    Mouse(WM_LBUTTONDOWN, x0, y0, bShift);
    Mouse(WM_MOUSEMOVE, x1, y1, bShift);
    Mouse(WM_LBUTTONUP, x1, y1, bShift, false);
  }
  void AreaKey(WPARAM wKey, int32_t x0, int32_t y0, int32_t x1, int32_t y1, bool bShift) {
    Mouse(WM_RBUTTONDOWN, x0, y0, bShift, false);
    Mouse(WM_MOUSEMOVE, x1, y1, bShift, false);
    cToolContext ctx = Context(x1, y1, bShift, false);
    cAreaSelect::OnKey(ctx, wKey);
    Mouse(WM_RBUTTONUP, x1, y1, bShift, false);
  }
  // The model works out its expected grids from the stage as it is before the store's step.
  void Undo() {
    m_Model.Undo();
    StageEditState.Undo(Stage.m_vBlockGrid, Stage.m_vCharaGrid, Stage.m_vItemGrid);
  }
  void Redo() {
    m_Model.Redo();
    StageEditState.Redo(Stage.m_vBlockGrid, Stage.m_vCharaGrid, Stage.m_vItemGrid);
  }
  // Copies the stage into the model as the expected state after an edit.
  void Edited() {
    m_Model.m_vBlock = Stage.m_vBlockGrid.ToVector();
    m_Model.m_vChara = Stage.m_vCharaGrid.ToVector();
    m_Model.m_vItem = Stage.m_vItemGrid.ToVector();
  }
  template <class T, class G>
  static int32_t Diffs(const G& grid, const cChkVector<T>& want) {
    int32_t n = 0;
    for (size_t i = 0; i < want.size(); ++i) n += !(grid.Get(static_cast<int>(i)) == want[static_cast<int>(i)]);
    return n;
  }
  void ExpectSame(const std::string& strWhere) {
    EXPECT_EQ(0, Diffs(Stage.m_vBlockGrid, m_Model.m_vBlock)) << strWhere << " blocks";
    EXPECT_EQ(0, Diffs(Stage.m_vCharaGrid, m_Model.m_vChara)) << strWhere << " characters";
    EXPECT_EQ(0, Diffs(Stage.m_vItemGrid, m_Model.m_vItem)) << strWhere << " items";
    EXPECT_EQ(static_cast<int32_t>(m_Model.m_Undo.size()), StageEditState.m_Undo.m_nCount) << strWhere;
    EXPECT_EQ(static_cast<int32_t>(m_Model.m_Redo.size()), StageEditState.m_Redo.m_nCount) << strWhere;
  }

  cFullCopyModel m_Model{DEPTH};
  cBothHost m_Host{m_Model};
  FreeMemFn m_pfnOld = nullptr;
};

struct cEditCase {
  const char* pszName;
  int32_t nLayer;
  bool bShift;
  std::function<void(UndoStepsTest&)> fnEdit;
};

TEST_F(UndoStepsTest, EveryToolUndoesAndRedoesToTheSameGridsAsWholeLayerCopies) {
  typedef UndoStepsTest T;
  const std::vector<cEditCase> aCases = {
      {"pen", LAYER_BLOCK, false, [](T& t) { t.Drag(0, 1, 0, 3, 3, false); }},
      {"pen chara", LAYER_CHARA, false, [](T& t) { t.Drag(0, 6, 4, 7, 4, false); }},
      {"pen shift", LAYER_ITEM, true, [](T& t) { t.Drag(0, 0, 0, 5, 6, true); }},
      {"line", LAYER_BLOCK, false, [](T& t) { t.Drag(1, 0, 1, 12, 9, false); }},
      {"line shift", LAYER_ITEM, true, [](T& t) { t.Drag(1, 19, 0, 0, 14, true); }},
      {"rectangle", LAYER_CHARA, false, [](T& t) { t.Drag(2, 3, 2, 9, 8, false); }},
      {"rectangle shift", LAYER_BLOCK, true, [](T& t) { t.Drag(2, 10, 10, 4, 5, true); }},
      {"fill empty", LAYER_BLOCK, false, [](T& t) { t.Drag(3, 1, 1, 1, 1, false); }},
      {"fill placed", LAYER_BLOCK, false, [](T& t) { t.Drag(3, 0, 0, 0, 0, false); }},
      {"fill chara", LAYER_CHARA, false, [](T& t) { t.Drag(3, 7, 4, 7, 4, false); }},
      {"fill item", LAYER_ITEM, true, [](T& t) { t.Drag(3, 2, 2, 2, 2, true); }},
      {"area cut", LAYER_BLOCK, false, [](T& t) { t.AreaKey('D', 0, 0, 6, 4, false); }},
      {"area clear shift", LAYER_ITEM, true, [](T& t) { t.AreaKey('Q', 2, 2, 9, 9, true); }},
      {"area turn", LAYER_CHARA, false, [](T& t) { t.AreaKey('R', 5, 3, 8, 5, false); }},
      {"clear layer", LAYER_ITEM, false,
       [](T& t) {
         t.m_Host.PushUndo(UNDO_ITEM | UNDO_BLOCK);
         cEdStage::ClearItemGrid(Stage.m_vItemGrid, Stage.m_nPitch * Stage.m_nHeight);
         cEdStage::ClearBlockGrid(Stage.m_vBlockGrid, Stage.m_nPitch * Stage.m_nHeight);
       }},
      {"writes beyond its mask", LAYER_ITEM, false,
       [](T& t) {
         t.m_Host.PushUndo(UNDO_ITEM);
         Stage.m_vItemGrid[Stage.CellIndex(9, 8)] = Rec<cEdItem>(8, 8);
         Stage.m_vBlockGrid[Stage.CellIndex(9, 8)] = Rec<cEdBlock>(8, 8);
         Stage.m_vBlockGrid[Stage.CellIndex(0, 0)] = Rec<cEdBlock>(0, 8);
       }},
      {"sheet writes through its pointer", LAYER_CHARA, false,
       [](T& t) {
         StageEditState.m_lpCharaTarget = &Stage.m_vCharaGrid.Pin(Stage.CellIndex(6, 4));
         t.m_Host.PushUndo(UNDO_CHARA);
         StageEditState.m_lpCharaTarget->m_nOffsetX = 44;
         StageEditState.m_lpCharaTarget = nullptr;
       }},
  };
  for (const cEditCase& c : aCases) {
    TearDown();
    SetUp();
    StageEditState.SelectLayer(c.nLayer);
    Edited();
    // A first edit on another layer, so that steps of different masks lie under the one tested.
    StageEditState.SelectLayer(LAYER_ITEM);
    Drag(0, 8, 8, 9, 8, false);
    Edited();
    StageEditState.SelectLayer(c.nLayer);
    Brush(2, 2, 21);
    c.fnEdit(*this);
    Edited();
    ExpectSame(std::string(c.pszName) + " edit");
    Undo();
    ExpectSame(std::string(c.pszName) + " undo");
    Undo();
    ExpectSame(std::string(c.pszName) + " second undo");
    Redo();
    ExpectSame(std::string(c.pszName) + " redo");
    Redo();
    ExpectSame(std::string(c.pszName) + " second redo");
    Undo();
    ExpectSame(std::string(c.pszName) + " undo after redo");
    // A new edit over the undone one, then past the depth.
    Brush(1, 1, 31);
    c.fnEdit(*this);
    Edited();
    StageEditState.SelectLayer(LAYER_BLOCK);
    Drag(0, 3, 3, 4, 3, true);
    Edited();
    Drag(0, 4, 3, 4, 3, false);
    Edited();
    for (int k = 0; k < DEPTH + 1; ++k) {
      Undo();
      ExpectSame(std::string(c.pszName) + " unwinding " + std::to_string(k));
    }
    for (int k = 0; k < DEPTH + 1; ++k) {
      Redo();
      ExpectSame(std::string(c.pszName) + " rewinding " + std::to_string(k));
    }
  }
}

}  // namespace
