// What the frame window asks of the stage editor beyond the stage window itself: its editing
// state, its undo store, its test-play guard and its stage-load worker.
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
// The frame's WM_DESTROY: the stage-load worker is stopped before the loop ends.
void StopStageLoadThread();
