// The choices of the stage settings, each a list of Shift-JIS texts closed by one empty string;
// the size given here counts the closing empty string.
#pragma once

extern const char* const ScrollModeNames[3];     // m_nScrollModeX/Y, and the scroll entries of commands
extern const char* const ResizeDirXNames[3];     // horizontal resize direction: 1 = on the left
extern const char* const ResizeDirYNames[3];     // vertical resize direction: 1 = at the top
extern const char* const HitLevelNames[20];      // m_nHitLevel: entry k is level k + 1
extern const char* const ShotPrecisionNames[7];  // m_nShotPrecision
extern const char* const RangePosNames[3];       // the "位置" fields
extern const char* const RangePosNames2[3];      // default-value labels of the hit-range page
extern const char* const RangeShowNames[4];      // display of the hero's ranges
extern const char* const RangeColorNames[9];     // colour of the hero's ranges
extern const char* const WheelDirNames[3];       // m_nWheelDir
