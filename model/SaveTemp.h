// The temporary files a save writes beside its target before it replaces it. They are named after
// the target ("Stage.stg4_778.~0.tmp" for "Stage.stg4_778"), so that what a save left behind when
// it was cut short (a killed process, a lost power) is known as ours and goes the next time the
// same file is saved.
#pragma once

#include <windows.h>

// Removes the temporary files earlier saves of the target left behind, then creates a new, empty
// one beside the target and puts its path in szTmp (MAX_PATH bytes). A target whose path leaves no
// room for the longer name gets a plain temporary file of the system instead. 0 when no file could
// be created.
int MakeSaveTempFile(const char* pszTarget, char* szTmp);

// Removes the temporary files that saves of the target left behind; a file still open in another
// save stays. Returns how many were removed.
int RemoveSaveTempFiles(const char* pszTarget);

// Copies a file whole to the target through a temporary file beside it, replacing an older file of
// that name only once the copy is complete: the target is the whole old file or the whole copy.
int CopyFileWhole(const char* pszFrom, const char* pszTarget);
