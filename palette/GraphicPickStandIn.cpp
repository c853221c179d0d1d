// Stand-in until the picker dialog exists: nothing is picked, the caller's number stays as it is.
#include "palette/GraphicPickDlg.h"

int32_t PickGraphic(uint16_t*, int32_t, cDialog*, cControl*) { return 0; }
int32_t RunGraphicPickDlg(uint16_t*, int32_t, cDialog*, cControl*) { return 0; }
