#include "app/MidiStream.h"

#include <cstring>
#include <functional>
#include <queue>
#include <tuple>

#include "app/Log.h"
#include "app/MidiDevice.h"
#include "app/SoundLock.h"
#include "app/Paths.h"

namespace {

// A standard MIDI file far beyond any piece of music is refused rather than read whole.
constexpr LONGLONG MAX_MIDI_FILE_SIZE = 64LL * 1024 * 1024;
constexpr uint32_t MAX_VLQ = 0x0FFFFFFF;
constexpr DWORD MIDI_EVENT_HEADER = 12;  // delta time, stream id, event word
// Tries (about 1 ms apart) to reach the playback thread's message queue before giving up.
constexpr int THREAD_POST_TRIES = 5000;
const uint8_t END_OF_TRACK_DATA[2] = {0x2F, 0x00};

uint32_t ReadBe32(const uint8_t* p) {
  return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}
uint32_t ReadBe16(const uint8_t* p) { return (uint32_t(p[0]) << 8) | p[1]; }

// A variable-length quantity of at most 4 bytes that ends before nEnd.
bool ReadVlq(const uint8_t* p, size_t nEnd, size_t& i, uint32_t& nValue) {
  nValue = 0;
  for (int k = 0; k < 4; ++k) {
    if (i >= nEnd) return false;
    uint8_t b = p[i++];
    nValue = (nValue << 7) | (b & 0x7F);
    if (!(b & 0x80)) return true;
  }
  return false;
}

void WriteVlq(std::vector<uint8_t>& out, uint32_t nValue) {
  if (nValue > MAX_VLQ) nValue = MAX_VLQ;
  uint8_t tmp[4];
  int n = 0;
  tmp[n++] = nValue & 0x7F;
  while ((nValue >>= 7) != 0) tmp[n++] = static_cast<uint8_t>((nValue & 0x7F) | 0x80);
  while (n > 0) out.push_back(tmp[--n]);
}

void WriteBe32(uint8_t* p, uint32_t n) {
  p[0] = uint8_t(n >> 24);
  p[1] = uint8_t(n >> 16);
  p[2] = uint8_t(n >> 8);
  p[3] = uint8_t(n);
}

struct sTrackEvent {
  uint64_t qTime;
  uint8_t byStatus;
  const uint8_t* pData;  // the bytes after the status byte
  uint32_t nLength;
};

// Reads one track chunk's events into the list; false when the track does not end with its
// end-of-track event inside the chunk (cut short or malformed). The end time is the running time
// where the track stopped.
bool ReadTrack(const uint8_t* p, size_t nBegin, size_t nEnd, std::vector<sTrackEvent>& vEvents,
               uint64_t& qEndTime) {
  uint64_t qTime = 0;
  uint8_t byRunning = 0;
  size_t i = nBegin;
  bool bComplete = false;
  while (i < nEnd) {
    uint32_t nDelta = 0;
    if (!ReadVlq(p, nEnd, i, nDelta) || i >= nEnd) break;
    // The time counts only for an event that is there whole.
    const uint64_t qEventTime = qTime + nDelta;
    uint8_t b = p[i];
    uint8_t byStatus = b;
    size_t nData = i + 1;
    if (b < 0x80) {
      // Running status: only a channel message's status carries over.
      if (!byRunning) break;
      byStatus = byRunning;
      nData = i;
    } else if (b < 0xF0) {
      byRunning = b;
    }
    size_t j = nData;
    if (byStatus == 0xFF) {
      if (j >= nEnd) break;
      uint8_t byType = p[j++];
      uint32_t nLen = 0;
      if (!ReadVlq(p, nEnd, j, nLen) || nLen > nEnd - j) break;
      if (byType == 0x2F && nLen == 0) {
        qTime = qEventTime;
        bComplete = true;
        break;
      }
      j += nLen;
    } else if (byStatus == 0xF0 || byStatus == 0xF7) {
      uint32_t nLen = 0;
      if (!ReadVlq(p, nEnd, j, nLen) || nLen > nEnd - j) break;
      j += nLen;
    } else {
      size_t nBytes = (byStatus >= 0xC0 && byStatus <= 0xDF) ? 1 : 2;
      if (nBytes > nEnd - j) break;
      j += nBytes;
    }
    qTime = qEventTime;
    vEvents.push_back({qTime, byStatus, p + nData, static_cast<uint32_t>(j - nData)});
    i = j;
  }
  qEndTime = qTime;
  return bComplete;
}

}  // namespace

// ---- cMidiFile ----

bool cMidiFile::Create(const char* pszPath) {
  m_vImage.clear();
  m_strName = pszPath ? pszPath : "";
  HANDLE h = CreateFileA(m_strName.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  LARGE_INTEGER liSize = {};
  bool bOk = h != INVALID_HANDLE_VALUE && GetFileSizeEx(h, &liSize) &&
             liSize.QuadPart <= MAX_MIDI_FILE_SIZE;
  std::vector<uint8_t> vFile;
  if (bOk) {
    vFile.assign(static_cast<size_t>(liSize.QuadPart), 0);
    DWORD dwRead = 0;
    bOk = vFile.empty() ||
          (ReadFile(h, vFile.data(), static_cast<DWORD>(vFile.size()), &dwRead, nullptr) &&
           dwRead == vFile.size());
  }
  if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
  if (!bOk) {
    ReportAndErrorLog("Midi %s Create ファイルが開けません", m_strName.c_str());
    return false;
  }
  if (!Init(vFile.data(), vFile.size())) return false;
  Convert(vFile.data(), vFile.size());
  return HasImage();
}

bool cMidiFile::Init(const uint8_t* pData, size_t nSize) {
  const char* pszName = m_strName.c_str();
  if (nSize < 18 || memcmp(pData, "MThd", 4) != 0 || memcmp(pData + 14, "MTrk", 4) != 0) {
    ReportAndErrorLog("Midi %s Init 標準MIDIでない(4)", pszName);
    return false;
  }
  if (ReadBe32(pData + 4) != 6) {
    ReportAndErrorLog("Midi %s Init 標準MIDIでない(6)", pszName);
    return false;
  }
  uint32_t nFormat = ReadBe16(pData + 8);
  if (nFormat == 2) {
    ReportAndErrorLog("Midi %s Init 対応フォーマットが2でない", pszName);
    return false;
  }
  if (nFormat > 2) {
    ReportAndErrorLog("Midi %s Init 対応フォーマットが0または1でない", pszName);
    return false;
  }
  return true;
}

void cMidiFile::Convert(const uint8_t* pData, size_t nSize) {
  const uint32_t nTracks = ReadBe16(pData + 10);
  std::vector<std::vector<sTrackEvent>> vTracks;
  uint64_t qLatestEnd = 0;
  bool bComplete = true;
  // Each chunk is found from the length of the one before; chunks other than tracks are passed
  // over, and nothing is read past the end of the file.
  size_t nOff = 14;
  while (vTracks.size() < nTracks && nOff + 8 <= nSize) {
    size_t nBegin = nOff + 8;
    size_t nLen = ReadBe32(pData + nOff + 4);
    size_t nEnd = nBegin + (nLen < nSize - nBegin ? nLen : nSize - nBegin);
    if (memcmp(pData + nOff, "MTrk", 4) == 0) {
      vTracks.emplace_back();
      uint64_t qEnd = 0;
      if (!ReadTrack(pData, nBegin, nEnd, vTracks.back(), qEnd)) bComplete = false;
      if (qEnd > qLatestEnd) qLatestEnd = qEnd;
    }
    nOff = nEnd;
  }
  if (vTracks.size() < nTracks) bComplete = false;
  if (!bComplete)
    ReportAndErrorLog("Midi %s Convert データが途中で終わっています", m_strName.c_str());
  if (vTracks.empty()) vTracks.emplace_back();
  // One end-of-track event for the whole piece, after the last event of every track.
  vTracks.back().push_back({qLatestEnd, 0xFF, END_OF_TRACK_DATA, 2});

  size_t nTotal = 22;
  for (const auto& v : vTracks)
    for (const auto& e : v) nTotal += 5 + e.nLength;
  m_vImage.clear();
  m_vImage.reserve(nTotal);
  const uint8_t abyHeader[22] = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1,
                                 pData[12], pData[13], 'M', 'T', 'r', 'k', 0, 0, 0, 0};
  m_vImage.assign(abyHeader, abyHeader + sizeof abyHeader);

  // Merge: the earliest head first; on equal times the lower track first.
  typedef std::tuple<uint64_t, size_t, size_t> tHead;  // time, track, index in the track
  std::priority_queue<tHead, std::vector<tHead>, std::greater<tHead>> heads;
  for (size_t t = 0; t < vTracks.size(); ++t)
    if (!vTracks[t].empty()) heads.emplace(vTracks[t][0].qTime, t, 0);
  uint64_t qPrev = 0;
  while (!heads.empty()) {
    tHead h = heads.top();
    heads.pop();
    const sTrackEvent& e = vTracks[std::get<1>(h)][std::get<2>(h)];
    uint64_t qDelta = e.qTime - qPrev;
    WriteVlq(m_vImage, qDelta > MAX_VLQ ? MAX_VLQ : static_cast<uint32_t>(qDelta));
    qPrev = e.qTime;
    m_vImage.push_back(e.byStatus);
    m_vImage.insert(m_vImage.end(), e.pData, e.pData + e.nLength);
    size_t nNext = std::get<2>(h) + 1;
    const auto& vTrack = vTracks[std::get<1>(h)];
    if (nNext < vTrack.size()) heads.emplace(vTrack[nNext].qTime, std::get<1>(h), nNext);
  }
  WriteBe32(m_vImage.data() + 18, static_cast<uint32_t>(m_vImage.size() - 22));
}

// ---- cMidiStream ----

cMidiStream::cMidiStream(const char* pszPath) : m_Device(GetMidiDevice()) {
  InitializeCriticalSection(&m_Lock);
  memset(m_aHeaders, 0, sizeof m_aHeaders);
  if (Create(pszPath)) Open();
}

cMidiStream::~cMidiStream() {
  EnterCriticalSection(&m_Lock);
  m_bClosing = true;
  if (m_hStream) {
    MMRESULT mr = m_Device.Reset(m_hStream);
    if (mr != MMSYSERR_NOERROR) LogResult("Reset", mr);
    for (int i = 0; i < m_nBufferCount; ++i) {
      mr = m_Device.Unprepare(m_hStream, &m_aHeaders[i]);
      if (mr != MMSYSERR_NOERROR) LogResult("Unprepare", mr);
    }
    mr = m_Device.Close(m_hStream);
    if (mr != MMSYSERR_NOERROR) LogResult("Close", mr);
    m_hStream = nullptr;
  }
  LeaveCriticalSection(&m_Lock);
  // The thread takes the lock for every callback, so the lock is not held while waiting for it.
  if (m_hThread) {
    for (int i = 0; i < THREAD_POST_TRIES; ++i) {
      if (PostThreadMessageA(m_dwThreadId, WM_QUIT, 0, 0)) break;
      if (WaitForSingleObject(m_hThread, 1) == WAIT_OBJECT_0) break;
    }
    WaitForSingleObject(m_hThread, INFINITE);
    CloseHandle(m_hThread);
  }
  DeleteCriticalSection(&m_Lock);
}

bool cMidiStream::StartThread() {
  m_hThread = CreateThread(nullptr, 0, MidiThreadProc, this, 0, &m_dwThreadId);
  if (!m_hThread) return false;
  // The thread makes its message queue first thing; a thread that ended before has none.
  for (int i = 0; i < THREAD_POST_TRIES; ++i) {
    if (PostThreadMessageA(m_dwThreadId, 0x8000, 0, 0)) return true;
    if (WaitForSingleObject(m_hThread, 1) == WAIT_OBJECT_0) break;
  }
  return false;
}

void cMidiStream::DropImage() {
  cSoundLock lock(m_Lock);
  m_vImage.clear();
}

void cMidiStream::Open() {
  m_nNext = 0;
  memset(m_aHeaders, 0, sizeof m_aHeaders);
  for (int i = 0; i < m_nBufferCount; ++i) {
    m_avData[i].assign(m_dwBufferSize, 0);
    m_aHeaders[i].lpData = m_avData[i].data();
    m_aHeaders[i].dwBufferLength = m_dwBufferSize;
    m_aHeaders[i].dwUser = static_cast<DWORD_PTR>(i);
  }
  if (!StartThread()) {
    ReportAndErrorLog("Midi %s Open 再生スレッドを開始できません", m_strName.c_str());
    DropImage();
    return;
  }
  HMIDISTRM hStream = nullptr;
  MMRESULT mr = m_Device.Open(&hStream, m_dwThreadId);
  if (mr != MMSYSERR_NOERROR) {
    // Without a stream nothing can play: the player acts as one without an image.
    LogResult("Open", mr);
    DropImage();
    return;
  }
  {
    cSoundLock lock(m_Lock);
    m_hStream = hStream;
  }
  MIDIPROPTIMEDIV prop;
  prop.cbStruct = sizeof prop;
  prop.dwTimeDiv = ReadBe16(m_vImage.data() + 12);
  mr = m_Device.Property(hStream, reinterpret_cast<LPBYTE>(&prop), MIDIPROP_SET | MIDIPROP_TIMEDIV);
  if (mr != MMSYSERR_NOERROR) LogResult("Property", mr);
  {
    cSoundLock lock(m_Lock);
    m_nPos = MIDI_FIRST_EVENT;
    m_dwCarryDelta = 0;
    m_nState = 0;
  }
  Out();
}

void cMidiStream::LogResult(const char* pszCall, MMRESULT mr) {
  char szText[512];
  if (!mciGetErrorStringA(mr, szText, sizeof szText)) szText[0] = 0;
  ReportAndErrorLog("Midi %s %s %s", m_strName.c_str(), pszCall, szText);
}

void cMidiStream::Restart(int bLoop) {
  cSoundLock lock(m_Lock);
  if (!HasImage() || !m_hStream) return;
  m_bLoop = bLoop;
  if (m_nState == 1) return;
  MMRESULT mr = m_Device.Restart(m_hStream);
  if (mr != MMSYSERR_NOERROR) LogResult("Restart", mr);
  int nOld = m_nState;
  m_nState = 1;
  if (nOld == 2) return;
  Out();
}

void cMidiStream::Stop(int bPause) {
  cSoundLock lock(m_Lock);
  if (!HasImage() || !m_hStream) return;
  if (!bPause) {
    MMRESULT mr = m_Device.Stop(m_hStream);
    if (mr != MMSYSERR_NOERROR) LogResult("Stop", mr);
    m_nState = 0;
    m_nPos = MIDI_FIRST_EVENT;
    m_dwCarryDelta = 0;
    Out();
  } else if (m_nState == 1) {
    MMRESULT mr = m_Device.Pause(m_hStream);
    if (mr != MMSYSERR_NOERROR) LogResult("Pause", mr);
    m_nState = 2;
  }
}

void cMidiStream::Out() {
  cSoundLock lock(m_Lock);
  if (!HasImage() || !m_hStream || m_bClosing) return;
  if (m_nPos >= m_vImage.size()) return;
  MIDIHDR& hdr = m_aHeaders[m_nNext];
  if (hdr.dwFlags & MHDR_INQUEUE) return;
  m_nPos += static_cast<uint32_t>(Fill(hdr, m_nPos));
  if (hdr.dwBytesRecorded == 0) return;
  MMRESULT mr = m_Device.Prepare(m_hStream, &hdr);
  if (mr != MMSYSERR_NOERROR) LogResult("Prepare", mr);
  mr = m_Device.Out(m_hStream, &hdr);
  if (mr != MMSYSERR_NOERROR) LogResult("Out", mr);
  m_nNext = (m_nNext + 1) % m_nBufferCount;
}

size_t cMidiStream::Fill(MIDIHDR& hdr, size_t nPos) {
  const uint8_t* pImg = m_vImage.data();
  const size_t nEnd = m_vImage.size();
  uint8_t* pBuf = reinterpret_cast<uint8_t*>(hdr.lpData);
  DWORD dwUsed = 0;
  long nLast = -1;
  bool bEnd = false;
  size_t i = nPos;
  while (i < nEnd) {
    const size_t nStart = i;
    uint32_t dwDelta = 0;
    if (!ReadVlq(pImg, nEnd, i, dwDelta) || i >= nEnd) {
      i = nEnd;
      break;
    }
    const uint8_t byStatus = pImg[i++];
    DWORD dwEvent = 0;
    const uint8_t* pLong = nullptr;
    uint32_t nLong = 0;
    bool bSkip = false;
    bool bEndOfTrack = false;
    if (byStatus == 0xFF) {
      uint32_t nLen = 0;
      if (i >= nEnd) { i = nEnd; break; }
      const uint8_t byType = pImg[i++];
      if (!ReadVlq(pImg, nEnd, i, nLen) || nLen > nEnd - i) { i = nEnd; break; }
      const uint8_t* p = pImg + i;
      i += nLen;
      if (byType == 0x51 && nLen == 3) {
        dwEvent = (DWORD(MEVT_TEMPO) << 24) | (DWORD(p[0]) << 16) | (DWORD(p[1]) << 8) | p[2];
      } else if (byType == 0x2F && nLen == 0) {
        dwEvent = 0xFF | (0x2F << 8) | MEVT_F_CALLBACK;
        bEndOfTrack = true;
      } else {
        bSkip = true;
      }
    } else if (byStatus == 0xF0 || byStatus == 0xF7) {
      if (!ReadVlq(pImg, nEnd, i, nLong) || nLong > nEnd - i) { i = nEnd; break; }
      pLong = pImg + i;
      i += nLong;
      if (MIDI_EVENT_HEADER + ((1 + nLong + 3) & ~3u) > m_dwBufferSize) {
        // It could never be sent: leave it out rather than stall the stream on it.
        ReportAndErrorLog("Midi %s Out システムエクスクルーシブ(%u バイト)がバッファに入りません",
                          m_strName.c_str(), static_cast<unsigned>(nLong + 1));
        bSkip = true;
      }
      dwEvent = (DWORD(MEVT_LONGMSG) << 24) | (1 + nLong);
    } else {
      const size_t nBytes = (byStatus >= 0xC0 && byStatus <= 0xDF) ? 1 : 2;
      if (nBytes > nEnd - i) { i = nEnd; break; }
      dwEvent = byStatus | (DWORD(pImg[i]) << 8) | (nBytes == 2 ? DWORD(pImg[i + 1]) << 16 : 0);
      i += nBytes;
    }
    if (bSkip) {
      m_dwCarryDelta = dwDelta > MAX_VLQ - m_dwCarryDelta ? MAX_VLQ : m_dwCarryDelta + dwDelta;
      continue;
    }
    const DWORD dwRecord = MIDI_EVENT_HEADER + (pLong ? ((1 + nLong + 3) & ~3u) : 0);
    if (dwUsed + dwRecord > m_dwBufferSize) {
      i = nStart;
      break;
    }
    const DWORD adw[3] = {dwDelta > MAX_VLQ - m_dwCarryDelta ? MAX_VLQ : dwDelta + m_dwCarryDelta,
                          0, dwEvent};
    memcpy(pBuf + dwUsed, adw, sizeof adw);
    if (pLong) {
      uint8_t* pParm = pBuf + dwUsed + MIDI_EVENT_HEADER;
      pParm[0] = byStatus;
      memcpy(pParm + 1, pLong, nLong);
      memset(pParm + 1 + nLong, 0, dwRecord - MIDI_EVENT_HEADER - 1 - nLong);
    }
    m_dwCarryDelta = 0;
    nLast = static_cast<long>(dwUsed);
    dwUsed += dwRecord;
    if (bEndOfTrack) {
      bEnd = true;
      break;
    }
  }
  // The stream reports the buffer's last event, so the thread knows when to refill.
  if (!bEnd && nLast >= 0) {
    DWORD dwEvent;
    memcpy(&dwEvent, pBuf + nLast + 8, 4);
    dwEvent |= MEVT_F_CALLBACK;
    memcpy(pBuf + nLast + 8, &dwEvent, 4);
  }
  hdr.dwBytesRecorded = dwUsed;
  hdr.dwFlags = 0;
  hdr.dwOffset = 0;
  memset(hdr.dwReserved, 0, sizeof hdr.dwReserved);
  return i - nPos;
}

void cMidiStream::OnPositionCallback(const MIDIHDR* pHdr) {
  cSoundLock lock(m_Lock);
  if (m_bClosing || !HasImage() || !m_hStream) return;
  bool bOurs = false;
  for (int i = 0; i < m_nBufferCount; ++i) bOurs |= pHdr == &m_aHeaders[i];
  if (!bOurs) return;
  DWORD dwOffset = pHdr->dwOffset;
  if (dwOffset > pHdr->dwBytesRecorded || pHdr->dwBytesRecorded - dwOffset < MIDI_EVENT_HEADER)
    return;
  DWORD dwEvent;
  memcpy(&dwEvent, pHdr->lpData + dwOffset + 8, 4);
  if ((dwEvent & 0xFFFFFF) == 0x002FFF && MEVT_EVENTTYPE(dwEvent & ~MEVT_F_CALLBACK) == MEVT_SHORTMSG) {
    Stop(0);
    if (m_bLoop) Restart(1);
  } else if (m_nPos < m_vImage.size()) {
    Out();
  }
}

void cMidiStream::OnBufferDone() {
  // A buffer may still be marked queued when its last event is reported; its completion is the
  // moment it can surely be refilled.
  cSoundLock lock(m_Lock);
  if (m_bClosing || m_nState != 1) return;
  if (m_nPos < m_vImage.size()) Out();
}

int cMidiStream::State() const {
  cSoundLock lock(m_Lock);
  return m_nState;
}

uint32_t cMidiStream::Position() const {
  cSoundLock lock(m_Lock);
  return m_nPos;
}

DWORD WINAPI MidiThreadProc(void* pParam) {
  MSG msg;
  PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
  cMidiStream* pStream = static_cast<cMidiStream*>(pParam);
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == MM_MOM_POSITIONCB)
      pStream->OnPositionCallback(reinterpret_cast<const MIDIHDR*>(msg.lParam));
    else if (msg.message == MM_MOM_DONE)
      pStream->OnBufferDone();
  }
  return 0;
}

// ---- cMidiList ----

void cMidiList::DestroyAll() {
  for (auto& p : m_vPlayers) {
    delete p;
    p = nullptr;
  }
}

void cMidiList::Resize(int nSlots) {
  DestroyAll();
  m_vPlayers.assign(nSlots > 0 ? static_cast<size_t>(nSlots) : 0, nullptr);
}

void cMidiList::Clear() {
  DestroyAll();
  m_vPlayers.clear();
}

int cMidiList::Load(int nSlot, const char* pszPath, int bLoop) {
  for (auto* p : m_vPlayers)
    if (p) p->Stop(1);
  DestroyAll();
  char szExt[MAX_PATH];
  if (!pszPath || !GetExtension(szExt, pszPath) || strcmp(szExt, "mid") != 0) return 0;
  if (static_cast<unsigned>(nSlot) >= m_vPlayers.size()) {
    (void)m_vPlayers[nSlot];  // reports the bad slot
    return 0;
  }
  cMidiStream* pPlayer = new cMidiStream(pszPath);
  if (!pPlayer->HasImage()) {
    delete pPlayer;
    return 0;
  }
  m_vPlayers[nSlot] = pPlayer;
  pPlayer->Restart(bLoop);
  return 1;
}

void cMidiList::StopAll(int bPause) {
  for (auto* p : m_vPlayers)
    if (p) p->Stop(bPause);
}

cMidiStream* cMidiList::Player(int nSlot) const {
  if (static_cast<unsigned>(nSlot) >= m_vPlayers.size()) return nullptr;
  return m_vPlayers.std::vector<cMidiStream*>::operator[](static_cast<size_t>(nSlot));
}
