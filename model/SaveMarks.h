// The project's files that the editor writes as soon as they change (the database, the system
// data, the project options, the editor configuration and the variable names). They have no
// changed mark of their own: a save that failed is remembered here instead, so that closing the
// editor asks for it again rather than losing an edit that lives only in memory.
#pragma once

#include <windows.h>

enum eKeptFile {
  KEPT_DATABASE,
  KEPT_SYSTEM,
  KEPT_PRJ_OPTION,
  KEPT_EDIT_CONFIG,
  KEPT_VAR_NAMES,
  KEPT_FILE_COUNT
};

// Writes the object to its file(s); a failure names the file(s) and is remembered until a save
// of the same object succeeds. 1 when written. An object the author chose not to save at the
// closing question (No) is not tried again in this run: 0, no box.
int SaveKept(eKeptFile n);
// The author's own commit of the object (OK in its sheet): tried again even after that No, since
// it is a new request.
int CommitKept(eKeptFile n);
// The common-variable names to data\GValInfo.dat, as every editor that renames one and the
// shut-down do.
void SaveVarNames();
bool HasFailedSave(eKeptFile n);
// Whether the author answered No for the object at the closing question.
bool SaveGivenUp(eKeptFile n);
// The run is over: no object is written any more.
void GiveUpKeptSaves();
// Forgets every failed save and every No (a project loaded afresh).
void ForgetFailedSaves();
// Asks once for each object whose last save failed: Yes saves again, No goes on without it (and
// gives it up for the run), Cancel stops.
// 0 when closing must stop (Cancel, or a save that failed again).
int AskSaveFailed(HWND hOwner);
