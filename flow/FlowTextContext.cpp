#include "flow/FlowTextContext.h"

namespace {

const cNameView s_NoNames;
FlowTextContextFn g_pfnContext = nullptr;

}  // namespace

const std::string& cNameView::Name(int i) const {
  static const std::string s_strEmpty;
  return Has(i) ? m_pfnName(m_pList, i) : s_strEmpty;
}

const cNameView& cFlowTextContext::PaletteNames(int nPalette, int nLayer) const {
  if (nPalette < PAL_COMMON || nPalette > PAL_STAGE || nLayer < PAL_BLOCK || nLayer > PAL_ITEM) return s_NoNames;
  return m_aPalette[nPalette][nLayer];
}

const cNameView& cFlowTextContext::VarNames(int nSet) const {
  if (nSet == 0) return m_CommonVars;
  if (nSet == 1) return m_StageVars;
  return s_NoNames;
}

eSubjectWording cFlowTextContext::SubjectWording() const {
  switch (m_eSheet) {
    case SHEET_BLOCK:
      return WORDING_HERO;
    case SHEET_CHARA:
      return WORDING_SELF;
    case SHEET_ITEM:
      return m_bItemCmdPalette ? WORDING_SELF : WORDING_HERO;
    default:
      return WORDING_NONE;
  }
}

FlowTextContextFn SetFlowTextContextFn(FlowTextContextFn pfn) {
  FlowTextContextFn pfnOld = g_pfnContext;
  g_pfnContext = pfn;
  return pfnOld;
}

void GetFlowTextContext(cFlowTextContext& ctx) {
  ctx = cFlowTextContext();
  if (g_pfnContext != nullptr) g_pfnContext(ctx);
}

std::string NumberedName(const cNameView& names, int nNo) {
  std::string strNo;
  FormatZeroPad(strNo, nNo, 3);
  std::string str;
  FormatStr(str, "%s %s", strNo.c_str(), names.Name(nNo).c_str());
  return str;
}
