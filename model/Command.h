// A command: one step of a flow or of an item's effect list. Its kind (in the character or the item
// numbering), the timing, sound and animation that every kind shares, the kind's integer parameters
// and text, and up to three parts: move parameters, shot parameters and the condition list of
// "フローの操作". The item command "フローの変更" also carries flows of its own.
//
// Parts are never shared between commands: a copy owns copies of the source's parts.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/Cond.h"
#include "model/DataRecord.h"
#include "model/MoveShot.h"

class cEdFlow;

class cEdCommand : public cDataRecord {
 public:
  int8_t m_bItem = 0;  // 0: CmdKindTable numbering, 1: ItemCmdKindTable
  int8_t m_nKind = 0;
  int16_t m_nTime = 0;  // tenths of a second; a sword's comes from its sword type
  int16_t m_nTimeClone = 0;
  int8_t m_bParallel = 0;  // the next command starts without waiting
  int16_t m_nSound = 0;    // index into the database's sounds
  int8_t m_bMuteOffScreen = 1;
  int16_t m_nAnime = 0;  // index into the database's animes
  std::string m_strText;  // message, stage path or code
  std::shared_ptr<cEdMove> m_pMove;
  std::shared_ptr<cEdShot> m_pShot;
  std::shared_ptr<cCondList> m_pCondList;  // stored from version 764
  cChkVector<cEdFlow> m_vFlow;             // the flows of "フローの変更"
  cChkVector<int32_t> m_vParam;            // as many as the kind's parameter count

  cEdCommand();
  cEdCommand(const cEdCommand& o);
  cEdCommand(cEdCommand&& o) noexcept;
  cEdCommand& operator=(const cEdCommand& o);
  cEdCommand& operator=(cEdCommand&& o) noexcept;
  ~cEdCommand() override;

  void SetDefault() override;
  void RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const override;
  int Read(cDataReader& in) override;
  void Write(cDataWriter& out) override;
  // Write for a command whose owner has just validated it: the same bytes without validating again
  // (a validated command stays as it is when validated once more).
  void WriteValidated(cDataWriter& out);
  // The same with the command layout at hand (WriteValidatedCommands looks it up once per list).
  void WriteValidated(cDataWriter& out, const cFieldLayout& layout);

  // Repairs database references, sizes the parameters to the kind's count and validates the
  // carried flows. 0 when this command or one of its flows has a kind outside its table: such a
  // command keeps no parameters.
  int Validate();
  // Repairs references into the common and stage palettes, here and in the carried flows.
  void ClampItemRefs();

  // The character kind this command stands for (item kind k is character kind k + 15), or -1 for
  // the item-only kinds and kinds outside the tables.
  int CharaKind() const;

  bool operator==(const cEdCommand& o) const;
  bool operator!=(const cEdCommand& o) const { return !(*this == o); }

 private:
  void Upgrade();
  int ReadBody(cDataReader& in);
};

// Gives a part pointer a new default part, dropping what it held.
template <class T>
void CreateShared(std::shared_ptr<T>& p) {
  p = std::make_shared<T>();
}

// Gives a part pointer its own copy of the source's part, or none when the source has none.
template <class T>
void CopyShared(std::shared_ptr<T>& p, const std::shared_ptr<T>& src) {
  if (src)
    p = std::make_shared<T>(*src);
  else
    p.reset();
}

// Command users need the flows that a command carries.
#include "model/Flow.h"

// A list of commands (a flow's, an item's) validated one after the other; 0 when one of them has a
// kind outside its table.
int ValidateCommands(cChkVector<cEdCommand>& v);
// The count and each command of a list its owner has just validated, as WriteValidated writes it.
void WriteValidatedCommands(cDataWriter& out, cChkVector<cEdCommand>& v);
