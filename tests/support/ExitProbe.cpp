// A program that starts the editor in-process in a project folder and ends by returning from main
// without the shut-down, as benchmarks and tools that drive the editor do. The exit tests run it
// and look at what it leaves behind.
//
//   EditorExitProbe <project folder> <how>
//     plain    start, then return
//     second   start, open the demo stage a second time (the stage window is rebuilt), return
//     closed   start, destroy the frame window and let its messages run, then return
//     music    start, play the project's first tune through the ogg library, then return
//
// Before it returns it copies e_data\EditConfig.dat to "<project folder>\probe_config_at_return.dat".
// Every message box is answered (Yes, No or OK by its kind) and written as one line to
// "<project folder>\probe_boxes.txt", so that a box shown while the process ends is seen too.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "app/AppGlobals.h"
#include "app/Bgm.h"
#include "app/MsgBox.h"
#include "app/Paths.h"
#include "stage/FrameWnd.h"
#include "stage/StageWnd.h"
#include "startup/StartUp.h"

namespace {

std::string g_strBoxes;

int RecordBox(HWND, const char* pszText, const char* pszCaption, UINT uType) {
  FILE* f = fopen(g_strBoxes.c_str(), "ab");
  if (f) {
    fprintf(f, "[%s] %s\n", pszCaption ? pszCaption : "", pszText ? pszText : "");
    fclose(f);
  }
  const UINT nKind = uType & MB_TYPEMASK;
  return nKind == MB_YESNO || nKind == MB_YESNOCANCEL ? IDNO : IDOK;
}

int AnswerDemoStage(const cFileDlgAsk& ask) {
  lstrcpynA(ask.pszFile, "data\\stg4\\Sample.stg4_778", ask.nSize);
  return 1;
}

void Drain() {
  MSG msg;
  // The stage window's rebuild waits for its posted message; a few rounds let it through.
  for (int i = 0; i < 20; ++i) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(10);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 10;
  g_strBoxes = std::string(argv[1]) + "\\probe_boxes.txt";
  SetMsgBoxFn(RecordBox);
  if (!SetCurrentDirectoryA(argv[1])) return 11;
  if (!RegisterFrameClass(GetModuleHandleA(nullptr)) || !StartUp()) return 12;
  Drain();
  const std::string strHow = argv[2];
  if (strHow == "second") {
    SetFileDlgFn(AnswerDemoStage);
    if (!FrameWnd.m_lpStageWnd || !FrameWnd.m_lpStageWnd->OpenStage()) return 13;
    Drain();
  } else if (strHow == "closed") {
    if (IsWindow(g_hMainWnd)) DestroyWindow(g_hMainWnd);
    Drain();
  } else if (strHow == "music") {
    // Played on, looping, while the process ends.
    if (!Music.Play(0, 0, 1, 0, 1)) return 14;
  }
  // What the configuration holds as main returns: nothing may write it after this.
  CopyFileA("e_data\\EditConfig.dat", "probe_config_at_return.dat", FALSE);
  return 0;
}
