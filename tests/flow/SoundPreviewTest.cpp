// The sound preview of the sound combos: "なし" and numbers past the list play nothing and say
// nothing; a file that cannot be played is reported.
#include <gtest/gtest.h>

#include "flow/SoundPreview.h"
#include "model/Database.h"
#include "support/TestSupport.h"

namespace {

cEdSound Sound(const char* pszPath) {
  cEdSound s;
  s.m_strPath = pszPath;
  return s;
}

}  // namespace

TEST(SoundPreview, PlaysWaveAndMidiRecordsAndReportsAnyOtherFile) {
  const auto vOld = Database.m_vSound;
  Database.m_vSound = {Sound(""), Sound("wave\\jump.wav"), Sound("wave\\fanfare.MID"), Sound("bgm\\theme.ogg")};
  cMsgBoxRecorder boxes;
  const struct {
    int32_t nSound;
    int nPlayed;
    bool bReported;
  } rows[] = {{0, 0, false}, {-1, 0, false}, {4, 0, false}, {1, 1, false}, {2, 1, false}, {3, 0, true}};
  for (const auto& r : rows) {
    boxes.Clear();
    EXPECT_EQ(r.nPlayed, PlaySoundRecord(nullptr, r.nSound)) << r.nSound;
    ASSERT_EQ(r.bReported ? 1u : 0u, boxes.Shown().size()) << r.nSound;
    if (r.bReported) {
      EXPECT_EQ("読み込み失敗！", boxes.Shown()[0].strText);
      EXPECT_EQ("エラー", boxes.Shown()[0].strCaption);
    }
  }
  // The record keeps its own path whatever the player does to its copy.
  EXPECT_EQ("wave\\fanfare.MID", Database.m_vSound[2].m_strPath);
  Database.m_vSound = vOld;
}
