#include "app/DoNothing.h"

void DoNothing() {}
