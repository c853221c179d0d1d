#include "model/SaveMarks.h"

#include <string>
#include <vector>

#include "app/MsgBox.h"
#include "app/TextFormat.h"
#include "model/DataFile.h"
#include "model/DataRecord.h"
#include "model/Database.h"
#include "model/EditConfig.h"
#include "model/Globals.h"
#include "model/PrjOption.h"
#include "model/ProjectLoad.h"
#include "model/SystemData.h"

namespace {

bool s_abFailed[KEPT_FILE_COUNT] = {};

// What the question at closing calls each object.
const char* const KEPT_NAMES[KEPT_FILE_COUNT] = {"データベース", "システムの設定", "プロジェクトオプション",
                                                 "エディターの設定", "変数名"};

// One box names every database file that could not be written; then none of them was replaced.
int SaveDatabase() {
  std::vector<std::string> vFailed;
  if (Database.SaveAll(&vFailed)) return 1;
  std::string strFiles;
  for (const std::string& s : vFailed) strFiles += (strFiles.empty() ? "" : "\n") + s;
  ReportSaveError(strFiles.c_str());
  return 0;
}

int Write(eKeptFile n) {
  switch (n) {
    case KEPT_DATABASE:
      return SaveDatabase();
    case KEPT_SYSTEM:
      return SaveOrReport(SystemData, SYSTEM_FILE);
    case KEPT_PRJ_OPTION:
      return SaveOrReport(PrjOption, PRJ_OPTION_FILE);
    case KEPT_EDIT_CONFIG:
      return SaveOrReport(EditConfig, EDIT_CONFIG_FILE);
    case KEPT_VAR_NAMES:
      return CheckSaved(SaveToFile(GValInfo, GVALINFO_FILE), GVALINFO_FILE);
    default:
      return 0;
  }
}

}  // namespace

int SaveKept(eKeptFile n) {
  if (n < 0 || n >= KEPT_FILE_COUNT) return 0;
  const int bSaved = Write(n) ? 1 : 0;
  s_abFailed[n] = !bSaved;
  return bSaved;
}

void SaveVarNames() { SaveKept(KEPT_VAR_NAMES); }

bool HasFailedSave(eKeptFile n) { return n >= 0 && n < KEPT_FILE_COUNT && s_abFailed[n]; }

void ForgetFailedSaves() {
  for (bool& b : s_abFailed) b = false;
}

int AskSaveFailed(HWND hOwner) {
  for (int i = 0; i < KEPT_FILE_COUNT; ++i) {
    const eKeptFile n = static_cast<eKeptFile>(i);
    if (!s_abFailed[n]) continue;
    std::string strText;
    FormatStr(strText, "%sが保存されていません。\n保存しますか？", KEPT_NAMES[n]);
    const int nAnswer = MsgBox(hOwner, strText.c_str(), "保存確認", MB_YESNOCANCEL);
    if (nAnswer == IDCANCEL) return 0;
    if (nAnswer == IDYES && !SaveKept(n)) return 0;
  }
  return 1;
}
