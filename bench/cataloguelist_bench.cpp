// Figures for the catalogue list (the core part of a rebuild).
#include "bench.h"
#include "catalogue/cataloguelist.h"

using namespace tarnloft;

namespace {

BENCH_FIGURE("catalogue list rebuild (all 1024 entries)") {
    RemakeObjectList(bench::ShippedCatalogues(), CatalogueListOptions{});
}

BENCH_FIGURE("catalogue list rebuild (filter \"slope\")") {
    CatalogueListOptions filtered;
    filtered.Filter = "slope";
    RemakeObjectList(bench::ShippedCatalogues(), filtered);
}

}  // namespace
