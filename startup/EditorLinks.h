// Start-up's side of the editors' links (app/EditorLinks.h): what the stage window opens and
// tells above it, filled in with the palette windows, the data sheets and the project's editors.
#pragma once

// Fills every link; the stage window made after this reaches the editors above it.
void InstallEditorLinks();
