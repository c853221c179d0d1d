// Finds the game program that test play starts: the configured executable, or the first
// executable of the current directory that marks itself with the string resource 1 "GAME".
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "base/ChkContainer.h"

// The project options' game settings: automatic detection (non-zero) and the configured path.
// The buffer holds at least MAX_PATH bytes: the program's path, or "" when none is found.
bool FindGameProgram(char* pszOut, int32_t bAutoGamePath, const char* pszGamePath);
bool FindGameAuto(char* pszOut);
// The file names (without folder) of the current directory's executables, in enumeration order.
bool ListExeFiles(cShellVector<std::string>& vNames);
// The string resource of the module in the neutral language, or null when it has none.
std::unique_ptr<wchar_t[]> LoadStringResource(HMODULE hModule, UINT nId);
