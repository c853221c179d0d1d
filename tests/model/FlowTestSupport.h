// Images of flow records as writers of older data versions stored them, and a guard that gives the
// flow tests a database of known sizes.
#pragma once

#include <cstdint>
#include <vector>

#include "model/Command.h"
#include "model/Database.h"
#include "model/Flow.h"
#include "model/RecordTestSupport.h"

void OldCondList(cImage& img, const cCondList& list, int32_t nVersion);
void OldKeyCond(cImage& img, const cEdKeyCond& key, int32_t nVersion);
void OldCommand(cImage& img, const cEdCommand& cmd, int32_t nVersion);
void OldFlow(cImage& img, const cEdFlow& flow, int32_t nVersion);

inline void OldCondList(cImage& img, const cCondList& list, int32_t nVersion) {
  img.Base(list, nVersion);
  if (nVersion < 766) return;
  img.I(static_cast<int32_t>(list.m_vCond.size()));
  for (const cCond& c : list.m_vCond) img.Base(c, nVersion);
}

inline void OldKeyCond(cImage& img, const cEdKeyCond& key, int32_t nVersion) {
  img.Base(key, nVersion).I(static_cast<int32_t>(key.m_vKeyState.size()));
  for (int8_t n : key.m_vKeyState) img.C(n);
}

template <class T>
void OldPart(cImage& img, const std::shared_ptr<T>& p, int32_t nVersion) {
  img.I(p ? 1 : 0);
  if (p) img.Base(*p, nVersion);
}

inline void OldCommand(cImage& img, const cEdCommand& cmd, int32_t nVersion) {
  img.Base(cmd, nVersion);
  OldPart(img, cmd.m_pMove, nVersion);
  OldPart(img, cmd.m_pShot, nVersion);
  if (nVersion >= 764) {
    img.I(cmd.m_pCondList ? 1 : 0);
    if (cmd.m_pCondList) OldCondList(img, *cmd.m_pCondList, nVersion);
  }
  img.I(static_cast<int32_t>(cmd.m_vFlow.size()));
  for (const cEdFlow& f : cmd.m_vFlow) OldFlow(img, f, nVersion);
  img.I(static_cast<int32_t>(cmd.m_vParam.size()));
  for (int32_t n : cmd.m_vParam) img.I(n);
}

inline void OldFlow(cImage& img, const cEdFlow& flow, int32_t nVersion) {
  img.Base(flow, nVersion).I(static_cast<int32_t>(flow.m_vCond.size()));
  for (const cCond& c : flow.m_vCond) img.Base(c, nVersion);
  img.I(static_cast<int32_t>(flow.m_vKeyCond.size()));
  for (const cEdKeyCond& k : flow.m_vKeyCond) OldKeyCond(img, k, nVersion);
  img.I(static_cast<int32_t>(flow.m_vCommand.size()));
  for (const cEdCommand& c : flow.m_vCommand) OldCommand(img, c, nVersion);
}

// Reads one record from a whole file image; 1 only when the read succeeded and used every byte.
template <class R>
int ReadWhole(const std::vector<uint8_t>& vImage, R& rec) {
  cDataReader in;
  if (!in.OpenImage(vImage)) return 0;
  return rec.Read(in) && in.Ok() && in.Remaining() == 0 ? 1 : 0;
}

// The database the flow tests validate against: two entries in every list (as a new database
// has them, one anime set and one sword type excepted), restored afterwards.
class cDatabaseGuard {
 public:
  cDatabaseGuard() : m_Saved(Database) { Database = cEdDatabase(); }
  ~cDatabaseGuard() { Database = m_Saved; }

 private:
  cEdDatabase m_Saved;
};
