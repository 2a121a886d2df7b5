// Where the fuzzers keep their scratch files: memory-backed when possible,
// because every input is written to disk and read back.
#pragma once
#include <unistd.h>

#include <string>

using namespace tarnloft;

inline std::string ScratchRoot() { return access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp"; }
