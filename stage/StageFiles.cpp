// Stage files from the stage window: opening a stage, saving it in place with a backup or under a
// new name (with the file of an older data version it replaces), the stage palette files, and the
// question before the window closes.
#include <windows.h>

#include <string>

#include "app/AppGlobals.h"
#include "controls/InputDlg.h"
#include "app/Log.h"
#include "app/MsgBox.h"
#include "app/Paths.h"
#include "app/TextFormat.h"
#include "app/WindowList.h"
#include "model/DataFile.h"
#include "model/Palette.h"
#include "model/PrjOption.h"
#include "model/ProjectLoad.h"
#include "model/SaveMarks.h"
#include "model/SaveTemp.h"
#include "model/Stage.h"
#include "model/StageEditState.h"
#include "stage/StageWnd.h"

namespace {

const char* const OPEN_TITLE = "読み込むファイルの選択";
const char* const SAVE_TITLE = "保存先のファイルの選択";
const char* const STAGE_DIR = "data\\stg4";
const char* const STAGE_SAVE_DIR = "data\\stg4\\";
const char* const STAGE_PALETTE_DIR = "data\\plt4";
const char* const STAGE_PALETTE_SAVE_DIR = "data\\plt4\\";
const char* const STAGE_PALETTE_EXT = "plt4";
// Filters are lists of description and pattern, ended by an empty one.
const char STAGE_OPEN_FILTER[] = "StageFile ( *.stg4_ )\0*.stg4_*\0";
const char STAGE_PALETTE_FILTER[] = "StagePaletteFile ( *.plt4 )\0*.plt4\0";
const char* const SAVE_CAPTION = "保存確認";
const char* const WARNING_CAPTION = "警告";
const char* const OTHER_DRIVE =
    "Kordane4本体が存在するドライブとステージファイルが存在するドライブとが異なります！\n"
    "Kordane4における全てのデータファイルは同一ドライブに保存することを推奨します。";
const char* const RENAMED_WARNING =
    "現在編集中のステージのファイル名が変更された可能性があります。\n"
    "ステージファイルを開き直さないとデータの上書き保存やテストプレイに失敗する可能性があります。";

enum { OLD_VER_MOVE = 0, OLD_VER_KEEP = 1, OLD_VER_DELETE = 2 };

// The extension of a stage file of this data version: "stg4_778".
std::string CurrentStageExt() {
  std::string s;
  FormatStr(s, "%s_%d", STAGE_EXT, EDITOR_DATA_VERSION);
  return s;
}

std::string ExtensionOf(const std::string& strPath) {
  char sz[MAX_PATH] = "";
  GetExtension(sz, strPath.c_str());
  return sz;
}

std::string FileNameOf(const std::string& strPath) {
  std::string s = strPath;
  GetFileNameStr(s);
  return s;
}

// Moves a file into a folder under its own name; a file of that name already there is kept and
// the move then fails.
bool MoveIntoFolder(const std::string& strPath, const char* pszFolder) {
  std::string strDst = std::string(pszFolder) + FileNameOf(strPath);
  return MoveFileExA(strPath.c_str(), strDst.c_str(), MOVEFILE_COPY_ALLOWED) != 0;
}

// The author may have renamed or moved the open stage's file inside a file dialog.
void CheckStageFile() {
  const std::string& strPath = StageEditState.m_strStagePath;
  if (strPath.empty()) return;
  char szFolder[MAX_PATH], szName[MAX_PATH];
  lstrcpynA(szFolder, strPath.c_str(), MAX_PATH);
  CutFileName(szFolder);
  lstrcpynA(szName, strPath.c_str(), MAX_PATH);
  GetFileName(szName);
  char szFound[MAX_PATH];
  if (SearchPathA(szFolder[0] ? szFolder : nullptr, szName, nullptr, MAX_PATH, szFound, nullptr) == 0)
    MsgBox(nullptr, RENAMED_WARNING, WARNING_CAPTION, MB_OK);
}

// The stored path and the dialog's may be written differently (".\\data" and "data", letter
// case): paths are compared made full, without regard to case.
bool SamePath(const std::string& a, const std::string& b) {
  char szA[MAX_PATH], szB[MAX_PATH];
  if (!GetFullPathNameA(a.c_str(), MAX_PATH, szA, nullptr) || !GetFullPathNameA(b.c_str(), MAX_PATH, szB, nullptr))
    return a == b;
  return lstrcmpiA(szA, szB) == 0;
}

std::string WithoutExtension(std::string s) {
  StripExtensionStr(s);
  return s;
}

}  // namespace

int32_t cStageWnd::OpenStage() {
  char szPath[MAX_PATH];
  if (!OpenFileDlg(m_hWnd, szPath, MAX_PATH, STAGE_DIR, OPEN_TITLE, STAGE_OPEN_FILTER, nullptr, 0, nullptr)) {
    CheckStageFile();
    return 0;
  }
  // The undo store is emptied only once the new stage is in: a read that fails keeps the open
  // stage, and with it its undo steps.
  // The notice goes before any box, so the drive question comes first.
  if (!MakeRelativePath(szPath)) ErrorBoxText(OTHER_DRIVE);
  ShowNotice(this, &WindowList, "ステージを読み込んでいます...", "ステージの読み込み", this, 1, 1);
  // A failed read leaves the open stage as it was: the editor keeps it rather than ending and
  // losing what was not saved.
  if (!Stage.LoadThreaded(szPath)) {
    CloseNotice();
    // A read that failed after the open stage's cells were freed left a new stage: it is no
    // longer the stage of the file it came from, and a save must not write it over that file.
    if (Stage.m_bDroppedOnRead) {
      StageEditState.m_bStageOpen = 0;
      StageEditState.m_strStagePath.clear();
      StageEditState.m_bStageChanged = 0;
      StageReplaced();
    }
    return 0;
  }
  EmptyUndo();
  StageEditState.m_bStageOpen = 1;
  StageEditState.m_strStagePath = szPath;
  DropCurrentFolderPrefix(StageEditState.m_strStagePath);
  CloseNotice();
  return 1;
}

int32_t cStageWnd::SaveStage(int32_t bSaveAs) {
  cStageEditState& st = StageEditState;
  const bool bOverwrite = !bSaveAs;
  if (!Stage.HasPlayer())
    MsgBox(m_hWnd, "まだプレイヤーが配置されていないので遊ぶことはできません！", WARNING_CAPTION, MB_OK);
  Stage.KeepOnePlayer();
  const std::string strExt = CurrentStageExt();
  const bool bSameExt = ExtensionOf(st.m_strStagePath) == strExt;

  if (bSameExt && !st.m_strStagePath.empty() && bOverwrite) {
    if (!st.m_bStageChanged) return 1;
    ShowNotice(this, &WindowList, "ステージを保存しています...", "ステージの保存", this, 1, 1);
    // The previous version waits in the work folder while the file is written, where the
    // recovery of a broken file looks for it. It is a copy: a write that fails leaves the file
    // in place as well. The copy is whole or not made, and it replaces an older backup.
    const std::string strBackup = std::string(STAGE_WORK_DIR) + FileNameOf(st.m_strStagePath);
    if (!CopyFileWhole(st.m_strStagePath.c_str(), strBackup.c_str()))
      ReportLog("the backup %s could not be made", strBackup.c_str());
    if (!Stage.Save(st.m_strStagePath.c_str())) {
      CloseNotice();
      ReportSaveError(st.m_strStagePath.c_str());
      return 0;
    }
    if (!DeleteFileA(strBackup.c_str())) DebugErrorBox("バックアップファイルの削除に失敗しました！");
    st.m_bStageChanged = 0;
    CloseNotice();
    return 1;
  }

  const std::string strPrev = st.m_strStagePath;
  char szPath[MAX_PATH] = "";
  const bool bPropose = !strPrev.empty() && bOverwrite;
  if (bPropose) ChangeExtension(szPath, strPrev.c_str(), strExt.c_str());
  std::string strDesc, strPattern;
  FormatStr(strDesc, "StageFile ( *.%s )", strExt.c_str());
  FormatStr(strPattern, "*.%s", strExt.c_str());
  std::string strFilter = strDesc + '\0' + strPattern + '\0' + '\0';
  if (!SaveFileDlg(m_hWnd, szPath, STAGE_SAVE_DIR, SAVE_TITLE, strFilter.c_str(), strExt.c_str(), 1)) {
    CheckStageFile();
    return 0;
  }
  ShowNotice(this, &WindowList, "ステージを保存しています...", "ステージの保存", this, 1, 1);
  if (!Stage.Save(szPath)) {
    CloseNotice();
    ReportSaveError(szPath);
    return 0;
  }
  std::string strNew = szPath;
  if (!MakeRelativeStr(strNew)) {
    CloseNotice();
    ErrorBoxText(OTHER_DRIVE);
  }
  DropCurrentFolderPrefix(strNew);
  st.m_strStagePath = strNew;
  // The file just written is never the older one (the author may have chosen its very name).
  const bool bOlderVersion = bPropose && SamePath(WithoutExtension(strPrev), WithoutExtension(strNew));
  if (bOlderVersion && !SamePath(strPrev, strNew)) {
    if (PrjOption.m_nOldVerStage == OLD_VER_MOVE)
      MoveIntoFolder(strPrev, OLD_STAGE_DIR);
    else if (PrjOption.m_nOldVerStage == OLD_VER_DELETE)
      DeleteFileA(strPrev.c_str());
  }
  st.m_bStageChanged = 0;
  CloseNotice();
  return 1;
}

int32_t cStageWnd::LoadStagePalette() {
  char szPath[MAX_PATH];
  if (!OpenFileDlg(m_hWnd, szPath, MAX_PATH, STAGE_PALETTE_DIR, OPEN_TITLE, STAGE_PALETTE_FILTER,
                   STAGE_PALETTE_EXT, 0, nullptr))
    return 0;
  // A file that cannot be read leaves the stage palettes as they were; the editor goes on.
  if (!Stage.LoadPalettes(szPath)) {
    ErrorBox("%s の読み込みに失敗しました！", szPath);
    return 0;
  }
  StageEditState.m_bStageChanged = 0;
  return 1;
}

int32_t cStageWnd::SaveStagePalette() {
  char szPath[MAX_PATH] = "";
  if (!SaveFileDlg(m_hWnd, szPath, STAGE_PALETTE_SAVE_DIR, SAVE_TITLE, STAGE_PALETTE_FILTER,
                   STAGE_PALETTE_EXT, 0))
    return 0;
  if (!Stage.SavePalettes(szPath)) {
    ReportSaveError(szPath);
    return 0;
  }
  return 1;
}

int32_t cStageWnd::SaveCommonPalette() {
  // A palette that could not be written stays marked, so that closing asks for it again.
  if (!CommonPalette.Save(COMMON_PALETTE_FILE)) {
    ReportSaveError(COMMON_PALETTE_FILE);
    return 0;
  }
  StageEditState.m_bPaletteChanged = 0;
  return 1;
}

int32_t cStageWnd::AskSaveStage() {
  cStageEditState& st = StageEditState;
  if (!st.m_bStageOpen || !st.m_bStageChanged) return 1;
  int n = MsgBox(m_hWnd, "ステージが変更された可能性があります。\n保存しますか？", SAVE_CAPTION, MB_YESNOCANCEL);
  if (n == IDCANCEL) return 0;
  if (n != IDYES) return 1;
  // A save that did not happen (failed, or its file dialog cancelled) keeps the stage: what was
  // asked for would throw the edits away.
  const int32_t bSaved = SaveStage(0);
  if (bSaved) st.m_bStageChanged = 0;
  UpdateTitle();
  return bSaved;
}

int32_t cStageWnd::AskSave() {
  if (!AskSaveStage()) return 0;
  if (StageEditState.m_bPaletteChanged) {
    int n = MsgBox(m_hWnd, "コモンパレットが変更された可能性があります。\n保存しますか？", SAVE_CAPTION, MB_YESNOCANCEL);
    if (n == IDCANCEL) return 0;
    if (n == IDYES && !SaveCommonPalette()) return 0;
  }
  return AskSaveFailed(m_hWnd);
}
