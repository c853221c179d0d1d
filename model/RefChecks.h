// The references that commands and their parts hold into the database and the palettes, and how
// they are checked. The database is there from start-up; the palettes install a count function
// once they exist, and until then no palette reference is repaired (nothing to check it against).
#pragma once

#include <cstddef>
#include <cstdint>

// Index checks compare as unsigned, so a negative index counts as out of range.
inline bool IsOutside(int32_t nIndex, size_t nCount) { return static_cast<uint32_t>(nIndex) >= nCount; }

// The sum of the display times of a sword type's positions, the running sum capped at 9999 after
// each addition; 0 for a sword type that does not exist.
int16_t GetSwordTime(int32_t nSwordType);

enum ePalette { PAL_COMMON = 0, PAL_STAGE = 1 };
enum ePalLayer { PAL_BLOCK = 0, PAL_CHARA = 1, PAL_ITEM = 2 };

// The entry count of a layer of the common palette or of the open stage's palette.
typedef int32_t (*PaletteCountFn)(ePalette ePal, ePalLayer eLayer);
// Installs the function (null: none) and returns the one it replaces.
PaletteCountFn SetPaletteCountFn(PaletteCountFn pfn);
PaletteCountFn GetPaletteCountFn();
