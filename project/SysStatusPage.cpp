#include "project/SysStatusPage.h"

#include "model/SystemData.h"
#include "resources/SystemSheetIds.h"

namespace {

struct cStatusRow {
  uint16_t wShow, wSymbol, wText;
  uint16_t wDigits, wSpin;  // entries with a digit count
  uint16_t wShowNum;        // entries that show their number or not (HP, SP)
  int32_t nDigitsMax;
};
const cStatusRow STATUS_ROWS[SYS_STATUS_COUNT] = {
    {IDC_ST_SHOW_0, IDC_ST_SYMBOL_0, IDC_ST_TEXT_0, IDC_ST_DIGITS_0, IDC_ST_DIGITS_SPIN_0, 0, 9},
    {IDC_ST_SHOW_1, IDC_ST_SYMBOL_1, IDC_ST_TEXT_1, IDC_ST_DIGITS_1, IDC_ST_DIGITS_SPIN_1, 0, 9},
    {IDC_ST_SHOW_2, IDC_ST_SYMBOL_2, IDC_ST_TEXT_2, 0, 0, IDC_ST_SHOW_NUM_2, 0},
    {IDC_ST_SHOW_3, IDC_ST_SYMBOL_3, IDC_ST_TEXT_3, 0, 0, IDC_ST_SHOW_NUM_3, 0},
    {IDC_ST_SHOW_4, IDC_ST_SYMBOL_4, IDC_ST_TEXT_4, IDC_ST_DIGITS_4, IDC_ST_DIGITS_SPIN_4, 0, 2},
};

struct cMenuRow {
  uint16_t wShow, wText;
};
const cMenuRow TITLE_ROWS[SYS_TITLE_MENU_COUNT] = {
    {IDC_ST_TITLE_SHOW_0, IDC_ST_TITLE_TEXT_0}, {IDC_ST_TITLE_SHOW_1, IDC_ST_TITLE_TEXT_1},
    {IDC_ST_TITLE_SHOW_2, IDC_ST_TITLE_TEXT_2}, {IDC_ST_TITLE_SHOW_3, IDC_ST_TITLE_TEXT_3},
    {IDC_ST_TITLE_SHOW_4, IDC_ST_TITLE_TEXT_4}, {IDC_ST_TITLE_SHOW_5, IDC_ST_TITLE_TEXT_5},
    {IDC_ST_TITLE_SHOW_6, IDC_ST_TITLE_TEXT_6},
};
const cMenuRow MAP_ROWS[SYS_MAP_MENU_COUNT] = {
    {IDC_ST_MAP_SHOW_0, IDC_ST_MAP_TEXT_0}, {IDC_ST_MAP_SHOW_1, IDC_ST_MAP_TEXT_1},
    {IDC_ST_MAP_SHOW_2, IDC_ST_MAP_TEXT_2}, {IDC_ST_MAP_SHOW_3, IDC_ST_MAP_TEXT_3},
};
const cMenuRow OPTION_ROWS[SYS_OPTION_MENU_COUNT] = {
    {IDC_ST_OPT_SHOW_0, IDC_ST_OPT_TEXT_0}, {IDC_ST_OPT_SHOW_1, IDC_ST_OPT_TEXT_1},
    {IDC_ST_OPT_SHOW_2, IDC_ST_OPT_TEXT_2}, {IDC_ST_OPT_SHOW_3, IDC_ST_OPT_TEXT_3},
    {IDC_ST_OPT_SHOW_4, IDC_ST_OPT_TEXT_4}, {IDC_ST_OPT_SHOW_5, IDC_ST_OPT_TEXT_5},
};
const uint16_t RANK_KIND_IDS[SYS_RANK_KIND_COUNT] = {IDC_ST_RANK_KIND_0, IDC_ST_RANK_KIND_1,
                                                     IDC_ST_RANK_KIND_2, IDC_ST_RANK_KIND_3};
// The option-menu row whose kinds of ranking registration the page names.
const uint16_t RANK_REGISTER_ROW = IDC_ST_OPT_SHOW_3;

const int STATUS_TEXT_CHARS = 5, MENU_TEXT_CHARS = 8, RANK_KIND_CHARS = 16;
const int32_t BAR_LIMIT_MAX = 999999;

template <class V, size_t N>
void BindMenu(cSysPageCtrls& c, V& vMenu, const cMenuRow (&rows)[N]) {
  for (size_t i = 0; i < N; ++i) {
    cEdSysMenuItem& m = vMenu[static_cast<int>(i)];
    c.Check(rows[i].wShow, &m.m_bShow);
    c.Str(rows[i].wText, &m.m_strText, MENU_TEXT_CHARS, 1);
  }
}

template <size_t N>
void EnableMenu(cSysPageCtrls& c, const cMenuRow (&rows)[N]) {
  for (const cMenuRow& r : rows) c.Enable(r.wText, c.IsChecked(r.wShow) != 0);
}

}  // namespace

cSysStatusPage::cSysStatusPage(cWindow* lpOwner, cWindowList* lpWindowList)
    : cSysPage(IDD_SYS_STATUS, lpOwner, lpWindowList, 0) {
  m_vUnits = {"  ", "％"};
  cEdSystem& s = SystemData;
  for (int i = 0; i < SYS_STATUS_COUNT; ++i) {
    const cStatusRow& r = STATUS_ROWS[i];
    cEdSysStatusItem& st = s.m_vStatus[i];
    m_Ctrls.Check(r.wShow, &st.m_bShow);
    m_Ctrls.Check(r.wSymbol, &st.m_bShowSymbol);
    m_Ctrls.Str(r.wText, &st.m_strText, STATUS_TEXT_CHARS, 1);
    if (r.wDigits) m_Ctrls.Value(r.wDigits, &st.m_nDigits, 1, r.nDigitsMax, r.wSpin);
    if (r.wShowNum) m_Ctrls.Check(r.wShowNum, &st.m_bShowValue);
  }
  m_Ctrls.Value(IDC_ST_HP_LIMIT, &s.m_vStatus[2].m_nBarLimit, 0, BAR_LIMIT_MAX, IDC_ST_HP_LIMIT_SPIN);
  m_Ctrls.Combo(IDC_ST_HP_UNIT, &s.m_vStatus[2].m_nBarUnit, &m_vUnits);
  m_Ctrls.Value(IDC_ST_SP_LIMIT, &s.m_vStatus[3].m_nBarLimit, 0, BAR_LIMIT_MAX, IDC_ST_SP_LIMIT_SPIN);
  m_Ctrls.Combo(IDC_ST_SP_UNIT, &s.m_vStatus[3].m_nBarUnit, &m_vUnits);
  BindMenu(m_Ctrls, s.m_vTitleMenu, TITLE_ROWS);
  m_Ctrls.Check(IDC_ST_TITLE_IMAGE, &s.m_bTitleImage);
  BindMenu(m_Ctrls, s.m_vMapMenu, MAP_ROWS);
  BindMenu(m_Ctrls, s.m_vOptionMenu, OPTION_ROWS);
  for (int i = 0; i < SYS_RANK_KIND_COUNT; ++i)
    m_Ctrls.Str(RANK_KIND_IDS[i], &s.m_vRankKinds[i], RANK_KIND_CHARS, 1);
}

void cSysStatusPage::UpdateEnable() {
  for (const cStatusRow& r : STATUS_ROWS) {
    const bool bShow = m_Ctrls.IsChecked(r.wShow) != 0;
    m_Ctrls.Enable(r.wSymbol, bShow);
    m_Ctrls.Enable(r.wText, bShow && !m_Ctrls.IsChecked(r.wSymbol));
    if (r.wDigits) m_Ctrls.Enable(r.wDigits, bShow);
  }
  EnableMenu(m_Ctrls, TITLE_ROWS);
  EnableMenu(m_Ctrls, MAP_ROWS);
  EnableMenu(m_Ctrls, OPTION_ROWS);
  const bool bRegister = m_Ctrls.IsChecked(RANK_REGISTER_ROW) != 0;
  for (uint16_t wId : RANK_KIND_IDS) m_Ctrls.Enable(wId, bRegister);
}
