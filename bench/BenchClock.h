// The clock the benchmarks read: seconds from the performance counter.
#pragma once

#include <windows.h>

inline double Now() {
  static LARGE_INTEGER s_Freq;
  if (!s_Freq.QuadPart) QueryPerformanceFrequency(&s_Freq);
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / static_cast<double>(s_Freq.QuadPart);
}
