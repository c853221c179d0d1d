// The placing tools (pen, line, rectangle, fill, parameter edit) and the area selection. Each tool
// is a small object that receives the view's mouse messages through a context: the stage, the
// editing state, the cursor cell, whether Shift is held, and the window around them for undo
// steps, palette redraws and opening a cell's data sheet. Nothing here needs a window, so the
// tools can be driven on a stage alone.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

class cEdStage;
class cStageEditState;

// What the tools ask of the window they work in.
class cToolHost {
 public:
  virtual ~cToolHost() = default;
  // An undo step of the layers of the mask, taken before the grids change.
  virtual void PushUndo(int32_t nMask) = 0;
  virtual void RedrawPalettes() {}
  // Opens the data sheet of the element under the cursor.
  virtual void EditCell() {}
};

struct cToolContext {
  cEdStage& m_Stage;
  cStageEditState& m_St;
  cToolHost& m_Host;
  int32_t m_nX;     // cursor cell
  int32_t m_nY;
  bool m_bShift;    // all three layers
  bool m_bLHeld;    // the left button is down (a mouse move drags)

  bool Inside(int32_t x, int32_t y) const;
  // Copies brush cell nBrush into the grid cell nIndex of the current layer, or of every layer
  // with Shift; a layer whose brush has no such cell is left alone.
  void PutBrushCell(int32_t nIndex, int32_t nBrush);
  // An undo step of all layers with Shift, else of the current layer.
  void PushUndoForEdit();
};

class cTool {
 public:
  virtual ~cTool() = default;
  virtual void OnMouse(cToolContext& ctx, UINT uMsg) = 0;
};

class cPenTool : public cTool {
 public:
  void OnMouse(cToolContext& ctx, UINT uMsg) override;
  // The brush's top-left cell at the cursor, clipped at the stage's right and bottom edge.
  static void Stamp(cToolContext& ctx);
};

class cLineTool : public cTool {
 public:
  // A line is cut off after this many cells.
  enum { MAX_CELLS = 200 };
  void OnMouse(cToolContext& ctx, UINT uMsg) override;
  static void Draw(cToolContext& ctx);
};

class cRectTool : public cTool {
 public:
  void OnMouse(cToolContext& ctx, UINT uMsg) override;
  static void Draw(cToolContext& ctx);
};

class cFillTool : public cTool {
 public:
  void OnMouse(cToolContext& ctx, UINT uMsg) override;
};

class cEditTool : public cTool {
 public:
  void OnMouse(cToolContext& ctx, UINT uMsg) override;
};

// The tool object for a tool number (0 pen .. 4 parameter edit); null for any other.
cTool* ToolFor(int32_t nTool);

// The cells a line from (x0, y0) to (x1, y1) covers, in order, each with its column of the
// brush's first row (0 .. nBrushW - 1, repeating). A line released on its own start cell gives
// that cell twice. Cells outside the stage are reported too; callers skip them.
void WalkLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t nBrushW,
              const std::function<void(int32_t x, int32_t y, int32_t nCol)>& fn);

// Fills the region of cells equal to the one at (x, y) on one layer with the brush, tiled so
// that the clicked cell gets brush cell 0. Walks a queue: the region may be the whole stage.
// False (and nothing filled) when its working memory cannot be had.
bool FloodFill(cEdStage& stage, cStageEditState& st, int32_t nLayer, int32_t x, int32_t y);

// The layer whose element a parameter edit at cell index nIndex opens: the current layer when it
// holds one there, else the first other occupied layer in the order of the current one; -1 when
// the cell is empty on every layer.
int32_t FindEditLayer(const cEdStage& stage, int32_t nLayer, int32_t nIndex);

// The view's mouse message: a left press marks the stage changed; the current tool gets it
// unless an area is being selected; a right double click opens the cell's data sheet and every
// other message goes to the area selection.
void RouteViewMouse(cToolContext& ctx, UINT uMsg);

// The area selection with the right button; the area becomes the brush.
class cAreaSelect {
 public:
  static void OnMouse(cToolContext& ctx, UINT uMsg);
  static void CopyArea(cToolContext& ctx);
  static void ClearArea(cToolContext& ctx);
  static void ReverseArea(cToolContext& ctx);
  // D cuts, Q clears, R turns the area's characters round; only while an area is held.
  // True when the key did something.
  static bool OnKey(cToolContext& ctx, WPARAM wKey);
};
