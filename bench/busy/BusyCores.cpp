// Keeps four cores busy, so that the benchmarks can be run on a busy machine: four threads that
// walk a few megabytes each (the cache and the memory bus get their share of the load, not only the
// arithmetic units) until the given number of seconds has passed (default 600) or the program is
// ended.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int THREADS = 4;
constexpr size_t BYTES = 8u << 20;

volatile LONG g_bStop = 0;

DWORD WINAPI Spin(void*) {
  std::vector<unsigned> v(BYTES / sizeof(unsigned), 1);
  unsigned nSum = 0;
  while (!g_bStop)
    for (size_t i = 0; i < v.size(); i += 16) nSum += v[i] += nSum;
  return nSum;
}

}  // namespace

int main(int argc, char** argv) {
  const int nSeconds = argc > 1 ? atoi(argv[1]) : 600;
  HANDLE ah[THREADS];
  int n = 0;
  for (; n < THREADS; ++n)
    if (!(ah[n] = CreateThread(nullptr, 0, Spin, nullptr, 0, nullptr))) break;
  printf("busy: %d threads for %d s\n", n, nSeconds);
  fflush(stdout);
  Sleep(static_cast<DWORD>(nSeconds > 0 ? nSeconds : 0) * 1000u);
  InterlockedExchange(&g_bStop, 1);
  WaitForMultipleObjects(static_cast<DWORD>(n), ah, TRUE, INFINITE);
  return 0;
}
