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
  // Entry commands (PaletteCommands.cpp). The numbers are entry numbers of this window's palette;
  // APPEND (999) appends. Each keeps the clipboard's source and the brush on the entries they
  // named before.
  enum { APPEND = 999, MAX_AUTHOR_ENTRIES = 999 };
  void CopyEntry(int32_t nNo);
  void PasteEntry(int32_t nNo);
  void InsertNewEntry(int32_t nNo);
  void InsertCopiedEntry(int32_t nNo);
  void DeleteEntry(int32_t nNo);
  // The popup menu's and the menu bar's entry commands; false for any other command.
  bool OnEntryCommand(uint16_t wId);
  // The popup menu's items as they are to show for entry i.
  void SetEntryMenuState(int32_t nIndex);
  // Gives the palette n author entries (entry 0 comes on top).
  void SetDataCount(int32_t n);
  // What follows every change of the entries: inheritance throughout, the scroll range (with
  // bScrollRange), the stage view and the brush (with bBrush).
  void AfterEntryChange(bool bScrollRange, bool bBrush);
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
  // Opens the data sheet of the record kind for the edit target just set, kept in this window's
  // slot of that kind.
  void OpenDataSheet();
  // The entry popup menu at the cursor for an entry; the entry commands join later.
  void OpenEntryMenu(int32_t nIndex);
  // The menu bar's two commands.
  void AskDataCount();
  void RunDataMove();
  // The palette of another window of this record kind: common or stage.
  void DeleteEntryOf(int32_t nPaletteFlag, int32_t nNo);
  cPaletteWnd* Twin() const;
  void CheckButtons(const uint16_t* pIds, int nCount, int nChecked);

  std::string m_strStatus;
  HMENU m_hPopupRes = nullptr;
  POINT m_ptInitial = {NO_POS, NO_POS};

  template <int F, int K>
  static LRESULT CALLBACK StaticProcOf(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
  static cPaletteWnd* s_apThis[2][3];
};

// Cell 0 of the layer's brush from the selected entry (brush palette and entry index), placed so
// that it inherits from that entry by default; an entry that is gone falls back to entry 0.
void RefreshBrushOfLayer(int32_t nLayer);

// The palette window of one of the stage window's tool-window slots, made for the stage window;
// none for a slot that holds no palette window.
cDialog* NewPaletteWnd(int32_t nToolSlot, cWindow* lpStageWnd);
// After a layer switch both palette windows of that layer show the current placing tool.
void CheckPaletteToolButtons(int32_t nLayer);
// Every palette window's scroll range and height after the palettes may have changed.
void UpdatePaletteScrollBars();
// The idle step's drawing of every palette window that exists.
void DrawAllPaletteWindows();
// The idle step's redraw of the current page of every data sheet a palette window holds (their
// previews follow the controls as they change).
void DrawPaletteSheetPages();
