// How the editing fuzzer reads its input: a sequence of operations, each an
// opcode byte that picks a row of one table, followed by that row's
// arguments. A row reads its arguments and calls the session; the input
// running out reads as zeros.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "editsession.h"

namespace tarnloft {

class OpReader {
public:
    OpReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool Done() const { return size_ == 0; }
    uint8_t Byte();
    uint16_t Word();
    uint32_t Triple();
    // Up to `maxLength` characters, the length read first.
    std::string Text(size_t maxLength);

private:
    const uint8_t* data_;
    size_t size_;
};

// Saves the session's level (with `moving`, moving it to free space if it
// outgrew its room) and checks what the save did.
using SaveCheck = void (*)(EditSession& session, bool moving);

struct EditOp {
    const char* Name;
    void (*Run)(EditSession& session, OpReader& in, SaveCheck save);
};

// The table; the opcode is taken modulo its length.
const EditOp* EditOps();
size_t EditOpCount();

}  // namespace tarnloft
