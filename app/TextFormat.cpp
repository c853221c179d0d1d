#include "app/TextFormat.h"

#include <cstdio>
#include <vector>

bool IsSjisLead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

size_t SjisFitLength(const char* psz, size_t nMax) {
  size_t i = 0;
  while (psz[i] != 0) {
    size_t n = IsSjisLead(static_cast<unsigned char>(psz[i])) ? 2 : 1;
    if (n == 2 && psz[i + 1] == 0) break;  // a lead byte whose trail byte was cut off
    if (i + n > nMax) break;
    i += n;
  }
  return i;
}

bool IsDbcsPair(const char* p) {
  unsigned char c1 = static_cast<unsigned char>(p[0]);
  if (!IsSjisLead(c1)) return false;
  unsigned char c2 = static_cast<unsigned char>(p[1]);
  return (c2 >= 0x40 && c2 <= 0x7E) || (c2 >= 0x80 && c2 <= 0xFC);
}

int CountChars(const char* psz) {
  int n = 0;
  for (size_t i = 0; psz[i] != 0;) {
    if (IsDbcsPair(psz + i)) {
      ++n;
      i += 2;
      continue;
    }
    if (psz[i] != '\n') ++n;
    ++i;
  }
  return n;
}

int CountChars(const std::string& str) { return CountChars(str.c_str()); }

int FormatBounded(char* pBuf, size_t nSize, const char* pszFormat, va_list args) {
  if (nSize == 0) return 0;
  va_list copy;
  va_copy(copy, args);
  int n = vsnprintf(pBuf, nSize, pszFormat, copy);
  va_end(copy);
  if (n < 0) {
    pBuf[0] = 0;
    return 0;
  }
  if (static_cast<size_t>(n) < nSize) return n;
  // Cut: vsnprintf may have split a double-byte character at the end.
  size_t nFit = SjisFitLength(pBuf, nSize - 1);
  pBuf[nFit] = 0;
  return static_cast<int>(nFit);
}

static void FormatInto(std::string& str, bool bAppend, const char* pszFormat, va_list args) {
  char sz[FORMAT_BUF_SIZE];
  FormatBounded(sz, sizeof sz, pszFormat, args);
  if (bAppend)
    str += sz;
  else
    str = sz;
}

void FormatStr(std::string& str, const char* pszFormat, ...) {
  va_list args;
  va_start(args, pszFormat);
  FormatInto(str, false, pszFormat, args);
  va_end(args);
}

void FormatStrAppend(std::string& str, const char* pszFormat, ...) {
  va_list args;
  va_start(args, pszFormat);
  FormatInto(str, true, pszFormat, args);
  va_end(args);
}

void FormatAppend(std::string& str, const char* pszFormat, ...) {
  va_list args;
  va_start(args, pszFormat);
  FormatInto(str, true, pszFormat, args);
  va_end(args);
}

int GetDigitCountU(uint32_t nValue) {
  int n = 1;
  while (nValue >= 10) {
    nValue /= 10;
    ++n;
  }
  return n;
}

static uint32_t Magnitude(int32_t nValue) {
  // Computed in 64 bits: the magnitude of INT_MIN does not fit a signed 32-bit number.
  int64_t v = nValue;
  return static_cast<uint32_t>(v < 0 ? -v : v);
}

int GetDigitCount(int32_t nValue) { return GetDigitCountU(Magnitude(nValue)); }

void FormatSignedDigits(std::string& str, int32_t nValue, int nWidth, bool bKeepZeros, bool bPlus) {
  int n = GetDigitCount(nValue);
  if (nWidth != 0 && nWidth > n) n = nWidth;
  std::string digits(static_cast<size_t>(n), '0');
  uint32_t a = Magnitude(nValue);
  for (int i = n - 1; i >= 0; --i) {
    digits[static_cast<size_t>(i)] = static_cast<char>('0' + a % 10);
    a /= 10;
  }
  if (!bKeepZeros) {
    for (size_t i = 0; i + 1 < digits.size() && digits[i] == '0'; ++i) digits[i] = ' ';
  }
  if (nValue < 0)
    str = "-" + digits;
  else if (bPlus)
    str = "+" + digits;
  else
    str = digits;
}

void FormatZeroPad(std::string& str, int32_t nValue, int nDigits) {
  FormatSignedDigits(str, nValue, nDigits, true, false);
}
