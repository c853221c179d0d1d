// The one empty operation: the window and control bases use it for each of their empty default
// operations, so a derived class that overrides nothing still has a defined body to run.
#pragma once

void DoNothing();
