// The animation frame sequencer of the database previews: plays a definition of sequences of
// frames tick by tick.
#pragma once

#include <cstdint>

#include "base/ChkContainer.h"

// Control codes in place of a picture number.
enum eSeqCode : int32_t {
  SEQ_HOLD = -1,  // the previous picture stays for good
  SEQ_LOOP = -2,  // back to the first frame of the sequence
  SEQ_JUMP = -3,  // to frame 0 of the sequence whose index is the frame's m_nTime
};

struct cSeqFrame {
  int32_t m_nPict = 0;  // picture number (0 or more) or a control code
  int32_t m_nTime = 0;  // ticks the picture stays; the target sequence of SEQ_JUMP
  int32_t m_bLock = 0;  // a sequence change without force waits while this frame shows

  cSeqFrame() {}
  cSeqFrame(int32_t nPict, int32_t nTime, int32_t bLock = 0)
      : m_nPict(nPict), m_nTime(nTime), m_bLock(bLock) {}
};

typedef cShellVector<cSeqFrame> cSeqFrames;
typedef cShellVector<cSeqFrames> cSeqDef;

class cAnimeSeq {
 public:
  // Replaces the definition and restarts at frame 0 of sequence 0.
  void Set(const cSeqDef& def);
  // Counts one tick and returns the picture now current.
  int32_t Step();
  // The current picture without advancing.
  int32_t GetPict() const;
  // Makes the index the current sequence from its frame 0; 0 when refused (the current frame is
  // locked and bForce is 0, or no such sequence exists).
  int SetSeq(int32_t nSeq, int bForce);
  // Checked access to a sequence.
  cSeqFrames& GetSeq(int32_t nSeq) { return m_vSeq[nSeq]; }
  int32_t SeqCount() const { return static_cast<int32_t>(m_vSeq.size()); }
  int32_t CurSeq() const { return m_nSeq; }
  int32_t CurFrame() const { return m_nFrame; }

 private:
  // The current frame, or null when the position lies outside the definition.
  const cSeqFrame* Current() const;
  void Advance();

  cSeqDef m_vSeq;
  int32_t m_nSeq = 0;
  int32_t m_nFrame = 0;
  int32_t m_nCount = 0;
};
