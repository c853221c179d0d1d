// Entry point of the editor.
#include <windows.h>

#include "startup/StartUp.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int) { return AppMain(hInstance); }
