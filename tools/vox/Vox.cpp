// Stand-in for the ogg player library: decodes Ogg Vorbis files with the reference decoder and
// plays them through the wave-out device, repeating as many times as asked. It exports CreateVox as the editor expects,
// plus two functions that let tests look at what it decodes and plays.
#include <windows.h>
#include <mmsystem.h>

#include <cstdint>
#include <string>
#include <vector>

#include <vorbis/vorbisfile.h>

#include "app/VoxApi.h"
#include "app/SoundLock.h"

namespace {

constexpr int BUFFER_COUNT = 4;
constexpr int BUFFER_FRAMES = 4096;

// One open Ogg Vorbis file, decoded to 16-bit frames of one or two channels (a file with more
// channels gives its first two).
class cOggFile {
 public:
  cOggFile() = default;
  cOggFile(const cOggFile&) = delete;
  cOggFile& operator=(const cOggFile&) = delete;
  ~cOggFile() { Close(); }

  bool Open(const char* pszPath) {
    Close();
    if (!pszPath || ov_fopen(pszPath, &m_File) != 0) return false;
    m_bOpen = true;
    const vorbis_info* pInfo = ov_info(&m_File, -1);
    if (!pInfo || pInfo->channels < 1 || pInfo->rate < 1) {
      Close();
      return false;
    }
    m_nChannels = pInfo->channels >= 2 ? 2 : 1;
    m_nRate = static_cast<unsigned>(pInfo->rate);
    return true;
  }

  void Close() {
    if (m_bOpen) ov_clear(&m_File);
    m_bOpen = false;
  }

  bool Rewind() { return m_bOpen && ov_raw_seek(&m_File, 0) == 0; }

  // Frames written into pOut (room for nFrames), 0 at the end of the file or at damage the
  // decoder cannot step over. A hole in the stream (a lost or broken page) is skipped.
  int Read(short* pOut, int nFrames) {
    if (!m_bOpen) return 0;
    for (int nHoles = 0; nHoles < 64; ++nHoles) {
      float** ppPcm = nullptr;
      int nSection = 0;
      const long n = ov_read_float(&m_File, &ppPcm, nFrames, &nSection);
      if (n == OV_HOLE) continue;
      if (n <= 0) return 0;
      const vorbis_info* pInfo = ov_info(&m_File, -1);
      const int nSourceChannels = pInfo ? pInfo->channels : 1;
      for (long i = 0; i < n; ++i) {
        for (int c = 0; c < m_nChannels; ++c) {
          const float f = ppPcm[c < nSourceChannels ? c : nSourceChannels - 1][i] * 32767.0f;
          pOut[i * m_nChannels + c] = static_cast<short>(f > 32767.0f ? 32767 : f < -32768.0f ? -32768 : f);
        }
      }
      return static_cast<int>(n);
    }
    return 0;
  }

  int Channels() const { return m_nChannels; }
  unsigned Rate() const { return m_nRate; }

 private:
  OggVorbis_File m_File = {};
  bool m_bOpen = false;
  int m_nChannels = 1;
  unsigned m_nRate = 44100;
};

class cVoxStandIn final : public cVox {
 public:
  cVoxStandIn() { InitializeCriticalSection(&m_Lock); }

  bool Load(const char* pszPath) override {
    Unload();
    if (!m_Ogg.Open(pszPath)) return false;
    m_nChannels = m_Ogg.Channels();
    m_nRate = m_Ogg.Rate();
    return true;
  }

  void Play() override {
    Stop();
    if (!m_Ogg.Rewind()) return;
    m_nLoopsLeft = m_nLoop;
    m_qFramesPlayed = 0;
    m_hEvent = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    WAVEFORMATEX fmt = {};
    fmt.wFormatTag = WAVE_FORMAT_PCM;
    fmt.nChannels = static_cast<WORD>(m_nChannels);
    fmt.nSamplesPerSec = m_nRate;
    fmt.wBitsPerSample = 16;
    fmt.nBlockAlign = static_cast<WORD>(m_nChannels * 2);
    fmt.nAvgBytesPerSec = m_nRate * fmt.nBlockAlign;
    if (!m_hEvent || waveOutOpen(&m_hWave, WAVE_MAPPER, &fmt, reinterpret_cast<DWORD_PTR>(m_hEvent),
                                 0, CALLBACK_EVENT) != MMSYSERR_NOERROR) {
      m_hWave = nullptr;
      CloseDevice();
      return;
    }
    for (int i = 0; i < BUFFER_COUNT; ++i) {
      m_avSamples[i].assign(static_cast<size_t>(BUFFER_FRAMES) * m_nChannels, 0);
      WAVEHDR& hdr = m_aHeaders[i];
      memset(&hdr, 0, sizeof hdr);
      hdr.lpData = reinterpret_cast<LPSTR>(m_avSamples[i].data());
      hdr.dwBufferLength = static_cast<DWORD>(m_avSamples[i].size() * sizeof(short));
      waveOutPrepareHeader(m_hWave, &hdr, sizeof hdr);
      hdr.dwFlags |= WHDR_DONE;  // free to fill
      m_abInFlight[i] = false;
    }
    m_bStopRequest = 0;
    m_bPlaying = 1;
    m_hThread = CreateThread(nullptr, 0, &cVoxStandIn::FeedThread, this, 0, nullptr);
    if (!m_hThread) {
      m_bPlaying = 0;
      CloseDevice();
    }
  }

  void Stop() override {
    if (m_hThread) {
      {
        cSoundLock lock(m_Lock);
        m_bStopRequest = 1;
        if (m_hWave) waveOutReset(m_hWave);
      }
      SetEvent(m_hEvent);
      WaitForSingleObject(m_hThread, INFINITE);
      CloseHandle(m_hThread);
      m_hThread = nullptr;
    }
    m_bPlaying = 0;
    CloseDevice();
  }

  void Unload() override {
    Stop();
    m_Ogg.Close();
  }

  void SetLoop(int32_t nCount) override { m_nLoop = nCount < 0 ? 0 : nCount; }
  void Reserved1() override {}
  void Reserved2() override {}
  void Reserved3() override {}
  void Reserved4() override {}

  void Release() override {
    Unload();
    DeleteCriticalSection(&m_Lock);
    delete this;
  }

  bool IsPlaying() const { return m_bPlaying != 0; }
  uint64_t FramesPlayed() const { return m_qFramesPlayed; }

 private:
  ~cVoxStandIn() {}

  void CloseDevice() {
    if (m_hWave) {
      waveOutReset(m_hWave);
      for (int i = 0; i < BUFFER_COUNT; ++i) waveOutUnprepareHeader(m_hWave, &m_aHeaders[i], sizeof(WAVEHDR));
      waveOutClose(m_hWave);
      m_hWave = nullptr;
    }
    if (m_hEvent) CloseHandle(m_hEvent);
    m_hEvent = nullptr;
  }

  // Decodes into the buffer, going back to the start of the file as often as the loop count
  // asks; returns the frames written, 0 at the very end.
  int Decode(short* pOut, int nFrames) {
    int nDone = 0;
    bool bRewound = false;
    while (nDone < nFrames) {
      int n = m_Ogg.Read(pOut + nDone * m_nChannels, nFrames - nDone);
      if (n > 0) {
        nDone += n;
        bRewound = false;
        continue;
      }
      // An empty file would rewind for ever.
      if (m_nLoopsLeft == 0 || bRewound) break;
      if (m_nLoopsLeft != VOX_LOOP_FOREVER) --m_nLoopsLeft;
      if (!m_Ogg.Rewind()) break;
      bRewound = true;
    }
    return nDone;
  }

  static DWORD WINAPI FeedThread(void* pParam) {
    static_cast<cVoxStandIn*>(pParam)->Feed();
    return 0;
  }

  void Feed() {
    bool bEnd = false;
    for (;;) {
      int nInFlight = 0;
      {
        cSoundLock lock(m_Lock);
        if (m_bStopRequest) break;
        for (int i = 0; i < BUFFER_COUNT; ++i) {
          WAVEHDR& hdr = m_aHeaders[i];
          if (!(hdr.dwFlags & WHDR_DONE)) {
            ++nInFlight;
            continue;
          }
          if (m_abInFlight[i]) {
            m_qFramesPlayed += hdr.dwBufferLength / (m_nChannels * sizeof(short));
            m_abInFlight[i] = false;
          }
          if (bEnd) continue;
          int n = Decode(m_avSamples[i].data(), BUFFER_FRAMES);
          if (n == 0) {
            bEnd = true;
            continue;
          }
          hdr.dwBufferLength = static_cast<DWORD>(n * m_nChannels * sizeof(short));
          hdr.dwFlags &= ~WHDR_DONE;
          if (waveOutWrite(m_hWave, &hdr, sizeof hdr) != MMSYSERR_NOERROR) {
            hdr.dwFlags |= WHDR_DONE;
            bEnd = true;
            continue;
          }
          m_abInFlight[i] = true;
          ++nInFlight;
        }
      }
      if (bEnd && nInFlight == 0) break;
      WaitForSingleObject(m_hEvent, INFINITE);
    }
    m_bPlaying = 0;
  }

  CRITICAL_SECTION m_Lock;
  cOggFile m_Ogg;
  int m_nChannels = 1;
  unsigned m_nRate = 44100;
  int32_t m_nLoop = 0;
  int32_t m_nLoopsLeft = 0;
  HWAVEOUT m_hWave = nullptr;
  HANDLE m_hEvent = nullptr;
  HANDLE m_hThread = nullptr;
  WAVEHDR m_aHeaders[BUFFER_COUNT] = {};
  std::vector<short> m_avSamples[BUFFER_COUNT];
  bool m_abInFlight[BUFFER_COUNT] = {};
  volatile LONG m_bStopRequest = 0;
  volatile LONG m_bPlaying = 0;
  volatile uint64_t m_qFramesPlayed = 0;
};

}  // namespace

extern "C" __declspec(dllexport) cVox* CreateVox() { return new cVoxStandIn(); }

// Frames (samples per channel) the file decodes to, -1 when it cannot be opened.
extern "C" __declspec(dllexport) int64_t VoxCountFrames(const char* pszPath) {
  cOggFile Ogg;
  if (!Ogg.Open(pszPath)) return -1;
  std::vector<short> vBuf(static_cast<size_t>(BUFFER_FRAMES) * Ogg.Channels());
  int64_t qTotal = 0;
  for (;;) {
    const int n = Ogg.Read(vBuf.data(), BUFFER_FRAMES);
    if (n <= 0) break;
    qTotal += n;
  }
  return qTotal;
}

// Whether the object still plays, and the frames the device has finished playing so far.
extern "C" __declspec(dllexport) int VoxGetProgress(cVox* pVox, uint64_t* pqFrames) {
  const cVoxStandIn* p = static_cast<const cVoxStandIn*>(pVox);
  if (pqFrames) *pqFrames = p->FramesPlayed();
  return p->IsPlaying() ? 1 : 0;
}
