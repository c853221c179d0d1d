#include "base/ChkContainer.h"

#include <windows.h>

int StrEqual(const std::string& a, const std::string& b) { return lstrcmpA(a.c_str(), b.c_str()) == 0 ? 1 : 0; }
