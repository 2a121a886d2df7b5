// Writing the O5Data.dat and O4Data.dat that inference found: a record for
// every decided number, its fields taken from existing definition files
// where they define the number, or made up so that the editor can load them.
#pragma once
#include <optional>
#include <string>

#include "catalogue/catalogues.h"
#include "inference.h"

namespace tarnloft {

struct DefinitionTexts {
    std::string FiveByte;  // O5Data.dat
    std::string FourByte;  // O4Data.dat
};

// `existing` (may be null) supplies names, flags, cross-section, colour and size mode.
DefinitionTexts FormatDefinitions(const Inference& inference, const Catalogues* existing);

// The fill colour of a number without a definition: neighbouring numbers
// get clearly different colours.
Rgb MadeUpColour(uint8_t number);

// Why the files cannot go into `folder`: it is missing, or (without `force`)
// one of them exists already. Empty when they can.
std::optional<std::string> CheckOutputFolder(const std::string& folder, bool force);

// Writes both files into `folder`. Refuses, before writing anything, when
// either exists and `force` is false. Returns an error text naming the file.
std::optional<std::string> WriteDefinitions(const std::string& folder, const DefinitionTexts& texts,
                                            bool force);

}  // namespace tarnloft
