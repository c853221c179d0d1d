// The clock the benchmarks read: seconds from the performance counter.
#pragma once

#include <windows.h>

#include <cstdint>

inline double Now() {
  static LARGE_INTEGER s_Freq;
  if (!s_Freq.QuadPart) QueryPerformanceFrequency(&s_Freq);
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / static_cast<double>(s_Freq.QuadPart);
}

// Seconds of CPU this process has used, on all its threads, in user and kernel mode.
inline double CpuNow() {
  FILETIME c, e, k, u;
  if (!GetProcessTimes(GetCurrentProcess(), &c, &e, &k, &u)) return 0;
  auto secs = [](const FILETIME& f) {
    return static_cast<double>((static_cast<uint64_t>(f.dwHighDateTime) << 32) | f.dwLowDateTime) * 1e-7;
  };
  return secs(k) + secs(u);
}
