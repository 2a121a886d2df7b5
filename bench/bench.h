// A plain timing harness. A figure is a named piece of work that runs for a
// number of rounds; its median round time is printed as "<name>: <ms> ms".
//
//   BENCH_FIGURE("catalogue list rebuild") { RemakeObjectList(defs, options); }
//
// times the body once per round. When a figure needs setup that must not be
// timed, or reports several numbers, register a group and measure inside it:
//
//   BENCH_GROUP("level io") {
//       RomImage rom = ...;                                 // not timed
//       bench::Measure("load level", [&] { ... });          // timed, printed
//   }
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "catalogue/catalogues.h"

using namespace tarnloft;

namespace bench {

// Rounds per figure, unless a figure asks for its own number.
inline constexpr int DefaultRounds = 15;

// Runs `body` once untimed, then `rounds` times, and prints the median time.
// Returns the median in milliseconds. Honours the command line's filter.
double Measure(const std::string& name, const std::function<void()>& body, int rounds = DefaultRounds);

// Prints a figure that was computed by the caller (e.g. a per-item time).
void Report(const std::string& name, double milliseconds);

// The median of `rounds` runs of `body`, in milliseconds, without printing.
// `prepare`, when given, runs untimed before every run of `body`.
double MedianMs(const std::function<void()>& body, int rounds = DefaultRounds,
                const std::function<void()>& prepare = {});

// A figure with a target: as Measure, and the line names the target, with
// "MISSED" when the median is above it; the program then ends with status 1.
double MeasureAgainst(const std::string& name, double targetMs, const std::function<void()>& body,
                      const std::function<void()>& prepare = {});

// Whether figures with this name run (command-line filter).
bool Selected(const std::string& name);

// Shared inputs: the shipped definition files and a demo image generated
// once per run into a scratch folder (removed at exit). A fresh copy of the
// image is made for callers that write to it.
const Catalogues& ShippedCatalogues();

// Object numbers (four- or five-byte) that have a name, so scenes are labelled.
std::vector<uint8_t> NamedObjectNumbers(const Catalogues& defs);
const std::string& DemoImagePath();
std::string FreshDemoImageCopy();
std::string ScratchPath(const std::string& fileName);

using Body = void (*)();
bool Register(const char* name, Body body, bool timed);

}  // namespace bench

#define BENCH_CONCAT_INNER(a, b) a##b
#define BENCH_CONCAT(a, b) BENCH_CONCAT_INNER(a, b)
#define BENCH_DEFINE(name, timed)                                                 \
    static void BENCH_CONCAT(BenchBody_, __LINE__)();                             \
    [[maybe_unused]] static const bool BENCH_CONCAT(benchRegistered_, __LINE__) = \
        bench::Register(name, &BENCH_CONCAT(BenchBody_, __LINE__), timed);        \
    static void BENCH_CONCAT(BenchBody_, __LINE__)()
#define BENCH_FIGURE(name) BENCH_DEFINE(name, true)
#define BENCH_GROUP(name) BENCH_DEFINE(name, false)
