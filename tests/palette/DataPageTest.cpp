// The data pages' entry stepping and "No." text, on a bare page object over a palette copy.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/Dialog.h"
#include "model/Block.h"
#include "palette/DataPage.h"

namespace {

cChkVector<cEdBlock> MakePalette(int nCount) {
  cChkVector<cEdBlock> v(nCount);
  for (int i = 0; i < nCount; ++i) v[i].m_nGraphic = static_cast<int16_t>(i);
  return v;
}

TEST(DataPageTest, StepStoresThePageAndWrapsInsideTheAuthorsEntries) {
  struct {
    int nCount, nFrom, nStep, nTo;
  } aCases[] = {
      {5, 4, +1, 1},  // past the last entry: entry 1
      {5, 1, -1, 4},  // before entry 1: the last entry, never entry 0
      {5, 2, +1, 3}, {5, 3, -1, 2},
      {2, 1, +1, 1},  // a single author entry stays
      {2, 1, -1, 1},
      {5, 0, -1, 4},  // from entry 0 (the empty one) into the author's entries
  };
  for (const auto& c : aCases) {
    cChkVector<cEdBlock> vPal = MakePalette(c.nCount);
    cDialog page(0, nullptr, cWindow::KIND_PAGE, nullptr);
    cEdBlock work = vPal[c.nFrom];
    work.m_strName = "edited";
    cEdBlock* lpTarget = &vPal[c.nFrom];
    int32_t nNo = c.nFrom;
    int nLoads = 0;
    StepEditRecord(lpTarget, nNo, c.nStep, page, work, vPal,
                   [&](const cEdBlock& rec) {
                     work = rec;
                     ++nLoads;
                   },
                   nullptr);
    EXPECT_EQ(c.nTo, nNo) << c.nCount << " " << c.nFrom << " " << c.nStep;
    EXPECT_EQ(&vPal[c.nTo], lpTarget);
    EXPECT_EQ(1, nLoads);
    EXPECT_EQ(c.nTo, work.m_nGraphic);
    EXPECT_EQ("edited", vPal[c.nFrom].m_strName) << "the page was stored before the step";
  }
}

TEST(DataPageTest, NoTextShowsTheEntryNumberAndFollowsTheStep) {
  HWND h = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(h);
  cControl ctrl;
  ctrl.m_hWnd = h;
  SetEntryNoText(ctrl, 12);
  char sz[32];
  GetWindowTextA(h, sz, sizeof sz);
  EXPECT_EQ(std::string("No.12"), sz);
  cChkVector<cEdBlock> vPal = MakePalette(3);
  cDialog page(0, nullptr, cWindow::KIND_PAGE, nullptr);
  cEdBlock work = vPal[2];
  cEdBlock* lpTarget = &vPal[2];
  int32_t nNo = 2;
  StepEditRecord(lpTarget, nNo, +1, page, work, vPal, [&](const cEdBlock& rec) { work = rec; }, &ctrl);
  GetWindowTextA(h, sz, sizeof sz);
  EXPECT_EQ(std::string("No.1"), sz);
  ctrl.m_hWnd = nullptr;
  DestroyWindow(h);
}

}  // namespace
