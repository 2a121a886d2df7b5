#include "editops.h"

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

constexpr int ZoomChoices[] = {4, 8, 12, 16, 24, 32, 64};

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

// A file offset anywhere in a 2.5 MiB range around the image.
int64_t Offset(OpReader& in) { return static_cast<int64_t>(in.Triple() % 0x280000) - 0x100; }

const EditOp Ops[] = {
    {"press",
     [](EditSession& s, OpReader& in, SaveCheck) {
         MouseButton b = ButtonOf(in.Byte());
         double x = X(s, in);
         s.Press(b, x, Y(s, in));
     }},
    {"move",
     [](EditSession& s, OpReader& in, SaveCheck) {
         MouseButton b = ButtonOf(in.Byte());
         double x = X(s, in);
         s.Move(b, x, Y(s, in));
     }},
    {"release", [](EditSession& s, OpReader&, SaveCheck) { s.Release(); }},
    // A whole drag: press, four steps, release.
    {"drag",
     [](EditSession& s, OpReader& in, SaveCheck) {
         MouseButton b = ButtonOf(in.Byte());
         double x1 = X(s, in), y1 = Y(s, in), x2 = X(s, in), y2 = Y(s, in);
         s.Press(b, x1, y1);
         for (int i = 1; i <= 4; ++i) s.Move(b, x1 + (x2 - x1) * i / 4, y1 + (y2 - y1) * i / 4);
         s.Release();
     }},
    {"popup", [](EditSession& s, OpReader& in, SaveCheck) { s.Popup(in.Byte() % 24); }},
    {"listable",
     [](EditSession& s, OpReader& in, SaveCheck) {
         uint8_t b = in.Byte();
         s.SetListable(b & 3, b & 4);
     }},
    {"filter", [](EditSession& s, OpReader& in, SaveCheck) { s.SetFilter(in.Text(6)); }},
    {"create", [](EditSession& s, OpReader& in, SaveCheck) { s.Create(in.Word() % 1200); }},
    {"remove", [](EditSession& s, OpReader&, SaveCheck) { s.Remove(); }},
    {"clear", [](EditSession& s, OpReader&, SaveCheck) { s.Clear(); }},
    {"goto", [](EditSession& s, OpReader&, SaveCheck) { s.Goto(); }},
    {"next", [](EditSession& s, OpReader&, SaveCheck) { s.Next(); }},
    {"previous", [](EditSession& s, OpReader&, SaveCheck) { s.Previous(); }},
    {"key", [](EditSession& s, OpReader& in, SaveCheck) { s.Key(in.Byte()); }},
    {"exit mode", [](EditSession& s, OpReader&, SaveCheck) { s.ToggleExitMode(); }},
    {"move exit", [](EditSession& s, OpReader& in, SaveCheck) { s.MoveScreenExit(in.Byte() % 4); }},
    {"next exit", [](EditSession& s, OpReader&, SaveCheck) { s.NextExit(); }},
    {"previous exit", [](EditSession& s, OpReader&, SaveCheck) { s.PreviousExit(); }},
    {"goto exit", [](EditSession& s, OpReader&, SaveCheck) { s.GotoExit(); }},
    {"exit field",
     [](EditSession& s, OpReader& in, SaveCheck) {
         ExitField field = static_cast<ExitField>(in.Byte() % 4);
         s.TypeExitField(field, in.Text(4));
     }},
    {"destination", [](EditSession& s, OpReader& in, SaveCheck) { s.ChooseDestination(in.Word() % 300); }},
    {"entrance type", [](EditSession& s, OpReader& in, SaveCheck) { s.ChooseEntranceType(in.Byte()); }},
    {"header field",
     [](EditSession& s, OpReader& in, SaveCheck) {
         int field = in.Byte();
         s.SetHeaderField(field, in.Byte());
     }},
    {"import header",
     [](EditSession& s, OpReader& in, SaveCheck) { s.ImportHeader(static_cast<uint64_t>(LevelIndex(in))); }},
    {"zoom",
     [](EditSession& s, OpReader& in, SaveCheck) {
         uint8_t b = in.Byte();
         s.Zoom(b < 250 ? ZoomChoices[b % 7] : b);
     }},
    {"scroll",
     [](EditSession& s, OpReader& in, SaveCheck) {
         bool horizontal = in.Byte() & 1;
         s.Scroll(horizontal, static_cast<int16_t>(in.Word()) % 400);
     }},
    {"view toggle", [](EditSession& s, OpReader& in, SaveCheck) { s.ToggleView(in.Byte()); }},
    {"resize",
     [](EditSession& s, OpReader& in, SaveCheck) {
         int width = in.Word() % 3000;
         s.ResizeWindow(width, in.Word() % 2000);
     }},
    {"load index", [](EditSession& s, OpReader& in, SaveCheck) { s.LoadIndex(LevelIndex(in)); }},
    {"load offset",
     [](EditSession& s, OpReader& in, SaveCheck) {
         int64_t level = Offset(in);
         s.LoadOffset(level, Offset(in));
     }},
    {"save", [](EditSession& s, OpReader&, SaveCheck save) { save(s); }},
    {"undo", [](EditSession& s, OpReader&, SaveCheck) { s.Undo(); }},
    {"redo", [](EditSession& s, OpReader&, SaveCheck) { s.Redo(); }},
};

}  // namespace

const EditOp* EditOps() { return Ops; }
size_t EditOpCount() { return sizeof Ops / sizeof Ops[0]; }

}  // namespace tarnloft
