// Start-up time of the editor, from starting its process in a sample project to its stage window
// being shown, against a trivial dialog program from its start to its dialog being shown. The two
// take turns in this process, so both meet the same machine; the medians are compared.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bench/BenchClock.h"
#include "bench/BenchProject.h"
#include "bench/WindowStart.h"

namespace {

constexpr int RUNS = 7;
// The stage window is a dialog whose title begins with the program's name.
const char* const STAGE_CAPTION = "Kordane4";

}  // namespace

int main() {
  const std::string strDir = MakeBenchProject("startup_bench");
  if (strDir.empty()) {
    printf("the sample project could not be made\n");
    return 1;
  }
  const std::string strEditor = HostPath(EDITOR_EXE_PATH), strTrivial = HostPath(TRIVIAL_EXE_PATH);
  std::vector<double> vEditor, vTrivial;
  bool bOk = true;
  for (int r = 0; r < RUNS && bOk; ++r) {
    const double tTrivial = TimeToWindow(strTrivial, strDir, nullptr);
    const double tEditor = TimeToWindow(strEditor, strDir, STAGE_CAPTION);
    bOk = tTrivial >= 0 && tEditor >= 0;
    vTrivial.push_back(tTrivial);
    vEditor.push_back(tEditor);
  }
  RemoveFolder(strDir);
  if (!bOk) {
    printf("a program did not show its window (editor %.3f s, trivial dialog %.3f s)\n", vEditor.back(),
           vTrivial.back());
    return 1;
  }
  const double dEditor = Median(vEditor), dTrivial = Median(vTrivial);
  const double dRatio = dEditor / std::max(dTrivial, 1e-3);
  printf("start-up to the shown window (medians of %d alternating runs): editor's stage window %.0f ms, "
         "trivial dialog program %.0f ms\n",
         RUNS, dEditor * 1e3, dTrivial * 1e3);
  printf("target start-up / trivial dialog program: %.2f (goal <= 3.00) %s\n", dRatio,
         dRatio <= 3.0 ? "met" : "missed");
  return 0;
}
