#include "controls/EditValCtrl.h"

#include <imm.h>

#include "app/Ime.h"
#include "app/TextFormat.h"

namespace {

const char* const EDITVAL_PROP = "CTRL_EDITVAL_CLASS";

// Far beyond every value type's limits, and far inside int64_t.
const int64_t PARSE_LIMIT = 1000000000000LL;

struct cTypeLimits {
  int64_t nMin, nMax;
};

const cTypeLimits s_aLimits[] = {
    {-128, 127}, {0, 255}, {-32768, 32767}, {0, 65535}, {INT32_MIN, INT32_MAX}, {0, UINT32_MAX},
};

// Shift-JIS codes of the full-width characters a value edit understands.
struct cFullWidth {
  uint16_t wCode;
  char c;
};

const cFullWidth s_aFullWidth[] = {
    {0x8250, '1'}, {0x8251, '2'}, {0x8252, '3'}, {0x8253, '4'}, {0x8254, '5'}, {0x8255, '6'},
    {0x8256, '7'}, {0x8257, '8'}, {0x8258, '9'}, {0x824F, '0'}, {0x817C, '-'}, {0x8144, '.'},
};

}  // namespace

int64_t GetTypeMax(int nIndex) {
  if (nIndex < 0 || nIndex >= static_cast<int>(sizeof s_aLimits / sizeof s_aLimits[0])) return -1;
  return s_aLimits[nIndex].nMax;
}

int64_t GetTypeMin(int nIndex) {
  if (nIndex < 0 || nIndex >= static_cast<int>(sizeof s_aLimits / sizeof s_aLimits[0])) return -1;
  return s_aLimits[nIndex].nMin;
}

int GetDecimalPlaces(double dStep) {
  char sz[512];
  snprintf(sz, sizeof sz, "%.10f", dStep);
  std::string str = sz;
  size_t nPoint = str.find('.');
  if (nPoint == std::string::npos) return 0;
  size_t nLast = str.find_last_not_of('0');
  if (nLast == std::string::npos || nLast <= nPoint) return 0;
  return static_cast<int>(nLast - nPoint);
}

bool IsValueEditChar(WPARAM wChar) {
  return wChar == '-' || wChar == '.' || (wChar >= '0' && wChar <= '9') || (wChar >= 1 && wChar <= 39);
}

char FullWidthNumberChar(unsigned char cLead, unsigned char cTrail) {
  uint16_t wCode = static_cast<uint16_t>((cLead << 8) | cTrail);
  for (const cFullWidth& f : s_aFullWidth)
    if (f.wCode == wCode) return f.c;
  return 0;
}

std::string NumberCharsOfComposition(const std::string& strResult) {
  std::string str;
  const char* p = strResult.c_str();
  for (size_t i = 0; i < strResult.size();) {
    if (i + 1 < strResult.size() && IsDbcsPair(p + i)) {
      char c = FullWidthNumberChar(static_cast<unsigned char>(p[i]), static_cast<unsigned char>(p[i + 1]));
      if (c) str += c;
      i += 2;
    } else {
      ++i;  // single-byte characters of a composition are not typed
    }
  }
  return str;
}

void CleanNumberText(std::string& str) {
  std::string out;
  const char* p = str.c_str();
  for (size_t i = 0; i < str.size();) {
    if (i + 1 < str.size() && IsDbcsPair(p + i)) {
      i += 2;
      continue;
    }
    char c = p[i++];
    if ((c >= '0' && c <= '9') || c == '.' || (c == '-' && out.empty())) out += c;
  }
  str = out;
}

int64_t ParseIntSaturated(const char* psz) {
  bool bNeg = false;
  if (*psz == '-') {
    bNeg = true;
    ++psz;
  }
  int64_t n = 0;
  for (; *psz >= '0' && *psz <= '9'; ++psz) {
    n = n * 10 + (*psz - '0');
    if (n > PARSE_LIMIT) n = PARSE_LIMIT;
  }
  return bNeg ? -n : n;
}

void SubclassValueEdit(cControl* lpCtrl) { SubclassCtrl(lpCtrl, EDITVAL_PROP, &EditValProc); }

LRESULT CALLBACK EditValProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  cControl* p = static_cast<cControl*>(GetPropA(hWnd, EDITVAL_PROP));
  WNDPROC lpfnOld = p ? p->m_lpfnOldProc : nullptr;
  if (!lpfnOld) return DefWindowProcA(hWnd, uMsg, wParam, lParam);
  switch (uMsg) {
    case WM_DESTROY:
      UnsubclassCtrl(p, hWnd, EDITVAL_PROP);
      break;
    case WM_CHAR:
      if (!IsValueEditChar(wParam)) return 0;
      break;
    case WM_IME_COMPOSITION: {
      if (!(lParam & GCS_RESULTSTR)) break;
      std::string strResult;
      ImeResultString(hWnd, strResult);
      // The composition itself never goes in: only its number characters, typed one by one.
      for (char c : NumberCharsOfComposition(strResult)) SendMessageA(hWnd, WM_CHAR, static_cast<unsigned char>(c), 0);
      return 0;
    }
    default:
      break;
  }
  return CallWindowProcA(lpfnOld, hWnd, uMsg, wParam, lParam);
}
