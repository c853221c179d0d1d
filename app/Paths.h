// Paths relative to the project folder, numbered stage-file versions, the common file dialogs
// (which never change the current directory), the exit question and the cursors.
#pragma once

#include <windows.h>
#include <string>

#include "base/ChkContainer.h"

typedef cShellVector<std::string> cPathList;

int MakeRelativePath(char* pszPath);
int MakeRelativeStr(std::string& str);
// A path inside the current folder in the one form the editor shows: "data\stg4\x" for
// ".\data\stg4\x" (which the relative-path call gives for a chosen file).
void DropCurrentFolderPrefix(std::string& str);
int MakeAbsolutePath(char* pszPath);
void GetFileName(char* pszPath);
void GetFileNameStr(std::string& str);
void CutFileName(char* pszPath);
int ChangeExtension(char* pszDst, const char* pszSrc, const char* pszExt);
int StripExtension(char* pszPath);
int StripExtensionStr(std::string& str);
int GetExtension(char* pszDst, const char* pszPath);
int HasExtension(const char* pszPath, const char* pszExt);
int ListFiles(cPathList& vFiles, const char* pszFolder, const char* pszExt);
int FindLatestNumbered(char* pszDst, const char* pszPath, const char* pszExt);
int FindLatestNumberedStr(std::string& strDst, const std::string& strPath, const char* pszExt);

// What a file dialog is asked; an answerer fills pszFile (nSize bytes) and returns non-zero for a
// chosen file, 0 for a cancelled dialog.
struct cFileDlgAsk {
  bool bSave;
  HWND hOwner;
  char* pszFile;
  int nSize;
  const char* pszInitDir;
  const char* pszTitle;
  const char* pszFilter;
  const char* pszDefExt;
};
typedef int (*FileDlgFn)(const cFileDlgAsk& ask);
// Replaces the system's open and save dialogs (tests answer them); null restores them. Returns
// the previous answerer.
FileDlgFn SetFileDlgFn(FileDlgFn pfn);

int OpenFileDlg(HWND hOwner, char* pszFile, int nSize, const char* pszInitDir, const char* pszTitle,
                const char* pszFilter, const char* pszDefExt, int bMulti, cPathList* pvFiles);
int SaveFileDlg(HWND hOwner, char* pszFile, const char* pszInitDir, const char* pszTitle,
                const char* pszFilter, const char* pszDefExt, int bKeepName);
int BrowseFolderDlg(HWND hOwner, char* pszResult, const char* pszInitDir, const char* pszTitle);
// Splits the buffer of a multiple-choice open dialog into full paths appended to the vector.
void CollectChosenFiles(const char* pBuf, int nSize, cPathList& vFiles);

bool ConfirmExit(HWND hOwner);
void SetWaitCursor();
void SetArrowCursor();
