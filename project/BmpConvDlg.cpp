#include "project/BmpConvDlg.h"

#include <shellapi.h>

#include <cstdio>
#include <cstring>
#include <new>

#include "app/Log.h"
#include "app/MsgBox.h"
#include "app/Paths.h"
#include "app/Surface.h"
#include "app/TextFormat.h"
#include "app/WindowList.h"
#include "model/DataFile.h"
#include "model/EditConfig.h"
#include "model/Globals.h"
#include "resources/ProjectSheetIds.h"

namespace {

constexpr size_t FILE_HEADER = 14;
constexpr size_t INFO_HEADER = 40;
constexpr size_t HEADERS = FILE_HEADER + INFO_HEADER;
constexpr size_t TABLE = 256 * 4;
constexpr size_t PIXELS_AT = HEADERS + TABLE;
// The largest pixel area read: a width and height taken from a file never ask for more memory.
constexpr uint64_t PIXELS_MAX = 64u << 20;

uint32_t U32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
         (static_cast<uint32_t>(p[3]) << 24);
}
uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

// The whole file, at most nMax bytes; false when it cannot be opened.
bool ReadFileUpTo(const char* pszPath, uint64_t nMax, std::vector<uint8_t>& v) {
  v.clear();
  FILE* fp = fopen(pszPath, "rb");
  if (!fp) return false;
  uint8_t buf[65536];
  while (v.size() < nMax) {
    size_t nWant = sizeof buf;
    if (nMax - v.size() < nWant) nWant = static_cast<size_t>(nMax - v.size());
    size_t n = fread(buf, 1, nWant, fp);
    v.insert(v.end(), buf, buf + n);
    if (n < nWant) break;
  }
  fclose(fp);
  return true;
}

void PathText(std::string& str, int, const std::string& strPath) { str = strPath; }

const uint16_t OPTION_IDS[] = {IDC_BMP_KEY, IDC_BMP_OVERWRITE, IDC_BMP_OUT_DIR, IDC_BMP_USE_KEY,
                               IDC_BMP_LINE, IDC_BMP_LINE_IN, IDC_BMP_LINE_OUT};

}  // namespace

cBmpConvOptions cBmpConvOptions::FromEditConfig() {
  cBmpConvOptions o;
  o.bUseKey = EditConfig.m_bConvUseTransparent;
  o.nKey = EditConfig.m_nConvTransparent;
  o.bLine = EditConfig.m_bConvReplaceLine;
  o.nLineIn = EditConfig.m_nConvLineIn;
  o.nLineOut = EditConfig.m_nConvLineOut;
  return o;
}

int NearestPaletteIndex(const RGBQUAD& c, const RGBQUAD* pPalette, int nEntries) {
  int nBest = 0;
  int32_t nBestDiff = INT32_MAX;
  for (int i = 0; i < nEntries; ++i) {
    int32_t r = pPalette[i].rgbRed - c.rgbRed, g = pPalette[i].rgbGreen - c.rgbGreen,
            b = pPalette[i].rgbBlue - c.rgbBlue;
    int32_t nDiff = r * r + g * g + b * b;
    if (nDiff < nBestDiff) {
      nBest = i;
      nBestDiff = nDiff;
      if (nDiff == 0) break;
    }
  }
  return nBest;
}

uint8_t UsableConvIndex(int n) {
  if (n == 0) return 52;
  if (n == 255) return 31;
  if (n < 16 || n >= 208) return 16;
  return static_cast<uint8_t>(n);
}

eBmpConvResult ConvertBmpBytes(const std::vector<uint8_t>& vIn, const cBmpConvOptions& opt,
                               std::vector<uint8_t>& vOut) {
  vOut.clear();
  if (vIn.size() < HEADERS) return BMPCONV_BAD_LAYOUT;
  const uint8_t* p = vIn.data();
  if (U16(p + 28) != 8) return BMPCONV_NOT_8BIT;
  // Only the layout the game's bitmaps have: bottom-up, uncompressed, a 40-byte info header and
  // 256 colour-table entries followed by the pixels.
  int32_t nWidth = static_cast<int32_t>(U32(p + 18)), nHeight = static_cast<int32_t>(U32(p + 22));
  if (p[0] != 'B' || p[1] != 'M' || U32(p + 14) != INFO_HEADER || U32(p + 10) != PIXELS_AT ||
      U32(p + 30) != BI_RGB || nWidth <= 0 || nHeight <= 0 || vIn.size() < PIXELS_AT)
    return BMPCONV_BAD_LAYOUT;
  uint64_t nRow = ((8ull * static_cast<uint64_t>(nWidth) + 31) / 32) * 4;
  uint64_t nPixels = nRow * static_cast<uint64_t>(nHeight);
  if (nPixels > PIXELS_MAX) return BMPCONV_BAD_LAYOUT;

  // One nearest-colour search per colour number instead of per pixel: the result is the same.
  const RGBQUAD* pInTable = reinterpret_cast<const RGBQUAD*>(p + HEADERS);
  uint8_t aMap[256];
  for (int v = 0; v < 256; ++v) aMap[v] = UsableConvIndex(NearestPaletteIndex(pInTable[v], g_ConvPalette, 256));

  vOut.assign(PIXELS_AT + static_cast<size_t>(nPixels), 0);
  memcpy(vOut.data(), p, HEADERS);
  RGBQUAD aTable[256];
  memcpy(aTable, g_ConvPalette, sizeof aTable);
  for (int i = 10; i <= 15; ++i) aTable[i] = g_Palette[i];
  for (int i = 208; i <= 239; ++i) aTable[i] = g_Palette[i];
  memcpy(vOut.data() + HEADERS, aTable, TABLE);
  uint8_t* pPix = vOut.data() + PIXELS_AT;
  size_t nHave = vIn.size() - PIXELS_AT;
  memcpy(pPix, p + PIXELS_AT, nHave < nPixels ? nHave : static_cast<size_t>(nPixels));

  for (uint64_t y = 0; y < static_cast<uint64_t>(nHeight); ++y) {
    uint8_t* pRow = pPix + y * nRow;
    for (int32_t x = 0; x < nWidth; ++x) {
      uint8_t v = pRow[x];
      if (opt.bUseKey && v == opt.nKey)
        pRow[x] = 0;
      else if (opt.bLine && v == opt.nLineIn)
        pRow[x] = static_cast<uint8_t>(opt.nLineOut);
      else
        pRow[x] = aMap[v];
    }
  }
  return BMPCONV_DONE;
}

int ConvertBmp(const char* pszOutPath, const char* pszInPath) {
  std::vector<uint8_t> vIn, vOut;
  if (!ReadFileUpTo(pszInPath, PIXELS_AT + PIXELS_MAX, vIn)) {
    ErrorBox("%s のロードに失敗！", pszInPath);
    return 0;
  }
  eBmpConvResult r = ConvertBmpBytes(vIn, cBmpConvOptions::FromEditConfig(), vOut);
  if (r == BMPCONV_NOT_8BIT) {
    ErrorBox("%s は256色ではありません！", pszInPath);
    return 0;
  }
  if (r != BMPCONV_DONE) {
    ErrorBox("%s のロードに失敗！", pszInPath);
    return 0;
  }
  if (IsErrorLogOn())
    for (int i = 208; i <= 239; ++i)
      ErrorLogF("m_Pal[i] = (%d,%d,%d)", g_Palette[i].rgbRed, g_Palette[i].rgbGreen, g_Palette[i].rgbBlue);
  if (!ReplaceFileWithBytes(pszOutPath, vOut.data(), vOut.size())) {
    ErrorBox("%s のオープンに失敗！", pszOutPath);
    return 0;
  }
  return 1;
}

std::string BmpConvOutPath(const std::string& strIn, const std::string& strOutDir, int32_t bOverwrite) {
  if (bOverwrite) return strIn;
  std::string strName = strIn;
  GetFileNameStr(strName);
  if (strName.size() == strIn.size()) return strOutDir + strIn;
  return strOutDir + "\\" + strName;
}

// ---- the dialog ----

cBmpConvDlg::cBmpConvDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cWindowList* lpWindowList)
    : cDialogClass<cBmpConvDlg>(wTemplateId, lpOwner, nKind, lpWindowList) {
  m_List.m_Param.Set(IDC_BMP_LIST, nullptr, &m_vFiles, nullptr, 0, PathText, 0, 0, 1000, 0, 1, 0);
  m_Ctrls.Value(IDC_BMP_KEY, &EditConfig.m_nConvTransparent, 0, 255, IDC_BMP_KEY_SPIN);
  m_Ctrls.Value(IDC_BMP_LINE_IN, &EditConfig.m_nConvLineIn, 0, 255, IDC_BMP_LINE_IN_SPIN);
  m_Ctrls.Value(IDC_BMP_LINE_OUT, &EditConfig.m_nConvLineOut, 0, 255, IDC_BMP_LINE_OUT_SPIN);
  m_Ctrls.Path(IDC_BMP_OUT_DIR, &EditConfig.m_strConvOutDir);
  m_Ctrls.Check(IDC_BMP_USE_KEY, &EditConfig.m_bConvUseTransparent);
  m_Ctrls.Check(IDC_BMP_LINE, &EditConfig.m_bConvReplaceLine);
  m_Ctrls.Check(IDC_BMP_OVERWRITE, &EditConfig.m_bConvOverwrite);
}

cBmpConvDlg::~cBmpConvDlg() { Dispose(); }

void cBmpConvDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  if (m_ViewCtrl.m_hWnd) ShowWindow(m_ViewCtrl.m_hWnd, SW_HIDE);
  AttachList(m_List);
  m_Ctrls.AttachAll(this);
  // The dialog takes the drops: a file dropped on the list reaches it as on any other part.
  DragAcceptFiles(m_hWnd, TRUE);
  DataToCtrls();
  UpdateEnable();
  m_bInit = 1;
}

void cBmpConvDlg::UpdateEnable() {
  cCheckCtrl<int32_t>* lpKey = m_Ctrls.Chk<int32_t>(IDC_BMP_USE_KEY);
  cCheckCtrl<int32_t>* lpLine = m_Ctrls.Chk<int32_t>(IDC_BMP_LINE);
  cCheckCtrl<int32_t>* lpOver = m_Ctrls.Chk<int32_t>(IDC_BMP_OVERWRITE);
  if (!lpKey || !lpLine || !lpOver) return;
  m_Ctrls.Enable(IDC_BMP_KEY, lpKey->GetCheck() != 0);
  m_Ctrls.Enable(IDC_BMP_LINE_IN, lpLine->GetCheck() != 0);
  m_Ctrls.Enable(IDC_BMP_LINE_OUT, lpLine->GetCheck() != 0);
  m_Ctrls.Enable(IDC_BMP_OUT_DIR, lpOver->GetCheck() == 0);
}

void cBmpConvDlg::StoreOption(uint16_t wId) {
  for (cControl* c : m_vCtrls)
    if (c->m_wId == wId) c->CtrlToData();
}

void cBmpConvDlg::AddFromFileDlg() {
  // Room for many chosen names at once.
  std::vector<char> vBuf(260000);
  cPathList vChosen;
  if (!OpenFileDlg(m_hWnd, vBuf.data(), static_cast<int>(vBuf.size()), "bmp\\", "bmpの選択",
                   "BitmapFile ( *.bmp )\0*.bmp\0\0", "bmp", 1, &vChosen))
    return;
  cChkVector<std::string> vAdd;
  for (std::string& str : vChosen) {
    std::string strRel = str;
    vAdd.push_back(MakeRelativeStr(strRel) ? strRel : str);
  }
  m_List.m_Ctrl.AddItems(vAdd, 0);
}

bool cBmpConvDlg::BrowseOutDir() {
  char szDir[MAX_PATH] = "";
  if (!BrowseFolderDlg(m_hWnd, szDir, "bmp\\convert\\", "出力先のパス指定")) return true;
  if (!MakeRelativePath(szDir)) return false;
  cEditStrCtrl* lpEdit = m_Ctrls.Edit(IDC_BMP_OUT_DIR);
  if (!lpEdit) return true;
  lpEdit->SetText(szDir);
  // The edit's own change notice arrives while this command runs and is dropped: store here.
  lpEdit->CtrlToData();
  return true;
}

void cBmpConvDlg::ConvertAll() {
  m_bBusy = 1;
  if (m_vFiles.empty()) {
    m_bBusy = 0;
    return;
  }
  std::vector<std::string> vOut;
  for (const std::string& strIn : m_vFiles)
    vOut.push_back(BmpConvOutPath(strIn, EditConfig.m_strConvOutDir, EditConfig.m_bConvOverwrite));
  SetWaitCursor();
  int nConverted = 0;
  for (size_t i = 0; i < vOut.size(); ++i)
    if (ConvertBmp(vOut[i].c_str(), m_vFiles[static_cast<int>(i)].c_str())) ++nConverted;
  SetArrowCursor();
  // "Done", in the text or the caption, after failed files would hide that some pictures are
  // still unconverted.
  const int nTotal = static_cast<int>(vOut.size());
  if (nConverted == nTotal) {
    MsgBox(m_hWnd, "変換完了", "変換完了！", MB_OK);
  } else {
    std::string strText;
    FormatStr(strText, "%d個中%d個のファイルを変換しました", nTotal, nConverted);
    MsgBox(m_hWnd, strText.c_str(), "変換エラー", MB_OK | MB_ICONWARNING);
  }
  m_bBusy = 0;
}

void cBmpConvDlg::OnDropFiles(HDROP hDrop) {
  cChkVector<std::string> vAdd;
  UINT nCount = DragQueryFileA(hDrop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < nCount; ++i) {
    // A path that does not fit the path buffer is skipped, not cut.
    if (DragQueryFileA(hDrop, i, nullptr, 0) >= MAX_PATH) continue;
    char szPath[MAX_PATH] = "";
    DragQueryFileA(hDrop, i, szPath, MAX_PATH);
    if (!MakeRelativePath(szPath)) continue;
    DWORD dwAttr = GetFileAttributesA(szPath);
    if (dwAttr != INVALID_FILE_ATTRIBUTES && (dwAttr & FILE_ATTRIBUTE_DIRECTORY)) {
      cPathList vFound;
      ListFiles(vFound, szPath, "bmp");
      for (const std::string& str : vFound) vAdd.push_back(str);
    } else if (HasExtension(szPath, "bmp")) {
      vAdd.push_back(szPath);
    }
  }
  DragFinish(hDrop);
  if (!vAdd.empty()) m_List.m_Ctrl.AddItems(vAdd, 0);
}

void cBmpConvDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!CheckCommand(wParam)) return;
  cDialog::OnCommand(wParam, lParam);
  uint16_t wId = LOWORD(wParam);
  bool bClicked = HIWORD(wParam) == BN_CLICKED;
  switch (wId) {
    case IDC_BMP_ADD:
      if (bClicked) AddFromFileDlg();
      break;
    case IDC_BMP_CLEAR:
      m_List.m_Ctrl.ResetToCount();
      break;
    case IDC_BMP_LIST:
      if (HIWORD(wParam) == LBN_SELCHANGE) m_List.m_Ctrl.OnSelChange();
      break;
    case IDC_BMP_BROWSE:
      if (bClicked && !BrowseOutDir()) return;
      break;
    case IDC_BMP_CONVERT:
      if (bClicked && !m_bBusy) ConvertAll();
      break;
    case IDCANCEL:  // Escape: the tool's close button is not the cancel button the dialog manager knows
    case IDC_BMP_CLOSE:
      Close(1);
      return;
    default:
      break;
  }
  if (m_bInit)
    for (uint16_t wOption : OPTION_IDS)
      if (wOption == wId) StoreOption(wId);
  if (m_bInit && ChangedCtrlId(wParam)) UpdateEnable();
  RedrawList();
}

LRESULT cBmpConvDlg::MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  LRESULT nDefault = DefProc(hWnd, uMsg, wParam, lParam);
  switch (uMsg) {
    case WM_DROPFILES:
      OnDropFiles(reinterpret_cast<HDROP>(wParam));
      return 1;
    case WM_CLOSE:
      Close(0);
      return 1;
    default:
      break;
  }
  if (!nDefault) return 0;
  Draw();
  return 1;
}

void OpenBmpConvDlg(cWindow* lpOwner) {
  cBmpConvDlg* lpDlg = new (std::nothrow) cBmpConvDlg(IDD_BMP_CONV, lpOwner, cWindow::KIND_DIALOG, &WindowList);
  if (!lpDlg) {
    OutOfMemory();
    return;
  }
  lpDlg->DoModal(cDialog::RUN_DISABLE_OTHERS);
  SafeDelete(lpDlg);
}
