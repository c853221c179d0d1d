#include "app/GameFinder.h"

#include <cstdio>
#include <cstring>
#include <cwchar>

#include "app/TextFormat.h"

namespace {

void CopyName(char* pszOut, const char* pszSrc) {
  size_t n = SjisFitLength(pszSrc, MAX_PATH - 1);
  memmove(pszOut, pszSrc, n);
  pszOut[n] = 0;
}

// Maps the file for its resources only: no code of it runs, and a program of the other bitness
// is read as well.
bool HasGameMark(const char* pszFolder, const char* pszName) {
  char szPath[MAX_PATH * 2];
  snprintf(szPath, sizeof szPath, "%s\\%s", pszFolder, pszName);
  HMODULE h = LoadLibraryExA(szPath, nullptr,
                             LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (!h) return false;
  std::unique_ptr<wchar_t[]> pText = LoadStringResource(h, 1);
  bool bMatch = pText && wcscmp(pText.get(), L"GAME") == 0;
  FreeLibrary(h);
  return bMatch;
}

}  // namespace

std::unique_ptr<wchar_t[]> LoadStringResource(HMODULE hModule, UINT nId) {
  HRSRC hRes = FindResourceExA(hModule, MAKEINTRESOURCEA(6), MAKEINTRESOURCEA(nId / 16 + 1),
                               MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT));
  if (!hRes) return nullptr;
  HGLOBAL hData = LoadResource(hModule, hRes);
  const WORD* p = hData ? static_cast<const WORD*>(LockResource(hData)) : nullptr;
  if (!p) return nullptr;
  // A block of 16 strings, each a length and that many UTF-16 characters, read within its size.
  const size_t nWords = SizeofResource(hModule, hRes) / sizeof(WORD);
  size_t i = 0;
  for (UINT k = 0; k < 16 && i < nWords; ++k) {
    const size_t nLen = p[i++];
    if (nLen > nWords - i) return nullptr;
    if (k == nId % 16) {
      if (nLen == 0) return nullptr;
      std::unique_ptr<wchar_t[]> pText(new wchar_t[nLen + 1]);
      memcpy(pText.get(), p + i, nLen * sizeof(WORD));
      pText[nLen] = 0;
      return pText;
    }
    i += nLen;
  }
  return nullptr;
}

bool ListExeFiles(cShellVector<std::string>& vNames) {
  char szDir[MAX_PATH];
  if (!GetCurrentDirectoryA(MAX_PATH, szDir)) return false;
  char szPattern[MAX_PATH + 8];
  snprintf(szPattern, sizeof szPattern, "%s\\*.exe", szDir);
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA(szPattern, &fd);
  if (h == INVALID_HANDLE_VALUE) return false;
  do {
    if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) vNames.push_back(fd.cFileName);
  } while (FindNextFileA(h, &fd));
  FindClose(h);
  return !vNames.empty();
}

bool FindGameAuto(char* pszOut) {
  cShellVector<std::string> vNames;
  if (!ListExeFiles(vNames)) return false;
  char szDir[MAX_PATH];
  if (!GetCurrentDirectoryA(MAX_PATH, szDir)) return false;
  for (const std::string& strName : vNames) {
    if (HasGameMark(szDir, strName.c_str())) {
      CopyName(pszOut, strName.c_str());
      return true;
    }
  }
  return false;
}

bool FindGameProgram(char* pszOut, int32_t bAutoGamePath, const char* pszGamePath) {
  if (bAutoGamePath) {
    if (FindGameAuto(pszOut)) return true;
    pszOut[0] = 0;
    return false;
  }
  CopyName(pszOut, pszGamePath ? pszGamePath : "");
  WIN32_FIND_DATAA fd;
  HANDLE h = pszOut[0] ? FindFirstFileA(pszOut, &fd) : INVALID_HANDLE_VALUE;
  if (h != INVALID_HANDLE_VALUE) {
    FindClose(h);
    return true;
  }
  pszOut[0] = 0;
  return false;
}
