// The command line: parsing, and start-up with an image named on it.
#include "app/commandline.h"

#include "level/cartridgesize.h"
#include "uitestsupport.h"

using namespace uitest;
using tarnloft::CommandLine;
using tarnloft::ParseCommandLine;

TEST(CommandLine, ReadsAnImageHelpVersionAndRefusesTheRest) {
    using A = CommandLine::Action;
    struct Case {
        const char* Name;
        std::vector<std::string> Args;
        A Expected;
        const char* Image;  // expected image, or the expected error's start
    };
    const Case cases[] = {
        {"nothing", {}, A::Run, nullptr},
        {"an image", {"levels.smc"}, A::Run, "levels.smc"},
        {"an image after --", {"--", "--help"}, A::Run, "--help"},
        {"an empty name is a name", {""}, A::Run, ""},
        {"--help", {"--help"}, A::Help, nullptr},
        {"--version", {"--version"}, A::Version, nullptr},
        {"--help wins over a bad option", {"-platform", "offscreen", "--help"}, A::Help, nullptr},
        {"the toolkit's options pass, with their values",
         {"-style", "fusion", "--platform", "offscreen", "-style=fusion", "-reverse", "a.smc"},
         A::Run,
         "a.smc"},
        {"a toolkit option without its value",
         {"a.smc", "-style"},
         A::Error,
         "option '-style' needs a value"},
        {"an unknown option", {"--frobnicate"}, A::Error, "unknown option '--frobnicate'"},
        {"two images", {"a.smc", "b.smc"}, A::Error, "only one image"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const CommandLine parsed = ParseCommandLine(c.Args);
        EXPECT_EQ(parsed.Do, c.Expected);
        if (c.Expected == A::Error) {
            EXPECT_EQ(parsed.Error.rfind(c.Image, 0), 0u) << parsed.Error;
        } else if (c.Image) {
            EXPECT_EQ(parsed.Image, std::optional<std::string>(c.Image));
        } else {
            EXPECT_FALSE(parsed.Image.has_value());
        }
    }
}

// Start-up with an image from the command line: the version warning first,
// then that image; when it cannot be used, a message naming it and the file
// dialog as at any start-up.
TEST(CommandLine, StartupOpensTheNamedImageOrFallsBackToTheDialog) {
    DemoImage demo;
    if (!demo.Ok()) GTEST_SKIP() << "no demo generator";
    // A text file, and an image of zeros that holds the level table but no level 0.
    const auto write = [&](const char* name, const QByteArray& bytes) {
        QFile file(demo.Folder() + "/" + name);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return file.fileName().toStdString();
    };
    const std::string notes = write("notes.txt", "twenty-two bytes long\n");
    const std::string zeros = write("zeros.smc", QByteArray(SmallestImageSize, '\0'));
    const std::string missing = demo.Folder().toStdString() + "/missing.smc";

    struct Case {
        const char* Name;
        std::string Image;
        bool DialogAnswersDemo;  // otherwise the dialog is cancelled
        bool Started;
        int DialogShown;
        std::string SecondTitle;   // of the message after the warning, if any
        std::string SecondPrefix;  // its text starts with this
    };
    const Case cases[] = {
        {"a good image opens without the dialog", demo.Path(), false, true, 0, "", ""},
        {"a missing image is named, then the dialog", missing, true, true, 1, "Tarnloft - Cannot open ROM",
         "Cannot open \"" + missing + "\""},
        {"a file too small for an image is named, then the dialog", notes, true, true, 1,
         "Tarnloft - Cannot open ROM", notes + " is not a cartridge image: 22 bytes"},
        {"an image whose level 0 fails is named, then the dialog", zeros, true, true, 1,
         "Tarnloft - Level not loaded", "\"" + zeros + "\": Level 0: "},
        {"a missing image and a cancelled dialog end the program", missing, false, false, 1,
         "Tarnloft - Cannot open ROM", "Cannot open \"" + missing + "\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        RecordingPrompts prompts;
        if (c.DialogAnswersDemo) prompts.FileAnswers.push_back(demo.Path());
        MainWindow window(prompts, DataFolder());
        EXPECT_EQ(window.Startup(c.Image), c.Started);
        EXPECT_EQ(prompts.ChooseCalls, c.DialogShown);
        EXPECT_EQ(prompts.EndCalls, c.Started ? 0 : 1);
        ASSERT_FALSE(prompts.Shown.empty());
        EXPECT_EQ(prompts.Shown[0].Title, "Tarnloft - RTFM");
        if (c.SecondTitle.empty()) {
            EXPECT_EQ(prompts.Shown.size(), 1u);
        } else {
            ASSERT_GE(prompts.Shown.size(), 2u);
            EXPECT_EQ(prompts.Shown[1].Title, c.SecondTitle);
            EXPECT_EQ(prompts.Shown[1].Text.rfind(c.SecondPrefix, 0), 0u) << prompts.Shown[1].Text;
        }
        if (c.Started) {
            EXPECT_EQ(window.windowTitle(), "Level 0 demo.smc - Tarnloft");
            EXPECT_EQ(window.Rom().Path(), demo.Path());
        } else {
            EXPECT_EQ(prompts.Last().Text, "A valid ROM must be selected to run Tarnloft.");
        }
    }
}
