#include "project/SysModePage.h"

#include "model/SystemData.h"
#include "resources/SystemSheetIds.h"

namespace {

const int MODES = 3;  // story, challenge, free; entry 3 of the mode lists has no controls

struct cModeIds {
  uint16_t wLives, wSpin, wInfinite;
  uint16_t awRank[1 + SYS_RANK_ITEM_COUNT];  // "ランキングON", then the five items
};

const cModeIds MODE_IDS[MODES] = {
    {IDC_SM_LIVES_0, IDC_SM_LIVES_SPIN_0, IDC_SM_INFINITE_0,
     {IDC_SM_RANK_ON_0, IDC_SM_RANK_ITEM_0_0, IDC_SM_RANK_ITEM_0_1, IDC_SM_RANK_ITEM_0_2,
      IDC_SM_RANK_ITEM_0_3, IDC_SM_RANK_ITEM_0_4}},
    {IDC_SM_LIVES_1, IDC_SM_LIVES_SPIN_1, IDC_SM_INFINITE_1,
     {IDC_SM_RANK_ON_1, IDC_SM_RANK_ITEM_1_0, IDC_SM_RANK_ITEM_1_1, IDC_SM_RANK_ITEM_1_2,
      IDC_SM_RANK_ITEM_1_3, IDC_SM_RANK_ITEM_1_4}},
    {IDC_SM_LIVES_2, IDC_SM_LIVES_SPIN_2, IDC_SM_INFINITE_2,
     {IDC_SM_RANK_ON_2, IDC_SM_RANK_ITEM_2_0, IDC_SM_RANK_ITEM_2_1, IDC_SM_RANK_ITEM_2_2,
      IDC_SM_RANK_ITEM_2_3, IDC_SM_RANK_ITEM_2_4}},
};

const int32_t LIVES_MIN = 1, LIVES_MAX = 99;

}  // namespace

cSysModePage::cSysModePage(cWindow* lpOwner, cWindowList* lpWindowList)
    : cSysPage(IDD_SYS_MODE, lpOwner, lpWindowList, 1) {
  cEdSystem& s = SystemData;
  for (int m = 0; m < MODES; ++m) {
    const cModeIds& ids = MODE_IDS[m];
    m_Ctrls.Value(ids.wLives, &s.m_vLives[m], LIVES_MIN, LIVES_MAX, ids.wSpin);
    m_Ctrls.Check(ids.wInfinite, &s.m_vInfinite[m]);
    cEdSysRanking& r = s.m_vRanking[m];
    m_Ctrls.Check(ids.awRank[0], &r.m_bRanking);
    for (int k = 0; k < SYS_RANK_ITEM_COUNT; ++k) m_Ctrls.Check(ids.awRank[1 + k], &r.m_vItems[k]);
  }
  m_Ctrls.Check(IDC_SM_SHARE_LIVES, &s.m_bShareLives);
  m_Ctrls.Check(IDC_SM_DEATH_TO_MAP, &s.m_bDeathToMap);
  m_Ctrls.Check(IDC_SM_MAP_LIVES, &s.m_bMapLives);
  m_Ctrls.Check(IDC_SM_STORY_HISCORE, &s.m_bStoryHiScore);
  m_Ctrls.Check(IDC_SM_STORY_TOTAL, &s.m_bStoryTotal);
  m_Ctrls.Check(IDC_SM_STORY_RESET_VARS, &s.m_bStoryResetVars);
  m_Ctrls.Check(IDC_SM_STORY_RETRY, &s.m_bStoryRetry);
  m_Ctrls.Check(IDC_SM_STORY_TO_MAP, &s.m_bStoryToMap);
  m_Ctrls.Value(IDC_SM_WORLDS, &s.m_nWorlds, LIVES_MIN, LIVES_MAX, IDC_SM_WORLDS_SPIN);
  m_Ctrls.Check(IDC_SM_ALL_WORLDS, &s.m_bAllWorlds);
  m_Ctrls.Check(IDC_SM_CHAL_HISCORE, &s.m_bChalHiScore);
  m_Ctrls.Check(IDC_SM_CHAL_TOTAL, &s.m_bChalTotal);
  m_Ctrls.Check(IDC_SM_CHAL_RESET_VARS, &s.m_bChalResetVars);
  m_Ctrls.Check(IDC_SM_CHAL_RETRY, &s.m_bChalRetry);
  m_Ctrls.Check(IDC_SM_FREE_RESET_VARS, &s.m_bFreeResetVars);
  m_Ctrls.Check(IDC_SM_TEST_RESET_VARS, &s.m_bTestResetVars);
}

void cSysModePage::UpdateEnable() {
  for (const cModeIds& ids : MODE_IDS) {
    m_Ctrls.Enable(ids.wLives, !m_Ctrls.IsChecked(ids.wInfinite));
    const bool bRanking = m_Ctrls.IsChecked(ids.awRank[0]) != 0;
    for (int k = 1; k <= SYS_RANK_ITEM_COUNT; ++k) m_Ctrls.Enable(ids.awRank[k], bRanking);
  }
  // Without shared lives the two world-map options mean nothing: they are switched off too.
  const bool bShare = m_Ctrls.IsChecked(IDC_SM_SHARE_LIVES) != 0;
  m_Ctrls.Enable(IDC_SM_DEATH_TO_MAP, bShare);
  m_Ctrls.Enable(IDC_SM_MAP_LIVES, bShare);
  if (bShare) return;
  m_Ctrls.SetChecked(IDC_SM_DEATH_TO_MAP, 0);
  m_Ctrls.SetChecked(IDC_SM_MAP_LIVES, 0);
}
