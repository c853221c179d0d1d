#include "model/FileSet.h"

#include <windows.h>

#include "model/DataFile.h"
#include "model/SaveTemp.h"

namespace {

const char* const STAGED_MARK = ".~new";

int s_nStepsLeft = -1;
bool s_bStopped = false;

bool Exists(const std::string& strPath) { return GetFileAttributesA(strPath.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool MoveInPlace(const std::string& strFrom, const char* pszTarget) {
  return MoveFileExA(strFrom.c_str(), pszTarget, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

// The journal's text only tells a person who finds it what was going on; recovery goes by its
// presence and by the staged files that are still there, so nothing read from it is trusted.
std::string JournalText(const char* const* ppszTargets, int nTargets) {
  std::string str = "Replacing these files with their staged copies (" + std::string(STAGED_MARK) + "):\r\n";
  for (int i = 0; i < nTargets; ++i) str += std::string(ppszTargets[i]) + "\r\n";
  return str;
}

}  // namespace

std::string StagedPathOf(const char* pszTarget) { return std::string(pszTarget ? pszTarget : "") + STAGED_MARK; }

bool TakeFileSetStep() {
  if (s_nStepsLeft < 0) return true;
  if (s_nStepsLeft == 0) {
    s_bStopped = true;
    return false;
  }
  --s_nStepsLeft;
  return true;
}

void SetFileSetStepLimit(int nSteps) {
  s_nStepsLeft = nSteps < 0 ? -1 : nSteps;
  s_bStopped = false;
}

bool FileSetStopped() { return s_bStopped; }

void DropStagedFiles(const char* const* ppszTargets, int nTargets) {
  for (int i = 0; i < nTargets; ++i) {
    const std::string strStaged = StagedPathOf(ppszTargets[i]);
    DeleteFileA(strStaged.c_str());
    RemoveSaveTempFiles(strStaged.c_str());
  }
}

int ReplaceFileSet(const char* pszJournal, const char* const* ppszTargets, int nTargets,
                   std::vector<std::string>* pvPending) {
  if (!TakeFileSetStep()) return 0;
  const std::string strJournal = JournalText(ppszTargets, nTargets);
  // Written whole and flushed before the first move: once it is on disk the new set is complete
  // in its staged files and will be finished whatever happens next.
  if (!ReplaceFileWithBytes(pszJournal, strJournal.data(), strJournal.size())) {
    DropStagedFiles(ppszTargets, nTargets);
    return 0;
  }
  for (int i = 0; i < nTargets; ++i) {
    if (!TakeFileSetStep()) return 0;
    if (MoveInPlace(StagedPathOf(ppszTargets[i]), ppszTargets[i])) continue;
    // The set is half moved now and cannot go back (the old files are replaced): the journal
    // stays, and the rest is moved at the next recovery.
    if (pvPending)
      for (int k = i; k < nTargets; ++k) pvPending->push_back(ppszTargets[k]);
    return 0;
  }
  if (!TakeFileSetStep()) return 0;
  DeleteFileA(pszJournal);
  return 1;
}

int RecoverFileSet(const char* pszJournal, const char* const* ppszTargets, int nTargets, std::string* pstrFailed) {
  if (!Exists(pszJournal)) {
    // A set that never reached its journal: its old files are all still in place.
    DropStagedFiles(ppszTargets, nTargets);
    RemoveSaveTempFiles(pszJournal);
    return 1;
  }
  for (int i = 0; i < nTargets; ++i) {
    const std::string strStaged = StagedPathOf(ppszTargets[i]);
    if (!Exists(strStaged) || MoveInPlace(strStaged, ppszTargets[i])) continue;
    if (pstrFailed) *pstrFailed = ppszTargets[i];
    return 0;
  }
  // A journal left behind would make the next set's staged files count as whole before they are.
  if (!DeleteFileA(pszJournal) && Exists(pszJournal)) {
    if (pstrFailed) *pstrFailed = pszJournal;
    return 0;
  }
  RemoveSaveTempFiles(pszJournal);
  return 1;
}
