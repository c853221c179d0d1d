#include "app/Paths.h"

#include <commdlg.h>
#include <shlobj.h>
#include <shlwapi.h>
#include <cstring>

#include "app/MsgBox.h"
#include "app/TextFormat.h"

namespace {

// Copies at most MAX_PATH - 1 bytes, never half a double-byte character.
void CopyPathBounded(char* pDst, const char* pszSrc) {
  size_t n = SjisFitLength(pszSrc, MAX_PATH - 1);
  memmove(pDst, pszSrc, n);
  pDst[n] = 0;
}

// Position of the last backslash that is not the trail byte of a double-byte character, or -1.
int LastBackslash(const char* psz) {
  int nLast = -1;
  for (int i = 0; psz[i] != 0;) {
    unsigned char c = static_cast<unsigned char>(psz[i]);
    if (IsSjisLead(c) && psz[i + 1] != 0) {
      i += 2;
      continue;
    }
    if (c == '\\') nLast = i;
    ++i;
  }
  return nLast;
}

template <class F>
int OnStringBuffer(std::string& str, F fn) {
  char sz[MAX_PATH];
  CopyPathBounded(sz, str.c_str());
  int r = fn(sz);
  str = sz;
  return r;
}

}  // namespace

int MakeRelativePath(char* pszPath) {
  if (PathIsRelativeA(pszPath)) return 1;
  char szCur[MAX_PATH];
  if (!GetCurrentDirectoryA(MAX_PATH, szCur)) return 0;
  char szRel[MAX_PATH];
  if (!PathRelativePathToA(szRel, szCur, FILE_ATTRIBUTE_DIRECTORY, pszPath, FILE_ATTRIBUTE_ARCHIVE))
    return 0;
  CopyPathBounded(pszPath, szRel);
  return 1;
}

int MakeRelativeStr(std::string& str) { return OnStringBuffer(str, MakeRelativePath); }

void DropCurrentFolderPrefix(std::string& str) {
  while (str.size() > 2 && str[0] == '.' && str[1] == '\\') str.erase(0, 2);
}

int MakeAbsolutePath(char* pszPath) {
  if (!PathIsRelativeA(pszPath)) return 1;
  char szCur[MAX_PATH];
  if (!GetCurrentDirectoryA(MAX_PATH, szCur)) return 0;
  char szFull[MAX_PATH];
  DWORD n = GetFullPathNameA(pszPath, MAX_PATH, szFull, nullptr);
  if (n == 0 || n >= MAX_PATH) return 0;
  CopyPathBounded(pszPath, szFull);
  return 1;
}

void GetFileName(char* pszPath) {
  int i = LastBackslash(pszPath);
  if (i < 0) return;
  memmove(pszPath, pszPath + i + 1, strlen(pszPath + i + 1) + 1);
}

void GetFileNameStr(std::string& str) {
  OnStringBuffer(str, [](char* p) {
    GetFileName(p);
    return 0;
  });
}

void CutFileName(char* pszPath) {
  int i = LastBackslash(pszPath);
  pszPath[i < 0 ? 0 : i + 1] = 0;
}

int ChangeExtension(char* pszDst, const char* pszSrc, const char* pszExt) {
  char sz[MAX_PATH];
  CopyPathBounded(sz, pszSrc);
  char* pDot = strrchr(sz, '.');
  if (!pDot) {
    strcpy(pszDst, sz);
    return 0;
  }
  if (pszExt) {
    size_t nKeep = static_cast<size_t>(pDot - sz) + 1;
    size_t nExt = SjisFitLength(pszExt, MAX_PATH - 1 - nKeep);
    memcpy(pDot + 1, pszExt, nExt);
    pDot[1 + nExt] = 0;
  } else {
    *pDot = 0;
  }
  strcpy(pszDst, sz);
  return 1;
}

int StripExtension(char* pszPath) {
  char* pDot = strrchr(pszPath, '.');
  if (!pDot) return 0;
  *pDot = 0;
  return 1;
}

int StripExtensionStr(std::string& str) { return OnStringBuffer(str, StripExtension); }

int GetExtension(char* pszDst, const char* pszPath) {
  const char* pDot = strrchr(pszPath, '.');
  if (!pDot) return 0;
  CopyPathBounded(pszDst, pDot + 1);
  return 1;
}

int HasExtension(const char* pszPath, const char* pszExt) {
  char sz[MAX_PATH];
  if (!GetExtension(sz, pszPath)) return 0;
  return lstrcmpA(sz, pszExt) == 0 ? 1 : 0;
}

int ListFiles(cPathList& vFiles, const char* pszFolder, const char* pszExt) {
  char szPattern[MAX_PATH * 2];
  snprintf(szPattern, sizeof szPattern, "%s\\*.%s", pszFolder, pszExt);
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA(szPattern, &fd);
  if (h == INVALID_HANDLE_VALUE) return 0;
  do {
    std::string s;
    FormatStr(s, "%s\\%s", pszFolder, fd.cFileName);
    vFiles.push_back(s);
  } while (FindNextFileA(h, &fd));
  FindClose(h);
  return 1;
}

int FindLatestNumbered(char* pszDst, const char* pszPath, const char* pszExt) {
  char szBase[MAX_PATH];
  ChangeExtension(szBase, pszPath, pszExt);
  char szTry[MAX_PATH + 8];
  for (int h = 9; h >= 0; --h)
    for (int t = 9; t >= 0; --t)
      for (int u = 9; u >= 0; --u) {
        snprintf(szTry, sizeof szTry, "%s_%d%d%d", szBase, h, t, u);
        if (GetFileAttributesA(szTry) != INVALID_FILE_ATTRIBUTES) {
          CopyPathBounded(pszDst, szTry);
          return 1;
        }
      }
  return 0;
}

int FindLatestNumberedStr(std::string& strDst, const std::string& strPath, const char* pszExt) {
  char szPath[MAX_PATH], szDst[MAX_PATH];
  CopyPathBounded(szPath, strPath.c_str());
  if (!FindLatestNumbered(szDst, szPath, pszExt)) return 0;
  strDst = szDst;
  return 1;
}

namespace {

void FillOfn(OPENFILENAMEA& ofn, HWND hOwner, char* pszFile, int nSize, const char* pszInitDir,
             const char* pszTitle, const char* pszFilter, const char* pszDefExt, DWORD dwFlags) {
  memset(&ofn, 0, sizeof ofn);
  ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
  ofn.hwndOwner = hOwner;
  ofn.hInstance = hOwner ? reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(hOwner, GWLP_HINSTANCE))
                         : GetModuleHandleA(nullptr);
  ofn.lpstrFilter = pszFilter;
  ofn.lpstrFile = pszFile;
  ofn.nMaxFile = static_cast<DWORD>(nSize);
  ofn.nMaxFileTitle = MAX_PATH;
  ofn.lpstrInitialDir = pszInitDir;
  ofn.lpstrTitle = pszTitle;
  ofn.lpstrDefExt = pszDefExt;
  ofn.Flags = dwFlags;
}

}  // namespace

void CollectChosenFiles(const char* pBuf, int nSize, cPathList& vFiles) {
  std::string strFirst;
  size_t nStart = vFiles.size();
  int nParts = 0;
  std::string strPart;
  for (int i = 0; i < nSize; ++i) {
    if (pBuf[i] != 0) {
      strPart += pBuf[i];
      continue;
    }
    if (strPart.empty()) break;  // two zero bytes in a row
    if (nParts == 0)
      strFirst = strPart;
    else
      vFiles.push_back(strPart);
    ++nParts;
    strPart.clear();
  }
  if (nParts > 1) {
    for (size_t k = nStart; k < vFiles.size(); ++k) {
      std::string s;
      FormatStr(s, "%s\\%s", strFirst.c_str(), vFiles[static_cast<int>(k)].c_str());
      vFiles[static_cast<int>(k)] = s;
    }
  } else {
    vFiles.push_back(strFirst);
  }
}

namespace {
FileDlgFn g_pfnFileDlg = nullptr;
}  // namespace

FileDlgFn SetFileDlgFn(FileDlgFn pfn) {
  FileDlgFn pPrev = g_pfnFileDlg;
  g_pfnFileDlg = pfn;
  return pPrev;
}

int OpenFileDlg(HWND hOwner, char* pszFile, int nSize, const char* pszInitDir, const char* pszTitle,
                const char* pszFilter, const char* pszDefExt, int bMulti, cPathList* pvFiles) {
  memset(pszFile, 0, static_cast<size_t>(nSize));
  if (g_pfnFileDlg) {
    if (!g_pfnFileDlg({false, hOwner, pszFile, nSize, pszInitDir, pszTitle, pszFilter, pszDefExt})) return 0;
    if (pvFiles) CollectChosenFiles(pszFile, nSize, *pvFiles);
    return 1;
  }
  OPENFILENAMEA ofn;
  DWORD dwFlags = OFN_EXPLORER | OFN_NONETWORKBUTTON | OFN_FILEMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
  if (bMulti) dwFlags |= OFN_ALLOWMULTISELECT;
  FillOfn(ofn, hOwner, pszFile, nSize, pszInitDir, pszTitle, pszFilter, pszDefExt, dwFlags);
  if (!GetOpenFileNameA(&ofn)) return 0;
  if (pvFiles) CollectChosenFiles(pszFile, nSize, *pvFiles);
  return 1;
}

int SaveFileDlg(HWND hOwner, char* pszFile, const char* pszInitDir, const char* pszTitle,
                const char* pszFilter, const char* pszDefExt, int bKeepName) {
  if (!bKeepName) memset(pszFile, 0, MAX_PATH);
  if (g_pfnFileDlg)
    return g_pfnFileDlg({true, hOwner, pszFile, MAX_PATH, pszInitDir, pszTitle, pszFilter, pszDefExt}) ? 1 : 0;
  OPENFILENAMEA ofn;
  FillOfn(ofn, hOwner, pszFile, MAX_PATH, pszInitDir, pszTitle, pszFilter, pszDefExt, 0xA120E);
  return GetSaveFileNameA(&ofn) ? 1 : 0;
}

namespace {

int CALLBACK BrowseCallback(HWND hWnd, UINT uMsg, LPARAM lParam, LPARAM lpData) {
  if (uMsg == BFFM_INITIALIZED) {
    SendMessageA(hWnd, BFFM_SETSELECTIONA, TRUE, lpData);
  } else if (uMsg == BFFM_SELCHANGED) {
    char sz[MAX_PATH];
    if (SHGetPathFromIDListA(reinterpret_cast<PCIDLIST_ABSOLUTE>(lParam), sz))
      SendMessageA(hWnd, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(sz));
  }
  return 0;
}

}  // namespace

int BrowseFolderDlg(HWND hOwner, char* pszResult, const char* pszInitDir, const char* pszTitle) {
  memset(pszResult, 0, MAX_PATH);
  char szInit[MAX_PATH];
  CopyPathBounded(szInit, pszInitDir ? pszInitDir : "");
  MakeAbsolutePath(szInit);
  BROWSEINFOA bi;
  memset(&bi, 0, sizeof bi);
  bi.hwndOwner = hOwner;
  bi.lpszTitle = pszTitle;
  bi.ulFlags = BIF_RETURNONLYFSDIRS;
  bi.lpfn = BrowseCallback;
  bi.lParam = reinterpret_cast<LPARAM>(szInit);
  PIDLIST_ABSOLUTE pidl = SHBrowseForFolderA(&bi);
  if (!pidl) return 0;
  int r = SHGetPathFromIDListA(pidl, pszResult) ? 1 : 0;
  CoTaskMemFree(pidl);
  return r;
}

bool ConfirmExit(HWND hOwner) {
  return ShowMsgBox(hOwner, "終了しますか？\n", "終了確認", MB_YESNO) == IDYES;
}

void SetWaitCursor() { SetCursor(LoadCursor(nullptr, IDC_WAIT)); }
void SetArrowCursor() { SetCursor(LoadCursor(nullptr, IDC_ARROW)); }
