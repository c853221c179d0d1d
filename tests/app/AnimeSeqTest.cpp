#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "app/AnimeSeq.h"

namespace {

cSeqDef Def(std::initializer_list<std::vector<cSeqFrame>> seqs) {
  cSeqDef def;
  for (const auto& s : seqs) def.push_back(cSeqFrames(s));
  return def;
}

std::vector<int32_t> Steps(cAnimeSeq& seq, int n) {
  std::vector<int32_t> v;
  for (int i = 0; i < n; ++i) v.push_back(seq.Step());
  return v;
}

// A bad index in the shell's containers posts WM_CLOSE to the frame window, which is none in the
// tests, so the close lands in this thread's queue.
bool TakeCloseRequest() {
  MSG msg;
  return PeekMessageA(&msg, nullptr, WM_CLOSE, WM_CLOSE, PM_REMOVE) != 0;
}

}  // namespace

TEST(AnimeSeq, PlaysDefinitionsTickByTick) {
  struct {
    const char* name;
    cSeqDef def;
    std::vector<int32_t> expected;
  } const cases[] = {
      {"loop", Def({{{3, 2}, {5, 1}, {SEQ_LOOP, 0}}}), {3, 5, 3, 3, 5, 3}},
      {"hold", Def({{{7, 1}, {SEQ_HOLD, 0}}}), {7, 7, 7, 7}},
      {"hold after a longer picture", Def({{{4, 1}, {7, 3}, {SEQ_HOLD, 0}}}), {7, 7, 7, 7, 7}},
      {"jump", Def({{{2, 1}, {SEQ_JUMP, 1}}, {{9, 2}, {4, 1}, {SEQ_LOOP, 0}}}), {9, 9, 4, 9, 9, 4}},
      {"jump to itself", Def({{{2, 1}, {6, 1}, {SEQ_JUMP, 0}}}), {6, 2, 6, 2}},
      {"zero ticks", Def({{{1, 0}, {2, 0}, {SEQ_LOOP, 0}}}), {2, 1, 2, 1}},
      {"no code at the end keeps the last picture", Def({{{4, 1}, {6, 1}}}), {6, 6, 6}},
      // Definitions that leave no picture to show give picture 0 and stay in range.
      {"no sequence", Def({}), {0, 0}},
      {"empty sequence", Def({{}}), {0, 0}},
      {"leading hold", Def({{{SEQ_HOLD, 0}, {5, 1}}}), {0, 0}},
      {"lone loop code", Def({{{SEQ_LOOP, 0}}}), {0, 0, 0}},
      {"jump to a missing sequence", Def({{{2, 1}, {SEQ_JUMP, 5}}}), {0, 0}},
      {"jump to a negative sequence", Def({{{2, 1}, {SEQ_JUMP, -1}}}), {0, 0}},
      {"jump to an empty sequence", Def({{{2, 1}, {SEQ_JUMP, 1}}, {}}), {0, 0}},
      {"leading jump", Def({{{SEQ_JUMP, 1}, {3, 1}}}), {0, 0}},
  };
  while (TakeCloseRequest()) {
  }
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    cAnimeSeq seq;
    seq.Set(c.def);
    EXPECT_EQ(c.expected, Steps(seq, static_cast<int>(c.expected.size())));
    EXPECT_EQ(c.expected.back(), seq.GetPict());
    EXPECT_FALSE(TakeCloseRequest());
  }
}

TEST(AnimeSeq, SetRestartsAtTheFirstFrameOfTheNewDefinition) {
  cAnimeSeq seq;
  seq.Set(Def({{{1, 1}, {2, 1}, {SEQ_LOOP, 0}}, {{8, 5}, {SEQ_LOOP, 0}}}));
  seq.SetSeq(1, 1);
  seq.Step();
  seq.Set(Def({{{4, 2}, {SEQ_LOOP, 0}}}));
  EXPECT_EQ(1, seq.SeqCount());
  EXPECT_EQ(0, seq.CurSeq());
  EXPECT_EQ(4, seq.GetPict());
  EXPECT_EQ((std::vector<int32_t>{4, 4, 4}), Steps(seq, 3));
}

TEST(AnimeSeq, SetSeqWaitsForALockedFrameUnlessForced) {
  cAnimeSeq seq;
  seq.Set(Def({{{1, 2, 1}, {2, 1}, {SEQ_LOOP, 0}}, {{8, 5}, {SEQ_LOOP, 0}}}));
  EXPECT_EQ(0, seq.SetSeq(1, 0));
  EXPECT_EQ(0, seq.CurSeq());
  EXPECT_EQ(1, seq.Step());  // the counter went on

  EXPECT_EQ(1, seq.SetSeq(1, 1));
  EXPECT_EQ(1, seq.CurSeq());
  EXPECT_EQ(0, seq.CurFrame());
  EXPECT_EQ(8, seq.GetPict());

  EXPECT_EQ(1, seq.SetSeq(0, 0));  // frame 8 is not locked
  EXPECT_EQ(1, seq.GetPict());
  EXPECT_EQ(0, seq.SetSeq(2, 1));  // no such sequence: nothing changes
  EXPECT_EQ(0, seq.CurSeq());
  EXPECT_FALSE(TakeCloseRequest());
}
