// Stand-in for the ogg player library: decodes Ogg Vorbis files and plays them through the
// wave-out device, repeating as many times as asked. It exports CreateVox as the editor expects,
// plus two functions that let tests look at what it decodes and plays.
#include <windows.h>
#include <mmsystem.h>

#include <cstdint>
#include <string>
#include <vector>

#define STB_VORBIS_HEADER_ONLY
#include <stb_vorbis.h>

#include "app/VoxApi.h"
#include "app/SoundLock.h"

namespace {

constexpr int BUFFER_COUNT = 4;
constexpr int BUFFER_FRAMES = 4096;

class cVoxStandIn final : public cVox {
 public:
  cVoxStandIn() { InitializeCriticalSection(&m_Lock); }

  bool Load(const char* pszPath) override {
    Unload();
    int nError = 0;
    m_pVorbis = pszPath ? stb_vorbis_open_filename(pszPath, &nError, nullptr) : nullptr;
    if (!m_pVorbis) return false;
    stb_vorbis_info info = stb_vorbis_get_info(m_pVorbis);
    m_nChannels = info.channels >= 2 ? 2 : 1;
    m_nRate = info.sample_rate;
    return true;
  }

  void Play() override {
    Stop();
    if (!m_pVorbis) return;
    stb_vorbis_seek_start(m_pVorbis);
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
    if (m_pVorbis) stb_vorbis_close(m_pVorbis);
    m_pVorbis = nullptr;
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
      int n = stb_vorbis_get_samples_short_interleaved(m_pVorbis, m_nChannels, pOut + nDone * m_nChannels,
                                                       (nFrames - nDone) * m_nChannels);
      if (n > 0) {
        nDone += n;
        bRewound = false;
        continue;
      }
      // An empty file would rewind for ever.
      if (m_nLoopsLeft == 0 || bRewound) break;
      if (m_nLoopsLeft != VOX_LOOP_FOREVER) --m_nLoopsLeft;
      stb_vorbis_seek_start(m_pVorbis);
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
  stb_vorbis* m_pVorbis = nullptr;
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
  int nError = 0;
  stb_vorbis* pVorbis = stb_vorbis_open_filename(pszPath, &nError, nullptr);
  if (!pVorbis) return -1;
  const int nChannels = stb_vorbis_get_info(pVorbis).channels;
  std::vector<short> vBuf(static_cast<size_t>(BUFFER_FRAMES) * (nChannels > 0 ? nChannels : 1));
  int64_t qTotal = 0;
  for (;;) {
    int n = stb_vorbis_get_samples_short_interleaved(pVorbis, nChannels, vBuf.data(),
                                                     static_cast<int>(vBuf.size()));
    if (n <= 0) break;
    qTotal += n;
  }
  stb_vorbis_close(pVorbis);
  return qTotal;
}

// Whether the object still plays, and the frames the device has finished playing so far.
extern "C" __declspec(dllexport) int VoxGetProgress(cVox* pVox, uint64_t* pqFrames) {
  const cVoxStandIn* p = static_cast<const cVoxStandIn*>(pVox);
  if (pqFrames) *pqFrames = p->FramesPlayed();
  return p->IsPlaying() ? 1 : 0;
}
