#include "app/AnimeSeq.h"

// A definition made by hand can run out of its range: an empty sequence, a hold or a loop code on
// the first frame (an anime set without slots builds a lone loop code), a jump to a sequence that
// does not exist or a last frame that is a picture. The sequencer then stays where it is and shows
// picture 0 (or keeps the last picture) instead of reading outside the definition, which would
// end the application.

void cAnimeSeq::Set(const cSeqDef& def) {
  m_nSeq = 0;
  m_nFrame = 0;
  m_nCount = 0;
  m_vSeq = def;
}

const cSeqFrame* cAnimeSeq::Current() const {
  if (m_nSeq < 0 || m_nSeq >= SeqCount()) return nullptr;
  const cSeqFrames& vFrames = m_vSeq[m_nSeq];
  if (m_nFrame < 0 || m_nFrame >= static_cast<int32_t>(vFrames.size())) return nullptr;
  return &vFrames[m_nFrame];
}

int32_t cAnimeSeq::GetPict() const {
  const cSeqFrame* p = Current();
  return p && p->m_nPict >= 0 ? p->m_nPict : 0;
}

int32_t cAnimeSeq::Step() {
  const cSeqFrame* p = Current();
  // Standing on a control code only happens when the definition left no picture to show.
  if (!p || p->m_nPict < 0) return 0;
  if (++m_nCount >= p->m_nTime) {
    m_nCount = 0;
    Advance();
  }
  return GetPict();
}

void cAnimeSeq::Advance() {
  const cSeqFrames& vFrames = m_vSeq[m_nSeq];
  const int32_t nNext = m_nFrame + 1;
  if (nNext >= static_cast<int32_t>(vFrames.size())) return;  // no code at the end: hold
  const cSeqFrame& next = vFrames[nNext];
  switch (next.m_nPict) {
    case SEQ_JUMP:
      if (!SetSeq(next.m_nTime, 1)) m_nFrame = nNext;
      return;
    case SEQ_LOOP:
      m_nFrame = 0;
      return;
    case SEQ_HOLD:
      return;
    default:
      m_nFrame = nNext;
      return;
  }
}

int cAnimeSeq::SetSeq(int32_t nSeq, int bForce) {
  const cSeqFrame* p = Current();
  if (!bForce && p && p->m_bLock) return 0;
  if (nSeq < 0 || nSeq >= SeqCount()) return 0;
  m_nSeq = nSeq;
  m_nFrame = 0;
  m_nCount = 0;
  return 1;
}
