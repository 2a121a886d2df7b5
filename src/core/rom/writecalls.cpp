#include "rom/writecalls.h"

#include <unistd.h>

namespace tarnloft {

namespace {

const RomWriteCalls SystemCalls{::pwrite, ::fdatasync};
const RomWriteCalls* active = &SystemCalls;

}  // namespace

const RomWriteCalls& ActiveRomWriteCalls() { return *active; }

ScopedRomWriteCalls::ScopedRomWriteCalls(const RomWriteCalls& calls) : previous_(active), calls_(calls) {
    active = &calls_;
}

ScopedRomWriteCalls::~ScopedRomWriteCalls() { active = previous_; }

}  // namespace tarnloft
