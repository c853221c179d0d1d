// Files that must change together (the database's ten lists refer to one another): the new files
// are first made whole beside their targets under a staged name, then a journal is written whole
// and flushed, and only then are the staged files moved onto their targets, one by one, after
// which the journal goes. Whatever moment the process dies at, the next look at the set (before
// it is read or saved again) finds either no journal, and drops the staged files that never got
// that far (the old set stays), or the journal, and moves the staged files that are still there
// (the new set is completed).
#pragma once

#include <string>
#include <vector>

// The name a set's new file waits under, beside its target, until the set is moved into place.
std::string StagedPathOf(const char* pszTarget);

// Moves every target's staged file onto the target as one change (journal, moves, journal
// removed). 1 when the whole set was replaced. 0 when the journal could not be written: no
// target was touched and the staged files are removed. 0 also when a move failed after others
// were done: the journal stays and the next RecoverFileSet completes the set; the targets not
// replaced yet are added to *pvPending.
int ReplaceFileSet(const char* pszJournal, const char* const* ppszTargets, int nTargets,
                   std::vector<std::string>* pvPending);

// Brings a set whose replacing was cut short to a whole state, before anything reads or saves it.
// 1 when the set is whole; 0 when a staged file of a journal could not be moved, *pstrFailed then
// naming its target (the journal stays for the next try).
int RecoverFileSet(const char* pszJournal, const char* const* ppszTargets, int nTargets, std::string* pstrFailed);

// Removes the staged files of the targets (a set given up before its journal).
void DropStagedFiles(const char* const* ppszTargets, int nTargets);

// Each step that puts a file of a set in place (a staged file made, the journal written, a move,
// the journal removed) asks first; false means the save must end at once, leaving every file as
// it is, as a process killed at that moment would. Tests set a stop point with
// SetFileSetStepLimit: after that many steps every later one is refused (-1, the default: none).
bool TakeFileSetStep();
void SetFileSetStepLimit(int nSteps);
// Whether a step was refused since the limit was set.
bool FileSetStopped();
