#include "defstool.h"

#include <filesystem>
#include <optional>

#include "catalogue/definitionfiles.h"
#include "definitionwriter.h"
#include "imagereport.h"
#include "inference.h"
#include "level/cartridgesize.h"
#include "level/levelcheck.h"
#include "util/hex.h"
#include "version.h"

namespace tarnloft {

namespace {

// The lines shown above a mistake, and the start of --help.
const char* const Synopsis =
    "Usage: tarnloft-defs check IMAGE [--data DIR] [--levels N]\n"
    "  or:  tarnloft-defs infer IMAGE --levels N [--data DIR] [--out DIR] [--force]\n"
    "  or:  tarnloft-defs map IMAGE [--data DIR]\n";

const char* const Help =
    "Check definition files against a cartridge image (.smc), or infer from the\n"
    "image whether each object number's records are four or five bytes long.\n"
    "\n"
    "Commands:\n"
    "  check         decode the object and sprite data of the levels and print a\n"
    "                line for each level that does not decode, then a summary\n"
    "  infer         work out the record lengths from levels 0 to N-1, print what\n"
    "                was not decided, and write O5Data.dat and O4Data.dat\n"
    "  map           print where each listed level's data lies, how much of its\n"
    "                room it uses and what it shares, the space FreeSpace.dat\n"
    "                declares with what is left of it, and every tagged block\n"
    "\n"
    "Options:\n"
    "      --data DIR    the definition files to read (check: by default those\n"
    "                    the editor reads; infer: names and colours to keep)\n"
    "      --levels N    levels 0 to N-1 (1 to 256; 0x for hex) instead of those\n"
    "                    that LevelList.dat lists\n"
    "      --out DIR     where infer writes its two files (default: .)\n"
    "      --force       let infer replace files that exist\n"
    "  -h, --help        show this help and exit\n"
    "      --version     show the version and exit\n"
    "\n"
    "Exit status: 0 when every level decodes and every number is decided (map:\n"
    "always), 1 when some do not, 2 when an input cannot be read or a file cannot\n"
    "be written.\n";

struct Arguments {
    std::string Command, Image;
    std::optional<std::string> Data, Out;
    std::optional<int> Levels;
    bool Force = false;
};

// Fills `args`; on a mistake returns the message to show above the usage.
std::optional<std::string> Parse(const std::vector<std::string>& words, Arguments& args) {
    if (words.empty()) return "no command given";
    args.Command = words[0];
    if (args.Command != "check" && args.Command != "infer" && args.Command != "map")
        return "unknown command \"" + args.Command + "\"";
    for (size_t i = 1; i < words.size(); ++i) {
        const std::string& word = words[i];
        const bool takesValue = word == "--data" || word == "--out" || word == "--levels";
        if (takesValue && i + 1 >= words.size()) return word + " needs a value";
        if (word == "--data") {
            args.Data = words[++i];
        } else if (word == "--out" && args.Command == "infer") {
            args.Out = words[++i];
        } else if (word == "--levels" && args.Command != "map") {
            args.Levels = ParseLevelCount(words[++i]);
            if (!args.Levels) return "--levels takes a count from 1 to 256, not \"" + words[i] + "\"";
        } else if (word == "--force" && args.Command == "infer") {
            args.Force = true;
        } else if (!word.empty() && word[0] == '-') {
            return "unknown option \"" + word + "\"";
        } else if (args.Image.empty()) {
            args.Image = word;
        } else {
            return "more than one image given";
        }
    }
    if (args.Image.empty()) return "no image given";
    if (args.Command == "infer" && !args.Levels) return "infer needs --levels N";
    return std::nullopt;
}

// Help and version texts go to standard output; a failed write is an error.
int Print(std::ostream& out, const std::string& text) {
    out << text << std::flush;
    return out ? ExitAllGood : ExitSomeFail;
}

std::string LevelLine(int index, const LevelFault& fault) {
    return "level " + Hex(static_cast<uint64_t>(index)) + ": " + Describe(fault);
}

int RunCheck(const Arguments& args, const ImageBytes& image, const Catalogues& defs, std::ostream& out) {
    const std::vector<int> indices = LevelsToRead(defs, args.Levels);
    size_t good = 0;
    for (int index : indices) {
        const LevelVerdict verdict = CheckLevel(image, defs, index);
        if (verdict.Fault)
            out << LevelLine(index, *verdict.Fault) << "\n";
        else
            ++good;
    }
    out << good << " of " << indices.size() << " levels decode\n";
    return good == indices.size() ? ExitAllGood : ExitSomeFail;
}

const char* FindingText(Finding kind) {
    switch (kind) {
        case Finding::BothFit:
            return "both lengths fit";
        case Finding::Conflicting:
            return "conflicting";
        case Finding::TooLarge:
            return "undecided, too many readings to search";
        case Finding::Decided:
            break;
    }
    return "decided";
}

int RunInfer(const Arguments& args, const ImageBytes& image, const Catalogues* existing, std::ostream& out,
             std::ostream& err) {
    const std::string folder = args.Out.value_or(".");
    // Refused before the work, not after it.
    if (auto refused = CheckOutputFolder(folder, args.Force)) {
        err << "tarnloft-defs: " << *refused << "\n";
        return ExitBadInput;
    }
    std::vector<LevelSource> levels;
    for (int index = 0; index < *args.Levels; ++index) levels.push_back(FindLevel(image, index));
    const Inference inference = InferLengths(image, levels);

    for (const LevelProblem& problem : inference.Levels)
        out << LevelLine(problem.Index, problem.Fault) << "\n";
    for (const NumberFinding& finding : inference.Numbers) {
        const std::string name = "object " + HexPadded(finding.Number, 2) + ": ";
        if (finding.Kind != Finding::Decided) {
            out << name << FindingText(finding.Kind) << "\n";
            continue;
        }
        if (!existing) continue;
        const ByteClass byteClass = existing->ObjectDefs[finding.Number].ByteCount;
        const int given = byteClass == ByteClass::FiveByte ? 5 : byteClass == ByteClass::FourByte ? 4 : 0;
        if (given != 0 && given != finding.Length)
            out << name << static_cast<int>(finding.Length) << " bytes in the image, " << given
                << " bytes in " << (given == 5 ? "O5Data.dat" : "O4Data.dat") << "\n";
    }
    if (auto error = WriteDefinitions(folder, FormatDefinitions(inference, existing), args.Force)) {
        err << "tarnloft-defs: " << *error << "\n";
        return ExitBadInput;
    }
    for (const char* name : {"O5Data.dat", "O4Data.dat"})
        out << "wrote " << (std::filesystem::path(folder) / name).string() << "\n";
    if (inference.CutShort)
        out << "too many readings to search: numbers that the search never reached are not listed\n";
    const int decided = inference.DecidedCount();
    out << "decided " << decided << " of " << inference.Numbers.size() << " object numbers\n";
    const bool allDecided = decided == static_cast<int>(inference.Numbers.size());
    return allDecided && inference.Levels.empty() && !inference.CutShort ? ExitAllGood : ExitSomeFail;
}

}  // namespace

int RunDefsTool(const std::vector<std::string>& words, const std::string& dataFolder, std::ostream& out,
                std::ostream& err) {
    for (const std::string& word : words) {
        if (word == "--help" || word == "-h") return Print(out, std::string(Synopsis) + Help);
        if (word == "--version") return Print(out, std::string("tarnloft-defs ") + Version + "\n");
    }
    Arguments args;
    if (auto mistake = Parse(words, args)) {
        err << "tarnloft-defs: " << *mistake << "\n" << Synopsis;
        return ExitBadInput;
    }
    // check and map always need definition files; infer only when told where they are.
    std::optional<DefinitionLoad> defs;
    if (args.Command != "infer" || args.Data) {
        const std::string folder = args.Data.value_or(dataFolder);
        defs = LoadDefinitionFiles(folder);
        if (!defs->Ok) {
            err << "tarnloft-defs: " << defs->Error << " (in " << folder << ")\n";
            return ExitBadInput;
        }
    }
    ImageBytes image;
    std::optional<std::string> error = ReadImage(args.Image, image);
    if (!error) error = NotACartridgeImage(args.Image, static_cast<int64_t>(image.size()));
    if (error) {
        err << "tarnloft-defs: " << *error << "\n";
        return ExitBadInput;
    }
    if (args.Command == "check") return RunCheck(args, image, defs->Defs, out);
    if (args.Command == "map") {
        for (const std::string& line : ImageReport(image, defs->Defs)) out << line << "\n";
        return ExitAllGood;
    }
    return RunInfer(args, image, defs ? &defs->Defs : nullptr, out, err);
}

}  // namespace tarnloft
