#include "flow/StandaloneFlowEdit.h"

cStandaloneFlowEdit StandaloneFlowEdit;
