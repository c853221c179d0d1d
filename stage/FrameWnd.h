// The frame window: an off-screen top-level window of the class "Kordane4_Editor" that owns the
// stage window, carries the taskbar button, receives the messages that concern the whole
// application, and whose destruction ends the program.
#pragma once

#include <windows.h>

#include <cstdint>

#include "app/Window.h"

class cStageWnd;

// A window made with CreateWindowExA rather than from a dialog template.
class cAppWindow : public cWindow {
 public:
  LRESULT DefProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
  virtual void OnCreate(WPARAM wParam, LPARAM lParam);
};

class cFrameWnd : public cAppWindow {
 public:
  enum { EDITOR_STAGE = 0, EDITOR_WORLDMAP = 1 };

  cFrameWnd() {}
  ~cFrameWnd() override;

  LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
  void OnCreate(WPARAM wParam, LPARAM lParam) override;

  void Init(uint16_t wTemplateId, HWND hParent);
  void CreateStageWindow();
  void RestoreEditor();
  void OnCopyData(WPARAM wParam, const COPYDATASTRUCT* pData);
  void ReloadStageWindow(WPARAM wParam);
  // The stage window's questions before closing (its changed stage and palette, the saves that
  // failed): 0 when the author cancels.
  int32_t AskSaveBeforeEnd();

  // The window class procedure: every message goes to FrameWnd.
  static LRESULT CALLBACK ClassProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

  cStageWnd* m_lpStageWnd = nullptr;
  int32_t m_nActiveEditor = EDITOR_STAGE;

 private:
  void OnActivateApp(WPARAM wParam, LPARAM lParam);
  bool StageWindowReady() const;
};

extern cFrameWnd FrameWnd;

// Class name and title of the frame window.
extern const char* const FRAME_CLASS_NAME;
extern const char* const FRAME_TITLE;
