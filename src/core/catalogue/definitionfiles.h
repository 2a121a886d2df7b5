// Reading the definition files (quoted comma-separated records) into the catalogues.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "catalogue/catalogues.h"

namespace tarnloft {

// Splits one record line into fields: fields may be enclosed in double
// quotes (then they may hold commas); blanks around unquoted fields are trimmed.
std::vector<std::string> SplitRecord(const std::string& line);

struct DefinitionLoad {
    bool Ok = false;
    std::string Error;  // names the file and the line when !Ok
    Catalogues Defs;
};

// Reads the six definition files from `folder` in their fixed order.
DefinitionLoad LoadDefinitionFiles(const std::string& folder);

// One record of LevelOffsets.dat.
struct LevelOffsetEntry {
    int64_t Offset = 0;
    std::string Name;
};
struct LevelOffsetsLoad {
    bool Ok = false;
    std::string Error;
    std::vector<LevelOffsetEntry> Entries;  // at most 256
};
LevelOffsetsLoad LoadLevelOffsets(const std::string& folder);

// The level index dialog's list: LevelList.dat records as list items.
struct LevelListLoad {
    bool Ok = false;
    std::string Error;
    std::vector<ListItem> Items;
};
LevelListLoad LoadLevelList(const std::string& folder);

}  // namespace tarnloft
