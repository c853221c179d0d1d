// The string edit: an edit box bound to a string that keeps its text inside a length limit,
// counted in bytes or, with the character-count flag, in characters (a double-byte character
// counting one), per line and in lines. An edit that would break the limit is undone instead of
// letting the text grow; a text set by the program is cut, never leaving half a character.
#pragma once

#include <cstdint>
#include <string>

#include "controls/EditCtrl.h"

// Bytes a path edit keeps: a Windows path less its terminating zero, which is also the most any
// record's path field may hold for the file functions. Counted in bytes, so a path of double-byte
// names cannot outgrow the buffers it is copied into; a cut never leaves half a character.
constexpr int32_t PATH_EDIT_BYTES = MAX_PATH - 1;

struct cEditStrParam {
  uint16_t wId = 0;
  std::string* pStr = nullptr;
  int32_t nLimit = 0;    // bytes including the terminating zero; 0 for the default
  int32_t nLineMax = 0;  // longest line; 0 for the default
  int32_t nLines = 0;    // most lines; 0 for the default
  int32_t bWide = 0;     // lengths count characters

  // One line of at most nMax characters (bWide) or bytes.
  cEditStrParam& Set(uint32_t nId, std::string* p, int32_t nMax, int32_t bWideIn);
  // One line holding a path: PATH_EDIT_BYTES bytes.
  cEditStrParam& SetPath(uint32_t nId, std::string* p) { return Set(nId, p, PATH_EDIT_BYTES, 0); }
  // Lines of nLineMaxIn characters or bytes, at most nLinesIn of them, within the default bytes.
  cEditStrParam& SetEx(uint32_t nId, std::string* p, int32_t bWideIn, int32_t nLineMaxIn, int32_t nLinesIn);
};

class cEditStrCtrl : public cEditCtrl {
 public:
  enum { DEFAULT_LIMIT = 0x1000, DEFAULT_LINE_MAX = 1024, DEFAULT_LINES = 32 };

  cEditStrCtrl() { m_nKind = KIND_EDITSTR; }

  // The string edit's attach: binds the item, takes the limits and shows the string.
  void Create(cDialog* lpOwner, const cEditStrParam& Param);
  void DataToCtrl() override;
  void CtrlToData() override;
  void OnChange() override;
  // The text in the box, read as CtrlToData reads it; the bound string is not touched.
  void GetText(std::string& str) const;
  // Shows a text from the program, cut to the limits.
  void SetText(const std::string& str);

  // Bytes a read keeps, with the terminating zero.
  int32_t ReadCap() const { return m_bWide ? 2 * m_nLimit - 1 : m_nLimit; }

  std::string* m_pStr = nullptr;
  int32_t m_nLimit = 0;
  int32_t m_bWide = 0;
  int32_t m_nLineMax = 0;
  int32_t m_nLines = 0;
  int32_t m_bSetting = 0;
  std::string m_strPrev;
  int32_t m_nSelStart = 0, m_nSelEnd = 0;

 private:
  int32_t Measure(const std::string& str, size_t nFrom, size_t nTo) const;
  // Bytes of str from nFrom on that fit nMax in the measure, never splitting a character.
  size_t FitLength(const std::string& str, size_t nFrom, size_t nTo) const;
  // Breaks every line longer than the line limit; false when the text ends up with too many lines.
  bool WrapLines(std::string& s, size_t& nStart, size_t& nEnd) const;
};

// Lines of a text: none when it is empty, else one more than its line feeds.
int32_t CountLines(const std::string& str);

// The string edit attaches through Create.
inline void AttachBound(cDialog* lpDlg, cEditStrCtrl& Ctrl, const cEditStrParam& Param) {
  Ctrl.Create(lpDlg, Param);
}
