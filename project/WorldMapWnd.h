// The world map editor: a modeless window beside the stage window with a menu, a toolbar, a status
// bar, both scroll bars and a view of 32-dot cells, in which the author paints the global WorldMap
// in place. Only its save command writes "data\WorldMap.dat"; closing with unsaved changes asks,
// and declining reloads the file so the discarded changes do not stay in memory.
#pragma once

#include <cstdint>

#include "app/Dialog.h"
#include "model/WorldMap.h"

class cSurface;
class cChipPaletteWnd;
class cEventPaletteWnd;
class cWmEventDlg;
class cWmSettingDlg;

class cWorldMapWnd : public cDialogClass<cWorldMapWnd> {
 public:
  enum { CELL = 32, DEFAULT_W = 640, DEFAULT_H = 480, MIN_W = 192, MIN_H = 160 };
  enum { MAX_W = 640, MAX_H = 480 };

  cWorldMapWnd(uint16_t wTemplateId, cWindow* lpParent, int32_t nKind, cWindowList* lpWindowList);
  ~cWorldMapWnd() override;

  void Frame() override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
  void Draw() override;
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;

  void ShowToolWindows();
  void HideToolWindows();
  void EnableToolWindows(int32_t bEnable);
  // One undo step of the chip grid and the placed events, taken before every change of them.
  void PushUndo();
  void RedrawPalette();
  void OpenChipPalette();
  void OpenEventPalette();
  // 1 when "data\WorldMap.dat" was written.
  int32_t SaveMap();
  // On closing: false when the author cancels.
  bool ConfirmSave();

  // The view.
  void DrawBack(cSurface& s);
  void DrawChips(cSurface& s);
  void DrawEvents(cSurface& s);
  void DrawCursor(cSurface& s);
  // The current cursor record from a point in view dots (clamped into the view).
  void PointToCell(POINT pt);
  void OnMouse(UINT uMsg, WPARAM wParam, LPARAM lParam);
  // wParam carries the button state of the mouse message.
  void PenTool(UINT uMsg, WPARAM wParam);
  void SelectTool(UINT uMsg);
  // The commands of the context menu of placed events.
  void OnContextCommand(uint16_t wId);
  // Runs the event dialog on the event; 1 on OK.
  int32_t RunEventDlg(cEdWmEvent& event);
  // The event becomes the clipboard of the view and of the event palette's list.
  void ClipEvent(const cEdWmEvent& event);

  cChipPaletteWnd* m_lpChipPalette = nullptr;
  cEventPaletteWnd* m_lpEventPalette = nullptr;
  cWmSettingDlg* m_lpSettingDlg = nullptr;
  cWmEventDlg* m_lpEventDlg = nullptr;
  cEdWmEvent m_NewEvent;
  int32_t m_nScrollX = 0;  // first visible column and row, in cells
  int32_t m_nScrollY = 0;
  HMENU m_hContextMenu = nullptr;

 private:
  HMENU m_hContextRoot = nullptr;
  // The menu cell's cursor record is still on the cursor stack.
  int32_t m_bMenuPushed = 0;

  void CreateBars();
  void PlaceView();
  void UpdateScrollRanges();
  void ReadScroll();
  void UpdateUndoState();
  void UpdateModeState();
  void Undo();
  void Redo();
  void ClearChips();
  void ClearEvents();
  void RunSettings();
  void UpdateStatusText();
  static void OnModeChanged(int32_t nMode);
  void PlaceAt(cEdWmEvent& event, int32_t x, int32_t y);
  void OpenContextMenu();
  void PopMenuCell();
};

// The stage window's world map command: resets the edit state, replaces a window left from
// before, and shows a new one modeless with the other registered windows hidden and disabled.
void OpenWorldMapWnd(cWindow* lpStageWnd, cDialog** ppSlot);
