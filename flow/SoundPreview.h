// The sound preview of the dialogs that choose a sound effect: choosing a sound in the combo
// plays it at once, from its start, in place of the sound that played before.
#pragma once

#include <windows.h>

#include <cstdint>
#include <type_traits>

#include "controls/ComboCtrl.h"
#include "controls/CtrlBind.h"

// Plays sound record nSound of the database on the preview slot; nothing for "なし" (0) or a
// number past the list. 1 when it started; after a file that cannot be played, "読み込み失敗！"
// and 0.
int PlaySoundRecord(HWND hOwner, int32_t nSound);

// The sound that the combo with that id shows, read as the combo's own value type (a 16-bit
// combo's value is signed).
template <class V>
int PreviewSound(HWND hOwner, V& vCombos, uint32_t nId) {
  auto* lpCombo = FindCtrl(vCombos, nId);
  if (!lpCombo) return 0;
  typedef typename std::remove_pointer<decltype(lpCombo->m_pData)>::type T;
  return PlaySoundRecord(hOwner, static_cast<int32_t>(static_cast<T>(lpCombo->GetCurData())));
}
