#include "palette/DataPage.h"
