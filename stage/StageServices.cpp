#include "stage/StageServices.h"

bool StagePathSet() { return false; }

void AllocUndoForStage() {}

void ClearTestPlayGuard() {}

void ResetStageEditKeepingStage() {}

void ResetMouseState() {}

bool AnimePreviewShown() { return false; }

void DrawSheetPreviews() {}

void DrawPaletteWindows() {}

HWND WorldMapWindow() { return nullptr; }
