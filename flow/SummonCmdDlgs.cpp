#include "flow/SummonCmdDlgs.h"

#include "model/CommandKindTable.h"
#include "model/Palette.h"
#include "model/Stage.h"
#include "model/StageEditState.h"
#include "resources/CmdDialogIds.h"
#include "resources/ShotCmdIds.h"

namespace {

const int16_t TIME_MIN = 1, TIME_MAX = 9999, OFFSET_LIMIT = 640;
const uint32_t FORM_EDITS[3] = {IDC_SH_FORM_PARAM1, IDC_SH_FORM_PARAM2, IDC_SH_FORM_PARAM3};
const uint32_t FORM_CAPTIONS[3] = {IDC_SH_FORM_CAPTION1, IDC_SH_FORM_CAPTION2, IDC_SH_FORM_CAPTION3};

template <class V>
void FillNames(cItemVector& vOut, const V* pv) {
  if (pv)
    MakeNumberedNameList(vOut, *pv);
  else
    vOut.clear();
}

}  // namespace

cSummonCmdDlgBase::cSummonCmdDlgBase(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                                     cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre, eLayer eWhat)
    : cShotPartCmdDlg(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList, lpAnchor, bCentre), m_eWhat(eWhat) {}

bool cSummonCmdDlgBase::PrepareSummon() {
  if (!PrepareShot()) return false;
  cEdCommand& cmd = Command();
  cEdShot& sh = Shot();
  if (m_Info.m_bNew) {
    cmd.m_nTime = 1;
    cmd.m_nAnime = 1;
    cmd.m_nSound = 1;
    sh.m_nSummonNo = 1;
  }
  FillEntries(sh.m_nSummonPalette);
  const bool bCommonOnly = StageEditState.m_nEditContext == EDIT_COMMON_PALETTE;
  BindTimeHeader();
  m_Ctrls.Combo(IDC_SM_PALETTE, &sh.m_nSummonPalette, bCommonOnly ? SummonPaletteCommonNames : SummonPaletteNames);
  m_Ctrls.Combo(IDC_SM_ENTRY, &sh.m_nSummonNo, &m_vEntryNames, 1);
  BindFormation();
  m_Ctrls.Combo(IDC_SH_DIRECTION, &sh.m_nDirection, MoveDirectionNames);
  m_Ctrls.Combo(IDC_SH_OBJECT, &sh.m_nAimAt, ShotObjectNames);
  m_Ctrls.Combo(IDC_SH_TARGET, &sh.m_nTarget, TargetSlotNames);
  m_Ctrls.Value(IDC_SH_OFFSET_X, &sh.m_nOffsetX, -OFFSET_LIMIT, OFFSET_LIMIT, IDC_SH_OFFSET_X_SPIN);
  m_Ctrls.Check(IDC_SH_FLIP_X, &sh.m_bMirrorX);
  m_Ctrls.Value(IDC_SH_OFFSET_Y, &sh.m_nOffsetY, -OFFSET_LIMIT, OFFSET_LIMIT, IDC_SH_OFFSET_Y_SPIN);
  m_Ctrls.Check(IDC_SH_FLIP_Y, &sh.m_bMirrorY);
  m_Ctrls.Combo(IDC_SH_ANIME, &cmd.m_nAnime, &m_vAnimeNames);
  m_Ctrls.Combo(IDC_SH_SOUND, &cmd.m_nSound, &m_vSoundNames);
  m_Ctrls.Check(IDC_SH_MUTE_OFF_SCREEN, &cmd.m_bMuteOffScreen);
  return true;
}

void cSummonCmdDlgBase::FillEntries(int32_t nPalette) {
  const bool bCommon = nPalette == 0, bStage = nPalette == 1;
  switch (m_eWhat) {
    case SUMMON_BLOCK:
      FillNames(m_vEntryNames, bCommon ? &CommonPalette.m_vBlock : bStage ? &Stage.m_vPalBlock : nullptr);
      break;
    case SUMMON_CHARA:
      FillNames(m_vEntryNames, bCommon ? &CommonPalette.m_vChara : bStage ? &Stage.m_vPalChara : nullptr);
      break;
    case SUMMON_ITEM:
      FillNames(m_vEntryNames, bCommon ? &CommonPalette.m_vItem : bStage ? &Stage.m_vPalItem : nullptr);
      break;
  }
  if (!m_bInit && !HasLiveWindow()) return;
  // The combo box keeps the entry number it shows while the new palette has it.
  if (auto* lpCombo = FindCtrl(m_Ctrls.m_vCombo16, IDC_SM_ENTRY)) lpCombo->SetItemVector(&m_vEntryNames);
}

void cSummonCmdDlgBase::RefillEntries() {
  const int32_t nPalette = m_Ctrls.ComboValue(IDC_SM_PALETTE);
  if (nPalette == 0 || nPalette == 1) FillEntries(nPalette);
}

void cSummonCmdDlgBase::ApplyTargetRule() {
  const int32_t f = m_Ctrls.ComboValue(IDC_SH_FORMATION);
  const bool bAimed = f == 3 || f == 5;
  m_Ctrls.Enable(IDC_SH_OBJECT, bAimed);
  m_Ctrls.Enable(IDC_SH_TARGET, bAimed && (m_eWhat != SUMMON_CHARA || m_Ctrls.ComboValue(IDC_SH_OBJECT) == 0));
}

void cSummonCmdDlgBase::UpdateFormation() {
  if (!m_Info.m_lpCommand) return;
  ApplyTargetRule();
  SetUpParamEdits(*this, FORM_EDITS, FORM_CAPTIONS, ShotFormationParams, m_Ctrls.ComboValue(IDC_SH_FORMATION),
                  SHOT_FORMATIONS, m_cLastFormation);
}

int cSummonCmdDlgBase::OnOwnCommand(WPARAM wParam) {
  const uint16_t wId = LOWORD(wParam), wCode = HIWORD(wParam);
  if (!m_Info.m_lpCommand) return false;
  if (wId == IDC_SH_FORMATION) {
    if (m_bInit) UpdateFormation();
    return true;
  }
  return PreviewOwnSound(wId, wCode);
}

// ---------------------------------------------------------------------------------------------

cBlockSummonCmdDlg::cBlockSummonCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                                       cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cDialogClass<cBlockSummonCmdDlg, cSummonCmdDlgBase>(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList,
                                                          lpAnchor, bCentre, SUMMON_BLOCK) {
  if (!PrepareSummon()) return;
  cEdShot& sh = Shot();
  if (m_Info.m_bNew) {
    sh.m_bFailOnHero = 0;
    sh.m_bFailOnEnemy = 1;
    sh.m_bMirrorX = 1;
  }
  m_Ctrls.Combo(IDC_SM_TYPE, &sh.m_nSummonType, BlockSummonTypeNames);
  m_Ctrls.Check(IDC_SM_FAIL_ON_HERO, &sh.m_bFailOnHero);
  m_Ctrls.Check(IDC_SM_FAIL_ON_ENEMY, &sh.m_bFailOnEnemy);
}

void cBlockSummonCmdDlg::UpdateEnable() {
  if (!m_Info.m_lpCommand) return;
  // Taking a block away needs no entry and cannot fail on what stands there.
  const bool bSummons = m_Ctrls.ComboValue(IDC_SM_TYPE) != 1;
  for (uint32_t nId : {IDC_SM_PALETTE, IDC_SM_ENTRY, IDC_SM_FAIL_ON_HERO, IDC_SM_FAIL_ON_ENEMY}) m_Ctrls.Enable(nId, bSummons);
  RefillEntries();
}

cCharaSummonCmdDlg::cCharaSummonCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                                       cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cDialogClass<cCharaSummonCmdDlg, cSummonCmdDlgBase>(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList,
                                                          lpAnchor, bCentre, SUMMON_CHARA) {
  if (!PrepareSummon()) return;
  cEdShot& sh = Shot();
  if (m_Info.m_bNew) {
    sh.m_bNoScore = 1;
    sh.m_bRange = 1;
    sh.m_nRange = 100;
  }
  m_Ctrls.Check(IDC_SM_USE_LIMIT, &sh.m_bRange);
  m_Ctrls.Value(IDC_SM_LIMIT, &sh.m_nRange, TIME_MIN, TIME_MAX, IDC_SM_LIMIT_SPIN);
  m_Ctrls.Combo(IDC_SM_TYPE, &sh.m_nSummonSide, SummonFactionModeNames);
  m_Ctrls.Value(IDC_SM_FACTION, &sh.m_nSide, 0, 8, IDC_SM_FACTION_SPIN);
  m_Ctrls.Check(IDC_SM_REVERSE_FACING, &sh.m_bFaceOpposite);
  m_Ctrls.Check(IDC_SM_ATTACK, &sh.m_bAttack);
  m_Ctrls.Combo(IDC_SM_FLOW_ID, &sh.m_nValidFlowId, FlowIdNames);
  m_Ctrls.Check(IDC_SM_ZERO_SCORE, &sh.m_bNoScore);
}

void cCharaSummonCmdDlg::UpdateEnable() {
  if (!m_Info.m_lpCommand) return;
  RefillEntries();
  m_Ctrls.Enable(IDC_SM_LIMIT, m_Ctrls.IsChecked(IDC_SM_USE_LIMIT));
  m_Ctrls.Enable(IDC_SM_FACTION, m_Ctrls.ComboValue(IDC_SM_TYPE) == 2);
  m_Ctrls.Enable(IDC_SM_FLOW_ID, m_Ctrls.IsChecked(IDC_SM_ATTACK));
  ApplyTargetRule();
}

cItemSummonCmdDlg::cItemSummonCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                                     cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cDialogClass<cItemSummonCmdDlg, cSummonCmdDlgBase>(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList,
                                                         lpAnchor, bCentre, SUMMON_ITEM) {
  if (!PrepareSummon()) return;
  cEdShot& sh = Shot();
  if (m_Info.m_bNew) {
    // Stored for the game although the dialog has no control for it.
    sh.m_bNoScore = 1;
    sh.m_bMirrorX = 1;
    sh.m_bRange = 1;
    sh.m_nRange = 100;
  }
  m_Ctrls.Check(IDC_SM_USE_LIMIT, &sh.m_bRange);
  m_Ctrls.Value(IDC_SM_LIMIT, &sh.m_nRange, TIME_MIN, TIME_MAX, IDC_SM_LIMIT_SPIN);
}

void cItemSummonCmdDlg::UpdateEnable() {
  if (!m_Info.m_lpCommand) return;
  RefillEntries();
  m_Ctrls.Enable(IDC_SM_LIMIT, m_Ctrls.IsChecked(IDC_SM_USE_LIMIT));
}
