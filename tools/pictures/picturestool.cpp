#include "picturestool.h"

#include <QDir>
#include <QThreadPool>
#include <optional>

#include "catalogue/definitionfiles.h"
#include "level/cartridgesize.h"
#include "level/levelcheck.h"
#include "pictures/pictureexport.h"
#include "util/decimal.h"
#include "version.h"
#include "widgets/qtstrings.h"

namespace tarnloft {

namespace {

struct Arguments {
    std::string Image, Folder, Data;
    std::optional<int> Levels;
    int TilePixels = DefaultPictureTilePixels;
    bool Help = false, Version = false;
};

// A whole number from `least` to `most` for `option`; the mistake otherwise.
std::optional<std::string> ReadCount(const std::string& option, const std::string& text, int least, int most,
                                     int& out) {
    const std::optional<int> value = ParseDecimalBox(text, most);
    if (!value || *value < least)
        return option + " takes a number from " + std::to_string(least) + " to " + std::to_string(most) +
               ", not \"" + text + "\"";
    out = *value;
    return std::nullopt;
}

std::optional<std::string> Parse(const std::vector<std::string>& words, Arguments& args) {
    std::vector<std::string> names;
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        const bool takesValue = word == "--data" || word == "--levels" || word == "--tile";
        if (takesValue && i + 1 >= words.size()) return word + " needs a value";
        if (word == "--help" || word == "-h") {
            args.Help = true;
        } else if (word == "--version") {
            args.Version = true;
        } else if (word == "--data") {
            args.Data = words[++i];
        } else if (word == "--levels") {
            args.Levels = ParseLevelCount(words[++i]);
            if (!args.Levels) return "--levels takes a count from 1 to 256, not \"" + words[i] + "\"";
        } else if (word == "--tile") {
            if (auto mistake =
                    ReadCount(word, words[++i], MinPictureTilePixels, MaxPictureTilePixels, args.TilePixels))
                return mistake;
        } else if (!word.empty() && word[0] == '-') {
            return "unknown option \"" + word + "\"";
        } else {
            names.push_back(word);
        }
    }
    if (args.Help || args.Version) return std::nullopt;
    if (names.size() != 2) return "an image and a folder for the pictures are needed";
    args.Image = names[0];
    args.Folder = names[1];
    return std::nullopt;
}

// Draws and writes the pictures; the report of what was written.
PictureReport WritePictures(const ImageBytes& image, const Catalogues& defs, const Arguments& args) {
    PictureReport report;
    std::vector<PictureRequest> requests =
        PictureRequests(SurveyLevels(image, defs, LevelsToRead(defs, args.Levels)), report);
    QThreadPool pool;  // its threads end with it, before the application
    const PictureStyle style = SurfaceStyle(args.TilePixels);
    for (const PictureResult& result :
         PictureJobs::DrawAll(pool, std::move(requests), defs, style, SaveInto(args.Folder))) {
        if (result.Error)
            report.Failures.emplace_back(result.Index, *result.Error);
        else
            ++report.Written;
    }
    return report;
}

}  // namespace

std::string PicturesUsage() {
    return "Usage: tarnloft-pictures IMAGE OUTDIR [--data DIR] [--levels N] [--tile PIXELS]\n"
           "Write a PNG picture of every level that LevelList.dat lists (or of levels\n"
           "0 to N-1) into OUTDIR, named level-1A.png after the level's index.\n"
           "\n"
           "      --data DIR      read the definition files from DIR\n"
           "      --levels N      levels 0 to N-1 instead of the listed ones (1 to 256)\n"
           "      --tile PIXELS   pixels per tile, 1 to 32 (default 4): 256 x 128 tiles\n"
           "  -h, --help          show this help and exit\n"
           "      --version       show the version and exit\n"
           "\n"
           "Exit status: 0 when every picture was written, 1 when some levels got none,\n"
           "2 when the input cannot be read.\n";
}

int RunPicturesTool(const std::vector<std::string>& words, const std::string& dataFolder, std::ostream& out,
                    std::ostream& err) {
    Arguments args;
    if (auto mistake = Parse(words, args)) {
        err << "tarnloft-pictures: " << *mistake << "\n" << PicturesUsage();
        return ExitBadInput;
    }
    if (args.Help || args.Version) {
        out << (args.Help ? PicturesUsage() : std::string("tarnloft-pictures ") + Version + "\n");
        return ExitAllGood;
    }
    const std::string folder = args.Data.empty() ? dataFolder : args.Data;
    const DefinitionLoad defs = LoadDefinitionFiles(folder);
    if (!defs.Ok) {
        err << "tarnloft-pictures: " << defs.Error << " (in " << folder << ")\n";
        return ExitBadInput;
    }
    ImageBytes image;
    std::optional<std::string> error = ReadImage(args.Image, image);
    if (!error) error = NotACartridgeImage(args.Image, static_cast<int64_t>(image.size()));
    if (error) {
        err << "tarnloft-pictures: " << *error << "\n";
        return ExitBadInput;
    }
    if (!QDir().mkpath(FileNameToQString(args.Folder))) {
        err << "tarnloft-pictures: " << args.Folder << ": cannot make this folder\n";
        return ExitBadInput;
    }
    const PictureReport report = WritePictures(image, defs.Defs, args);
    for (const std::string& line : PictureReportLines(report)) out << line << "\n";
    return report.AllWritten() ? ExitAllGood : ExitSomeFail;
}

}  // namespace tarnloft
