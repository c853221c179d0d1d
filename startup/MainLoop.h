// The one message loop of the main thread and its idle step. Messages go first to the window
// list (accelerators, closed sheets, dialog navigation); when the queue is empty the loop waits
// while the application is inactive and runs the idle step otherwise.
#pragma once

#include <windows.h>

#include <cstdint>

// Runs until WM_QUIT and returns its wParam.
WPARAM RunMainLoop();
// One idle step; always true.
bool IdleStep();
// The 60 Hz pacing of animated previews: true when the next tick is due (always for 0 fps).
bool WaitFrame(uint32_t nFps);

// What the idle step asks of the editors above the stage window.
// The database sheet is open on one of its animated pages (the idle step then ticks at 60 Hz).
bool AnimePreviewShown();
// The current pages of the data sheets held by the palette windows, then the database preview.
void DrawSheetPreviews();
// The palette windows' hovered-entry texts.
void DrawPaletteWindows();
// The world map editor's window, or none.
HWND WorldMapWindow();
