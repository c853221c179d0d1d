#include "palette/PaletteWnd.h"

#include <commctrl.h>

#include "app/AppGlobals.h"
#include "app/PropSheet.h"
#include "app/TextFormat.h"
#include "controls/CtrlBind.h"
#include "model/DataRecord.h"
#include "model/EditConfig.h"
#include "model/Inherit.h"
#include "model/Palette.h"
#include "model/PrjOption.h"
#include "model/SaveMarks.h"
#include "model/Stage.h"
#include "model/StageEditState.h"
#include "palette/DataSheets.h"
#include "resources/ListIds.h"
#include "resources/PaletteIds.h"
#include "resources/StageIds.h"
#include "app/WindowList.h"
#include "controls/GraphicDraw.h"
#include "stage/StageWnd.h"

namespace {

const char* const TOOLBAR_PEN_BMP = "e_bmp\\ToolBar_Pen.bmp";
const char* const TOOLBAR_PLTEDIT_BMP = "e_bmp\\ToolBar_PltEdit.bmp";

const char* const TITLES[2][3] = {
    {"[コモン]ブロックパレット", "[コモン]キャラパレット", "[コモン]アイテムパレット"},
    {"[ステージ]ブロックパレット", "[ステージ]キャラパレット", "[ステージ]アイテムパレット"}};

const uint16_t TOOL_IDS[] = {ID_TOOL_PEN, ID_TOOL_LINE, ID_TOOL_RECT, ID_TOOL_FILL, ID_TOOL_PARAM};
const int TOOL_COUNT = 5;
const uint16_t MODE_IDS[] = {ID_RCLICK_EDIT, ID_RCLICK_MENU};
const int MODE_COUNT = 2;

// Stage window commands a palette window passes on as they are.
const uint16_t FORWARDED[] = {ID_STAGE_NEW,  ID_STAGE_OPEN, ID_STAGE_SAVE,   ID_STAGE_TESTPLAY,
                              ID_STAGE_REDO, ID_STAGE_UNDO, ID_GAME_TESTPLAY};

const COLORREF FRAME_COLOUR = 0xFFFFFF;
const int WHEEL_NOTCH = 120;
const uint32_t WHEEL_MAX_NOTCHES = 9;

int32_t PlaceIndex(int32_t nPaletteFlag, int32_t nRecordKind) {
  return PLACE_COMMON_BLOCK + nRecordKind * 2 + nPaletteFlag;
}

template <class T>
void DrawEntries(cSurface& s, const cChkVector<T>& v, int32_t nScrollRow) {
  const int32_t n = static_cast<int32_t>(v.size());
  for (int32_t r = 0; r < cPaletteWnd::MAX_ROWS_DRAWN; ++r) {
    for (int32_t c = 0; c < cPaletteWnd::COLUMNS; ++c) {
      int32_t i = c + (nScrollRow + r) * cPaletteWnd::COLUMNS;
      if (i >= n) return;
      DrawEntryGraphic(s, c * cPaletteWnd::CELL, r * cPaletteWnd::CELL, v.data()[i], 0);
    }
  }
}

// Cell 0 of the brush from the selected entry. An entry that is gone falls back to entry 0,
// which is placed as it is; a present entry is placed inheriting from itself by default.
template <class T>
void RefreshBrush(cChkVector<T>& vPal, cChkVector<T>& vBrush, int32_t nRecordKind) {
  cStageEditState& st = StageEditState;
  if (vPal.empty()) return;
  if (vBrush.empty()) vBrush.resize(1);
  if (static_cast<uint32_t>(st.m_nBrushEntry) >= vPal.size()) {
    st.m_nBrushEntry = 0;
    vBrush[0] = vPal[0];
  } else {
    vBrush[0] = vPal[st.m_nBrushEntry];
    int nGroup = st.m_nBrushPalette == cPaletteWnd::PALETTE_COMMON ? INHERIT_PLACE_COMMON
                                                                    : INHERIT_PLACE_STAGE;
    SetInherit(vBrush[0], nRecordKind, PrjOption.m_anDefInheritPal[nGroup][nRecordKind],
               static_cast<int16_t>(st.m_nBrushEntry), PrjOption.DefFlags(nGroup, nRecordKind));
  }
  st.m_nBrushWidth = 1;
  st.m_nBrushHeight = 1;
}

template <class T>
const std::string* EntryName(const cChkVector<T>* v, int32_t i) {
  if (!v || i < 0 || i >= static_cast<int32_t>(v->size())) return nullptr;
  return &v->data()[i].m_strName;
}

}  // namespace

cPaletteWnd* cPaletteWnd::s_apThis[2][3] = {};

template <int F, int K>
LRESULT CALLBACK cPaletteWnd::StaticProcOf(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  cPaletteWnd* p = s_apThis[F][K];
  if (!p) return 0;
  return ProcBarrier([&] { return p->MsgProc(hWnd, uMsg, wParam, lParam); });
}

cPaletteWnd::cPaletteWnd(uint16_t wTemplateId, cWindow* lpParent, int32_t nKind,
                         cWindowList* lpWindowList, cChkVector<cEdBlock>* lpPalette,
                         int32_t nPaletteFlag)
    : cDialog(wTemplateId, lpParent, nKind, lpWindowList) {
  m_lpvBlock = lpPalette;
  Init(nPaletteFlag, 0);
}

cPaletteWnd::cPaletteWnd(uint16_t wTemplateId, cWindow* lpParent, int32_t nKind,
                         cWindowList* lpWindowList, cChkVector<cEdChara>* lpPalette,
                         int32_t nPaletteFlag)
    : cDialog(wTemplateId, lpParent, nKind, lpWindowList) {
  m_lpvChara = lpPalette;
  Init(nPaletteFlag, 1);
}

cPaletteWnd::cPaletteWnd(uint16_t wTemplateId, cWindow* lpParent, int32_t nKind,
                         cWindowList* lpWindowList, cChkVector<cEdItem>* lpPalette,
                         int32_t nPaletteFlag)
    : cDialog(wTemplateId, lpParent, nKind, lpWindowList) {
  m_lpvItem = lpPalette;
  Init(nPaletteFlag, 2);
}

void cPaletteWnd::Init(int32_t nPaletteFlag, int32_t nRecordKind) {
  m_nPaletteFlag = nPaletteFlag ? PALETTE_STAGE : PALETTE_COMMON;
  m_nRecordKind = nRecordKind;
  static const cStaticProc s_aProcs[2][3] = {
      {&StaticProcOf<0, 0>, &StaticProcOf<0, 1>, &StaticProcOf<0, 2>},
      {&StaticProcOf<1, 0>, &StaticProcOf<1, 1>, &StaticProcOf<1, 2>}};
  s_apThis[m_nPaletteFlag][m_nRecordKind] = this;
  m_lpfnStaticProc = s_aProcs[m_nPaletteFlag][m_nRecordKind];
  m_lpPlace = &EditConfig.m_aPlace[PlaceIndex(m_nPaletteFlag, m_nRecordKind)];
  int32_t nHeight = MAX_VIEW_H;
  if (m_lpPlace->m_bValid) {
    nHeight = m_lpPlace->m_nHeight;
    Clamp(nHeight, MIN_VIEW_H, MAX_VIEW_H);
  }
  SetLayout(VIEW_W, nHeight, VIEW_W, MIN_VIEW_H, VIEW_W, MAX_VIEW_H, 0, 1, 1, 1, 0, SCROLL_V);
  InitialPosition();
}

void cPaletteWnd::InitialPosition() {
  ComputeInitialPosition();
  m_ptInitial = m_ptStored;
}

void cPaletteWnd::ComputeInitialPosition() {
  if (m_lpPlace->m_bValid) {
    m_ptStored.x = m_lpPlace->m_nX;
    m_ptStored.y = m_lpPlace->m_nY;
    return;
  }
  HWND hStage = m_hParent;
  RECT rc = {0, 0, 0, 0}, rcCli = {0, 0, 0, 0};
  if (!hStage || !GetWindowRect(hStage, &rc) || !GetClientRect(hStage, &rcCli)) return;
  m_ptStored.x = rc.left + rcCli.right + 8;
  m_ptStored.y = rc.top + 8;
  if (m_nPaletteFlag == PALETTE_STAGE) {
    FitMaxHeight();
    // Below the common palette window of the same kind.
    cPaletteWnd* lpCommon = Instance(PALETTE_COMMON, m_nRecordKind);
    RECT rcCommon;
    if (lpCommon && lpCommon->m_hWnd && GetWindowRect(lpCommon->m_hWnd, &rcCommon))
      m_ptStored.y = rc.top + (rcCommon.bottom - rcCommon.top) + 8;
  }
}

cPaletteWnd::~cPaletteWnd() {
  SafeDelete(m_lpBlockSheet);
  SafeDelete(m_lpCharaSheet);
  SafeDelete(m_lpItemSheet);
  Dispose();
  if (m_hPopupRes) DestroyMenu(m_hPopupRes);
  if (s_apThis[m_nPaletteFlag][m_nRecordKind] == this) s_apThis[m_nPaletteFlag][m_nRecordKind] = nullptr;
}

cPaletteWnd* cPaletteWnd::Instance(int32_t nPaletteFlag, int32_t nRecordKind) {
  if (nPaletteFlag < 0 || nPaletteFlag > 1 || nRecordKind < 0 || nRecordKind > 2) return nullptr;
  return s_apThis[nPaletteFlag][nRecordKind];
}

cPaletteWnd* cPaletteWnd::Twin() const { return Instance(1 - m_nPaletteFlag, m_nRecordKind); }

void cPaletteWnd::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  SetWindowTextA(m_hWnd, TITLES[m_nPaletteFlag][m_nRecordKind]);
  CreateBars();
  // The menu and the bars took room from the client area: the view gets its size back.
  SetClientSize(m_rcRequest.right, m_rcRequest.bottom);
  UpdateScrollBar();
  // The first placement was kept inside the work area at the full height; now that the window
  // has shrunk to its entries it goes where it was meant to be.
  m_ptStored = m_ptInitial;
  Place();
  m_ViewParam.Set(VIEW_CTRL_ID, VIEW_W, MAX_VIEW_H);
  AddBitmapCtrl(&m_ViewCtrl, m_ViewParam);
  PlaceView();
  AddAccel(m_hWnd, IDR_ACCEL_REC1);
  DataToCtrls();
  m_hPopupRes = LoadMenuA(m_hInstance, MAKEINTRESOURCEA(IDR_PALETTE_POPUP));
  m_hPopupMenu = m_hPopupRes ? GetSubMenu(m_hPopupRes, 0) : nullptr;
  m_bInit = 1;
}

void cPaletteWnd::CreateBars() {
  m_hStatusBar = CreateWindowExA(0, STATUSCLASSNAMEA, "DLG_PLT",
                                 WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP | CCS_BOTTOM, 0, 0, 0, 0,
                                 m_hWnd, reinterpret_cast<HMENU>(IDC_PALETTE_STATUS), m_hInstance,
                                 nullptr);
  if (m_hStatusBar) SendMessageA(m_hStatusBar, SB_SIMPLE, TRUE, 0);
  m_strStatus = "DLG_PLT";
  SetStatusText("DLG_PLT");
  m_hMenu = LoadMenuA(m_hInstance, MAKEINTRESOURCEA(IDR_PALETTE_MENU));
  if (m_hMenu) SetMenu(m_hWnd, m_hMenu);
  CreateToolBar(IDC_PALETTE_TOOLBAR);
  const cStageEditState& st = StageEditState;
  static const char* const s_apToolTips[TOOL_COUNT] = {"普通", "直線", "矩形", "塗り潰し",
                                                       "パラメーターの編集"};
  cToolButton aTools[TOOL_COUNT];
  for (int i = 0; i < TOOL_COUNT; ++i)
    aTools[i].Set(i, TOOL_IDS[i], TBSTATE_ENABLED | (st.m_nTool == i ? TBSTATE_CHECKED : 0),
                  BTNS_CHECKGROUP, s_apToolTips[i]);
  AddToolBitmap(aTools, TOOL_COUNT, TOOLBAR_PEN_BMP);
  cToolButton aSep[1];
  aSep[0].Set(0, 0, TBSTATE_ENABLED, BTNS_SEP, "");
  AddToolButtons(aSep, 1);
  static const char* const s_apModeTips[MODE_COUNT] = {"右クリックでパレットデータの編集",
                                                       "右クリックでメニュー"};
  cToolButton aModes[MODE_COUNT];
  for (int i = 0; i < MODE_COUNT; ++i)
    aModes[i].Set(i, MODE_IDS[i],
                  TBSTATE_ENABLED | (st.m_nRightClickMode == i ? TBSTATE_CHECKED : 0),
                  BTNS_CHECKGROUP, s_apModeTips[i]);
  AddToolBitmap(aModes, MODE_COUNT, TOOLBAR_PLTEDIT_BMP);
}

void cPaletteWnd::PlaceView() {
  if (!m_ViewCtrl.m_hWnd) return;
  SetWindowPos(m_ViewCtrl.m_hWnd, nullptr, m_nViewX, m_nViewY, m_nViewW, m_nViewH,
               SWP_NOZORDER | SWP_NOACTIVATE);
  m_ViewCtrl.UpdatePos();
}

int32_t cPaletteWnd::GetEntryCount() const {
  switch (m_nRecordKind) {
    case 0: return m_lpvBlock ? static_cast<int32_t>(m_lpvBlock->size()) : 0;
    case 1: return m_lpvChara ? static_cast<int32_t>(m_lpvChara->size()) : 0;
    case 2: return m_lpvItem ? static_cast<int32_t>(m_lpvItem->size()) : 0;
    default: return 0;
  }
}

int32_t cPaletteWnd::Rows() const {
  int32_t n = GetEntryCount();
  return n <= 0 ? 1 : (n - 1) / COLUMNS + 1;
}

int32_t cPaletteWnd::HitIndex() const {
  return m_Mouse.x / CELL + (m_Mouse.y / CELL + m_nScrollRow) * COLUMNS;
}

void cPaletteWnd::SelectAtCursor() {
  int32_t i = HitIndex();
  if (i < 0 || i >= GetEntryCount()) return;
  StageEditState.m_nBrushPalette = m_nPaletteFlag;
  StageEditState.m_nBrushEntry = i;
  SelectToBrush();
}

void cPaletteWnd::SelectToBrush() { RefreshBrushOfLayer(m_nRecordKind); }

void RefreshBrushOfLayer(int32_t nLayer) {
  cStageEditState& st = StageEditState;
  if (st.m_nBrushEntry == -1) return;
  bool bStage = st.m_nBrushPalette == cPaletteWnd::PALETTE_STAGE;
  switch (nLayer) {
    case 0:
      RefreshBrush(bStage ? Stage.m_vPalBlock : CommonPalette.m_vBlock, st.m_vBrushBlock, 0);
      break;
    case 1:
      RefreshBrush(bStage ? Stage.m_vPalChara : CommonPalette.m_vChara, st.m_vBrushChara, 1);
      break;
    case 2:
      RefreshBrush(bStage ? Stage.m_vPalItem : CommonPalette.m_vItem, st.m_vBrushItem, 2);
      break;
    default:
      break;
  }
}

void cPaletteWnd::OpenEntryData(int32_t nIndex) {
  if (nIndex < 0 || nIndex >= GetEntryCount()) return;
  cStageEditState& st = StageEditState;
  st.m_nBrushPalette = m_nPaletteFlag;
  st.m_nBrushEntry = nIndex;
  st.m_nBrushWidth = 1;
  st.m_nBrushHeight = 1;
  st.m_nEditContext = m_nPaletteFlag == PALETTE_STAGE ? EDIT_STAGE_PALETTE : EDIT_COMMON_PALETTE;
  // The brush is the same whichever button picked the entry: it inherits from the entry.
  SelectToBrush();
  switch (m_nRecordKind) {
    case 0: st.m_lpBlockTarget = &(*m_lpvBlock)[nIndex]; break;
    case 1: st.m_lpCharaTarget = &(*m_lpvChara)[nIndex]; break;
    default: st.m_lpItemTarget = &(*m_lpvItem)[nIndex]; break;
  }
  OpenDataSheet();
}

void cPaletteWnd::OpenDataSheet() {
  switch (m_nRecordKind) {
    case 0:
      OpenBlockDataSheet(this, &m_lpBlockSheet);
      break;
    case 1:
      OpenCharaDataSheet(this, &m_lpCharaSheet);
      break;
    default:
      OpenItemDataSheet(this, &m_lpItemSheet);
      break;
  }
}

void cPaletteWnd::OpenEntryMenu(int32_t nIndex) {
  if (!m_hPopupMenu) return;
  SetEntryMenuState(nIndex);
  PopupMenu(m_hPopupMenu);
}

int32_t cPaletteWnd::MaxClientHeight() const {
  int32_t nMax = Rows() * CELL + g_nToolBarHeight + g_nStatusBarHeight;
  RECT rcWork = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
  int32_t nTop = m_ptStored.y != NO_POS ? m_ptStored.y : 0;
  RECT rc;
  if (m_hWnd && GetWindowRect(m_hWnd, &rc)) nTop = rc.top;
  int32_t nRoom = rcWork.bottom - nTop - m_nFrameTop - m_nFrameBottom;
  if (nMax > nRoom) nMax = nRoom;
  if (nMax < m_rcMinClient.bottom) nMax = m_rcMinClient.bottom;
  return nMax;
}

void cPaletteWnd::FitMaxHeight() {
  m_rcMaxClient.bottom = MaxClientHeight();
  RECT rc;
  if (m_hWnd && GetWindowRect(m_hWnd, &rc) && rc.top < 0) SetPosition(rc.left, 8);
}

void cPaletteWnd::UpdateScrollBar() {
  FitMaxHeight();
  if (m_hWnd) {
    // A window taller than its entries shrinks to them.
    if (m_rcClient.bottom > m_rcMaxClient.bottom) SetClientSize(m_rcClient.right, m_rcMaxClient.bottom);
    POINT pt = GetPos();
    SetPosition(pt.x, pt.y);
  }
  if (!m_VScroll.m_hWnd) return;
  m_VScroll.SetRange(0, Rows() - 1);
  m_VScroll.SetPage(m_nViewH / CELL);
}

void cPaletteWnd::CheckButtons(const uint16_t* pIds, int nCount, int nChecked) {
  cPaletteWnd* lpTwin = Twin();
  if (!lpTwin || !lpTwin->m_hToolBar) return;
  for (int i = 0; i < nCount; ++i) {
    BYTE bState = TBSTATE_ENABLED | (i == nChecked ? TBSTATE_CHECKED : 0);
    SendMessageA(lpTwin->m_hToolBar, TB_SETSTATE, pIds[i], MAKELONG(bState, 0));
  }
}

void cPaletteWnd::CheckToolButton(int32_t nTool) { CheckButtons(TOOL_IDS, TOOL_COUNT, nTool); }

void cPaletteWnd::CheckClickModeButton(int32_t nMode) { CheckButtons(MODE_IDS, MODE_COUNT, nMode); }

void cPaletteWnd::Frame() {}

void cPaletteWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  uint16_t wId = LOWORD(wParam);
  for (int i = 0; i < TOOL_COUNT; ++i) {
    if (wId != TOOL_IDS[i]) continue;
    StageEditState.SetTool(i);
    CheckToolButton(i);
    return;
  }
  for (int i = 0; i < MODE_COUNT; ++i) {
    if (wId != MODE_IDS[i]) continue;
    StageEditState.SetRightClickMode(i);
    CheckClickModeButton(i);
    return;
  }
  if (OnEntryCommand(wId)) return;
  if (!m_hParent) return;
  // Every other command of the shared accelerator table is left alone: F5 and the space key
  // reach this window as keys as well (through the keyboard hook), and are handled there once.
  for (uint16_t w : FORWARDED) {
    if (wId != w) continue;
    SendMessageA(m_hParent, WM_COMMAND, wParam, lParam);
    return;
  }
}

void cPaletteWnd::OnLButtonDown(WPARAM, LPARAM) {
  SelectAtCursor();
  Draw();
}

void cPaletteWnd::OnRButtonDown(WPARAM, LPARAM) {
  cStageEditState& st = StageEditState;
  if (st.m_nRightClickMode == RCLICK_EDIT) {
    int32_t i = HitIndex();
    if (i != 0) {
      OpenEntryData(i);
      st.m_bStageChanged = 1;
    }
  } else if (m_nPaletteFlag == PALETTE_COMMON) {
    st.m_bPaletteChanged = 1;
  } else {
    st.m_bStageChanged = 1;
  }
  Draw();
}

void cPaletteWnd::OnWheel(WPARAM wParam) {
  uint32_t n = HIWORD(wParam) / WHEEL_NOTCH;
  // Any turn down reads as a huge count: one row down.
  int32_t nRows = n <= WHEEL_MAX_NOTCHES ? static_cast<int32_t>(n) : -1;
  if (!m_VScroll.m_hWnd) return;
  m_VScroll.ScrollBy(-nRows);
  m_nScrollRow = m_VScroll.GetPos();
}

void cPaletteWnd::OnSize() {
  PlaceView();
  int32_t nMax = m_rcMaxClient.bottom;
  int32_t nClientH = m_rcClient.bottom - m_rcClient.top;
  if (m_nScrollRow * CELL + nClientH >= nMax) {
    m_nScrollRow = (nMax - nClientH) / CELL;
    if (m_nScrollRow < 0) m_nScrollRow = 0;
    if (m_VScroll.m_hWnd) m_VScroll.SetPos(m_nScrollRow);
  }
  if (m_VScroll.m_hWnd) m_VScroll.SetPage(m_nViewH / CELL);
}

LRESULT cPaletteWnd::MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  LRESULT nBase = DefProc(hWnd, uMsg, wParam, lParam);
  if (StageEditState.m_nRightClickMode == RCLICK_MENU && IsRightClicked()) {
    SelectAtCursor();
    Draw();
    int32_t i = HitIndex();
    if (i >= 0 && i < GetEntryCount()) OpenEntryMenu(i);
  }
  switch (uMsg) {
    case WM_KEYDOWN:
      if (!m_hParent) break;
      if (wParam == VK_SPACE) SendMessageA(m_hParent, WM_KEYDOWN, VK_SPACE, 0);
      if (wParam == VK_F5) SendMessageA(m_hParent, WM_COMMAND, ID_STAGE_TESTPLAY, 0);
      if (wParam == VK_F7) SendMessageA(m_hParent, WM_COMMAND, ID_GAME_TESTPLAY, 0);
      break;
    case WM_MOUSEWHEEL:
      OnWheel(wParam);
      break;
    case WM_VSCROLL:
      if (m_VScroll.m_hWnd) m_nScrollRow = m_VScroll.GetPos();
      break;
    case WM_SIZE:
      OnSize();
      break;
    case WM_CLOSE:
      // Shown and hidden by the stage window only.
      return 1;
    case WM_DESTROY: {
      // The base has let go of the handle by now; the message's own still names the window.
      RECT rc = {0, 0, 0, 0};
      GetWindowRect(hWnd, &rc);
      m_lpPlace->Set(rc.left, rc.top, m_nViewW, m_nViewH);
      SaveKept(KEPT_EDIT_CONFIG);
      return 1;
    }
    case WM_INITDIALOG:
    case WM_DRAWITEM:
      break;
    default:
      if (!nBase) return 0;
      break;
  }
  if (hWnd == m_hWnd) Draw();
  return 1;
}

void cPaletteWnd::SetStatusText(const std::string& str) {
  // Set only on a change: the idle step draws every tick, and a repainted status bar would
  // wake it again at once.
  if (!m_hStatusBar || (str == m_strStatus && m_bInit)) return;
  m_strStatus = str;
  SendMessageA(m_hStatusBar, SB_SETTEXTA, 255, reinterpret_cast<LPARAM>(str.c_str()));
}

void cPaletteWnd::Draw() {
  if (!m_bInit || !m_ViewCtrl.m_hWnd) return;
  cSurface& back = m_ViewCtrl.m_Surface;
  cSurface& front = m_ViewCtrl.m_Window;
  if (!back.m_hDC) return;
  back.Fill(0);
  switch (m_nRecordKind) {
    case 0: if (m_lpvBlock) DrawEntries(back, *m_lpvBlock, m_nScrollRow); break;
    case 1: if (m_lpvChara) DrawEntries(back, *m_lpvChara, m_nScrollRow); break;
    case 2: if (m_lpvItem) DrawEntries(back, *m_lpvItem, m_nScrollRow); break;
    default: break;
  }
  const cStageEditState& st = StageEditState;
  const int32_t s = st.m_nBrushEntry;
  const bool bSelectedHere = st.m_nBrushPalette == m_nPaletteFlag && s != -1;
  if (bSelectedHere) {
    back.SetPen(PS_SOLID, 2, FRAME_COLOUR);
    back.FrameRect(s % COLUMNS * CELL, (s / COLUMNS - m_nScrollRow) * CELL, CELL, CELL);
    back.ReleasePen();
  }
  const cPaletteClipboard& clip = st.PaletteClipboard;
  if (clip.m_bHasData && clip.m_nSrcPalette == m_nPaletteFlag) {
    int32_t c = clip.m_nSrcNo;
    back.SetPen(PS_DOT, 1, FRAME_COLOUR);
    back.FrameRect(c % COLUMNS * CELL, (c / COLUMNS - m_nScrollRow) * CELL, CELL, CELL);
    back.ReleasePen();
  }
  GdiFlush();
  if (front.m_hDC) BitBlt(front.m_hDC, 0, 0, m_nViewW, m_nViewH, back.m_hDC, 0, 0, SRCCOPY);
  const std::string* lpName = nullptr;
  if (bSelectedHere) {
    switch (m_nRecordKind) {
      case 0: lpName = EntryName(m_lpvBlock, s); break;
      case 1: lpName = EntryName(m_lpvChara, s); break;
      case 2: lpName = EntryName(m_lpvItem, s); break;
      default: break;
    }
  }
  std::string str;
  if (lpName) FormatStr(str, "%d : %s", s, lpName->c_str());
  SetStatusText(str);
}

cDialog* NewPaletteWnd(int32_t nToolSlot, cWindow* lpStageWnd) {
  const int32_t K = cWindow::KIND_DIALOG;
  switch (nToolSlot) {
    case cStageWnd::TOOL_COMMON_BLOCK:
      return new cPaletteWnd(IDD_PALETTE, lpStageWnd, K, &WindowList, &CommonPalette.m_vBlock, 0);
    case cStageWnd::TOOL_STAGE_BLOCK:
      return new cPaletteWnd(IDD_PALETTE, lpStageWnd, K, &WindowList, &Stage.m_vPalBlock, 1);
    case cStageWnd::TOOL_COMMON_CHARA:
      return new cPaletteWnd(IDD_PALETTE, lpStageWnd, K, &WindowList, &CommonPalette.m_vChara, 0);
    case cStageWnd::TOOL_STAGE_CHARA:
      return new cPaletteWnd(IDD_PALETTE, lpStageWnd, K, &WindowList, &Stage.m_vPalChara, 1);
    case cStageWnd::TOOL_COMMON_ITEM:
      return new cPaletteWnd(IDD_PALETTE, lpStageWnd, K, &WindowList, &CommonPalette.m_vItem, 0);
    case cStageWnd::TOOL_STAGE_ITEM:
      return new cPaletteWnd(IDD_PALETTE, lpStageWnd, K, &WindowList, &Stage.m_vPalItem, 1);
    default:
      return nullptr;
  }
}

void CheckPaletteToolButtons(int32_t nLayer) {
  for (int32_t f = 0; f < 2; ++f) {
    cPaletteWnd* p = cPaletteWnd::Instance(f, nLayer);
    if (p) p->CheckToolButton(StageEditState.m_nTool);
  }
}

void UpdatePaletteScrollBars() {
  for (int32_t k = 0; k < 3; ++k)
    for (int32_t f = 0; f < 2; ++f) {
      cPaletteWnd* p = cPaletteWnd::Instance(f, k);
      if (p) p->UpdateScrollBar();
    }
}

void DrawAllPaletteWindows() {
  // Stage block, common block, stage character, common character, stage item, common item.
  for (int32_t k = 0; k < 3; ++k)
    for (int32_t f = 1; f >= 0; --f) {
      cPaletteWnd* p = cPaletteWnd::Instance(f, k);
      if (p) p->Draw();
    }
}

void DrawPaletteSheetPages() {
  for (int32_t k = 0; k < 3; ++k)
    for (int32_t f = 0; f < 2; ++f) {
      cPaletteWnd* p = cPaletteWnd::Instance(f, k);
      if (!p) continue;
      for (cPropSheet* lpSheet : {p->m_lpBlockSheet, p->m_lpCharaSheet, p->m_lpItemSheet})
        if (lpSheet && lpSheet->m_hSheet && IsWindow(lpSheet->m_hSheet)) lpSheet->DrawCurPage();
    }
}
