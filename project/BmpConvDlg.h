// The bitmap conversion tool: rewrites 256-colour bitmaps so that they use the project's
// palette. Every pixel becomes the nearest usable colour of g_ConvPalette; the input's
// transparent colour number becomes 0 and a line colour can be carried over to a chosen number.
// The options live in EditConfig and are stored as soon as they change; the file list lives as
// long as the dialog.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/Dialog.h"
#include "controls/ButtonCtrl.h"
#include "base/ChkContainer.h"
#include "controls/CtrlBind.h"
#include "controls/CtrlSet.h"
#include "controls/EditStrCtrl.h"
#include "controls/EditValCtrl.h"
#include "controls/ListCtrl.h"

// What decides the colour number of one input pixel.
struct cBmpConvOptions {
  int32_t bUseKey = 1;  // the input's colour number nKey is transparent
  int32_t nKey = 0;
  int32_t bLine = 0;  // the input's colour number nLineIn is a line colour
  int32_t nLineIn = 1;
  int32_t nLineOut = 15;

  // The options the tool keeps in EditConfig.
  static cBmpConvOptions FromEditConfig();
};

// The index of the palette entry nearest to the colour (least sum of squared differences of red,
// green and blue; the first of equally near entries).
int NearestPaletteIndex(const RGBQUAD& colour, const RGBQUAD* pPalette, int nEntries);
// The number a converted pixel gets for a nearest target entry: the entries the game reserves
// (0, 1 to 15, 208 to 255) are replaced by usable ones.
uint8_t UsableConvIndex(int nNearest);

enum eBmpConvResult {
  BMPCONV_DONE = 0,
  BMPCONV_NOT_8BIT = 1,     // "%s は256色ではありません！"
  BMPCONV_BAD_LAYOUT = 2,   // too short, or a layout the tool does not read: "%s のロードに失敗！"
};

// Converts the bytes of an 8-bit bottom-up BMP (40-byte info header, 256 colour-table entries
// right after it) into the bytes of the output file: the same headers, the colour table of
// g_ConvPalette with the line colours 10 to 15 and the entries 208 to 239 from g_Palette, and the
// converted pixels. Pixel data missing at the end of the input counts as colour number 0.
eBmpConvResult ConvertBmpBytes(const std::vector<uint8_t>& vIn, const cBmpConvOptions& opt,
                               std::vector<uint8_t>& vOut);

// Converts one file; the output replaces its target only once it is complete. 1 when written;
// 0 after the error box.
int ConvertBmp(const char* pszOutPath, const char* pszInPath);

// The output path of an input: the input itself when overwriting, else the output folder
// followed by the input's part from its last backslash on.
std::string BmpConvOutPath(const std::string& strIn, const std::string& strOutDir, int32_t bOverwrite);

class cBmpConvDlg : public cDialogClass<cBmpConvDlg> {
 public:
  cBmpConvDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cWindowList* lpWindowList);
  ~cBmpConvDlg() override;

  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;

  // Converts every listed file and shows the completion box; nothing with an empty list.
  void ConvertAll();
  // Adds dropped files and the .bmp files of dropped folders.
  void OnDropFiles(HDROP hDrop);

  cChkVector<std::string> m_vFiles;
  cCtrlBind<cListCtrl<std::string>, cListParam<std::string>> m_List;
  cCtrlSet m_Ctrls;
  int32_t m_bBusy = 0;

 private:
  void UpdateEnable();
  void AddFromFileDlg();
  // False when the chosen folder cannot be made relative: the command then ends at once.
  bool BrowseOutDir();
  void StoreOption(uint16_t wId);
};

// The stage window's bitmap-tool command: runs the tool modally with the other registered windows
// disabled and deletes it afterwards.
void OpenBmpConvDlg(cWindow* lpOwner);
