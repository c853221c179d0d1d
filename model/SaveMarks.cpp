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
// Answered No at the question: not written again in this run (the windows that close after the
// question would otherwise each try, and each fail with a box of its own).
bool s_abGivenUp[KEPT_FILE_COUNT] = {};

bool Valid(eKeptFile n) { return n >= 0 && n < KEPT_FILE_COUNT; }

// What the question at closing calls each object.
const char* const KEPT_NAMES[KEPT_FILE_COUNT] = {"データベース", "システムの設定", "プロジェクトオプション",
                                                 "エディターの設定", "変数名"};

// One box names every database file that could not be written, and says what became of the set:
// normally none of the ten was replaced; after a move that failed half-way, the rest follows at
// the next save or start.
int SaveDatabase() {
  std::vector<std::string> vFailed;
  bool bPending = false;
  if (Database.SaveAll(&vFailed, &bPending)) return 1;
  std::string strFiles;
  for (const std::string& s : vFailed) strFiles += (strFiles.empty() ? "" : "\n") + s;
  ErrorBox("%s の保存に失敗しました！\n%s", strFiles.c_str(),
           bPending ? "残りのファイルは、次にデータベースを保存するか読み込むときに置き換えます。"
                    : "データベースの10個のファイルは、どれも置き換えていません（元のままです）。");
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
  if (!Valid(n) || s_abGivenUp[n]) return 0;
  const int bSaved = Write(n) ? 1 : 0;
  s_abFailed[n] = !bSaved;
  return bSaved;
}

int CommitKept(eKeptFile n) {
  if (!Valid(n)) return 0;
  s_abGivenUp[n] = false;
  return SaveKept(n);
}

void SaveVarNames() { SaveKept(KEPT_VAR_NAMES); }

bool HasFailedSave(eKeptFile n) { return Valid(n) && s_abFailed[n]; }

bool SaveGivenUp(eKeptFile n) { return Valid(n) && s_abGivenUp[n]; }

void GiveUpKeptSaves() {
  for (bool& b : s_abGivenUp) b = true;
  for (bool& b : s_abFailed) b = false;
}

void ForgetFailedSaves() {
  for (bool& b : s_abFailed) b = false;
  for (bool& b : s_abGivenUp) b = false;
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
    if (nAnswer == IDNO) {
      s_abFailed[n] = false;
      s_abGivenUp[n] = true;
    }
  }
  return 1;
}
