// The stage window: the editor's visible main window, a modeless dialog on template 104 owned by
// the frame window, with the view and the two scroll bars. This window holds the place of the
// stage editor: it shows the view and takes part in start-up, minimising, restoring, rebuilding
// and closing; the tools, palettes and commands join it with the stage editor.
#pragma once

#include <cstdint>

#include "app/Dialog.h"

class cStageWnd : public cDialogClass<cStageWnd> {
 public:
  // View size and position used when nothing else is known.
  enum { DEFAULT_VIEW_W = 640, DEFAULT_VIEW_H = 480, DEFAULT_X = 50, DEFAULT_Y = 50 };

  cStageWnd(uint16_t wTemplateId, cWindow* lpParent, int32_t nKind, cWindowList* lpWindowList);
  ~cStageWnd() override;

  LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;

  // Asks to save what changed; false when the author cancels.
  bool SavePrompt();
  void CreateToolWindows();
  void ShowToolWindows();
  void HideToolWindows();
  // SC_MINIMIZE: the tool windows are hidden and the frame is minimised in their place.
  void Minimise();

  int32_t m_bMinimised = 0;

 private:
  void PlaceView();
};
