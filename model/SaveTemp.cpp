#include "model/SaveTemp.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>

#include "app/Paths.h"

namespace {

const char* const TEMP_MARK = ".~";
const char* const TEMP_EXT = ".tmp";
// Temporary names tried for one save before it gives up (a few may be held by saves of another
// copy of the editor running at the same time).
constexpr int TEMP_TRIES = 64;

std::string FolderOf(const char* pszPath) {
  char sz[MAX_PATH];
  lstrcpynA(sz, pszPath, MAX_PATH);
  CutFileName(sz);
  return sz;
}

std::string NameOf(const char* pszPath) {
  char sz[MAX_PATH];
  lstrcpynA(sz, pszPath, MAX_PATH);
  GetFileName(sz);
  return sz;
}

// Whether a file name is one of our temporary names for the target's name: the name, the mark,
// hexadecimal digits and the extension.
bool IsTempNameOf(const std::string& strFound, const std::string& strName) {
  const std::string strPrefix = strName + TEMP_MARK;
  const size_t nExt = strlen(TEMP_EXT);
  if (strFound.size() <= strPrefix.size() + nExt) return false;
  if (lstrcmpiA(strFound.substr(0, strPrefix.size()).c_str(), strPrefix.c_str()) != 0) return false;
  if (lstrcmpiA(strFound.substr(strFound.size() - nExt).c_str(), TEMP_EXT) != 0) return false;
  for (size_t i = strPrefix.size(); i < strFound.size() - nExt; ++i)
    if (!isxdigit(static_cast<unsigned char>(strFound[i]))) return false;
  return true;
}

}  // namespace

int RemoveSaveTempFiles(const char* pszTarget) {
  if (!pszTarget || !*pszTarget) return 0;
  const std::string strFolder = FolderOf(pszTarget);
  const std::string strName = NameOf(pszTarget);
  if (strName.empty()) return 0;
  const std::string strPattern = strFolder + strName + TEMP_MARK + "*" + TEMP_EXT;
  if (strPattern.size() >= MAX_PATH) return 0;
  WIN32_FIND_DATAA fd;
  HANDLE hFind = FindFirstFileA(strPattern.c_str(), &fd);
  if (hFind == INVALID_HANDLE_VALUE) return 0;
  int nRemoved = 0;
  do {
    if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    // The pattern may also meet short names; only our own full names count.
    if (!IsTempNameOf(fd.cFileName, strName)) continue;
    if (DeleteFileA((strFolder + fd.cFileName).c_str())) ++nRemoved;
  } while (FindNextFileA(hFind, &fd));
  FindClose(hFind);
  return nRemoved;
}

int MakeSaveTempFile(const char* pszTarget, char* szTmp) {
  if (!pszTarget || !*pszTarget) return 0;
  RemoveSaveTempFiles(pszTarget);
  for (int i = 0; i < TEMP_TRIES; ++i) {
    char szSuffix[16];
    snprintf(szSuffix, sizeof szSuffix, "%s%x%s", TEMP_MARK, i, TEMP_EXT);
    const std::string strTmp = std::string(pszTarget) + szSuffix;
    if (strTmp.size() >= MAX_PATH) break;
    HANDLE h = CreateFileA(strTmp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
      CloseHandle(h);
      strcpy(szTmp, strTmp.c_str());
      return 1;
    }
    if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) return 0;
  }
  // A path too long for our name: a unique name of the system's in the same folder, so that the
  // final rename still never crosses volumes.
  std::string strFolder = FolderOf(pszTarget);
  if (strFolder.empty()) strFolder = ".";
  return GetTempFileNameA(strFolder.c_str(), "dat", 0, szTmp) ? 1 : 0;
}

int CopyFileWhole(const char* pszFrom, const char* pszTarget) {
  char szTmp[MAX_PATH];
  if (!pszFrom || !MakeSaveTempFile(pszTarget, szTmp)) return 0;
  // The copy takes the attributes of its source; a read-only one could never be replaced.
  if (CopyFileA(pszFrom, szTmp, FALSE) && SetFileAttributesA(szTmp, FILE_ATTRIBUTE_NORMAL) &&
      MoveFileExA(szTmp, pszTarget, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return 1;
  DeleteFileA(szTmp);
  return 0;
}
