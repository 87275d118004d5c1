// Draws a few figures through the surface on a ruled sheet, with the
// canvas mapping, and writes the picture as a PPM image for a look:
//   drawsp_render_sample out.ppm [width]
#include <cstdio>
#include <cstdlib>
#include <string>

#include "component_loader.h"
#include "memory_canvas.h"
#include "zdrawsp.h"

namespace {

constexpr int kPageWidth = 2159;

void DrawSheet(ZDrawSp* surface) {
    surface->SetAttributes(0x000000, PS_SOLID, 0, 0xE6FFFF, 1, 12);
    surface->DrawRectangle(0, 0, kPageWidth, -2794, 0);
    surface->SetAttributes(0xFFE6E6, PS_SOLID, 0, 0, 0, 12);
    for (int y = -40; y > -2794; y -= 40) surface->DrawLine(2, y, 2157, y, 0);
    for (int x = 40; x < kPageWidth; x += 40) surface->DrawLine(x, -2, x, -2792, 0);
    surface->SetAttributes(0xC8C8FF, PS_SOLID, 0, 0, 0, 12);
    surface->DrawLine(1759, 0, 1759, -2794, 0);
}

// One figure of each kind the page store keeps, as objData.
const char* const kFigures[] = {
    "1;255;0;10;0;0;0;28;120;-140;760;-580;",                    // red line, width 10
    "1;0;1;1;0;0;0;28;120;-640;900;-640;",                       // dashed
    "1;8388608;2;1;0;0;0;28;120;-690;900;-690;",                 // dotted, dark blue
    "1;32768;3;1;0;0;0;28;120;-740;900;-740;",                   // dash-dot, dark green
    "6;16711680;0;3;65535;1;0;28;1000;-120;1500;-420;",          // blue rectangle, yellow fill
    "4;0;0;2;16777215;1;0;28;1250;-700;220;-160;",                // ellipse, white fill
    "3;10748068;0;4;13421772;1;0;28;200;-900;600;-860;700;-1150;300;-1250;150;-1080;",  // polygon
    "8;255;4;6;0;0;0;28;1000;-950;1650;-950;",                   // temporary line: thin, solid
    "7;0;0;10;0;0;0;70;220;-1500;Memo; wall 2.40 m;",            // text with a ";"
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s out.ppm [width]\n", argv[0]);
        return 2;
    }
    const int width = argc > 2 ? std::atoi(argv[2]) : 640;
    const int height = width * 1700 / kPageWidth;

    ComponentLoader loader;
    auto* surface = static_cast<ZDrawSp*>(loader.CreateComponent("ZDrawSp.DLL", "ZDrawSp", 100));
    if (surface == nullptr) return 1;

    MemoryCanvas canvas;
    if (!canvas.Open(width, height)) {
        surface->Release();
        return 1;
    }
    canvas.UsePageMapping();

    surface->SetDC(canvas.dc());
    DrawSheet(surface);
    for (const char* record : kFigures) {
        DrawObject* object = surface->CreateObject();
        std::string writable = record;
        object->Decode(writable.data());
        object->Draw();
        object->Release();
    }
    // The text tool's outline around the text, and its invert-mode twin
    // drawn twice (which must leave no trace).
    surface->SetAttributes(0xFF00FF, PS_SOLID, 0, 0x00FF00, 1, 70);
    surface->DrawStringBox(220, -1500, "Memo; wall 2.40 m", 0);
    surface->DrawStringBox(220, -1620, "invisible", 2);
    surface->DrawStringBox(220, -1620, "invisible", 2);
    surface->DrawRegularPolygon(1400, -1400, 1600, -1400, 6, 3);
    surface->SetDC(nullptr);

    const bool written = canvas.WritePpm(argv[1]);
    canvas.Close();
    surface->Release();
    loader.UnloadAll(0);
    return written ? 0 : 1;
}
