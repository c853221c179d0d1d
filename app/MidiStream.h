// Standard MIDI files played through a MIDI stream: the file is merged into one single-track
// image, which two buffers feed to the stream; each player has a playback thread that refills
// the buffers from the stream's callbacks and restarts the piece when it loops.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <cstdint>
#include <string>
#include <vector>

#include "base/ChkContainer.h"

class cMidiDevice;

// The playback thread of a cMidiStream (its parameter is the player).
DWORD WINAPI MidiThreadProc(void* pParam);

constexpr int MIDI_BUFFER_COUNT = 2;
constexpr DWORD MIDI_BUFFER_SIZE = 24000;
// Offset of the first event in the merged image (after the file and track headers).
constexpr uint32_t MIDI_FIRST_EVENT = 22;

class cMidiFile {
 public:
  cMidiFile() {}
  virtual ~cMidiFile() {}
  cMidiFile(const cMidiFile&) = delete;
  cMidiFile& operator=(const cMidiFile&) = delete;

  // Reads the file and merges it into the image; false (no image) when it cannot be used.
  bool Create(const char* pszPath);
  bool HasImage() const { return !m_vImage.empty(); }
  const std::vector<uint8_t>& Image() const { return m_vImage; }
  const std::string& Name() const { return m_strName; }

 protected:
  bool Init(const uint8_t* pData, size_t nSize);
  void Convert(const uint8_t* pData, size_t nSize);

  std::vector<uint8_t> m_vImage;
  std::string m_strName;
};

class cMidiStream : public cMidiFile {
 public:
  // Loads the file and, when it gave an image, opens the stream with the first buffer queued.
  explicit cMidiStream(const char* pszPath);
  ~cMidiStream() override;

  void Restart(int bLoop);
  void Stop(int bPause);
  void Out();

  // 0 stopped, 1 playing, 2 paused.
  int State() const;
  uint32_t Position() const;

 private:
  friend DWORD WINAPI MidiThreadProc(void* pParam);

  void Open();
  bool StartThread();
  void DropImage();
  size_t Fill(MIDIHDR& hdr, size_t nPos);
  void OnPositionCallback(const MIDIHDR* pHdr);
  void OnBufferDone();
  void LogResult(const char* pszCall, MMRESULT mr);

  cMidiDevice& m_Device;
  mutable CRITICAL_SECTION m_Lock;
  HMIDISTRM m_hStream = nullptr;
  MIDIHDR m_aHeaders[MIDI_BUFFER_COUNT];
  std::vector<char> m_avData[MIDI_BUFFER_COUNT];
  uint8_t m_nBufferCount = MIDI_BUFFER_COUNT;
  DWORD m_dwBufferSize = MIDI_BUFFER_SIZE;
  int m_nNext = 0;
  uint32_t m_nPos = MIDI_FIRST_EVENT;
  // Delta time of skipped events (other meta events, oversized system-exclusive messages) that
  // the next record must still wait, so that skipping keeps the timing.
  uint32_t m_dwCarryDelta = 0;
  int m_nState = 0;
  HANDLE m_hThread = nullptr;
  DWORD m_dwThreadId = 0;
  int m_bLoop = 0;
  // Set while the destructor takes the stream down; the playback thread then ignores callbacks.
  bool m_bClosing = false;
};

// One player per music slot; each load replaces every player, so one piece plays at a time.
class cMidiList {
 public:
  cMidiList() {}
  ~cMidiList() { Clear(); }
  cMidiList(const cMidiList&) = delete;
  cMidiList& operator=(const cMidiList&) = delete;

  // Destroys every player and makes the given number of empty slots.
  void Resize(int nSlots);
  // Destroys every player and leaves no slot.
  void Clear();
  int Load(int nSlot, const char* pszPath, int bLoop);
  void StopAll(int bPause);
  int SlotCount() const { return static_cast<int>(m_vPlayers.size()); }
  // The player of a slot, null when none (or the slot does not exist).
  cMidiStream* Player(int nSlot) const;

 private:
  void DestroyAll();
  cShellVector<cMidiStream*> m_vPlayers;
};
