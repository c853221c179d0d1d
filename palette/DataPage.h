// What every data page of the block, character and item sheets shares: the "No." text of the
// entry it edits and the "←" and "→" buttons that store the page and step to the previous or
// next palette entry. The inheritance set-up from the project defaults is SetInherit
// (model/Inherit.h).
#pragma once

// The stepping sits with the controls, where the flow editor's pages in the sheets reach it too.
#include "controls/EntryStep.h"
