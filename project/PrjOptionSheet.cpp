#include "project/PrjOptionSheet.h"

#include <commctrl.h>
#include <prsht.h>

#include <new>

#include "app/MsgBox.h"
#include "app/Paths.h"
#include "app/WindowList.h"
#include "model/DataRecord.h"
#include "model/Inherit.h"
#include "model/PaletteOptionTables.h"
#include "model/PrjOption.h"
#include "model/SaveMarks.h"
#include "model/StageEditState.h"
#include "palette/DataSheets.h"
#include "resources/ProjectSheetIds.h"

constexpr int32_t PrjInheritCheckIds[cPrjOptionInheritPage::CHECK_COUNT + 1] = {
    // block, "ステージ", "コモン→配置", "ステージ→配置"
    1257, 1258, 1259, 1260, 1261, 1262, 1263, 1264, 1265, 11301, 1366,
    1307, 1308, 1309, 1310, 1311, 1312, 1313, 1314, 1315, 1328, 1367,
    1188, 1189, 1190, 1191, 1192, 1193, 1194, 1195, 1196, 11300, 1365,
    // character
    1268, 1269, 1270, 1271, 1272, 1273, 1274, 1275, 1276, 1277, 1278, 1279,
    1280, 1281, 1282, 1283, 1284, 1285, 1286, 1287, 1288, 1289, 1290, 1291,
    1292, 1293, 1294, 1295, 1296, 1297, 1298, 1299, 1301, 1303, 1369, 1371,
    1375,
    1330, 1331, 1332, 1333, 1334, 1335, 1336, 1337, 1338, 1339, 1340, 1341,
    1342, 1343, 1344, 1345, 1346, 1347, 1348, 1349, 1316, 1317, 1318, 1319,
    1320, 1321, 1322, 1323, 1324, 1325, 1326, 1327, 1329, 1370, 1373, 1374,
    1376,
    1197, 1198, 1199, 1200, 1201, 1202, 1203, 1204, 1205, 1206, 1207, 1208,
    1209, 1210, 1211, 1212, 1213, 1214, 1215, 1216, 1217, 1218, 1219, 1220,
    1221, 1222, 1223, 1224, 1225, 1226, 1227, 1228, 1300, 1302, 1368, 1372,
    1377,
    // item
    1229, 1243, 1244, 1245, 1246, 1247, 1248, 1249, 1250, 1251, 1252, 1253, 1363,
    1350, 1351, 1352, 1353, 1354, 1355, 1356, 1357, 1358, 1359, 1360, 1361, 1364,
    1242, 1231, 1232, 1233, 1234, 1235, 1236, 1237, 1238, 1239, 1240, 1241, 1362,
    -1};

const int32_t PrjInheritComboIds[9] = {
    IDC_INH_BLOCK_STAGE,        IDC_INH_CHARA_STAGE,        IDC_INH_ITEM_STAGE,
    IDC_INH_BLOCK_COMMON_PLACE, IDC_INH_CHARA_COMMON_PLACE, IDC_INH_ITEM_COMMON_PLACE,
    IDC_INH_BLOCK_STAGE_PLACE,  IDC_INH_CHARA_STAGE_PLACE,  IDC_INH_ITEM_STAGE_PLACE,
};

namespace {

constexpr int CountIds(const int32_t* p) { return *p == -1 ? 0 : 1 + CountIds(p + 1); }
// The table is fixed: a wrong count is a fault of this file, caught when it is built.
static_assert(CountIds(PrjInheritCheckIds) == cPrjOptionInheritPage::CHECK_COUNT,
              "one inheritance check box per flag");

// Flags per kind: block, character, item.
const int ROWS[3] = {cEdBlock::INHERIT_GROUPS, cEdChara::INHERIT_GROUPS, cEdItem::INHERIT_GROUPS};
static_assert(3 * (cEdBlock::INHERIT_GROUPS + cEdChara::INHERIT_GROUPS + cEdItem::INHERIT_GROUPS) ==
                  cPrjOptionInheritPage::CHECK_COUNT,
              "the check boxes cover every flag");

// "ステージ→配置" shows "継承しない" and "ステージパレット", which stand for 0 and 2.
const int32_t STAGE_PLACE_CONV[2] = {SRC_NONE, SRC_STAGE};

PrjOptionClosedFn s_pfnClosed = nullptr;

void ShowAndEnableAll() {
  WindowList.ShowAll(1);
  WindowList.EnableAll(1);
}

void TellSheetChanged(cDialog* lpPage) {
  HWND hSheet = lpPage->m_hSheetWnd ? lpPage->m_hSheetWnd : GetParent(lpPage->m_hWnd);
  if (hSheet) SendMessageA(hSheet, PSM_CHANGED, reinterpret_cast<WPARAM>(lpPage->m_hWnd), 0);
}

void HideView(cDialog* lpDlg) {
  if (lpDlg->m_ViewCtrl.m_hWnd) ShowWindow(lpDlg->m_ViewCtrl.m_hWnd, SW_HIDE);
}

// The pages' message handling after the base: OK or Apply commits through the page's sheet; a
// message the base did not take answers 0.
LRESULT PageMessage(cDialog* lpPage, LRESULT nDefault, UINT uMsg, LPARAM lParam) {
  if (uMsg == WM_NOTIFY && lParam && reinterpret_cast<const NMHDR*>(lParam)->code == static_cast<UINT>(PSN_APPLY)) {
    cPrjOptionSheet* lpSheet = static_cast<cPrjOptionSheet*>(lpPage->m_lpSheet);
    if (lpSheet && lpSheet->CommitsFor(lpPage)) lpSheet->Save();
  }
  if (!nDefault) return 0;
  lpPage->Draw();
  return 1;
}

}  // namespace

// ---- conversion-table combo ----

void cConvComboCtrl::DataToCtrl() {
  if (!Table()) {
    cComboCtrl<int32_t>::DataToCtrl();
    return;
  }
  if (!m_pData) return;
  int32_t nPos = -1;
  for (int32_t i = 0; i < ItemCount(); ++i)
    if (Table()[i] == *m_pData) {
      nPos = i;
      break;
    }
  SendMessageA(m_hWnd, CB_SETCURSEL, static_cast<WPARAM>(nPos), 0);
}

void cConvComboCtrl::CtrlToData() {
  if (!Table()) {
    cComboCtrl<int32_t>::CtrlToData();
    return;
  }
  int32_t nValue = GetConvData();
  if (m_pData && nValue >= 0) *m_pData = nValue;
}

int32_t cConvComboCtrl::GetConvData() const {
  int32_t nPos = static_cast<int32_t>(SendMessageA(m_hWnd, CB_GETCURSEL, 0, 0));
  if (!Table()) return GetCurData();
  return nPos >= 0 && nPos < ItemCount() ? Table()[nPos] : -1;
}

// ---- "全般" ----

cPrjOptionGeneralPage::cPrjOptionGeneralPage(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind,
                                             cWindowList* lpWindowList)
    : cDialogClass<cPrjOptionGeneralPage>(wTemplateId, lpOwner, nKind, lpWindowList) {
  m_Ctrls.Path(IDC_PRJ_GAME_PATH, &PrjOption.m_strGamePath);
  m_Ctrls.Check(IDC_PRJ_AUTO_GAME, &PrjOption.m_bAutoGamePath);
  m_Ctrls.Combo(IDC_PRJ_OLD_STAGE, &PrjOption.m_nOldVerStage, OldVerStageNames);
  for (uint32_t nId : {IDC_PRJ_DEF_BLOCK, IDC_PRJ_DEF_CHARA, IDC_PRJ_DEF_ITEM, IDC_PRJ_GAME_BROWSE}) m_Ctrls.Button(nId);
}

cPrjOptionGeneralPage::~cPrjOptionGeneralPage() {
  for (cPropSheet*& lpSheet : m_lpDataSheet) SafeDelete(lpSheet);
  Dispose();
}

void cPrjOptionGeneralPage::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  HideView(this);
  m_Ctrls.AttachAll(this);
  DataToCtrls();
  UpdateEnable();
  m_bInit = 1;
}

// The path is typed only when the program is not found automatically.
void cPrjOptionGeneralPage::UpdateEnable() {
  cCheckCtrl<int32_t>* lpAuto = m_Ctrls.Chk(IDC_PRJ_AUTO_GAME);
  if (lpAuto) m_Ctrls.Enable(IDC_PRJ_GAME_PATH, lpAuto->GetCheck() == 0);
}

// False when the chosen path cannot be made relative (another drive): the command then ends at
// once and the edit keeps its text.
bool cPrjOptionGeneralPage::BrowseGameProgram() {
  char szPath[MAX_PATH] = "";
  if (!OpenFileDlg(m_hWnd, szPath, MAX_PATH, ".\\", "ゲームプログラムの選択", "ExeFile ( *.exe )\0*.exe\0\0",
                   "exe", 0, nullptr))
    return true;
  if (!MakeRelativePath(szPath)) return false;
  cEditStrCtrl* lpEdit = m_Ctrls.Edit(IDC_PRJ_GAME_PATH);
  if (lpEdit) lpEdit->SetText(szPath);
  return true;
}

void cPrjOptionGeneralPage::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!CheckCommand(wParam)) return;
  cDialog::OnCommand(wParam, lParam);
  switch (LOWORD(wParam)) {
    case IDC_PRJ_GAME_BROWSE:
      if (HIWORD(wParam) == BN_CLICKED && !BrowseGameProgram()) return;
      break;
    case IDC_PRJ_DEF_BLOCK:
    case IDC_PRJ_DEF_CHARA:
    case IDC_PRJ_DEF_ITEM:
      OpenDefaultRecordSheet(LOWORD(wParam) - IDC_PRJ_DEF_BLOCK, this);
      break;
    default:
      break;
  }
  if (m_bInit && ChangedCtrlId(wParam)) UpdateEnable();
  TellSheetChanged(this);
}

LRESULT cPrjOptionGeneralPage::MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  LRESULT nDefault = DefProc(hWnd, uMsg, wParam, lParam);
  if (uMsg == WM_DESTROY) (s_pfnClosed ? s_pfnClosed : ShowAndEnableAll)();
  return PageMessage(this, nDefault, uMsg, lParam);
}

// ---- "継承のデフォルト" ----

cPrjOptionInheritPage::cPrjOptionInheritPage(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind,
                                             cWindowList* lpWindowList)
    : cDialogClass<cPrjOptionInheritPage>(wTemplateId, lpOwner, nKind, lpWindowList) {
  int i = 0;
  for (int nKindNo = 0; nKindNo < 3; ++nKindNo)
    for (int nSit = 0; nSit < 3; ++nSit)
      for (int nRow = 0; nRow < ROWS[nKindNo]; ++nRow, ++i)
        m_Ctrls.Check(static_cast<uint32_t>(PrjInheritCheckIds[i]), &PrjOption.DefFlags(nSit, nKindNo)[nRow]);
  m_vCombo.resize(9);
  for (int nSit = 0; nSit < 3; ++nSit)
    for (int nKindNo = 0; nKindNo < 3; ++nKindNo) {
      int k = 3 * nSit + nKindNo;
      cComboParam<int32_t>& p = m_vCombo[k].m_Param;
      if (nSit == INHERIT_PLACE_STAGE) {
        p.SetTable(static_cast<uint32_t>(PrjInheritComboIds[k]), &PrjOption.m_anDefInheritPal[nSit][nKindNo],
                   InheritSrcNamesStage, 0);
        p.pConv = STAGE_PLACE_CONV;
      } else {
        p.SetTable(static_cast<uint32_t>(PrjInheritComboIds[k]), &PrjOption.m_anDefInheritPal[nSit][nKindNo],
                   InheritSrcNamesCommon, 0);
      }
    }
}

cPrjOptionInheritPage::~cPrjOptionInheritPage() { Dispose(); }

void cPrjOptionInheritPage::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  HideView(this);
  m_Ctrls.AttachAll(this);
  AttachCtrls(m_vCombo);
  DataToCtrls();
  m_bInit = 1;
}

void cPrjOptionInheritPage::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!CheckCommand(wParam)) return;
  cDialog::OnCommand(wParam, lParam);
  TellSheetChanged(this);
}

LRESULT cPrjOptionInheritPage::MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  LRESULT nDefault = DefProc(hWnd, uMsg, wParam, lParam);
  return PageMessage(this, nDefault, uMsg, lParam);
}

// ---- the sheet ----

cPrjOptionSheet* g_lpPrjOptionSheet = nullptr;

bool cPrjOptionSheet::Create() {
  // The sheet deletes its pages after its window, so that they see their WM_DESTROY.
  m_lpGeneral = Own(new (std::nothrow) cPrjOptionGeneralPage(IDD_PRJ_OPTION_GENERAL, m_lpOwner, cWindow::KIND_PAGE,
                                                             m_lpWindowList));
  m_lpInherit = Own(new (std::nothrow) cPrjOptionInheritPage(IDD_PRJ_OPTION_INHERIT, m_lpOwner, cWindow::KIND_PAGE,
                                                             m_lpWindowList));
  // A sheet with a page missing would commit half the options: it does not open.
  if (!m_lpGeneral || !m_lpInherit) {
    OutOfMemory();
    DeleteOwnedPages();
    m_lpGeneral = nullptr;
    m_lpInherit = nullptr;
    return false;
  }
  m_vPages.push_back(m_lpGeneral);
  m_vPages.push_back(m_lpInherit);
  Run("プロジェクトオプション");
  if (!m_hSheet) return false;
  return true;
}

bool cPrjOptionSheet::CommitsFor(const cDialog* lpPage) const {
  for (const cDialog* lpMade : {static_cast<const cDialog*>(m_lpGeneral), static_cast<const cDialog*>(m_lpInherit)})
    if (lpMade && lpMade->m_hWnd) return lpMade == lpPage;
  return false;
}

int cPrjOptionSheet::Save() {
  for (int nPass = 0; nPass < 2; ++nPass) {
    if (m_lpGeneral) m_lpGeneral->CtrlsToData();
    if (m_lpInherit) m_lpInherit->CtrlsToData();
  }
  return CommitKept(KEPT_PRJ_OPTION);
}

// ---- entry points ----

void OpenPrjOptionSheet(cWindow* lpOwner) {
  WindowList.ShowAll(0);
  WindowList.EnableAll(0);
  SafeDelete(g_lpPrjOptionSheet);
  g_lpPrjOptionSheet = new (std::nothrow) cPrjOptionSheet(1, lpOwner, &WindowList, &g_lpPrjOptionSheet);
  if (!g_lpPrjOptionSheet) {
    OutOfMemory();
    ShowAndEnableAll();
    return;
  }
  if (g_lpPrjOptionSheet->Create()) return;
  // Nothing opened: the windows hidden for the sheet come back.
  SafeDelete(g_lpPrjOptionSheet);
  ShowAndEnableAll();
}

PrjOptionClosedFn SetPrjOptionClosedFn(PrjOptionClosedFn pfn) {
  PrjOptionClosedFn pfnPrev = s_pfnClosed;
  s_pfnClosed = pfn;
  return pfnPrev;
}

void OpenDefaultRecordSheet(int nKind, cPrjOptionGeneralPage* lpPage) {
  if (!lpPage || nKind < 0 || nKind > 2) return;
  cStageEditState& st = StageEditState;
  st.m_nEditContext = EDIT_DEFAULT;
  if (nKind == 0) {
    st.m_lpBlockTarget = &PrjOption.m_DefBlock;
    OpenBlockDataSheet(lpPage, &lpPage->m_lpDataSheet[0]);
  } else if (nKind == 1) {
    st.m_lpCharaTarget = &PrjOption.m_DefChara;
    OpenCharaDataSheet(lpPage, &lpPage->m_lpDataSheet[1]);
  } else {
    st.m_lpItemTarget = &PrjOption.m_DefItem;
    OpenItemDataSheet(lpPage, &lpPage->m_lpDataSheet[2]);
  }
}
