// The music player: one piece of background music at a time, an ogg file through the ogg player
// library or a standard MIDI file through the MIDI stream player.
#pragma once

#include <cstdint>

#include "app/MidiStream.h"
#include "app/VoxPlayer.h"
#include "base/ChkContainer.h"

constexpr int BGM_OGG_PATH_SIZE = 260;
constexpr int BGM_MIDI_PATH_SIZE = 264;

// Track kinds and slot engines.
enum eBgmKind { BGM_NONE = 0, BGM_OGG = 1, BGM_MIDI = 2 };

class cBgm {
 public:
  cBgm() {}
  cBgm(const cBgm&) = delete;
  cBgm& operator=(const cBgm&) = delete;

  // The path tables belong to the caller and hold one path per track. 0 when the ogg player
  // cannot be initialised; the music player then still plays MIDI files.
  int Init(int nSlots, char (*pOggPaths)[BGM_OGG_PATH_SIZE], char (*pMidiPaths)[BGM_MIDI_PATH_SIZE],
           int nTracks);
  // Remembers the file of a track by its extension; 1 when the extension is known.
  int LoadTrack(int nTrack, const char* pszPath);
  // 1 when the track plays (or already played and bForce is 0); 0 when neither player can play it.
  int Play(int nSlot, int nTrack, int bLoop, int nMidiStopMode, int bForce);
  void StopAll();
  void Release();

  bool IsEnabled() const { return m_bEnabled != 0; }
  int CurrentTrack() const { return m_nCurrentTrack; }
  int TrackKind(int nTrack) const;
  int SlotEngine(int nSlot) const;
  const cVoxPlayer& Vox() const { return m_Vox; }
  const cMidiList& Midi() const { return m_MidiList; }

 private:
  bool ValidTrack(int nTrack);

  int32_t m_bEnabled = 0;
  cVoxPlayer m_Vox;
  cMidiList m_MidiList;
  char (*m_pOggPaths)[BGM_OGG_PATH_SIZE] = nullptr;
  char (*m_pMidiPaths)[BGM_MIDI_PATH_SIZE] = nullptr;
  int32_t m_nCurrentTrack = -1;
  cShellVector<int32_t> m_vTrackKinds;
  cShellVector<int32_t> m_vSlotEngines;
};

extern cBgm Music;
