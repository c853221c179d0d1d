// The shell's global objects live in one file so that they are destroyed in a known order: the
// frame (which deletes the stage window, which leaves the window list) before the window list.
#include "stage/FrameWnd.h"
#include "app/WindowList.h"

cWindowList WindowList;
cFrameWnd FrameWnd;
