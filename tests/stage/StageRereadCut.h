// A stage file that changes between the reader's check and its second reading: the reading that
// frees the open stage's cells then fails.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "model/Stage.h"

// Saves a stage larger than what the reader holds at once, so that its second reading goes back
// to the file; 1 when it was written.
inline int SaveLargeStage(const std::string& strPath) {
  std::unique_ptr<cEdStage> pSrc(new cEdStage);
  pSrc->SetSize(200, 100, 0, 0);
  for (int32_t i = 0; i < 200 * 100; ++i) {
    cEdBlock& b = pSrc->m_vBlockGrid.Unwatched(pSrc->CellIndex(i % 200, i / 200));
    b.m_nGraphic = static_cast<int16_t>(1 + i % 7);
    b.m_strName = "壁" + std::to_string(i);
  }
  return pSrc->Save(strPath.c_str());
}

// While alive, the file is cut in half, in place through the reader's own open file, between
// the two readings of every stage read.
class cCutBetweenReadings {
 public:
  explicit cCutBetweenReadings(const std::string& strPath) : m_pPrev(SetStageRereadHook(Cut)) { Path() = strPath; }
  ~cCutBetweenReadings() { SetStageRereadHook(m_pPrev); }
  cCutBetweenReadings(const cCutBetweenReadings&) = delete;
  cCutBetweenReadings& operator=(const cCutBetweenReadings&) = delete;

 private:
  static std::string& Path() {
    static std::string s;
    return s;
  }
  static void Cut() {
    HANDLE h = CreateFileA(Path().c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return;
    LARGE_INTEGER size, half;
    if (GetFileSizeEx(h, &size)) {
      half.QuadPart = size.QuadPart / 2;
      if (SetFilePointerEx(h, half, nullptr, FILE_BEGIN)) SetEndOfFile(h);
    }
    CloseHandle(h);
  }
  StageLoadHookFn m_pPrev;
};
