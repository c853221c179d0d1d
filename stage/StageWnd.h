// The stage window: the editor's visible main window, a modeless dialog on template 104 owned by
// the frame window, with its menu, toolbar, status bar, the view and the two scroll bars. It
// keeps the view origin, draws the open stage, turns the cursor into a stage cell, dispatches
// every command of its menu, toolbar, accelerators and keys, owns the tool windows and the
// editors its commands open, and is called back by each of them when it closes.
#pragma once

#include <cstdint>

#include "app/Dialog.h"

class cPropSheet;
class cSurface;

class cStageWnd : public cDialogClass<cStageWnd> {
 public:
  // View size and position used when nothing else is known.
  enum { DEFAULT_VIEW_W = 640, DEFAULT_VIEW_H = 480, DEFAULT_X = 50, DEFAULT_Y = 50 };
  enum { MIN_VIEW_W = 384, MIN_VIEW_H = 160, MAX_VIEW_W = 640, MAX_VIEW_H = 480, CELL = 32 };
  // The tool windows, in the order they are created.
  enum {
    TOOL_COMMON_BLOCK = 0,
    TOOL_STAGE_BLOCK,
    TOOL_COMMON_CHARA,
    TOOL_STAGE_CHARA,
    TOOL_GROUP,
    TOOL_COMMON_ITEM,
    TOOL_STAGE_ITEM,
    TOOL_COUNT
  };
  // The editors the commands open, one object each.
  enum {
    EDITOR_NEW_STAGE = 0,
    EDITOR_STAGE_OPTIONS,
    EDITOR_WORLD_MAP,
    EDITOR_BITMAP_TOOL,
    DIALOG_EDITOR_COUNT
  };
  enum { SHEET_STAGE_SETTINGS = 0, SHEET_DATABASE, SHEET_SYSTEM, SHEET_PRJ_OPTION, SHEET_COUNT };

  cStageWnd(uint16_t wTemplateId, cWindow* lpParent, int32_t nKind, cWindowList* lpWindowList);
  ~cStageWnd() override;

  void Frame() override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
  void Draw() override;
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;

  // Tool windows.
  void CreateToolWindows();
  void ShowToolWindows();
  void HideToolWindows();
  void ShowBlockWindows();
  void ShowCharaWindows();
  void ShowItemWindows();
  void RedrawPalettes();
  // SC_MINIMIZE: the tool windows are hidden and the frame is minimised in their place.
  void Minimise();

  // Callbacks of the editors this window opens, called when they close.
  void OnBlockDataClosed();
  void OnCharaDataClosed();
  void OnItemDataClosed();
  // bCommitted: OK or Apply stored the sheet; a cancelled sheet keeps the undo history.
  void OnStageSettingsClosed(bool bCommitted);
  void OnWorldMapClosed();
  void OnDatabaseClosed();
  void OnSystemClosed();
  void OnPrjOptionClosed();

  // Menu and toolbar state.
  void UpdateMenu();
  void UpdateToolbar();
  void UpdateUndoButtons();
  void UpdateUndoMenu();
  void UpdateLayerButtons();
  void UpdateLayerMenu();
  void UpdateViewMenu();
  void CheckMenu(uint16_t wId, int32_t bCheck);
  void UpdateTitle();

  // The view.
  // Point relative to the view's origin, in dots; updates the cursor cell (MouseState).
  void MouseToCell(POINT pt);
  // Scroll ranges and pages from the stage size and the view size; the origin re-read.
  void UpdateScrollRanges();
  void ReadViewOrigin();
  void OnMouseWheel(WPARAM wParam);
  void DrawCursor(cSurface& surface);
  void UpdateStatusText();

  // The placing tools and the area selection.
  // Opens the data sheet of the element under the cursor, on another layer when the current
  // one has none there.
  void EditCell();
  // The brush cell of the current layer, or of every layer with Shift, at a view position.
  void DrawBrushCell(cSurface& s, int32_t x, int32_t y, int32_t nBrush);
  void DrawLinePreview(cSurface& s);
  void DrawRectPreview(cSurface& s);
  // Whether a stage cell shows in the view as it is scrolled.
  bool InView(int32_t x, int32_t y) const;

  // Undo.
  void PushUndo(int32_t nMask);
  void PushUndoLayer(int32_t nLayer);
  void EmptyUndo();

  // Stage files (StageFiles.cpp). AskSave: 0 when the author cancels closing. OpenStage and
  // LoadStagePalette: non-zero when something was loaded. SaveStage: non-zero when the stage is on
  // disk; without bSaveAs it writes in place when it can, else it asks for a file.
  int32_t AskSave();
  // The stage's half of AskSave, asked before a changed stage is closed or replaced: 0 when the
  // author cancels or the save asked for did not happen.
  int32_t AskSaveStage();
  // Writes the common palette and clears its changed mark; 0 (after saying so) when it failed.
  int32_t SaveCommonPalette();
  int32_t OpenStage();
  int32_t SaveStage(int32_t bSaveAs);
  int32_t LoadStagePalette();
  int32_t SaveStagePalette();
  // Starts the game program on the stage being edited, or with bWholeGame on the whole game
  // (TestPlay.cpp).
  void TestPlay(int32_t bWholeGame);

  cDialog* m_lpTool[TOOL_COUNT] = {};
  cDialog* m_lpEditor[DIALOG_EDITOR_COUNT] = {};
  cPropSheet* m_lpSheet[SHEET_COUNT] = {};
  int32_t m_nViewCol = 0;  // the stage cell at the view's top-left corner
  int32_t m_nViewRow = 0;
  int32_t m_bMinimised = 0;
  int32_t m_bCreated = 0;

 private:
  void PlaceView();
  void CreateBars();
  void CentreOnPlayer();
  void StoreBarHeights();
  void OnKeyDown(WPARAM wKey);
  void OnMouse(UINT uMsg, WPARAM wParam, LPARAM lParam);
  // The view's mouse message for the tools, once the cursor cell is known.
  void UseTools(UINT uMsg, WPARAM wParam);
  // A line, rectangle or area drag whose cursor has left the view; true when it was abandoned.
  bool ContinueDrag();
  void OnAreaKey(WPARAM wKey);
  // The three data-sheet callbacks, told for one layer.
  void OnDataClosed(int32_t nLayer);
  // Closing of a sheet that shows the stage again and validates what it may have changed.
  void AfterProjectSheet(bool bValidatePalette);
  // Shows the tool windows of one layer and hides the others.
  void ShowLayerWindows(int32_t nLayer);
  bool ToolVisibleByConfig(int32_t nTool) const;
  void ShowTool(int32_t nTool, bool bShow);
  // "Stage replaced": the undo store for the stage as it is now and the rebuild request.
  void StageReplaced();
  void ClearLayers(int32_t nMask, const char* pszQuestion);
  void ToggleView(uint16_t wId);
  void SelectLayerCommand(int32_t nLayer);
  static void OnLayerShown(int32_t nLayer);
};
