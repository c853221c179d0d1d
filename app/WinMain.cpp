// Entry point of the editor.
#include <windows.h>

#include "app/StartUp.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int) { return AppMain(hInstance); }
