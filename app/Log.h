// The report log (always written) and the error log (written only when switched on), and the
// system report written once at start-up. Files are opened and closed per line.
#pragma once

#include <cstdint>

bool CreateReportLog(const char* pszPath);
bool ReportLog(const char* pszFormat, ...);
bool ReportAndErrorLog(const char* pszFormat, ...);
// Appends a text as it stands (no formatting) and a line break to the report log.
bool ReportLogText(const char* pszText);
void SetErrorLog(int bEnabled, const char* pszPath);
bool IsErrorLogOn();
void ErrorLog(const char* pszText);
void ErrorLogF(const char* pszFormat, ...);

struct cCpuInfo {
  char szBrand[256];
  char szVendor[256];
  bool bMmx, bSse, bSse2, b3dNow, b3dNowExt;
  double dClock;  // hertz
};

bool WriteSystemInfo();
// WriteSystemInfo on a side thread, and the wait for it: the report log is complete once
// FinishSystemReport returns.
void StartSystemReport();
void FinishSystemReport();
void GetOsName(char* pszOut /* 260 bytes */);
// The operating-system name of a platform id and version, "" when not listed.
const char* OsNameOf(uint32_t nPlatform, uint32_t nMajor, uint32_t nMinor);
void GetCpuInfo(cCpuInfo* pInfo);
// Free physical memory in bytes, in 64 bits.
uint64_t GetFreePhysMem();
int32_t GetDiskFree(const char* pszDir);
