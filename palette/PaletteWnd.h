// A palette window: one of the six tool windows beside the stage window from which the author
// picks what to place. It draws the entries of one palette (common or stage; blocks, characters
// or items) eight to a row, makes a clicked entry the brush, opens an entry's data sheet on a
// right click, and carries the toolbar of the placing tools and of the right-click mode.
//
// Six objects of this one class live at a time, so the class keeps six static pointers and six
// static dialog procedures, one per (palette, record kind).
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "app/Dialog.h"
#include "base/ChkContainer.h"
#include "model/Block.h"
#include "model/Chara.h"
#include "model/Item.h"

class cPropSheet;
class cWndPlacement;

class cPaletteWnd : public cDialog {
 public:
  enum { PALETTE_COMMON = 0, PALETTE_STAGE = 1 };
  enum { CELL = 32, COLUMNS = 8, VIEW_W = CELL * COLUMNS, MIN_VIEW_H = 32, MAX_VIEW_H = 960 };
  // Rows drawn at most per repaint: more than the tallest view shows.
  enum { MAX_ROWS_DRAWN = 30 };
  enum { RCLICK_EDIT = 0, RCLICK_MENU = 1 };

  cPaletteWnd(uint16_t wTemplateId, cWindow* lpParent, int32_t nKind, cWindowList* lpWindowList,
              cChkVector<cEdBlock>* lpPalette, int32_t nPaletteFlag);
  cPaletteWnd(uint16_t wTemplateId, cWindow* lpParent, int32_t nKind, cWindowList* lpWindowList,
              cChkVector<cEdChara>* lpPalette, int32_t nPaletteFlag);
  cPaletteWnd(uint16_t wTemplateId, cWindow* lpParent, int32_t nKind, cWindowList* lpWindowList,
              cChkVector<cEdItem>* lpPalette, int32_t nPaletteFlag);
  ~cPaletteWnd() override;

  void Frame() override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  void OnLButtonDown(WPARAM wParam, LPARAM lParam) override;
  void OnRButtonDown(WPARAM wParam, LPARAM lParam) override;
  LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
  void Draw() override;
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;

  // The window of that palette and record kind, or none.
  static cPaletteWnd* Instance(int32_t nPaletteFlag, int32_t nRecordKind);

  int32_t GetEntryCount() const;
  // Entry under the cursor, unbounded: callers compare it with the count.
  int32_t HitIndex() const;
  void SelectAtCursor();
  void SelectToBrush();
  void OpenEntryData(int32_t nIndex);
  void UpdateScrollBar();
  void FitMaxHeight();
  // Both act on the twin's toolbar: this window's own buttons form a check group.
  void CheckToolButton(int32_t nTool);
  void CheckClickModeButton(int32_t nMode);
  // The status text as last shown.
  const std::string& StatusText() const { return m_strStatus; }

  int32_t m_nScrollRow = 0;
  int32_t m_nPaletteFlag = PALETTE_COMMON;
  int32_t m_nRecordKind = 0;
  cChkVector<cEdBlock>* m_lpvBlock = nullptr;
  cChkVector<cEdChara>* m_lpvChara = nullptr;
  cChkVector<cEdItem>* m_lpvItem = nullptr;
  // The data sheets opened from this window; the window list clears a slot when its sheet closes.
  cPropSheet* m_lpBlockSheet = nullptr;
  cPropSheet* m_lpCharaSheet = nullptr;
  cPropSheet* m_lpItemSheet = nullptr;
  cDialog* m_lpDataMoveDlg = nullptr;
  cWndPlacement* m_lpPlace = nullptr;
  HMENU m_hPopupMenu = nullptr;

 private:
  void Init(int32_t nPaletteFlag, int32_t nRecordKind);
  void InitialPosition();
  void ComputeInitialPosition();
  void CreateBars();
  void PlaceView();
  int32_t Rows() const;
  int32_t MaxClientHeight() const;
  void OnSize();
  void OnWheel(WPARAM wParam);
  void SetStatusText(const std::string& str);
  // Opens the data sheet of the record kind for the edit target just set. The data sheets join
  // the palette windows later; until then nothing opens and no window is disabled.
  void OpenDataSheet();
  // The entry popup menu at the cursor for an entry; the entry commands join later.
  void OpenEntryMenu(int32_t nIndex);
  cPaletteWnd* Twin() const;
  void CheckButtons(const uint16_t* pIds, int nCount, int nChecked);

  std::string m_strStatus;
  HMENU m_hPopupRes = nullptr;
  POINT m_ptInitial = {NO_POS, NO_POS};

  template <int F, int K>
  static LRESULT CALLBACK StaticProcOf(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
  static cPaletteWnd* s_apThis[2][3];
};

// The palette window of one of the stage window's tool-window slots, made for the stage window;
// none for a slot that holds no palette window.
cDialog* NewPaletteWnd(int32_t nToolSlot, cWindow* lpStageWnd);
// After a layer switch both palette windows of that layer show the current placing tool.
void CheckPaletteToolButtons(int32_t nLayer);
// Every palette window's scroll range and height after the palettes may have changed.
void UpdatePaletteScrollBars();
// The idle step's drawing of every palette window that exists.
void DrawAllPaletteWindows();
