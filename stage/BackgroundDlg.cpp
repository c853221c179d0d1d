#include "stage/BackgroundDlg.h"

#include "app/Paths.h"
#include "app/Surface.h"
#include "app/TextFormat.h"
#include "resources/StageDialogIds.h"
#include "resources/StageSettingsIds.h"
#include "stage/StageSettingsSheet.h"

namespace {

constexpr int32_t COLOR_MIN = 16;
constexpr int32_t COLOR_MAX = 207;
constexpr int SAMPLE_SIZE = 32;

// The controls that belong to a picture layer; a colour layer offers only its colour number.
const uint16_t PICTURE_CHECKS[] = {IDC_BG_AUTO_X, IDC_BG_AUTO_Y};
const uint16_t PICTURE_SPEEDS[] = {IDC_BG_SPEED_X, IDC_BG_SPEED_Y};

}  // namespace

void BackgroundRowText(std::string& strText, int, const cEdBackground& Layer) {
  strText += Layer.m_bShowAtStart ? "○" : "‐";
  if (Layer.m_bUseColor)
    FormatAppend(strText, " 色番号%d", Layer.m_nColor);
  else
    FormatAppend(strText, " %s", Layer.m_strImage.c_str());
}

cBackgroundDlg::cBackgroundDlg(uint16_t wTemplateId, cWindow* lpParent, int32_t nKind, cWindowList* lpWindowList,
                               cControl* lpAnchor, int32_t bCentre)
    : cSetDlg<cBackgroundDlg>(wTemplateId, lpParent, nKind, lpWindowList, lpAnchor, bCentre),
      m_lpLayer(&m_Spare) {
  cStageBasicPage* lpPage = cStageBasicPage::Current();
  if (cEdBackground* lpLayer = lpPage ? lpPage->CurrentBackground() : nullptr) m_lpLayer = lpLayer;
  cEdBackground& b = *m_lpLayer;
  m_Ctrls.SetAttachOrder({cCtrlSet::CHECK32, cCtrlSet::STR, cCtrlSet::EDIT32, cCtrlSet::EDITREAL, cCtrlSet::BUTTON});
  m_Ctrls.Check(IDC_BG_SHOW, &b.m_bShowAtStart);
  m_Ctrls.Check(IDC_BG_BY_COLOR, &b.m_bUseColor);
  m_Ctrls.Check(IDC_BG_FRONT, &b.m_bFront);
  m_Ctrls.Check(IDC_BG_AUTO_X, &b.m_bAutoScrollX);
  m_Ctrls.Check(IDC_BG_AUTO_Y, &b.m_bAutoScrollY);
  m_Ctrls.Path(IDC_BG_IMAGE, &b.m_strImage);
  m_Ctrls.Value(IDC_BG_COLOR, &b.m_nColor, COLOR_MIN, COLOR_MAX, IDC_BG_COLOR_SPIN);
  m_Ctrls.Value(IDC_BG_SPEED_X, &b.m_dScrollX, -640.0, 640.0, IDC_BG_SPEED_X_SPIN, 0.01);
  m_Ctrls.Value(IDC_BG_SPEED_Y, &b.m_dScrollY, -480.0, 480.0, IDC_BG_SPEED_Y_SPIN, 0.01);
  m_Ctrls.Button(IDC_BG_BROWSE);
}

void cBackgroundDlg::AttachMore() {
  AddBitmapCtrl(&m_Sample, cBitmapParam().Set(IDC_BG_SAMPLE, SAMPLE_SIZE, SAMPLE_SIZE));
}

void cBackgroundDlg::UpdateEnables() {
  cCheckCtrl<int32_t>* lpByColor = m_Ctrls.Chk(IDC_BG_BY_COLOR);
  if (!lpByColor) return;
  const bool bColor = lpByColor->GetCheck() != 0;
  m_Ctrls.Enable(IDC_BG_COLOR, bColor);
  m_Ctrls.Enable({IDC_BG_IMAGE, IDC_BG_BROWSE}, !bColor);
  for (uint16_t wId : PICTURE_SPEEDS) m_Ctrls.Enable(wId, !bColor);
  for (uint16_t wId : PICTURE_CHECKS) m_Ctrls.Enable(wId, !bColor);
}

void cBackgroundDlg::Browse() {
  char szPath[MAX_PATH] = "";
  static const char FILTER[] = "BitmapFile ( *.bmp )\0*.bmp\0";
  if (!OpenFileDlg(m_hWnd, szPath, sizeof szPath, "bmp\\back\\", "ビットマップの選択", FILTER, "bmp", 0, nullptr))
    return;
  // A file on another drive has no relative path: the edit keeps what it had.
  if (!MakeRelativePath(szPath)) return;
  if (cEditStrCtrl* lpEdit = m_Ctrls.Edit(IDC_BG_IMAGE)) lpEdit->SetText(szPath);
}

void cBackgroundDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!CheckCommand(wParam)) return;
  cDialog::OnCommand(wParam, lParam);
  const WORD wId = LOWORD(wParam), wCode = HIWORD(wParam);
  if (wCode == BN_CLICKED && wId == IDC_STGDLG_OK) {
    CtrlsToData();
    Close(1);
    return;
  }
  if (wCode == BN_CLICKED && wId == IDC_STGDLG_CANCEL) {
    Close(0);
    return;
  }
  if (wCode == BN_CLICKED && wId == IDC_BG_BROWSE) Browse();
  if (m_bInit && ChangedCtrlId(wParam)) UpdateEnables();
}

LRESULT cBackgroundDlg::MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  return SampleDlgProc(hWnd, uMsg, wParam, lParam);
}

void cBackgroundDlg::Draw() {
  if (!m_bInit || !m_Sample.m_Surface.m_hDC) return;
  cEditValCtrl<int32_t>* lpColor = m_Ctrls.Val(IDC_BG_COLOR);
  int32_t n = lpColor ? lpColor->ParseText() : 0;
  // While the author types the number may lie outside the palette: the sample then shows black.
  cSurface& s = m_Sample.m_Surface;
  if (n < 0 || n > 255)
    s.FillRgb(0, 0, 0);
  else
    s.FillRgb(g_Palette[n].rgbBlue, g_Palette[n].rgbGreen, g_Palette[n].rgbRed);
  if (m_Sample.m_Window.m_hDC) m_Sample.m_Window.Blt(0, 0, s.m_nWidth, s.m_nHeight, s, 0, 0, 1);
}
