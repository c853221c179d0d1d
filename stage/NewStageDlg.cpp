#include "stage/NewStageDlg.h"

#include <shlwapi.h>

#include "app/AppGlobals.h"
#include "controls/InputDlg.h"
#include "app/MsgBox.h"
#include "app/Paths.h"
#include "app/WindowList.h"
#include "model/DataRecord.h"
#include "model/EditConfig.h"
#include "model/Inherit.h"
#include "model/Palette.h"
#include "model/PrjOption.h"
#include "model/SaveMarks.h"
#include "model/Stage.h"
#include "model/StageEditState.h"
#include "resources/StageDialogIds.h"
#include "stage/StageDialogRun.h"

namespace {

enum { NEW_PAL_KEEP = 0, NEW_PAL_EMPTY = 1, NEW_PAL_COMMON = 2, NEW_PAL_FILE = 3 };

const char* const MSG_PALETTE_UNREADABLE = "%s の読み込みに失敗しました！";

// Reads a stage palette file without keeping what it holds.
bool CanReadPaletteFile(const char* pszPath) {
  cChkVector<cEdBlock> vBlock;
  cChkVector<cEdChara> vChara;
  cChkVector<cEdItem> vItem;
  return LoadPaletteFile(pszPath, vBlock, vChara, vItem) != 0;
}

// The newest numbered version of the template either is not there or could not be read.
void ReportTemplateFailure(const char* pszTemplate) {
  char szFound[MAX_PATH];
  if (FindLatestNumbered(szFound, pszTemplate, "stg4"))
    ErrorBox("ステージファイル %s の読み込みに失敗しました！", szFound);
  else
    ErrorBox("ステージファイル %s が見つかりません！", pszTemplate);
}

// A read that failed after the open stage's cells were freed (the file changed between its two
// readings, memory ran out) left an empty stage in its place. It is no longer the stage of its
// file, so a save must not write it over that file: the window takes it as a new stage.
int32_t TakeDroppedStage() {
  StageEditState.m_bStageOpen = 0;
  StageEditState.m_strStagePath.clear();
  return 1;
}

// A stage palette copied from the common one: entry 0 back to the defaults, every other entry
// pointed at the common entry of its number as the project's defaults for new stage entries say.
template <class T>
void CopyFromCommon(cChkVector<T>& vDst, const cChkVector<T>& vSrc, int nLayer) {
  vDst = vSrc;
  if (vDst.empty()) return;
  vDst[0].SetDefault();
  const int32_t nPal = PrjOption.m_anDefInheritPal[INHERIT_NEW_STAGE_ENTRY][nLayer];
  const int n = static_cast<int>(vDst.size());
  for (int i = 1; i < n; ++i)
    SetInherit(vDst[i], nLayer, nPal, static_cast<int16_t>(i), PrjOption.DefFlags(INHERIT_NEW_STAGE_ENTRY, nLayer));
}

}  // namespace

cNewStageDlg::cNewStageDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cWindowList* lpWindowList)
    : cSetDlg<cNewStageDlg>(wTemplateId, lpOwner, nKind, lpWindowList) {
  m_Ctrls.Path(IDC_NEW_TEMPLATE, &EditConfig.m_strNewStageTemplate);
  m_Ctrls.Path(IDC_NEW_PAL_FILE, &EditConfig.m_strNewStagePalFile);
  m_Ctrls.Combo(IDC_NEW_PALETTE, &EditConfig.m_nNewStagePalette, NewStagePalNames, 0);
  m_Ctrls.Button(IDC_NEW_TEMPLATE_BROWSE);
  m_Ctrls.Button(IDC_NEW_PAL_FILE_BROWSE);
}

void cNewStageDlg::UpdateEnables() {
  cComboCtrl<int32_t>* lpCombo = m_Ctrls.Cb<int32_t>(IDC_NEW_PALETTE);
  if (!lpCombo) return;
  int32_t nChoice = lpCombo->GetCurData();
  if (nChoice < NEW_PAL_KEEP || nChoice > NEW_PAL_FILE) return;
  int32_t bFile = nChoice == NEW_PAL_FILE;
  m_Ctrls.Enable(IDC_NEW_PAL_FILE, bFile);
  m_Ctrls.Enable(IDC_NEW_PAL_FILE_BROWSE, bFile);
}

void cNewStageDlg::Browse(uint16_t wEditId, const char* pszDir, const char* pszTitle, const char* pszFilter,
                          const char* pszExt) {
  char szPath[MAX_PATH] = "";
  if (!OpenFileDlg(m_hWnd, szPath, MAX_PATH, pszDir, pszTitle, pszFilter, pszExt, 0, nullptr)) return;
  if (!MakeRelativePath(szPath)) return;
  cEditStrCtrl* lpEdit = m_Ctrls.Edit(wEditId);
  if (lpEdit) lpEdit->SetText(szPath);
}

int32_t cNewStageDlg::MakeStage() {
  cStageEditState& st = StageEditState;
  if (st.m_bStageOpen &&
      MsgBox(m_hWnd, "現在のステージは破棄されます。\n新規作成しますか？\n", "新規作成の確認", MB_YESNO) != IDYES)
    return 0;
  CtrlsToData();
  cWindow* lpOwner = m_lpParentClass;
  ShowNotice(lpOwner, &WindowList, "ステージを作成しています...", "ステージの新規作成", lpOwner, 1, 1);
  const int32_t nChoice = EditConfig.m_nNewStagePalette;
  const std::string strPalFile = EditConfig.m_strNewStagePalFile;
  if (nChoice == NEW_PAL_FILE && !PathFileExistsA(strPalFile.c_str())) {
    CloseNotice();
    ErrorBox("ステージパレットファイル %s が見つかりません！", strPalFile.c_str());
    return 0;
  }
  // A damaged palette file is found out while the open stage is still untouched: the author keeps
  // it and every other unsaved edit, as when a stage palette fails to open from the stage window.
  if (nChoice == NEW_PAL_FILE && !CanReadPaletteFile(strPalFile.c_str())) {
    CloseNotice();
    ErrorBox(MSG_PALETTE_UNREADABLE, strPalFile.c_str());
    return 0;
  }
  // A template that is missing or cannot be read leaves the open stage as it was, and with it
  // the undo steps made on it: the store is emptied only once the new stage is in place.
  const std::string strTemplate = EditConfig.m_strNewStageTemplate;
  if (!strTemplate.empty()) {
    Stage.m_bDroppedOnRead = 0;
    if (!Stage.LoadLatest(strTemplate.c_str(), "stg4")) {
      CloseNotice();
      ReportTemplateFailure(strTemplate.c_str());
      return Stage.m_bDroppedOnRead ? TakeDroppedStage() : 0;
    }
  } else {
    Stage.Reset();
    Stage.Validate();
  }
  st.ClearUndo();
  switch (nChoice) {
    case NEW_PAL_EMPTY:
      cEdStage::ClearBlockGrid(Stage.m_vPalBlock, 1);
      cEdStage::ClearCharaGrid(Stage.m_vPalChara, 1);
      cEdStage::ClearItemGrid(Stage.m_vPalItem, 1);
      break;
    case NEW_PAL_COMMON:
      CopyFromCommon(Stage.m_vPalBlock, CommonPalette.m_vBlock, LAYER_BLOCK);
      CopyFromCommon(Stage.m_vPalChara, CommonPalette.m_vChara, LAYER_CHARA);
      CopyFromCommon(Stage.m_vPalItem, CommonPalette.m_vItem, LAYER_ITEM);
      break;
    case NEW_PAL_FILE:
      // The file was read a moment ago; should it fail now, the new stage keeps the template's
      // palettes, which are whole, and the author is told.
      if (!Stage.LoadPalettes(strPalFile.c_str())) ErrorBox(MSG_PALETTE_UNREADABLE, strPalFile.c_str());
      break;
    default:
      break;
  }
  Stage.Validate();
  st.m_bStageOpen = 1;
  st.m_strStagePath.clear();
  SaveKept(KEPT_EDIT_CONFIG);
  CloseNotice();
  return 1;
}

void cNewStageDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!CheckCommand(wParam)) return;
  cDialog::OnCommand(wParam, lParam);
  bool bClicked = HIWORD(wParam) == BN_CLICKED;
  switch (LOWORD(wParam)) {
    case IDC_NEW_TEMPLATE_BROWSE:
      if (bClicked)
        Browse(IDC_NEW_TEMPLATE, "data\\stg4\\", "ステージの選択", "StageFile ( *.stg4_* )\0*.stg4_*\0\0",
               "stg4_*");
      break;
    case IDC_NEW_PAL_FILE_BROWSE:
      if (bClicked)
        Browse(IDC_NEW_PAL_FILE, "data\\plt4\\", "ステージパレットの選択", "PaletteFile ( *.plt4 )\0*.plt4\0\0",
               "plt4");
      break;
    case IDC_STGDLG_OK:
      Close(MakeStage());
      return;
    case IDC_STGDLG_CANCEL:
      Close(0);
      return;
    default:
      break;
  }
  if (m_bInit) UpdateEnables();
}

int32_t RunNewStageDlg(cStageWnd* lpWnd) {
  return RunStageDialog<cNewStageDlg>(lpWnd, cStageWnd::EDITOR_NEW_STAGE, IDD_NEW_STAGE) != 0;
}
