// One objData text from anywhere (a damaged or hand-edited database row):
// it must decode into some figure, the figure must encode within the length
// it asks for, that encoding must read back to the very same encoding, and
// the figure must draw on a page-mapped memory DC like the canvas's.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "component_loader.h"
#include "draw_object.h"
#include "fuzz_support.h"
#include "memory_canvas.h"
#include "zdrawsp.h"

namespace {

// A quarter of the US Letter page at the canvas's scale: big enough for
// every code path, small enough that fills stay cheap.
constexpr int kCanvasWidth = 216;
constexpr int kCanvasHeight = 280;

struct Harness {
    ComponentLoader loader;
    ZDrawSp* surface = nullptr;
    MemoryCanvas canvas;
};

// Made once and never torn down: the surface and its library stay for the
// life of the process.
Harness* harness = nullptr;

// The encoding through the caller's protocol, into a heap buffer of exactly
// the length asked for; empty when the object writes nothing.
std::string Encoded(DrawObject* object) {
    int length = 0;
    FUZZ_CHECK(object->Encode(nullptr, &length) == 0, "a size query wrote something");
    if (length <= 0) return "";
    char* buffer = new char[static_cast<std::size_t>(length)];
    int given = length;
    const int written = object->Encode(buffer, &given);
    FUZZ_CHECK(given == length, "the length changed from %d to %d", length, given);
    std::string text;
    if (written != 0) {
        const void* end = std::memchr(buffer, '\0', static_cast<std::size_t>(length));
        FUZZ_CHECK(end != nullptr, "no NUL within the %d bytes asked for", length);
        text.assign(buffer);
        FUZZ_CHECK(!text.empty(), "an encoding that was written is empty");
    }
    delete[] buffer;
    return text;
}

// A fresh object decoded from a writable copy of the text.
DrawObject* Decoded(const std::string& text) {
    DrawObject* object = harness->surface->CreateObject();
    FUZZ_CHECK(object != nullptr, "the surface made no object");
    char* writable = new char[text.size() + 1];
    std::memcpy(writable, text.c_str(), text.size() + 1);
    object->Decode(writable);
    delete[] writable;
    return object;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    UseOffscreenPlatform();
    KeepLibraryLoaded("ZDrawSp.DLL");
    harness = new Harness;
    harness->surface =
        static_cast<ZDrawSp*>(harness->loader.CreateComponent("ZDrawSp.DLL", "ZDrawSp", 100));
    FUZZ_CHECK(harness->surface != nullptr, "ZDrawSp.DLL made no surface");
    FUZZ_CHECK(harness->canvas.Open(kCanvasWidth, kCanvasHeight), "no memory DC");
    harness->canvas.UsePageMapping();
    harness->surface->SetDC(harness->canvas.dc());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Objects start from the surface's settings, and drawing changes them:
    // every input starts from the same ones.
    harness->surface->SetAttributes(0, PS_SOLID, 0, 0, 0, 8);
    harness->canvas.Fill(kWhite);

    // The text up to the first NUL, as a database row would hand it over.
    const std::string text(reinterpret_cast<const char*>(data), strnlen(reinterpret_cast<const char*>(data), size));
    DrawObject* object = Decoded(text);
    const std::string encoded = Encoded(object);
    if (!encoded.empty()) {
        DrawObject* again = Decoded(encoded);
        const std::string reencoded = Encoded(again);
        FUZZ_CHECK(reencoded == encoded, "[%s] encodes as [%s], which reads back as [%s]", text.c_str(),
                   encoded.c_str(), reencoded.c_str());
        FUZZ_CHECK(again->GetKind() == object->GetKind(), "the kind changed on the way");
        again->Release();
    }
    object->Draw();
    object->Release();
    return 0;
}
