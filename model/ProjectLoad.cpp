#include "model/ProjectLoad.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <cstring>
#include <string>

#include "app/Log.h"
#include "app/MsgBox.h"
#include "app/Paths.h"
#include "app/TextFormat.h"
#include "model/EditConfig.h"
#include "model/Globals.h"
#include "model/Palette.h"
#include "model/PrjOption.h"
#include "model/SaveMarks.h"
#include "model/Stage.h"
#include "model/StageEditState.h"
#include "model/SystemData.h"
#include "model/WorldMap.h"

const char* const EditorFolders[EDITOR_FOLDER_COUNT] = {"e_data", "e_bmp"};

const char* const ProjectFolders[PROJECT_FOLDER_COUNT] = {
    "user_data",   "user_data\\story", "user_data\\challenge", "user_data\\free",
    "user_data\\rpl4", "data",         "data\\database",       "data\\stg4",
    "data\\stg4\\old_ver", "data\\work", "data\\plt4",         "bmp",
    "bmp\\back",   "bmp\\chara_sp",    "bmp\\effect",          "bmp\\picture",
    "bmp\\sword",  "bmp\\convert",     "bmp\\plt",             "bmp\\hbt",
    "wave",        "bgm"};

const char* const InvincibleColorNames[11] = {"なし", "白", "黒", "赤", "緑", "青",
                                              "黄", "赤紫", "青紫", "4色", ""};

namespace {

const char* const DEFAULT_DATA_TEXT = "データが存在しません！デフォルトデータを作成しますか？\n";
const char* const DEFAULT_DATA_CAPTION = "デフォルトデータ作成の確認";
const char* const PALETTE_MISSING = "パレットの生成に失敗！\n%s が見つかりません！";
const char* const PALETTE_UNREADABLE_TEXT = "パレットの生成に失敗！\n%s を読み込めませんでした！";
const char* const PALETTE_NOT_256 = "パレットの生成に失敗！\n%s は256色のビットマップではありません。";
const char* const CHIP_MISSING = "%s が読み込めません！";
const char* const CHARA_SP_FAILED = "%s の読み込みに失敗！";

const FILEOP_FLAGS COPY_FLAGS = FOF_MULTIDESTFILES | FOF_SILENT | FOF_NOCONFIRMATION;

// An absolute folder path without its trailing backslash, ended by two zeros as the shell needs.
bool ShellFolderPath(const char* pszFolder, char (&sz)[MAX_PATH + 2]) {
  memset(sz, 0, sizeof sz);
  lstrcpynA(sz, pszFolder, MAX_PATH);
  if (!MakeAbsolutePath(sz)) return false;
  size_t n = strlen(sz);
  if (n > 0 && sz[n - 1] == '\\') sz[n - 1] = 0;
  return sz[0] != 0;
}

int ShellFolderOp(UINT wFunc, const char* pszFrom, const char* pszTo) {
  SHFILEOPSTRUCTA op;
  ZeroMemory(&op, sizeof op);
  op.wFunc = wFunc;
  op.pFrom = pszFrom;
  op.pTo = pszTo;
  op.fFlags = COPY_FLAGS;
  int nResult = SHFileOperationA(&op);
  return nResult == 0 && !op.fAnyOperationsAborted;
}

bool LoadRecordFile(cDataRecord& rec, const char* pszPath) {
  if (rec.Load(pszPath)) return true;
  ReportLoadError(pszPath);
  return false;
}

// The default stage of the data folder; when there is none, the newest factory copy is copied in
// under its own version.
void EnsureDefaultStage() {
  std::string strFound;
  if (FindLatestNumberedStr(strFound, DEFAULT_STAGE, STAGE_EXT)) return;
  if (!FindLatestNumberedStr(strFound, FACTORY_DEFAULT_STAGE, STAGE_EXT)) return;
  if (strFound.size() < 3) return;
  std::string strTarget = std::string("data\\stg4\\Default.stg4_") + strFound.substr(strFound.size() - 3);
  CopyFileA(strFound.c_str(), strTarget.c_str(), TRUE);
}

// A missing palette bitmap, one of another bit count and one that is there but cannot be read
// are told apart, so the author knows what to mend.
bool ReadProjectPalette(RGBQUAD* pDst, const char* pszPath) {
  switch (ReadPaletteFile(pDst, pszPath)) {
    case PALETTE_READ:
      return true;
    case PALETTE_NOT_8BIT:
      ErrorBox(PALETTE_NOT_256, pszPath);
      return false;
    case PALETTE_NOT_FOUND:
      ErrorBox(PALETTE_MISSING, pszPath);
      return false;
    default:
      // There, but of a kind or length that holds no colour table: "not found" would send the
      // author looking for a file that is in its place.
      ErrorBox(PALETTE_UNREADABLE_TEXT, pszPath);
      return false;
  }
}

bool LoadPalettes() {
  if (!ReadProjectPalette(g_Palette, PALETTE_FILE)) return false;
  SetKeyColour(g_Palette[0]);
  FindPaletteIndex(g_Palette[15]);
  if (!ReadProjectPalette(g_ConvPalette, CONV_PALETTE_FILE)) return false;
  // The author enters red, green and blue; the loader compares blue, green, red in memory order.
  RGBQUAD key;
  key.rgbBlue = SystemData.m_cTransB;
  key.rgbGreen = SystemData.m_cTransG;
  key.rgbRed = SystemData.m_cTransR;
  key.rgbReserved = 0;
  SetKeyValue(key);
  return true;
}

// The graphic picker's sheets: the block sheet, the first column of each character sheet, the
// first frame column of each item column, every shot centred in a 32-dot cell, the marks.
void ComposePickerSheets() {
  const cSurface& block = ChipBitmaps[CHIP_BLOCK];
  ChipBitmaps[CHIP_PICK_BLOCK].Blt(0, 0, block.m_nWidth, block.m_nHeight, block, 0, 0, 0);

  cSurface& chara = ChipBitmaps[CHIP_PICK_CHARA];
  chara.Fill(0);
  for (int j = 0; j < 8; ++j) {
    const cSurface& src = ChipBitmaps[CHIP_CHARA + 2 * j];
    chara.Blt(32 * j, 0, 32, src.m_nHeight, src, 0, 0, 0);
  }

  cSurface& item = ChipBitmaps[CHIP_PICK_ITEM];
  const cSurface& items = ChipBitmaps[CHIP_ITEM];
  item.Fill(0);
  for (int j = 0; j < 8; ++j) item.Blt(32 * j, 0, 32, items.m_nHeight, items, 64 * j, 0, 0);

  cSurface& shot = ChipBitmaps[CHIP_PICK_SHOT];
  const cSurface& shots = ChipBitmaps[CHIP_SHOT];
  shot.Fill(0);
  for (int j = 0; j < 4; ++j)
    for (int k = 0; k < 30; ++k)
      shot.Blt(32 * (k / 15) + 64 * j + 8, 32 * (k % 15) + 8, 16, 16, shots, 32 * j, 16 * k, 0);

  cSurface& mark = ChipBitmaps[CHIP_PICK_MARK];
  const cSurface& marks = ChipBitmaps[CHIP_MARK];
  mark.Fill(0);
  mark.Blt(0, 0, marks.m_nWidth, marks.m_nHeight, marks, 0, 0, 0);
}

}  // namespace

void CreateProjectFolders() {
  for (const char* psz : EditorFolders) CreateDirectoryA(psz, nullptr);
  for (const char* psz : ProjectFolders) CreateDirectoryA(psz, nullptr);
}

bool CreateDefaultData(HWND hOwner) {
  if (PathIsDirectoryA(DATA_DIR)) return true;
  if (!PathIsDirectoryA(DEFAULT_DIR)) return false;
  if (ShowMsgBox(hOwner, DEFAULT_DATA_TEXT, DEFAULT_DATA_CAPTION, MB_YESNO) != IDYES) return false;
  char szFrom[MAX_PATH + 2], szTo[MAX_PATH + 2];
  if (!ShellFolderPath(DEFAULT_DIR, szFrom) || !ShellFolderPath(DATA_DIR, szTo)) return false;
  // The whole default folder becomes the data folder.
  if (ShellFolderOp(FO_COPY, szFrom, szTo) && PathIsDirectoryA(DATA_DIR)) return true;
  ShellFolderOp(FO_DELETE, szTo, nullptr);
  return false;
}

bool LoadChipBitmaps(const std::string& strStageBack, const std::string& strWorldBack) {
  for (int nSlot = 0; nSlot < CHIP_SLOT_COUNT; ++nSlot) {
    cBmpLoadRequest& req = ChipBmpRequests[nSlot];
    bool bBack = nSlot == CHIP_STAGE_BACK || nSlot == CHIP_WORLD_BACK;
    if (bBack) {
      const std::string& strPath = nSlot == CHIP_STAGE_BACK ? strStageBack : strWorldBack;
      if (strPath.empty()) {
        ChipBitmaps[nSlot].ReleaseBitmaps();
        continue;
      }
      req.SetPath(strPath.c_str());
    }
    if (ChipBitmaps[nSlot].LoadBmp(req) || bBack) continue;
    ErrorBox(CHIP_MISSING, req.szPath);
    return false;
  }
  ComposePickerSheets();
  return true;
}

bool LoadBmpPairs(cChkVector<cSurface>& vSurfaces, cChkVector<cEdBmpCharaExc>& vList) {
  for (cSurface& s : vSurfaces) s.ReleaseBitmaps();
  vSurfaces.resize(vList.size() * 2);
  for (int i = 1; i < static_cast<int>(vList.size()); ++i) {
    const cEdBmpCharaExc& e = vList[i];
    if (e.m_strPath.empty()) continue;
    int32_t nMirrorW = e.m_bGiant ? 32 * e.m_nGiantSize : 32;
    const char* pszPath = e.m_strPath.c_str();
    if (vSurfaces[2 * i].LoadBmp(pszPath, 8, 1, 0, 0) &&
        vSurfaces[2 * i + 1].LoadBmp(pszPath, 8, 1, nMirrorW, 0))
      continue;
    ErrorBox(CHARA_SP_FAILED, pszPath);
    return false;
  }
  return true;
}

std::string SetDamagedFileAside(const char* pszPath) {
  for (int n = 1; n < 100; ++n) {
    std::string strAside = std::string(pszPath) + ".broken";
    if (n > 1) strAside += std::to_string(n);
    if (CopyFileA(pszPath, strAside.c_str(), TRUE)) return strAside;
    if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
  return std::string();
}

namespace {

// The names are written back at shut-down: the damaged file is copied aside first, and the
// author told once which names may be missing and where the original is.
void ReportDamagedVarNames() {
  const std::string strAside = SetDamagedFileAside(GVALINFO_FILE);
  std::string strText;
  if (strAside.empty()) {
    ReportLog("err the damaged %s could not be copied aside", GVALINFO_FILE);
    FormatStr(strText, "%s が壊れています。読み込めた変数名だけを使います。\n元のファイルを残せませんでした。",
              GVALINFO_FILE);
  } else {
    FormatStr(strText, "%s が壊れています。読み込めた変数名だけを使います。\n元のファイルは %s に残しました。",
              GVALINFO_FILE, strAside.c_str());
  }
  MsgBox(nullptr, strText.c_str(), "警告", MB_OK | MB_ICONWARNING);
}

}  // namespace

bool LoadProject() {
  // What is read now is what the files hold.
  ForgetFailedSaves();
  bool bDamaged = false;
  if (!ReadVarNames(GValInfo, GVALINFO_FILE, &bDamaged)) {
    ReportLoadError(GVALINFO_FILE);
    return false;
  }
  if (bDamaged) ReportDamagedVarNames();
  if (GValInfo.size() != GVAL_COUNT) GValInfo.resize(GVAL_COUNT);
  if (!Database.LoadAll()) return false;
  if (!LoadRecordFile(SystemData, SYSTEM_FILE) || !LoadRecordFile(CommonPalette, COMMON_PALETTE_FILE) ||
      !LoadRecordFile(PrjOption, PRJ_OPTION_FILE) || !LoadRecordFile(WorldMap, WORLD_MAP_FILE))
    return false;
  EnsureDefaultStage();
  if (!LoadPalettes()) return false;
  const std::string strStageBack = Stage.m_vBackground.empty() ? std::string() : Stage.m_vBackground[0].m_strImage;
  if (!LoadChipBitmaps(strStageBack, WorldMap.m_strBgImage)) return false;
  if (!LoadBmpPairs(CharaSpBitmaps, Database.m_vBmpCharaExc)) return false;
  StageEditState.m_bStageOpen = 0;
  StageEditState.m_strStagePath.clear();
  return true;
}

bool OpenLastStage(const std::string& strPath) {
  bool bOk = false;
  if (!strPath.empty()) {
    cEdStage::Recover(strPath.c_str());
    bOk = Stage.Load(strPath.c_str()) != 0;
    if (!bOk) {
      Stage.Reset();
      Stage.SetSize(32, 32, 0, 0);
      // The file stays where it is; the author is told which stage the new one stands in for.
      ErrorBox("%s を開けませんでした。", strPath.c_str());
    }
  }
  StageEditState.m_bStageOpen = bOk ? 1 : 0;
  StageEditState.m_strStagePath = bOk ? strPath : std::string();
  // A path remembered as ".\data\..." is shown and kept as every other stage path is.
  DropCurrentFolderPrefix(StageEditState.m_strStagePath);
  StageEditState.AllocUndo(Stage.m_nUndoDepth, Stage.m_nPitch, Stage.m_nHeight);
  return bOk;
}
