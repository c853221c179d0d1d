#include "model/StageOptionTables.h"

const char* const ScrollModeNames[3] = {"主人公の位置に合わせてスクロール", "オートスクロール", ""};
const char* const ResizeDirXNames[3] = {"右方向へ拡張（または右を削除）", "左方向へ拡張（または左を削除）", ""};
const char* const ResizeDirYNames[3] = {"下方向へ拡張（または下を削除）", "上方向へ拡張（または上を削除）", ""};

// Levels 1 to 10 limit the speed to 60 per level; 11 to 19 are the levels 1 to 9 with the full
// speed of level 10.
const char* const HitLevelNames[20] = {
    "レベル1 (速度制限=60)",  "レベル2 (速度制限=120)", "レベル3 (速度制限=180)", "レベル4 (速度制限=240)",
    "レベル5 (速度制限=300)", "レベル6 (速度制限=360)", "レベル7 (速度制限=420)", "レベル8 (速度制限=480)",
    "レベル9 (速度制限=540)", "レベル10 (速度制限=600)", "レベル1 (速度制限=600)", "レベル2 (速度制限=600)",
    "レベル3 (速度制限=600)", "レベル4 (速度制限=600)", "レベル5 (速度制限=600)", "レベル6 (速度制限=600)",
    "レベル7 (速度制限=600)", "レベル8 (速度制限=600)", "レベル9 (速度制限=600)", ""};

const char* const ShotPrecisionNames[7] = {"最大 (当たり判定レベルと同じ)", "1 (対応速度=60)", "2 (対応速度=最大120)",
                                           "3 (対応速度=最大180)", "4 (対応速度=最大240)", "5 (対応速度=最大300)", ""};
const char* const RangePosNames[3] = {"中央", "下", ""};
const char* const RangePosNames2[3] = {"中", "下", ""};
const char* const RangeShowNames[4] = {"表示しない", "表示する", "枠のみ表示", ""};
const char* const RangeColorNames[9] = {"赤", "緑", "青", "黄", "赤紫", "青紫", "黒", "虹", ""};
const char* const WheelDirNames[3] = {"水平方向", "垂直方向", ""};
