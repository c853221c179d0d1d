// MakeSample: fills a new project folder (the current directory, or the folder given) with the
// sample project's pictures, sounds and data files.
#include <cstdio>
#include <string>
#include <vector>

#include "SampleArt.h"
#include "SampleData.h"

int main(int argc, char** argv) {
  std::string strDir = argc > 1 ? argv[1] : ".";
  std::vector<std::string> vFailed;
  bool bArt = WriteSampleArt(strDir, &vFailed);
  bool bData = WriteSampleData(strDir, &vFailed);
  for (const std::string& s : vFailed) fprintf(stderr, "MakeSample: cannot write %s\n", s.c_str());
  return bArt && bData ? 0 : 1;
}
