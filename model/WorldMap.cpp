#include "model/WorldMap.h"

#include <bitset>

#include "app/MsgBox.h"
#include "model/GridPitch.h"

const char* const WmEventTypeNames[4] = {"ワールド", "道", "壁", ""};
const char* const WmGameClearNames[4] = {"しない", "2周目へ突入", "タイトルへ戻る", ""};

cEdWorldMap WorldMap;

namespace {

// The pitch and shift that a width needs, when a map of that size fits in a file.
bool SizeFits(int32_t nWidth, int32_t nHeight, int32_t& nPitch, int32_t& nShift) {
  if (nWidth < 1 || nHeight < 1 || nWidth > WM_GRID_MAX) return false;
  cEdWorldMap::CalcPitch(nWidth, nPitch, nShift);
  return int64_t(nPitch) * nHeight <= WM_GRID_MAX;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Chips, events and pages

void cEdWmChip::RegisterFields(cFieldRegistrar& reg, int32_t) const {
  reg.AddInt(&m_nChipData);
  reg.AddInt(&m_bBlock);
  reg.AddInt(&m_nGraphic);
  reg.AddString(&m_strChipData);
  reg.AddString(&m_strName);
}

void cEdWmEventPage::SetDefault() {
  Clear();
  m_nVarVar = 1;
}

void cEdWmEventPage::RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const {
  reg.AddInt(&m_nType);
  reg.AddInt(&m_nGraphic);
  reg.AddInt(&m_nWorldNo);
  reg.AddInt(&m_bPassFree);
  reg.AddInt(&m_bReplay);
  reg.AddInt(&m_nGameClear);
  reg.AddInt(&m_nCondWorld);
  reg.AddInt(&m_nCondVar);
  reg.AddInt(&m_nCondValue);
  reg.AddInt(&m_nCondCmp);
  if (nVersion >= 209) reg.AddInt(&m_nCondScore);
  if (nVersion >= 758) {
    reg.AddInt(&m_bVariation);
    reg.AddInt(&m_nVarVar);
    reg.AddInt(&m_nVarValue);
  }
  reg.AddString(&m_strWorldName);
  reg.AddString(&m_strStage);
}

int cEdWmEventPage::Read(cDataReader& in) {
  if (!cDataRecord::Read(in)) return 0;
  // Older files had no score condition; the variation keeps the constructor's defaults.
  if (g_nFileVersion < 209) m_nCondScore = 0;
  return 1;
}

void cEdWmEvent::SetDefault() {
  Clear();
  m_vPages.assign(1, cEdWmEventPage());
}

void cEdWmEvent::RegisterFields(cFieldRegistrar& reg, int32_t) const {
  reg.AddInt(&m_nX);
  reg.AddInt(&m_nY);
  reg.AddString(&m_strName);
}

int cEdWmEvent::Read(cDataReader& in) { return cDataRecord::Read(in) && ReadRecords(in, m_vPages); }

void cEdWmEvent::Write(cDataWriter& out) {
  cDataRecord::Write(out);
  SaveRecords(out, m_vPages);
}

// ---------------------------------------------------------------------------------------------
// The map

void cEdWorldMap::RegisterFields(cFieldRegistrar& reg, int32_t) const {
  reg.AddInt(&m_nWidth);
  reg.AddInt(&m_nHeight);
  reg.AddInt(&m_nPitch);
  reg.AddInt(&m_nShift);
  reg.AddInt(&m_nStartX);
  reg.AddInt(&m_nStartY);
  reg.AddInt(&m_nBgColor);
  reg.AddInt(&m_bBgImage);
  reg.AddString(&m_strName);
  reg.AddString(&m_strBgImage);
}

void cEdWorldMap::SetDefault() {
  Clear();
  m_strName = "ワールド";
  m_nStartX = 9;
  m_nStartY = 7;
  m_nBgColor = 16;
  m_bBgImage = 0;
  m_vChips.assign(WM_DEFAULT_CHIPS, cEdWmChip());
  for (int i = 0; i < WM_DEFAULT_CHIPS; ++i) {
    m_vChips[i].m_nGraphic = i;
    m_vChips[i].m_bBlock = i < 5 ? 1 : 0;
    m_vChips[i].m_strName = i < 5 ? "通行不可" : "通行可";
  }
  m_vGrid.clear();  // a fresh grid: nothing to carry over
  SetSize(20, 15);
  m_vEvents.clear();
  m_vTemplates.assign(1, cEdWmEvent());
  m_vTemplates[0].m_strName = "デフォルト";
}

int cEdWorldMap::Read(cDataReader& in) {
  int bOk = cDataRecord::Read(in) && ReadRecords(in, m_vChips) && ReadValueVector(in, m_vGrid) &&
            ReadRecords(in, m_vEvents) && ReadRecords(in, m_vTemplates);
  // Every cell access trusts these four values, so they must describe the grid that was read.
  int32_t nPitch = 0, nShift = 0;
  bOk = bOk && SizeFits(m_nWidth, m_nHeight, nPitch, nShift) && nPitch == m_nPitch && nShift == m_nShift &&
        m_vGrid.size() == size_t(nPitch) * size_t(m_nHeight);
  if (!bOk) {
    SetDefault();
    return in.Fail();
  }
  Validate();
  return 1;
}

void cEdWorldMap::Write(cDataWriter& out) {
  Validate();
  cDataRecord::Write(out);
  SaveRecords(out, m_vChips);
  SaveValueVector(out, m_vGrid);
  SaveRecords(out, m_vEvents);
  SaveRecords(out, m_vTemplates);
}

void cEdWorldMap::CalcPitch(int32_t nWidth, int32_t& nPitch, int32_t& nShift) {
  ::CalcPitch(nWidth, nPitch, nShift);
}

int cEdWorldMap::SetSize(int32_t nWidth, int32_t nHeight) {
  int32_t nPitch = 0, nShift = 0;
  if (!SizeFits(nWidth, nHeight, nPitch, nShift)) {
    DebugErrorBox("SetSize()で 0 を指定しました！");
    return 0;
  }
  const int32_t nOldWidth = m_nWidth, nOldHeight = m_nHeight, nOldShift = m_nShift;
  cChkVector<int32_t> vOld;
  if (!m_vGrid.empty()) {
    DebugErrorBox("nBeforeWidth = %d,nBeforePitch = %d,nBeforePitch_Shift = %d", m_nWidth, m_nPitch, m_nShift);
    vOld.swap(m_vGrid);
  }
  m_nWidth = nWidth;
  m_nHeight = nHeight;
  m_nPitch = nPitch;
  m_nShift = nShift;
  m_vGrid.assign(size_t(nPitch) * size_t(nHeight), 0);
  const int32_t nRows = nOldHeight < nHeight ? nOldHeight : nHeight;
  const int32_t nCols = nOldWidth < nWidth ? nOldWidth : nWidth;
  for (int32_t y = 0; y < nRows; ++y) {
    for (int32_t x = 0; x < nCols; ++x) {
      size_t nFrom = size_t(x) + (size_t(y) << nOldShift);
      if (nFrom < vOld.size()) m_vGrid.data()[size_t(x) + (size_t(y) << nShift)] = vOld.data()[nFrom];
    }
  }
  return 1;
}

void cEdWorldMap::ClearChips() { m_vGrid.assign(m_vGrid.size(), 0); }

int cEdWorldMap::HasEventAt(int32_t x, int32_t y) const {
  for (const cEdWmEvent& e : m_vEvents)
    if (e.m_nX == x && e.m_nY == y) return 1;
  return 0;
}

cEdWmEvent* cEdWorldMap::FindEventAt(int32_t x, int32_t y) {
  for (cEdWmEvent& e : m_vEvents)
    if (e.m_nX == x && e.m_nY == y) return &e;
  return nullptr;
}

int cEdWorldMap::RemoveEventsAt(int32_t x, int32_t y) {
  size_t nBefore = m_vEvents.size();
  for (size_t i = 0; i < m_vEvents.size();) {
    if (m_vEvents.data()[i].m_nX == x && m_vEvents.data()[i].m_nY == y)
      m_vEvents.erase(m_vEvents.begin() + i);
    else
      ++i;
  }
  return m_vEvents.size() != nBefore ? 1 : 0;
}

void cEdWorldMap::PlaceEvent(cEdWmEvent& event, int32_t x, int32_t y) {
  event.m_nX = x;
  event.m_nY = y;
  // Copied before the cell is cleared: the event may itself be one of the placed ones.
  cEdWmEvent copy(event);
  RemoveEventsAt(x, y);
  m_vEvents.push_back(copy);
}

int cEdWorldMap::RemoveEvent(const cEdWmEvent* pEvent) {
  for (size_t i = 0; i < m_vEvents.size(); ++i) {
    if (m_vEvents.data() + i == pEvent) {
      m_vEvents.erase(m_vEvents.begin() + i);
      return 1;
    }
  }
  return 0;
}

int32_t cEdWorldMap::FirstFreeWorldNo(const cEdWmEvent* pIgnore) const {
  std::bitset<WM_WORLD_NO_MAX + 1> used;
  for (const cEdWmEvent& e : m_vEvents) {
    if (&e == pIgnore) continue;
    for (const cEdWmEventPage& p : e.m_vPages)
      if (p.m_nType == WM_EVENT_WORLD && p.m_nWorldNo >= 1 && p.m_nWorldNo <= WM_WORLD_NO_MAX)
        used.set(static_cast<size_t>(p.m_nWorldNo));
  }
  for (int32_t n = 1; n <= WM_WORLD_NO_MAX; ++n)
    if (!used.test(static_cast<size_t>(n))) return n;
  return 0;
}

void cEdWorldMap::AssignWorldNos(cEdWmEvent& event, const cEdWmEvent* pIgnore) const {
  const int32_t n = FirstFreeWorldNo(pIgnore);
  for (cEdWmEventPage& p : event.m_vPages)
    if (p.m_nType == WM_EVENT_WORLD) p.m_nWorldNo = n;
}

void cEdWorldMap::Validate() {
  if (m_nStartX >= m_nWidth) m_nStartX = m_nWidth - 1;
  if (m_nStartY >= m_nHeight) m_nStartY = m_nHeight - 1;
  for (size_t i = 0; i < m_vEvents.size();) {
    const cEdWmEvent& e = m_vEvents.data()[i];
    if (e.m_nX >= m_nWidth || e.m_nY >= m_nHeight)
      m_vEvents.erase(m_vEvents.begin() + i);
    else
      ++i;
  }
}
