// Figures for pictures of whole levels: what the level browser does for all
// 256 demo levels (the survey, then every picture drawn and packed on the
// worker threads),
// and tarnloft-pictures writing every demo level at 4 pixels per tile.
#include <QThreadPool>
#include <cstdio>
#include <sstream>

#include "bench.h"
#include "browser/levelbrowser.h"
#include "pictures/pictureexport.h"
#include "picturestool.h"

namespace {

BENCH_GROUP("level pictures") {
    ImageBytes image;
    if (auto error = ReadImage(bench::DemoImagePath(), image)) {
        std::fprintf(stderr, "tarnloft_bench: %s\n", error->c_str());
        return;
    }
    const Catalogues& defs = bench::ShippedCatalogues();
    const PictureStyle style = SurfaceStyle(BrowserTilePixels);
    size_t drawn = 0, kept = 0;
    bench::Measure(
        "browser pictures, all 256 demo levels (survey, then drawing and packing on the workers)",
        [&] {
            PictureReport report;
            QThreadPool pool;
            const std::vector<PictureResult> results = PictureJobs::DrawAll(
                pool, PictureRequests(SurveyLevels(image, defs), report), defs, style, PackPicture());
            drawn = results.size();
            kept = 0;
            for (const PictureResult& result : results) kept += 4 * result.Packed.size();
        },
        5);
    std::printf("  %zu pictures of %d x %d on %d threads, kept in %.1f MiB\n", drawn,
                PictureSizeFor(BrowserTilePixels).Width, PictureSizeFor(BrowserTilePixels).Height,
                QThreadPool().maxThreadCount(), kept / 1048576.0);

    const std::string out = bench::ScratchPath("pictures");
    std::string last;
    bench::Measure(
        "tarnloft-pictures, all 256 demo levels at 4 pixels per tile",
        [&] {
            std::ostringstream lines, errors;
            RunPicturesTool({bench::DemoImagePath(), out}, TARNLOFT_DATA_DIR, lines, errors);
            last = lines.str();
        },
        3);
    std::printf("  %s", last.c_str());
}

}  // namespace
