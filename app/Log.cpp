#include "app/Log.h"

#include <windows.h>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <intrin.h>

#include <mutex>
#include <system_error>
#include <thread>

#include "app/TextFormat.h"

namespace {

char s_szReportPath[MAX_PATH];
// The system report is written on a side thread while start-up goes on: one line at a time.
std::mutex s_ReportMutex;
std::thread s_SystemReport;

struct sErrorLogState {
  int nEnabled = 0;
  uint8_t bFirstDone = 0;
  char szPath[MAX_PATH] = "EC_Editor.txt";
} s_ErrorLog;

void CopyPath(char* pDst, const char* pszSrc) {
  size_t n = SjisFitLength(pszSrc ? pszSrc : "", MAX_PATH - 1);
  memcpy(pDst, pszSrc, n);
  pDst[n] = 0;
}

FILE* OpenForAppend(const char* pszPath) {
  FILE* fp = fopen(pszPath, "r+t");
  if (fp) fseek(fp, 0, SEEK_END);
  return fp;
}

}  // namespace

bool CreateReportLog(const char* pszPath) {
  FILE* fp = fopen(pszPath, "wt");
  if (!fp) return false;
  fclose(fp);
  CopyPath(s_szReportPath, pszPath);
  return true;
}

bool ReportLogText(const char* pszText) {
  if (!s_szReportPath[0]) return false;
  std::lock_guard<std::mutex> lock(s_ReportMutex);
  FILE* fp = OpenForAppend(s_szReportPath);
  if (!fp) return false;
  fputs(pszText, fp);
  fputs("\n", fp);
  fclose(fp);
  return true;
}

bool ReportLog(const char* pszFormat, ...) {
  if (!s_szReportPath[0]) return false;
  std::lock_guard<std::mutex> lock(s_ReportMutex);
  FILE* fp = OpenForAppend(s_szReportPath);
  if (!fp) return false;
  va_list args;
  va_start(args, pszFormat);
  vfprintf(fp, pszFormat, args);
  va_end(args);
  fputs("\n", fp);
  fclose(fp);
  return true;
}

bool ReportAndErrorLog(const char* pszFormat, ...) {
  char sz[MSG_BUF_SIZE];
  va_list args;
  va_start(args, pszFormat);
  FormatBounded(sz, sizeof sz, pszFormat, args);
  va_end(args);
  if (!ReportLogText(sz)) return false;
  ErrorLog(sz);
  return true;
}

void SetErrorLog(int bEnabled, const char* pszPath) {
  s_ErrorLog.nEnabled = bEnabled;
  char szPath[MAX_PATH];
  CopyPath(szPath, pszPath);
  // The log is emptied at its first line once per file: another file starts over.
  if (lstrcmpiA(szPath, s_ErrorLog.szPath) != 0) s_ErrorLog.bFirstDone = 0;
  memcpy(s_ErrorLog.szPath, szPath, sizeof szPath);
}

bool IsErrorLogOn() { return s_ErrorLog.nEnabled != 0; }

void ErrorLog(const char* pszText) {
  if (!s_ErrorLog.nEnabled) return;
  FILE* fp;
  if (!s_ErrorLog.bFirstDone) {
    s_ErrorLog.bFirstDone = 1;
    fp = fopen(s_ErrorLog.szPath, "wt");
  } else {
    fp = OpenForAppend(s_ErrorLog.szPath);
  }
  if (!fp) return;
  fputs(pszText, fp);
  fputs("\n", fp);
  fclose(fp);
}

void ErrorLogF(const char* pszFormat, ...) {
  if (!s_ErrorLog.nEnabled) return;
  char sz[FORMAT_BUF_SIZE];
  va_list args;
  va_start(args, pszFormat);
  FormatBounded(sz, sizeof sz, pszFormat, args);
  va_end(args);
  ErrorLog(sz);
}

// ---- system report ----

const char* OsNameOf(uint32_t nPlatform, uint32_t nMajor, uint32_t nMinor) {
  switch (nPlatform) {
    case 0: return "Windows 3.1";
    case 1:
      if (nMinor == 0) return "Windows 95";
      if (nMinor == 10) return "Windows 98";
      if (nMinor == 90) return "Windows Me";
      return "";
    case 2:
      if (nMajor == 3) return "Windows NT 3.51";
      if (nMajor == 4) return "Windows NT 4.0";
      if (nMajor == 5 && nMinor == 0) return "Windows 2000";
      if (nMajor == 5 && nMinor == 1) return "Windows XP";
      if (nMajor == 5 && nMinor == 2) return "Windows XP Professional x64 Edition ?";
      if (nMajor == 6 && nMinor == 0) return "Windows Vista";
      if (nMajor == 6 && nMinor == 1) return "Windows 7";
      return "";
    default: return "";
  }
}

void GetOsName(char* pszOut) {
  OSVERSIONINFOA vi;
  memset(&vi, 0, sizeof vi);
  vi.dwOSVersionInfoSize = sizeof vi;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  GetVersionExA(&vi);
#pragma GCC diagnostic pop
  snprintf(pszOut, MAX_PATH, "%s %s PID %d Build %d",
           OsNameOf(vi.dwPlatformId, vi.dwMajorVersion, vi.dwMinorVersion), vi.szCSDVersion,
           static_cast<int>(vi.dwPlatformId), static_cast<int>(vi.dwBuildNumber));
}

void GetCpuInfo(cCpuInfo* p) {
  memset(p, 0, sizeof *p);
  int r[4];
  __cpuid(r, 0);
  if (r[0] == 0) return;
  memcpy(p->szVendor + 0, &r[1], 4);
  memcpy(p->szVendor + 4, &r[3], 4);
  memcpy(p->szVendor + 8, &r[2], 4);
  __cpuid(r, 1);
  p->bMmx = (r[3] >> 23) & 1;
  p->bSse = (r[3] >> 25) & 1;
  p->bSse2 = (r[3] >> 26) & 1;
  __cpuid(r, static_cast<int>(0x80000000u));
  unsigned nExt = static_cast<unsigned>(r[0]);
  if (nExt >= 0x80000001u) {
    __cpuid(r, static_cast<int>(0x80000001u));
    p->b3dNow = (static_cast<unsigned>(r[3]) >> 31) & 1;
    p->b3dNowExt = (r[3] >> 30) & 1;
  }
  if (nExt >= 0x80000004u) {
    for (int k = 0; k < 3; ++k) {
      __cpuid(r, static_cast<int>(0x80000002u) + k);
      memcpy(p->szBrand + k * 16, r, 16);
    }
  }
  // Clock: time-stamp counter against the performance counter over one second of ticks. The
  // second is slept, not spun: the counters run on either way, and a spinning thread would take a
  // processor from start-up (and from everything else on a busy machine) for the whole second.
  LARGE_INTEGER q0, q1, q2, f;
  QueryPerformanceCounter(&q0);
  QueryPerformanceCounter(&q1);
  unsigned long long c0 = __rdtsc();
  DWORD t0 = GetTickCount();
  for (DWORD dwPassed; (dwPassed = GetTickCount() - t0) < 1000;) Sleep(1000 - dwPassed);
  QueryPerformanceCounter(&q2);
  unsigned long long c1 = __rdtsc();
  QueryPerformanceFrequency(&f);
  double dTicks = static_cast<double>((q2.QuadPart - q1.QuadPart) - (q1.QuadPart - q0.QuadPart));
  if (dTicks > 0 && f.QuadPart > 0)
    p->dClock = static_cast<double>(c1 - c0) / (dTicks / static_cast<double>(f.QuadPart));
}

// The extended call: the plain one cuts its figures to 32 bits, so a machine with more than 4 GiB
// free would look nearly full.
uint64_t GetFreePhysMem() {
  MEMORYSTATUSEX ms;
  ms.dwLength = sizeof ms;
  if (!GlobalMemoryStatusEx(&ms)) return 0;
  return ms.ullAvailPhys;
}

int32_t GetDiskFree(const char* pszDir) {
  typedef BOOL(WINAPI * tGetDiskFreeSpaceExA)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);
  HMODULE h = GetModuleHandleA("kernel32.dll");
  if (!h) return 0;
  auto pfn = reinterpret_cast<tGetDiskFreeSpaceExA>(
      reinterpret_cast<void*>(GetProcAddress(h, "GetDiskFreeSpaceExA")));
  if (!pfn) return 0;
  ULARGE_INTEGER avail, total, free;
  if (!pfn(pszDir, &avail, &total, &free)) return 0;
  if (avail.QuadPart > 2147483647ULL) return 2147483647;
  return static_cast<int32_t>(avail.QuadPart);
}

bool WriteSystemInfo() {
  char szOs[MAX_PATH];
  GetOsName(szOs);
  if (!ReportLog("OS : %s\n", szOs)) return false;
  cCpuInfo cpu;
  GetCpuInfo(&cpu);
  ReportLog("CPU : %s %s %d\n", cpu.szVendor, cpu.szBrand, static_cast<int>(cpu.dClock * 0.000001));
  MEMORYSTATUSEX ms;
  ms.dwLength = sizeof ms;
  if (!GlobalMemoryStatusEx(&ms)) memset(&ms, 0, sizeof ms);
  const double MB = 1048576.0;
  ReportLog("Mem Total : %.3fMB\n", static_cast<double>(ms.ullTotalPhys) / MB);
  ReportLog("Mem Free : %3.fMB\n", static_cast<double>(ms.ullAvailPhys) / MB);
  ReportLog("Vir Total : %.3fMB\n", static_cast<double>(ms.ullTotalVirtual) / MB);
  ReportLog("Vir Free : %3.fMB\n", static_cast<double>(ms.ullAvailVirtual) / MB);
  ReportLog("HD Free : %3.fMB\n", GetDiskFree(nullptr) / MB);
  return true;
}

void StartSystemReport() {
  FinishSystemReport();
  // Measuring the clock takes a second of counting: the windows need not wait for it.
  try {
    s_SystemReport = std::thread([] { WriteSystemInfo(); });
  } catch (const std::system_error&) {
    WriteSystemInfo();
  }
}

void FinishSystemReport() {
  if (s_SystemReport.joinable()) s_SystemReport.join();
}
