// MakeSample: fills a new project folder (the current directory, or the folder given) with the
// sample project's pictures and sounds.
#include <cstdio>
#include <string>
#include <vector>

#include "SampleArt.h"

int main(int argc, char** argv) {
  std::string strDir = argc > 1 ? argv[1] : ".";
  std::vector<std::string> vFailed;
  bool ok = WriteSampleArt(strDir, &vFailed);
  for (const std::string& s : vFailed) fprintf(stderr, "MakeSample: cannot write %s\n", s.c_str());
  return ok ? 0 : 1;
}
