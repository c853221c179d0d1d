// A trackbar bound to an int field, with an optional read-only edit beside it that shows the
// same number. The thumb's position is what the field gets.
#pragma once

#include <cstdint>

#include "controls/EditValCtrl.h"

struct cSliderParam {
  uint16_t wId = 0;
  int32_t* pData = nullptr;
  int32_t nMin = 0, nMax = 0;
  int32_t nPage = 0, nLine = 0;
  uint16_t wBuddyId = 0;  // 0 for none

  cSliderParam& Set(uint32_t nId, int32_t* p, int32_t nMinIn, int32_t nMaxIn, int32_t nPageIn,
                    int32_t nLineIn, uint32_t nBuddyId) {
    wId = static_cast<uint16_t>(nId);
    pData = p;
    nMin = nMinIn;
    nMax = nMaxIn;
    nPage = nPageIn;
    nLine = nLineIn;
    wBuddyId = static_cast<uint16_t>(nBuddyId);
    return *this;
  }
};

class cSliderCtrl : public cControl {
 public:
  cSliderCtrl() { m_nKind = KIND_SLIDER; }

  void Attach(cDialog* lpOwner, const cSliderParam& Param);
  BOOL Enable(int32_t bEnable) override;
  void DataToCtrl() override;
  void CtrlToData() override;
  // Follows the thumb in the buddy; 0 so the dialog goes on offering the scroll to the others.
  int OnScroll(WPARAM wParam, LPARAM lParam) override;
  void SetPos(int32_t nPos);
  int32_t GetPos() const;

  int32_t* m_pData = nullptr;
  int32_t m_nMin = 0, m_nMax = 0;
  int32_t m_nPage = 0, m_nLine = 0;
  cEditValCtrl<int32_t> m_Buddy;
};
