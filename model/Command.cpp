#include "model/Command.h"

#include <cstring>
#include <utility>

#include "model/CommandKindTable.h"
#include "model/Database.h"
#include "model/RefChecks.h"

namespace {

// The parameter operations of the upgrade steps. An old or damaged file may hold fewer parameters
// than a step expects: a missing one reads as 0 and writing one adds it (validation then sizes the
// vector to the kind's count).
class cParams {
 public:
  explicit cParams(cChkVector<int32_t>& v) : m_v(v) {}
  int32_t Get(int i) const { return static_cast<size_t>(i) < m_v.size() ? m_v.data()[i] : 0; }
  void Set(int i, int32_t n) {
    if (static_cast<size_t>(i) >= m_v.size()) m_v.resize(static_cast<size_t>(i) + 1);
    m_v.data()[i] = n;
  }
  // New entries are 0; entries beyond n are dropped.
  void Length(int n) { m_v.resize(static_cast<size_t>(n)); }
  // Entries i to n-2 move one place up (the old entry n-1 falls off) and entry i becomes v.
  void Insert(int32_t v, int i, int n) {
    Length(n);
    for (int j = n - 1; j > i; --j) m_v.data()[j] = m_v.data()[j - 1];
    Set(i, v);
  }
  void Raise(int i, int32_t d, int32_t nAbove) {
    if (Get(i) > nAbove) Set(i, Get(i) + d);
  }

 private:
  cChkVector<int32_t>& m_v;
};

// "ステータスの操作": status indexes moved up when a status was inserted above nAbove. Subject 2
// stood for "システム" before targets 2-4 came, and the game statuses did not move.
void ShiftStatusParams(cParams& p, int32_t nAbove) {
  if (p.Get(0) == 0 && p.Get(3) != 2) p.Raise(4, 1, nAbove);
  if (p.Get(6) == 2 && p.Get(12) != 2) p.Raise(13, 1, nAbove);
}

// The database list that parameter 0 of a character kind indexes, and the value that replaces an
// index outside it; false for the kinds whose parameter 0 is no such index.
bool ParamListOf(int nCharaKind, size_t& nCount, int32_t& nRepair) {
  nRepair = 1;
  switch (nCharaKind) {
    case 27:
      nCount = Database.m_vAnimeSet.size();
      nRepair = 0;
      return true;
    case 28:
      nCount = Database.m_vAnime.size();
      return true;
    case 29:
      nCount = Database.m_vEffect.size();
      return true;
    case 30:
      nCount = Database.m_vCharaEffect.size();
      return true;
    case 31:
      nCount = Database.m_vScrEffect.size();
      return true;
    case 32:
      nCount = Database.m_vPicture.size();
      return true;
    case 35:
      nCount = Database.m_vSound.size();
      return true;
    case 36:
      nCount = Database.m_vBgm.size();
      return true;
    default:
      return false;
  }
}

}  // namespace

cEdCommand::cEdCommand() { SetDefault(); }

cEdCommand::cEdCommand(const cEdCommand& o) : cDataRecord(o), m_vFlow(o.m_vFlow), m_vParam(o.m_vParam) {
  CopyFields(o);  // the registered fields and the text
  CopyShared(m_pMove, o.m_pMove);
  CopyShared(m_pShot, o.m_pShot);
  CopyShared(m_pCondList, o.m_pCondList);
}

// A moved-from command gives its parts away, so nothing ends up shared.
cEdCommand::cEdCommand(cEdCommand&& o) noexcept : cDataRecord(o) { *this = std::move(o); }

// Copies first, then takes the copy over: the source may live inside this command's own flows.
cEdCommand& cEdCommand::operator=(const cEdCommand& o) {
  if (this != &o) *this = cEdCommand(o);
  return *this;
}

cEdCommand& cEdCommand::operator=(cEdCommand&& o) noexcept {
  if (this == &o) return *this;
  m_bItem = o.m_bItem;
  m_nKind = o.m_nKind;
  m_nTime = o.m_nTime;
  m_nTimeClone = o.m_nTimeClone;
  m_bParallel = o.m_bParallel;
  m_nSound = o.m_nSound;
  m_bMuteOffScreen = o.m_bMuteOffScreen;
  m_nAnime = o.m_nAnime;
  m_strText = std::move(o.m_strText);
  m_pMove = std::move(o.m_pMove);
  m_pShot = std::move(o.m_pShot);
  m_pCondList = std::move(o.m_pCondList);
  m_vFlow = std::move(o.m_vFlow);
  m_vParam = std::move(o.m_vParam);
  return *this;
}

cEdCommand::~cEdCommand() {}

void cEdCommand::SetDefault() {
  Clear();
  m_pMove.reset();
  m_pShot.reset();
  m_pCondList.reset();
  m_bMuteOffScreen = 1;
}

void cEdCommand::RegisterFields(cFieldRegistrar& reg, int32_t) const {
  reg.AddChar(&m_bItem);
  reg.AddChar(&m_nKind);
  reg.AddString(&m_strText);
  reg.AddShort(&m_nTime);
  reg.AddShort(&m_nTimeClone);
  reg.AddChar(&m_bParallel);
  reg.AddShort(&m_nSound);
  reg.AddChar(&m_bMuteOffScreen);
  reg.AddShort(&m_nAnime);
}

int cEdCommand::CharaKind() const {
  if (m_bItem == 0) return m_nKind >= 0 && m_nKind < CMD_KIND_COUNT ? m_nKind : -1;
  if (m_bItem == 1 && m_nKind >= 2 && m_nKind < ITEM_CMD_KIND_COUNT) return m_nKind + ITEM_CMD_KIND_OFFSET;
  return -1;
}

// ---------------------------------------------------------------------------------------------
// Reading and writing

int cEdCommand::ReadBody(cDataReader& in) {
  if (!cDataRecord::Read(in) || !ReadShared(in, m_pMove) || !ReadShared(in, m_pShot)) return 0;
  if (g_nFileVersion >= 764 && !ReadShared(in, m_pCondList)) return 0;  // older files have no flag
  return ReadRecords(in, m_vFlow) && ReadValueVector(in, m_vParam);
}

int cEdCommand::Read(cDataReader& in) {
  int bOk = ReadBody(in);
  if (g_nFileVersion < 778) Upgrade();
  Validate();
  return bOk;
}

void cEdCommand::Write(cDataWriter& out) {
  Validate();
  WriteValidated(out);
}

void cEdCommand::WriteValidated(cDataWriter& out) { WriteValidated(out, Layout(g_nDataVersion)); }

void cEdCommand::WriteValidated(cDataWriter& out, const cFieldLayout& layout) {
  WriteBase(out, layout);
  if (!m_pMove && !m_pShot && !m_pCondList && m_vFlow.empty()) {
    // Most commands carry no part and no flow: three absent parts, no flows, the parameters.
    const size_t nParams = m_vParam.size();
    uint8_t* p = out.Claim(20 + 4 * nParams);
    memset(p, 0, 16);
    const int32_t n = static_cast<int32_t>(nParams);
    memcpy(p + 16, &n, 4);
    if (nParams) CopyBytes(p + 20, m_vParam.data(), 4 * nParams);
    return;
  }
  SaveShared(out, m_pMove);
  SaveShared(out, m_pShot);
  SaveShared(out, m_pCondList);
  out.WriteInt(static_cast<int32_t>(m_vFlow.size()));
  for (cEdFlow& flow : m_vFlow) flow.WriteValidated(out);
  SaveValueVector(out, m_vParam);
}

namespace {

// A palette of many characters holds hundreds of thousands of commands, each over three cache
// lines with its parameters elsewhere on the heap: a pass over them waits for memory at every
// command unless it asks for the next ones early. COMMANDS_AHEAD commands ahead, the command
// itself; half as far ahead, the parameters of a command whose lines have arrived by then.
constexpr size_t COMMANDS_AHEAD = 8;

inline void FetchCommand(const cEdCommand& cmd) {
  const char* p = reinterpret_cast<const char*>(&cmd);
  for (size_t n = 0; n < sizeof(cEdCommand); n += 64) __builtin_prefetch(p + n);
  __builtin_prefetch(p + sizeof(cEdCommand) - 1);
}

}  // namespace

int ValidateCommands(cChkVector<cEdCommand>& v) {
  cEdCommand* p = v.data();
  const size_t n = v.size();
  int bOk = 1;
  for (size_t i = 0; i < n; ++i) {
    if (i + COMMANDS_AHEAD < n) FetchCommand(p[i + COMMANDS_AHEAD]);
    if (!p[i].Validate()) bOk = 0;
  }
  return bOk;
}

void WriteValidatedCommands(cDataWriter& out, cChkVector<cEdCommand>& v) {
  out.WriteInt(static_cast<int32_t>(v.size()));
  if (v.empty()) return;
  const cFieldLayout& layout = v.front().Layout(g_nDataVersion);
  cEdCommand* p = v.data();
  const size_t n = v.size();
  for (size_t i = 0; i < n; ++i) {
    if (i + COMMANDS_AHEAD < n) FetchCommand(p[i + COMMANDS_AHEAD]);
    if (i + COMMANDS_AHEAD / 2 < n) __builtin_prefetch(p[i + COMMANDS_AHEAD / 2].m_vParam.data());
    p[i].WriteValidated(out, layout);
  }
}

// The steps for commands stored by older versions. Each tests the kind as it stands at that moment,
// so before the renumbering of step 20 the kinds from 24 on are one lower than today. Item commands
// run the same steps on the character kind they stand for; the item-only kinds match no step.
void cEdCommand::Upgrade() {
  const int32_t v = g_nFileVersion;
  cParams p(m_vParam);
  int k = CharaKind();

  if (v < 145 && k == 17) p.Length(9);
  if (v < 166 && k == 35) {
    p.Length(2);
    p.Set(1, 1);
  }
  if (v < 168 && k == 22) ShiftStatusParams(p, 9);
  if (v < 189 && k == 21) p.Insert(0, 2, 16);
  if (v < 194 && k == 31) p.Insert(1, 6, 15);
  if (v < 195 && (k == 29 || k == 30)) p.Insert(0, 1, 3);
  if (v < 203) {
    if (k == 14 || k == 15)
      p.Length(0);
    else if (k == 16)
      p.Length(4);
    else if (k == 22)
      ShiftStatusParams(p, 4);
  }
  if (v < 210 && k == 23 && p.Get(0) != 2) p.Raise(1, 1, 5);
  if (v < 219 && k == 25 && p.Get(0) == 3) {
    p.Set(1, p.Get(1) + 1);
    if (p.Get(1) > 119) p.Set(1, 119);
  }
  if (v < 220 && k == 11 && m_pShot) {
    m_pShot->m_nGraphic = static_cast<int16_t>(m_pShot->m_nGraphic + 1);
    if (m_pShot->m_nGraphic > 119) m_pShot->m_nGraphic = 119;
  }
  if (v < 514 && k == 5 && m_pMove) {
    m_pMove->m_nAngle = 0;
    m_pMove->m_nAngleClone = 0;
    m_pMove->m_bMirrorRotate = 1;
  }
  if (v < 545) {
    if (k == 19) {
      p.Length(18);
      p.Set(10, 1);
    } else if (k == 31) {
      p.Length(15);
      p.Set(11, 0);
    }
  }
  if (v < 546 && k == 19) p.Set(10, p.Get(0) == 0 || p.Get(0) == 7 ? 1 : 0);
  if (v < 547) {
    if (k == 19) {
      p.Length(18);
      p.Set(11, 0);
      p.Set(12, 0);
      p.Set(13, 0);
      p.Set(14, 1);
      p.Set(15, 0);
    } else if (k == 31) {
      p.Length(15);
      p.Set(12, 0);
      p.Set(13, 0);
    }
  }
  if (v < 556 && k == 19) {
    p.Length(18);
    p.Set(16, 1);
  }
  if (v < 722 && k == 17) p.Raise(0, 1, 1);
  if (v < 723) {
    if (k == 19) {
      p.Length(18);
      p.Set(17, 0);
    } else if (k == 31) {
      p.Length(15);
      p.Set(14, 0);
    }
  }
  if (v < 726 && k == 37) {
    p.Length(5);
    p.Set(0, 11);
  }
  if (v < 727 && k == 37 && p.Get(0) == 11) {
    // Settings of the shot were inserted; each test sees the value the one before left.
    static const int32_t s_anAbove[] = {1, 2, 3, 13, 14, 15, 16};
    for (int32_t nAbove : s_anAbove) p.Raise(1, 1, nAbove);
  }
  if (v < 734 && k > 23) {
    // "消滅" became kind 24; the kinds from there on moved up, also as an arrange target.
    m_nKind = ShiftByte(m_nKind, 1);
    k = CharaKind();
    if (k == 38 && p.Get(0) > 23) p.Set(0, p.Get(0) + 1);
  }
  if (v < 747 && k == 21) {
    p.Length(16);
    p.Set(10, 0);
    p.Set(11, 1);
    p.Set(14, 0);
  }
  if (v < 760 && k == 16) {
    p.Length(4);
    p.Set(3, 0);
  }
  if (v < 764 && k == 16) {
    CreateShared(m_pCondList);
    m_pCondList->m_bUseCond = 0;
  }
  if (v < 767) {
    // Targets 2-4 were inserted after target 1.
    if (k == 9) {
      p.Raise(0, 6, 3);
    } else if (k == 20) {
      if (m_pMove && m_pMove->m_nAimType > 1) m_pMove->m_nAimType = ShiftByte(m_pMove->m_nAimType, 3);
    } else if (k == 21) {
      p.Insert(0, 0, 16);
    } else if (k == 22) {
      if (p.Get(0) == 0) p.Raise(3, 3, 1);
      if (p.Get(6) == 2) p.Raise(12, 3, 1);
    } else if (k == 23) {
      p.Raise(0, 3, 1);
    }
  }
}

// ---------------------------------------------------------------------------------------------
// Validation

int cEdCommand::Validate() {
  const cCmdKindInfo* pInfo = m_bItem == 0 || m_bItem == 1 ? FindCmdKindInfo(m_bItem, m_nKind) : nullptr;
  // A kind outside its table has no parameter count: it keeps none rather than a guessed number.
  m_vParam.resize(pInfo ? static_cast<size_t>(pInfo->m_nParamCount) : 0);
  int bOk = pInfo ? 1 : 0;

  if (IsOutside(m_nAnime, Database.m_vAnime.size())) m_nAnime = 0;
  if (IsOutside(m_nSound, Database.m_vSound.size())) m_nSound = 0;
  const int k = CharaKind();
  if (k == 12 && m_pShot) {
    if (IsOutside(m_pShot->m_nMoveType, Database.m_vSwordType.size())) m_pShot->m_nMoveType = 0;
    m_nTime = GetSwordTime(m_pShot->m_nMoveType);
  }
  size_t nCount = 0;
  int32_t nRepair = 0;
  if (!m_vParam.empty() && ParamListOf(k, nCount, nRepair) && IsOutside(m_vParam.data()[0], nCount))
    m_vParam.data()[0] = nRepair;

  for (cEdFlow& flow : m_vFlow)
    if (!flow.Validate()) bOk = 0;
  return bOk;
}

void cEdCommand::ClampItemRefs() {
  const int k = CharaKind();
  // Only shots, summons and item kinds name palette entries.
  if (m_vFlow.empty() && !(k >= 11 && k <= 15) && k != 25) return;
  const PaletteCountFn pfnCount = GetPaletteCountFn();
  if (pfnCount && (k == 11 || k == 12) && m_pShot) {
    const int8_t nPal = m_pShot->m_nItemPalette;  // 1 common, 2 stage
    if ((nPal == 1 || nPal == 2) &&
        IsOutside(m_pShot->m_nItemNo, pfnCount(nPal == 1 ? PAL_COMMON : PAL_STAGE, PAL_ITEM))) {
      m_pShot->m_nItemPalette = 0;
      m_pShot->m_nItemNo = 0;
    }
  }
  if (pfnCount && k >= 13 && k <= 15 && m_pShot) {
    const int8_t nPal = m_pShot->m_nSummonPalette;  // 0 common, 1 stage
    const ePalLayer eLayer = k == 13 ? PAL_BLOCK : k == 14 ? PAL_CHARA : PAL_ITEM;
    if ((nPal == 0 || nPal == 1) && IsOutside(m_pShot->m_nSummonNo, pfnCount(static_cast<ePalette>(nPal), eLayer)))
      m_pShot->m_nSummonNo = 1;
  }
  if (pfnCount && k == 25) {
    cParams p(m_vParam);
    const int32_t nPal = p.Get(0);  // 0 common, 1 stage
    if ((nPal == 0 || nPal == 1) && IsOutside(p.Get(1), pfnCount(static_cast<ePalette>(nPal), PAL_ITEM)))
      p.Set(1, 1);
  }
  for (cEdFlow& flow : m_vFlow) flow.ClampItemRefs();
}

// ---------------------------------------------------------------------------------------------
// Comparison

namespace {

template <class T>
bool PartsEqual(const std::shared_ptr<T>& a, const std::shared_ptr<T>& b) {
  if (!a || !b) return !a && !b;
  return *a == *b;
}

}  // namespace

bool cEdCommand::operator==(const cEdCommand& o) const {
  return IsEqual(*this, o) && PartsEqual(m_pMove, o.m_pMove) && PartsEqual(m_pShot, o.m_pShot) &&
         PartsEqual(m_pCondList, o.m_pCondList) && m_vParam == o.m_vParam && m_vFlow == o.m_vFlow;
}

