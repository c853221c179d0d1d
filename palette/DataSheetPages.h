// The flow editor's pages in the data sheets: the flow page as page 4 of the character sheet and
// the acquisition page as page 2 of the item sheet. Start-up installs their makers.
#pragma once

void InstallDataSheetPages();
