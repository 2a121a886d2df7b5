#include "editops.h"

#include "edit/wheel.h"

namespace tarnloft {

uint8_t OpReader::Byte() {
    if (size_ == 0) return 0;
    --size_;
    return *data_++;
}

uint16_t OpReader::Word() { return static_cast<uint16_t>(Byte() | Byte() << 8); }

uint32_t OpReader::Triple() { return Word() | static_cast<uint32_t>(Byte()) << 16; }

std::string OpReader::Text(size_t maxLength) {
    std::string text;
    for (size_t n = Byte() % (maxLength + 1); n > 0 && !Done(); --n)
        text.push_back(static_cast<char>(Byte()));
    return text;
}

namespace {

constexpr ArrowDirection Directions[] = {ArrowDirection::Left, ArrowDirection::Up, ArrowDirection::Right,
                                         ArrowDirection::Down};
// The exit editor's move buttons 0..3: right, up, left, down.
constexpr ArrowDirection ExitMoves[] = {ArrowDirection::Right, ArrowDirection::Up, ArrowDirection::Left,
                                        ArrowDirection::Down};
constexpr ViewToggle Toggles[] = {ViewToggle::CrossSection, ViewToggle::SmallGrid, ViewToggle::Transparent,
                                  ViewToggle::Stationary};

MouseButton ButtonOf(uint8_t b) { return static_cast<MouseButton>(b % 5); }

// Mostly on the surface and a little around it; with the top bit set, far
// outside in either direction. The low bit adds half a pixel.
double Coordinate(OpReader& in, int extent) {
    const uint16_t w = in.Word();
    const double half = (w & 1) ? 0.5 : 0.0;
    if (w & 0x8000) return static_cast<int16_t>(w << 1) * 4.0 + half;
    return static_cast<int>((w >> 1) % static_cast<unsigned>(extent + 128)) - 64 + half;
}
double X(EditSession& s, OpReader& in) { return Coordinate(in, s.State().View.SurfaceWidth); }
double Y(EditSession& s, OpReader& in) { return Coordinate(in, s.State().View.SurfaceHeight); }

// A level index: usually a listed one, sometimes anything at all.
int64_t LevelIndex(OpReader& in) {
    const uint8_t mode = in.Byte();
    const uint16_t w = in.Word();
    return mode < 240 ? (w & 0xFF) : static_cast<int16_t>(w) * int64_t{97};
}

// What a catalogue line carries (0..1023), or no line selected.
std::optional<int> CatalogueValue(OpReader& in) {
    const int value = in.Word() % 1100;
    return value < 1024 ? std::optional<int>(value) : std::nullopt;
}

// Header bytes as the header editor packs them: any ten bytes.
HeaderBytesArray Header(OpReader& in) {
    HeaderBytesArray bytes{};
    for (uint8_t& b : bytes) b = in.Byte();
    return bytes;
}

// A file offset anywhere in a 2.5 MiB range around the image.
int64_t Offset(OpReader& in) { return static_cast<int64_t>(in.Triple() % 0x280000) - 0x100; }

// The View menu: four plain toggles, the area outside the level, the object
// list window, Screen Exit mode.
void ToggleView(EditSession& s, uint8_t b) {
    switch (b % 7) {
        case 4:
            s.Do(&Editor::ToggleOutOfBounds, s.Client());
            break;
        case 5:
            s.Do(&Editor::ToggleSeparateObjects, s.Client());
            break;
        case 6:
            s.Do(&Editor::ToggleScreenExitMode);
            break;
        default:
            s.Do(&Editor::Toggle, Toggles[b % 7]);
            break;
    }
}

// Ctrl and Shift as a press holds them.
PressKeys Keys(OpReader& in) {
    const uint8_t b = in.Byte();
    return PressKeys{(b & 1) != 0, (b & 2) != 0};
}

// A whole drag: press, four steps, release. A left one from empty space is a rubber band.
void Drag(EditSession& s, OpReader& in, PressKeys keys) {
    MouseButton b = ButtonOf(in.Byte());
    double x1 = X(s, in), y1 = Y(s, in), x2 = X(s, in), y2 = Y(s, in);
    s.Do(&Editor::PressHolding, b, x1, y1, keys);
    for (int i = 1; i <= 4; ++i) s.Do(&Editor::Move, b, x1 + (x2 - x1) * i / 4, y1 + (y2 - y1) * i / 4);
    s.Do(&Editor::Release);
}

// Where a paste lands: at a pointer position, or at the view's top-left tile.
std::optional<PointerPosition> PastePointer(EditSession& s, OpReader& in) {
    if (in.Byte() & 1) return std::nullopt;
    double x = X(s, in);
    return PointerPosition{x, Y(s, in)};
}

// Fuzz bytes as a clipboard payload: alone, or written over the held
// clipboard from some position on, so that item lines get mangled too.
std::string PayloadBytes(EditSession& s, OpReader& in) {
    if (!(in.Byte() & 1)) return in.Text(255);
    std::string payload = s.Clipboard();
    const size_t at = in.Word() % (payload.size() + 1);
    return payload.replace(at, std::string::npos, in.Text(255));
}

using Session = EditSession;
using In = OpReader;

const EditOp Ops[] = {
    {"press",
     [](Session& s, In& in, SaveCheck) {
         MouseButton b = ButtonOf(in.Byte());
         double x = X(s, in);
         s.Do(&Editor::Press, b, x, Y(s, in));
     }},
    {"move",
     [](Session& s, In& in, SaveCheck) {
         MouseButton b = ButtonOf(in.Byte());
         double x = X(s, in);
         s.Do(&Editor::Move, b, x, Y(s, in));
     }},
    {"release", [](Session& s, In&, SaveCheck) { s.Do(&Editor::Release); }},
    {"drag", [](Session& s, In& in, SaveCheck) { Drag(s, in, {}); }},
    {"popup", [](Session& s, In& in, SaveCheck) { s.Do(&Editor::ChoosePopupLine, in.Byte() % 24); }},
    {"create", [](Session& s, In& in, SaveCheck) { s.Do(&Editor::Create, CatalogueValue(in)); }},
    {"remove", [](Session& s, In&, SaveCheck) { s.Do(&Editor::Remove); }},
    {"clear", [](Session& s, In&, SaveCheck) { s.Do(&Editor::Clear); }},
    {"goto", [](Session& s, In&, SaveCheck) { s.Do(&Editor::Goto); }},
    {"next", [](Session& s, In&, SaveCheck) { s.Do(&Editor::Next); }},
    {"previous", [](Session& s, In&, SaveCheck) { s.Do(&Editor::Previous); }},
    // The Delete key, or one of the arrow keys.
    {"key",
     [](Session& s, In& in, SaveCheck) {
         const int key = in.Byte() % 5;
         key == 0 ? s.Do(&Editor::Remove) : s.Do(&Editor::Arrow, Directions[key - 1]);
     }},
    {"exit mode", [](Session& s, In&, SaveCheck) { s.Do(&Editor::ToggleScreenExitMode); }},
    {"move exit", [](Session& s, In& in, SaveCheck) { s.Do(&Editor::MoveExit, ExitMoves[in.Byte() % 4]); }},
    {"next exit", [](Session& s, In&, SaveCheck) { s.Do(&Editor::ExitNext); }},
    {"previous exit", [](Session& s, In&, SaveCheck) { s.Do(&Editor::ExitPrevious); }},
    {"goto exit", [](Session& s, In&, SaveCheck) { s.Do(&Editor::ExitGoto); }},
    {"exit field",
     [](Session& s, In& in, SaveCheck) {
         ExitField field = static_cast<ExitField>(in.Byte() % 4);
         s.Do(&Editor::StoreExitField, field, in.Text(4));
     }},
    // A line of the destination or entrance type list, or a value of no line.
    {"pick",
     [](Session& s, In& in, SaveCheck) {
         ExitField field = in.Byte() & 1 ? ExitField::EntranceType : ExitField::Destination;
         s.Do(&Editor::PickExitValue, field, in.Word() % 300);
     }},
    {"header", [](Session& s, In& in, SaveCheck) { s.Do(&Editor::SetHeader, Header(in)); }},
    {"import header",
     [](Session& s, In& in, SaveCheck) { s.ImportHeader(static_cast<uint64_t>(LevelIndex(in))); }},
    {"zoom",
     [](Session& s, In& in, SaveCheck) {
         uint8_t b = in.Byte();
         s.Do(&Editor::Zoom, b < 250 ? ZoomFactors[b % ZoomFactors.size()] : b, s.Client());
     }},
    {"scroll",
     [](Session& s, In& in, SaveCheck) {
         bool horizontal = in.Byte() & 1;
         s.Do(&Editor::ScrollTo, horizontal, static_cast<int16_t>(in.Word()) % 400);
     }},
    {"view toggle", [](Session& s, In& in, SaveCheck) { ToggleView(s, in.Byte()); }},
    {"resize",
     [](Session& s, In& in, SaveCheck) {
         int width = in.Word() % 3000;
         s.ResizeWindow(width, in.Word() % 2000);
     }},
    {"load index", [](Session& s, In& in, SaveCheck) { s.LoadIndex(LevelIndex(in)); }},
    {"load offset",
     [](Session& s, In& in, SaveCheck) {
         int64_t level = Offset(in);
         s.LoadOffset(level, Offset(in));
     }},
    {"save", [](Session& s, In&, SaveCheck save) { save(s, false); }},
    {"undo", [](Session& s, In&, SaveCheck) { s.Undo(); }},
    {"redo", [](Session& s, In&, SaveCheck) { s.Redo(); }},
    // The wheel: scroll by tiles, or zoom one step around the pointer.
    {"wheel",
     [](Session& s, In& in, SaveCheck) {
         const int8_t columns = int8_t(in.Byte()), rows = int8_t(in.Byte());
         double x = X(s, in), y = Y(s, in);
         if (columns & 1)
             s.Do(&Editor::WheelScroll, columns / 2, rows / 2);
         else
             s.Do(&Editor::WheelZoom, StepZoom(s.State().View.Zoom, rows < 0 ? -1 : 1), x, y, s.Client());
     }},
    {"save moving", [](Session& s, In&, SaveCheck save) { save(s, true); }},
    {"press holding",
     [](Session& s, In& in, SaveCheck) {
         MouseButton b = ButtonOf(in.Byte());
         PressKeys keys = Keys(in);
         double x = X(s, in);
         s.Do(&Editor::PressHolding, b, x, Y(s, in), keys);
     }},
    {"drag holding", [](Session& s, In& in, SaveCheck) { Drag(s, in, Keys(in)); }},
    {"select all", [](Session& s, In&, SaveCheck) { s.Do(&Editor::SelectAll); }},
    {"reduce", [](Session& s, In&, SaveCheck) { s.Do(&Editor::ReduceSelection); }},
    {"copy", [](Session& s, In&, SaveCheck) { s.Copy(); }},
    {"cut", [](Session& s, In&, SaveCheck) { s.Cut(); }},
    {"paste",
     [](Session& s, In& in, SaveCheck) {
         auto pointer = PastePointer(s, in);
         s.Paste(s.Clipboard(), pointer);
     }},
    {"paste bytes",
     [](Session& s, In& in, SaveCheck) {
         std::string payload = PayloadBytes(s, in);
         s.Paste(payload, PastePointer(s, in));
     }},
};

}  // namespace

const EditOp* EditOps() { return Ops; }
size_t EditOpCount() { return sizeof Ops / sizeof Ops[0]; }

}  // namespace tarnloft
