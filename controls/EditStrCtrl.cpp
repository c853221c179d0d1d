#include "controls/EditStrCtrl.h"

#include <algorithm>

#include "app/Dialog.h"
#include "app/TextFormat.h"

cEditStrParam& cEditStrParam::Set(uint32_t nId, std::string* p, int32_t nMax, int32_t bWideIn) {
  wId = static_cast<uint16_t>(nId);
  pStr = p;
  nLimit = nMax + 1;
  nLineMax = bWideIn ? nMax : 0;
  nLines = 1;
  bWide = bWideIn;
  return *this;
}

cEditStrParam& cEditStrParam::SetEx(uint32_t nId, std::string* p, int32_t bWideIn, int32_t nLineMaxIn,
                                    int32_t nLinesIn) {
  wId = static_cast<uint16_t>(nId);
  pStr = p;
  nLimit = 0;
  nLineMax = nLineMaxIn;
  nLines = nLinesIn;
  bWide = bWideIn;
  return *this;
}

int32_t CountLines(const std::string& str) {
  if (str.empty()) return 0;
  return 1 + static_cast<int32_t>(std::count(str.begin(), str.end(), '\n'));
}

void cEditStrCtrl::Create(cDialog* lpOwner, const cEditStrParam& Param) {
  cControl::Attach(lpOwner, Param.wId);
  m_nSubKind = SUB_STRING;
  m_pStr = Param.pStr;
  m_nLimit = Param.nLimit ? Param.nLimit : DEFAULT_LIMIT;
  m_nLineMax = Param.nLineMax ? Param.nLineMax : DEFAULT_LINE_MAX;
  m_nLines = Param.nLines ? Param.nLines : DEFAULT_LINES;
  m_bWide = Param.bWide;
  m_bSetting = 0;
  m_strPrev = m_pStr ? *m_pStr : std::string();
  SetDlgItemStr(m_hOwner, m_wId, m_strPrev);
}

void cEditStrCtrl::DataToCtrl() {
  if (!m_pStr) return;
  // The shown string is the one an edit beyond the limits falls back to.
  m_strPrev = *m_pStr;
  SetDlgItemStr(m_hOwner, m_wId, *m_pStr);
}

void cEditStrCtrl::CtrlToData() {
  if (m_pStr) GetDlgItemStr(m_hOwner, m_wId, *m_pStr, ReadCap());
}

void cEditStrCtrl::GetText(std::string& str) const { GetDlgItemStr(m_hOwner, m_wId, str, ReadCap()); }

void cEditStrCtrl::SetText(const std::string& str) {
  // Setting mode before the text goes in: the change the text raises is already the program's.
  m_strPrev = str;
  m_bSetting = 1;
  SetDlgItemStr(m_hOwner, m_wId, str);
  OnChange();
  m_bSetting = 0;
}

int32_t cEditStrCtrl::Measure(const std::string& str, size_t nFrom, size_t nTo) const {
  if (nTo <= nFrom) return 0;
  if (!m_bWide) return static_cast<int32_t>(nTo - nFrom);
  return CountChars(str.substr(nFrom, nTo - nFrom));
}

size_t cEditStrCtrl::FitLength(const std::string& str, size_t nFrom, size_t nTo) const {
  const char* p = str.c_str();
  size_t i = nFrom;
  int32_t n = 0;
  while (i < nTo) {
    size_t w = (i + 1 < nTo && IsDbcsPair(p + i)) ? 2 : 1;
    int32_t c = m_bWide ? (p[i] == '\n' ? 0 : 1) : static_cast<int32_t>(w);
    if (n + c > m_nLineMax) break;
    n += c;
    i += w;
  }
  return i - nFrom;
}

namespace {

// Positions in the box count a double-byte character once.
size_t CharToByte(const std::string& str, size_t nChar) {
  size_t i = 0;
  for (size_t n = 0; n < nChar && i < str.size(); ++n) i += IsDbcsPair(str.c_str() + i) ? 2 : 1;
  return i;
}

size_t ByteToChar(const std::string& str, size_t nByte) {
  size_t n = 0;
  for (size_t i = 0; i < nByte && i < str.size(); ++n) i += IsDbcsPair(str.c_str() + i) ? 2 : 1;
  return n;
}

void MoveForInsert(size_t& nPos, size_t nAt, size_t nCount) {
  if (nPos >= nAt) nPos += nCount;
}

void MoveForErase(size_t& nPos, size_t nAt, size_t nCount) {
  if (nPos <= nAt) return;
  nPos -= std::min(nCount, nPos - nAt);
}

}  // namespace

bool cEditStrCtrl::WrapLines(std::string& s, size_t& nStart, size_t& nEnd) const {
  size_t nPos = 0;
  for (int32_t n = 0; n < m_nLines; ++n) {
    size_t nCr = s.find('\r', nPos);
    size_t nLineEnd = nCr == std::string::npos ? s.size() : nCr;
    if (Measure(s, nPos, nLineEnd) > m_nLineMax) {
      size_t nCut = nPos + FitLength(s, nPos, nLineEnd);
      s.insert(nCut, "\r\n");
      MoveForInsert(nStart, nCut, 2);
      MoveForInsert(nEnd, nCut, 2);
      // The cut tail starts the next line and joins it.
      size_t nNext = s.find('\r', nCut + 2);
      if (nNext != std::string::npos && nNext + 1 < s.size() && s[nNext + 1] == '\n') {
        s.erase(nNext, 2);
        MoveForErase(nStart, nNext, 2);
        MoveForErase(nEnd, nNext, 2);
      }
      nLineEnd = nCut;
    }
    if (nLineEnd >= s.size()) break;
    nPos = nLineEnd + 1;
    if (nPos < s.size() && s[nPos] == '\n') ++nPos;
  }
  return CountLines(s) <= m_nLines;
}

void cEditStrCtrl::OnChange() {
  if (m_bBusy) return;
  m_bBusy = 1;
  std::string strShown, s;
  GetDlgItemStr(m_hOwner, m_wId, strShown, DLG_ITEM_TEXT_MAX);
  // A byte-counted edit is held to its limit by the read itself; a character-counted one by the
  // line rules below, so an edit past the limit is undone rather than cut at its end.
  if (m_bWide)
    s = strShown;
  else
    GetDlgItemStr(m_hOwner, m_wId, s, ReadCap());
  DWORD dwStart = 0, dwEnd = 0;
  SendMessageA(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
  // The box counts its positions in characters; the text here is bytes.
  size_t nStart = CharToByte(strShown, dwStart), nEnd = CharToByte(strShown, dwEnd);
  m_nSelStart = static_cast<int32_t>(nStart);
  m_nSelEnd = static_cast<int32_t>(nEnd);

  bool bJoinRefused = false;
  if ((GetAsyncKeyState(VK_BACK) & 0x8000) && nStart == nEnd && m_strPrev.size() == s.size() + 2 &&
      CountLines(s) < CountLines(m_strPrev)) {
    // Backspace removed a line break: the join is refused when the line before it is full.
    std::string strHead = m_strPrev.substr(0, std::min(nStart, m_strPrev.size()));
    size_t nCr = strHead.rfind('\r');
    size_t nFrom = nCr == std::string::npos ? 0 : nCr;
    if (Measure(strHead, nFrom, strHead.size()) >= m_nLineMax) {
      s = m_strPrev;
      bJoinRefused = true;
    }
  }
  if (!bJoinRefused) {
    std::string strWrapped = s;
    size_t nWrapStart = nStart, nWrapEnd = nEnd;
    if (WrapLines(strWrapped, nWrapStart, nWrapEnd)) {
      s = strWrapped;
      nStart = nWrapStart;
      nEnd = nWrapEnd;
    } else if (m_bSetting) {
      // A text from the program keeps the lines that fit.
      size_t nCut = std::string::npos, nFrom = 0;
      for (int32_t n = 0; n < m_nLines; ++n) {
        nCut = strWrapped.find('\r', nFrom);
        if (nCut == std::string::npos) break;
        nFrom = nCut + 1;
      }
      s = nCut == std::string::npos ? strWrapped : strWrapped.substr(0, nCut);
    } else {
      s = m_strPrev;
      nStart = static_cast<size_t>(m_nSelStart);
      nEnd = static_cast<size_t>(m_nSelEnd);
    }
  }
  // The caret never sits between a carriage return and its line feed.
  if (nStart < s.size() && s[nStart] == '\n') ++nStart;
  if (nEnd < s.size() && s[nEnd] == '\n') ++nEnd;
  nStart = std::min(nStart, s.size());
  nEnd = std::min(nEnd, s.size());

  if (s != strShown) {
    SetDlgItemStr(m_hOwner, m_wId, s);
    if (!m_bSetting)
      SendMessageA(m_hWnd, EM_SETSEL, ByteToChar(s, nStart), static_cast<LPARAM>(ByteToChar(s, nEnd)));
  }
  m_strPrev = s;
  m_bBusy = 0;
}
