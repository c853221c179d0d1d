// The graphics and sounds of the sample project.
#pragma once

#include <string>
#include <vector>

// Writes the chip sheets and palettes under bmp\, the toolbar strips under e_bmp\, a sound
// effect under wave\ and a tune under bgm\ into the project folder, creating the folders.
// A file that already exists is left as it is, so the author's own pictures are never replaced.
// Returns false when a file could not be written; the paths of those go into pvFailed.
bool WriteSampleArt(const std::string& strProjectDir, std::vector<std::string>* pvFailed = nullptr);
