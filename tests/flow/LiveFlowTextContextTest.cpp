#include <gtest/gtest.h>

#include "palette/LiveFlowTextContext.h"
#include "model/Globals.h"
#include "model/Palette.h"
#include "model/Stage.h"

// The lists' texts name what the project holds at the moment of the redraw, not a snapshot.
TEST(LiveFlowTextContext, NamesComeFromTheLiveProject) {
  auto vCharas = CommonPalette.m_vChara;
  auto vVars = GValInfo;
  auto vStageItems = Stage.m_vPalItem;

  CommonPalette.m_vChara.resize(2);
  CommonPalette.m_vChara[1].m_strName = "スライム";
  GValInfo.resize(4);
  GValInfo[3].m_strName = "所持金";
  Stage.m_vPalItem.resize(1);

  FlowTextContextFn pfnOld = SetFlowTextContextFn(FillLiveFlowTextContext);
  cFlowTextContext ctx;
  GetFlowTextContext(ctx);
  EXPECT_EQ("スライム", ctx.PaletteNames(PAL_COMMON, PAL_CHARA).Name(1));
  EXPECT_EQ("003 所持金", NumberedName(ctx.VarNames(0), 3));
  EXPECT_FALSE(ctx.PaletteNames(PAL_STAGE, PAL_ITEM).Has(1));  // beyond the stage palette: no name
  EXPECT_EQ(SHEET_NONE, ctx.m_eSheet);

  CommonPalette.m_vChara[1].m_strName = "コウモリ";  // renamed after the context was filled
  EXPECT_EQ("コウモリ", ctx.PaletteNames(PAL_COMMON, PAL_CHARA).Name(1));

  SetFlowTextContextFn(pfnOld);
  CommonPalette.m_vChara = vCharas;
  GValInfo = vVars;
  Stage.m_vPalItem = vStageItems;
}
