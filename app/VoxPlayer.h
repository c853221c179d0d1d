// The ogg side of the music player: one object of the ogg player library per music slot.
#pragma once

#include <windows.h>

#include "app/VoxApi.h"
#include "base/ChkContainer.h"

class cVoxPlayer {
 public:
  cVoxPlayer() {}
  ~cVoxPlayer() { Release(); }
  cVoxPlayer(const cVoxPlayer&) = delete;
  cVoxPlayer& operator=(const cVoxPlayer&) = delete;

  // Loads the library and finds its factory; the error box and 0 when it has none.
  int Init();
  // Makes one player object per slot (the old ones are released); 0 when one cannot be made.
  int Resize(int nSlots);
  // Plays the file on the slot; 0 when it cannot be loaded (or no ogg player is available).
  int Play(int nSlot, const char* pszPath, int bLoop);
  void Stop();
  void Release();

  // True once the library is loaded and every slot has its object.
  bool IsReady() const { return m_hLib && !m_vVox.empty(); }
  int CurrentSlot() const { return m_nCurrent; }

 private:
  void ReleaseObjects();

  cShellVector<cVox*> m_vVox;
  int m_nCurrent = -1;
  HMODULE m_hLib = nullptr;
  CreateVoxFn m_pfnCreate = nullptr;
};

// The library file the ogg player loads ("Vox.dll"); a test may name another. Returns the old name.
const char* SetVoxLibraryName(const char* pszName);
