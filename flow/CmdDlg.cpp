#include "flow/CmdDlg.h"

#include "flow/CodeCmdDlgs.h"
#include "flow/FlowCtrlCmdDlgs.h"
#include "flow/ItemFlowCmdDlg.h"
#include "flow/MoveCmdDlgs.h"
#include "flow/PresentCmdDlgs.h"
#include "flow/ShotCmdDlgs.h"
#include "flow/StatusCmdDlgs.h"
#include "flow/SummonCmdDlgs.h"
#include "model/CommandKindTable.h"
#include "resources/CmdDialogIds.h"

cCmdDlg::cCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                 cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cDialog(wTemplateId, lpOwner, nKind, lpWindowList, lpAnchor, bCentre) {
  if (lpInfo) m_Info = *lpInfo;
  m_lpParentClass = lpOwner;
  SetLayout(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
  if (!m_Info.m_lpCommand) return;
  cEdCommand& cmd = *m_Info.m_lpCommand;
  // A kind outside its table (a damaged file) carries no parameters.
  const cCmdKindInfo* lpKind = FindCmdKindInfo(cmd.m_bItem, cmd.m_nKind);
  cmd.m_vParam.resize(static_cast<size_t>(lpKind ? lpKind->m_nParamCount : 0), 0);
}

cEdMove& cCmdDlg::Move() {
  if (!Command().m_pMove) CreateShared(Command().m_pMove);
  return *Command().m_pMove;
}

cEdShot& cCmdDlg::Shot() {
  if (!Command().m_pShot) CreateShared(Command().m_pShot);
  return *Command().m_pShot;
}

cCondList& cCmdDlg::CondList() {
  if (!Command().m_pCondList) CreateShared(Command().m_pCondList);
  return *Command().m_pCondList;
}

void cCmdDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  if (m_ViewCtrl.m_hWnd) ShowWindow(m_ViewCtrl.m_hWnd, SW_HIDE);
}

void cCmdDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  CheckCommand(wParam);
  cDialog::OnCommand(wParam, lParam);
  if (CloseOnOkCancel(wParam, IDC_CMD_OK, IDC_CMD_CANCEL, [this] { CtrlsToData(); })) return;
  if (m_bInit && ChangedCtrlId(wParam)) UpdateEnable();
}

LRESULT cCmdDlg::MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  LRESULT r = DefProc(hWnd, uMsg, wParam, lParam);
  if (uMsg == WM_CLOSE) Close(0);
  if (uMsg != WM_CLOSE && !r) return 0;
  Draw();
  // The first focus stays where the dialog manager puts it.
  return 1;
}

bool IsClick(WPARAM wParam, uint16_t wId) { return LOWORD(wParam) == wId && HIWORD(wParam) == BN_CLICKED; }

cBoundCmdDlg::cBoundCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                           cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cCmdDlg(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList, lpAnchor, bCentre) {
  m_Ctrls.SetAttachOrder({cCtrlSet::EDIT32, cCtrlSet::EDIT16, cCtrlSet::COMBO32, cCtrlSet::COMBO16, cCtrlSet::COMBO8,
                          cCtrlSet::CHECK32, cCtrlSet::CHECK8, cCtrlSet::STR, cCtrlSet::SLIDER, cCtrlSet::BUTTON,
                          cCtrlSet::STATIC, cCtrlSet::PICTURE});
}

void cBoundCmdDlg::AttachWidestFirst() {
  m_Ctrls.SetAttachOrder({cCtrlSet::EDIT32, cCtrlSet::EDIT16, cCtrlSet::EDIT8, cCtrlSet::EDITREAL, cCtrlSet::CHECK8,
                          cCtrlSet::COMBO8, cCtrlSet::COMBO16, cCtrlSet::COMBO32, cCtrlSet::PICTURE,
                          cCtrlSet::STATIC, cCtrlSet::BUTTON});
}

void cBoundCmdDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cCmdDlg::OnInitDialog(wParam, lParam);
  m_Ctrls.AttachAll(this);
  AttachMore();
  DataToCtrls();
  AfterDataShown();
  UpdateEnable();
  AfterShow();
  m_bInit = 1;
}

void cBoundCmdDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  const uint16_t wId = LOWORD(wParam);
  if (wId == IDC_CMD_OK) {
    if (!CanStore()) return;
    BeforeClose();
    CtrlsToData();
    AfterStore();
    Close(1);
    return;
  }
  if (wId == IDC_CMD_CANCEL) BeforeClose();
  if (m_bInit && OnOwnCommand(wParam)) return;
  cCmdDlg::OnCommand(wParam, lParam);
  if (m_bInit && wId != IDC_CMD_CANCEL) AfterCommand(wParam);
}

LRESULT cBoundCmdDlg::MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  if (uMsg == WM_CLOSE) BeforeClose();
  return cCmdDlg::MsgProc(hWnd, uMsg, wParam, lParam);
}

void cBoundCmdDlg::BindTimeHeader() {
  cEdCommand& cmd = Command();
  m_Ctrls.Check(IDC_CMD_PARALLEL, &cmd.m_bParallel);
  m_Ctrls.Value(IDC_CMD_TIME, &cmd.m_nTime, 1, 9999, IDC_CMD_TIME_SPIN);
  m_Ctrls.Value(IDC_CMD_TIME_CLONE, &cmd.m_nTimeClone, -500, 500, IDC_CMD_TIME_CLONE_SPIN);
}

// ---------------------------------------------------------------------------------------------

namespace {

cCmdDlgKind s_aCharaKinds[CMD_KIND_COUNT];
cCmdDlgKind s_aItemKinds[ITEM_CMD_KIND_COUNT];
const cCmdDlgKind s_NoKind;

// The templates of character kinds 1 to 39, in kind order.
const uint16_t CHARA_TEMPLATES[CMD_KIND_COUNT] = {
    0,   207, 208, 259, 260, 261, 214, 262, 273, 263, 243, 209, 224, 258, 256, 257, 225, 245, 244, 239,
    264, 265, 215, 266, 281, 268, 232, 230, 227, 234, 213, 231, 233, 238, 240, 228, 229, 252, 279, 280};

template <class D>
INT_PTR OpenOf(cWindow* lpOwner, cDialog*& lpSlot, uint16_t wTemplateId, cCmdEditInfo* lpInfo,
               cWindowList* lpWindowList, cControl* lpAnchor) {
  return RunCmdDlg<D>(lpOwner, lpSlot, wTemplateId, lpInfo, lpWindowList, lpAnchor);
}

bool FillKinds() {
  for (int k = 1; k < CMD_KIND_COUNT; ++k) s_aCharaKinds[k].m_wTemplateId = CHARA_TEMPLATES[k];
  s_aCharaKinds[1].m_pfnOpen = &OpenOf<cWaitCmdDlg>;
  s_aCharaKinds[2].m_pfnOpen = &OpenOf<cLineMoveCmdDlg>;
  s_aCharaKinds[3].m_pfnOpen = &OpenOf<cGroundTurnMoveCmdDlg>;
  s_aCharaKinds[4].m_pfnOpen = &OpenOf<cCircleMoveCmdDlg>;
  s_aCharaKinds[5].m_pfnOpen = &OpenOf<cChargeMoveCmdDlg>;
  s_aCharaKinds[6].m_pfnOpen = &OpenOf<cHomingMoveCmdDlg>;
  s_aCharaKinds[7].m_pfnOpen = &OpenOf<cAvoidMoveCmdDlg>;
  s_aCharaKinds[8].m_pfnOpen = &OpenOf<cAvoidMoveCmdDlg>;
  s_aCharaKinds[9].m_pfnOpen = &OpenOf<cTurnCmdDlg>;
  s_aCharaKinds[10].m_pfnOpen = &OpenOf<cJumpCmdDlg>;
  s_aCharaKinds[11].m_pfnOpen = &OpenOf<cShotCmdDlg>;
  s_aCharaKinds[12].m_pfnOpen = &OpenOf<cSwordCmdDlg>;
  s_aCharaKinds[13].m_pfnOpen = &OpenOf<cBlockSummonCmdDlg>;
  s_aCharaKinds[14].m_pfnOpen = &OpenOf<cCharaSummonCmdDlg>;
  s_aCharaKinds[15].m_pfnOpen = &OpenOf<cItemSummonCmdDlg>;
  s_aItemKinds[1].m_wTemplateId = IDD_CMD_ITEM_FLOW;
  s_aItemKinds[1].m_pfnOpen = &OpenOf<cItemFlowCmdDlg>;
  // Flow and game control, status and item, presentation, code, arrange and loop (the item kinds
  // 2 to 24 open the same classes).
  s_aCharaKinds[16].m_pfnOpen = &OpenOf<cFlowOpCmdDlg>;
  s_aCharaKinds[17].m_pfnOpen = &OpenOf<cStageClearCmdDlg>;
  s_aCharaKinds[18].m_pfnOpen = &OpenOf<cGameWaitCmdDlg>;
  s_aCharaKinds[19].m_pfnOpen = &OpenOf<cMessageCmdDlg>;
  s_aCharaKinds[20].m_pfnOpen = &OpenOf<cWarpCmdDlg>;
  s_aCharaKinds[21].m_pfnOpen = &OpenOf<cTargetCmdDlg>;
  s_aCharaKinds[22].m_pfnOpen = &OpenOf<cStatusCmdDlg>;
  s_aCharaKinds[23].m_pfnOpen = &OpenOf<cStatus2CmdDlg>;
  s_aCharaKinds[24].m_pfnOpen = &OpenOf<cVanishCmdDlg>;
  s_aCharaKinds[25].m_pfnOpen = &OpenOf<cItemGetCmdDlg>;
  s_aCharaKinds[26].m_pfnOpen = &OpenOf<cGraphicCmdDlg>;
  s_aCharaKinds[27].m_pfnOpen = &OpenOf<cAnimeSetCmdDlg>;
  s_aCharaKinds[28].m_pfnOpen = &OpenOf<cAnimeCmdDlg>;
  s_aCharaKinds[29].m_pfnOpen = &OpenOf<cEffectCmdDlg>;
  s_aCharaKinds[30].m_pfnOpen = &OpenOf<cCharaEffectCmdDlg>;
  s_aCharaKinds[31].m_pfnOpen = &OpenOf<cScrEffectCmdDlg>;
  s_aCharaKinds[32].m_pfnOpen = &OpenOf<cPictureCmdDlg>;
  s_aCharaKinds[33].m_pfnOpen = &OpenOf<cScreenColorCmdDlg>;
  s_aCharaKinds[34].m_pfnOpen = &OpenOf<cBackgroundCmdDlg>;
  s_aCharaKinds[35].m_pfnOpen = &OpenOf<cSoundCmdDlg>;
  s_aCharaKinds[36].m_pfnOpen = &OpenOf<cBgmCmdDlg>;
  s_aCharaKinds[37].m_pfnOpen = &OpenOf<cCodeCmdDlg>;
  s_aCharaKinds[38].m_pfnOpen = &OpenOf<cArrangeCmdDlg>;
  s_aCharaKinds[39].m_pfnOpen = &OpenOf<cLoopCmdDlg>;
  return true;
}
const bool s_bFilled = FillKinds();

}  // namespace

const cCmdDlgKind& CharaCmdDlgKind(int nKind) {
  (void)s_bFilled;
  return nKind >= 1 && nKind < CMD_KIND_COUNT ? s_aCharaKinds[nKind] : s_NoKind;
}

const cCmdDlgKind& ItemCmdDlgKind(int nKind) {
  if (nKind == 1) return s_aItemKinds[1];
  if (nKind >= 2 && nKind < ITEM_CMD_KIND_COUNT) return CharaCmdDlgKind(nKind + ITEM_CMD_KIND_OFFSET);
  return s_NoKind;
}

void SetCharaCmdDlgOpener(int nKind, CmdDlgOpenFn pfnOpen) {
  if (nKind >= 1 && nKind < CMD_KIND_COUNT) s_aCharaKinds[nKind].m_pfnOpen = pfnOpen;
}

void SetItemCmdDlgOpener(int nKind, CmdDlgOpenFn pfnOpen) {
  if (nKind == 1) s_aItemKinds[1].m_pfnOpen = pfnOpen;
  else if (nKind >= 2 && nKind < ITEM_CMD_KIND_COUNT) SetCharaCmdDlgOpener(nKind + ITEM_CMD_KIND_OFFSET, pfnOpen);
}

INT_PTR OpenCmdDlgOfKind(const cCmdDlgKind& Kind, cWindow* lpOwner, cDialog*& lpSlot, cCmdEditInfo* lpInfo,
                         cWindowList* lpWindowList, cControl* lpAnchor) {
  if (Kind.m_wTemplateId == 0 || !Kind.m_pfnOpen) return 0;
  return Kind.m_pfnOpen(lpOwner, lpSlot, Kind.m_wTemplateId, lpInfo, lpWindowList, lpAnchor);
}

// ---------------------------------------------------------------------------------------------

cWaitCmdDlg::cWaitCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                         cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cDialogClass<cWaitCmdDlg, cBoundCmdDlg>(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList, lpAnchor, bCentre) {
  if (!m_Info.m_lpCommand) return;
  BindTimeHeader();
  if (m_Info.m_bNew) Command().m_nTime = 1;
}
