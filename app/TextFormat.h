// Text building helpers: bounded printf into strings and fixed-width numbers.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <string>

// The common limit of formatted texts and dialog-item texts.
constexpr int FORMAT_BUF_SIZE = 5120;
// The limit of message boxes and of texts written to both logs.
constexpr int MSG_BUF_SIZE = 1024;

// True when the byte starts a double-byte character of the Shift-JIS code page.
bool IsSjisLead(unsigned char c);

// Length of the longest prefix of psz that holds no more than nMax bytes and does not end in the
// middle of a double-byte character.
size_t SjisFitLength(const char* psz, size_t nMax);

// True when the two bytes are one double-byte character: a lead byte and a trail byte of Shift-JIS.
bool IsDbcsPair(const char* p);

// Characters of a text as an edit limit counts them: a double-byte character is one, a line feed
// none (it belongs to the carriage return before it), every other byte one.
int CountChars(const char* psz);
int CountChars(const std::string& str);

// vsnprintf into a buffer of nSize bytes; a text that does not fit is cut before the character
// that would not fit whole. Returns the length written.
int FormatBounded(char* pBuf, size_t nSize, const char* pszFormat, va_list args);

void FormatStr(std::string& str, const char* pszFormat, ...);
// The same, appended to the text: each piece is bounded on its own.
void FormatStrAppend(std::string& str, const char* pszFormat, ...);
// Formats like FormatStr and appends the result; the text before stays.
void FormatAppend(std::string& str, const char* pszFormat, ...);
void FormatSignedDigits(std::string& str, int32_t nValue, int nWidth, bool bKeepZeros, bool bPlus);
void FormatZeroPad(std::string& str, int32_t nValue, int nDigits);
int GetDigitCount(int32_t nValue);
int GetDigitCountU(uint32_t nValue);
