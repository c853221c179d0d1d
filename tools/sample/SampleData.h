// The data files of the sample project.
#pragma once

#include <string>
#include <vector>

// Writes the factory copy of the data folder, "default\", into the project folder through the
// editor's own writers: every data file of a fresh project with its defaults, a common palette
// whose entries show the sample sheets, the default stage and a small demo stage; and the editor
// configuration under e_data\, which opens the demo stage at the first start. Folders are created;
// a file that already exists is left as it is. False when a file could not be written; the paths
// of those go into pvFailed.
constexpr const char* SAMPLE_DEFAULT_STAGE = "data\\stg4\\Default.stg4_778";
constexpr const char* SAMPLE_DEMO_STAGE = "data\\stg4\\Sample.stg4_778";

bool WriteSampleData(const std::string& strProjectDir, std::vector<std::string>* pvFailed = nullptr);

#include "model/Block.h"
#include "model/Chara.h"
#include "model/Item.h"

// The common palette's entries after the empty entry 0, in palette order.
struct cSampleEntries {
  std::vector<cEdBlock> vBlock;
  std::vector<cEdChara> vChara;
  std::vector<cEdItem> vItem;
};
const cSampleEntries& SampleEntries();
