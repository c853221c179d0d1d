// What the frame window and the idle step ask of the stage editor beyond the stage window
// itself: its editing state, its undo store and test-play guard, and the windows it owns that
// the idle step draws or gives the focus to.
#pragma once

#include <windows.h>

// A stage path is set in the editing state.
bool StagePathSet();
// The undo store allocated again for the open stage's undo depth, pitch and height.
void AllocUndoForStage();
// The game program reported the end of a test play: a new one may start.
void ClearTestPlayGuard();
// The editing state reset, keeping the stage path and the stage-open flag.
void ResetStageEditKeepingStage();
// The cursor-cell state back to one empty record.
void ResetMouseState();
// The database sheet is open on one of its animated pages (the idle step then ticks at 60 Hz).
bool AnimePreviewShown();
// The current pages of the data sheets held by the palette windows, then the database preview.
void DrawSheetPreviews();
// The palette windows' hovered-entry texts.
void DrawPaletteWindows();
// The world map editor's window, or none.
HWND WorldMapWindow();
// The frame's WM_DESTROY: the stage-load worker is stopped before the loop ends.
void StopStageLoadThread();
