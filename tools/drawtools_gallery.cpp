// Renders two pictures for a look by eye (not a test): the five Tool box
// icons at the size of a Tool box item, and a page of figures made by
// clicking through the tools, drawn by the objects themselves on a ruled
// sheet under the canvas mapping, and the feedback of two tools at work.
// Writes PPM files into the folder given.
#include <cstdio>
#include <string>

#include "component_loader.h"
#include "draw_tool.h"
#include "memory_canvas.h"
#include "zdrawsp.h"
#include "zlinklist.h"
#include "ztoolfactory.h"

namespace {

ZLinklistCOM* pageObjects = nullptr;

int KeepObject(DrawObject* object) {
    pageObjects->AddTail(object);
    return 0;
}

DrawTool* ToolAt(ZLinklistCOM* tools, int index) {
    ComponentInterface* item = tools->First();
    for (int i = 0; i < index && item != nullptr; ++i) item = tools->Next();
    return static_cast<DrawTool*>(item);
}

bool RenderIcons(ZToolFactory* factory, const std::string& path) {
    const int itemWidth = 76, itemHeight = 18;
    MemoryCanvas canvas;
    if (!canvas.Open(itemWidth, itemHeight * 5 + 4 * 2, RGB(230, 230, 230))) return false;
    SetTextColor(canvas.dc(), RGB(0, 0, 0));
    SetBkMode(canvas.dc(), TRANSPARENT);
    for (int index = 0; index < 5; ++index) {
        DRAWITEMSTRUCT item{};
        item.hDC = canvas.dc();
        item.rcItem = RECT{0, index * (itemHeight + 2), itemWidth, index * (itemHeight + 2) + itemHeight};
        canvas.Fill(item.rcItem, RGB(255, 255, 255));
        factory->DrawToolIcon(index, &item);
    }
    return canvas.WritePpm(path);
}

void Clicks(DrawTool* tool, std::initializer_list<int> xyButton) {
    const int* v = xyButton.begin();
    for (std::size_t i = 0; i + 2 < xyButton.size(); i += 3) {
        tool->MouseMove(v[i], v[i + 1]);
        tool->Click(v[i], v[i + 1], v[i + 2]);
    }
}

// A sheet of ruled paper: faint blue lines every 7 mm and a red margin.
void DrawSheet(MemoryCanvas& canvas) {
    canvas.Fill(RECT{0, 0, canvas.width(), canvas.height()}, RGB(252, 250, 240));
    for (int y = 30; y < canvas.height(); y += 15) canvas.Fill(RECT{0, y, canvas.width(), y + 1}, RGB(190, 210, 235));
    canvas.Fill(RECT{50, 0, 51, canvas.height()}, RGB(235, 150, 150));
}

bool RenderFigures(ZDrawSp* surface, ZLinklistCOM* tools, const std::string& path) {
    const int width = 432;
    MemoryCanvas canvas;
    if (!canvas.Open(width, width * 2794 / 2159)) return false;
    DrawSheet(canvas);
    canvas.UsePageMapping();
    surface->SetDC(canvas.dc());
    for (int index = 0; index < 5; ++index) ToolAt(tools, index)->Attach(surface, KeepObject);

    surface->SetAttributes(RGB(0, 0, 0), PS_SOLID, 5, 0, 0, 42);
    Clicks(ToolAt(tools, 0), {300, -250, 0, 1900, -250, 0});
    surface->SetAttributes(RGB(200, 0, 0), PS_SOLID, 15, 0, 0, 42);
    Clicks(ToolAt(tools, 0), {300, -350, 0, 1000, -600, 0});
    ToolAt(tools, 0)->SetTemporary(1);
    Clicks(ToolAt(tools, 0), {1100, -600, 0, 1900, -350, 0});
    ToolAt(tools, 0)->SetTemporary(0);
    surface->SetAttributes(RGB(0, 0, 160), PS_SOLID, 10, RGB(255, 230, 120), 1, 42);
    Clicks(ToolAt(tools, 1), {300, -750, 0, 1000, -1150, 0});
    surface->SetAttributes(RGB(0, 100, 0), PS_DASH, 0, 0, 0, 42);
    Clicks(ToolAt(tools, 1), {1900, -1150, 0, 1200, -750, 0});
    surface->SetAttributes(RGB(120, 0, 120), PS_SOLID, 10, RGB(200, 230, 255), 1, 42);
    Clicks(ToolAt(tools, 2), {650, -1500, 0, 950, -1350, 0});
    surface->SetAttributes(RGB(0, 0, 0), PS_DOT, 0, 0, 0, 42);
    Clicks(ToolAt(tools, 2), {1550, -1500, 0, 1250, -1650, 0});
    surface->SetAttributes(RGB(0, 90, 140), PS_SOLID, 10, RGB(180, 240, 180), 1, 42);
    Clicks(ToolAt(tools, 4), {300, -1900, 0, 1000, -1850, 0, 800, -2250, 0, 450, -2150, 0, 0, 0, 1});
    surface->SetAttributes(RGB(0, 0, 0), PS_SOLID, 0, 0, 0, 0);
    Clicks(ToolAt(tools, 4), {1200, -1850, 0, 1900, -1950, 0, 1300, -2300, 0, 0, 0, 1});
    surface->SetAttributes(RGB(0, 0, 0), PS_SOLID, 0, 0, 0, 42);
    ToolAt(tools, 3)->SetText("Tarnwick notes, 42");
    Clicks(ToolAt(tools, 3), {300, -2500, 0});
    surface->SetAttributes(RGB(160, 0, 0), PS_SOLID, 0, 0, 0, 70);
    ToolAt(tools, 3)->SetText("Memo");
    Clicks(ToolAt(tools, 3), {1400, -2550, 0});

    // The page as the canvas paints it: the sheet, then every object.
    DrawSheet(canvas);
    for (ComponentInterface* item = pageObjects->First(); item != nullptr; item = pageObjects->Next()) {
        static_cast<DrawObject*>(item)->Draw();
    }
    surface->SetDC(nullptr);
    return canvas.WritePpm(path);
}

// Feedback as the user sees it while working: the text tool's box over a
// text just placed with it, and a polygon under way, both drawn inverted.
bool RenderFeedback(ZDrawSp* surface, ZLinklistCOM* tools, const std::string& path) {
    const int width = 432;
    MemoryCanvas canvas;
    if (!canvas.Open(width, 200)) return false;
    DrawSheet(canvas);
    canvas.UsePageMapping();
    surface->SetDC(canvas.dc());
    pageObjects->RemoveAll();
    surface->SetAttributes(RGB(0, 0, 0), PS_SOLID, 0, RGB(180, 240, 180), 1, 42);
    DrawTool* text = ToolAt(tools, 3);
    text->SetText("Tarnwick notes, 42");
    Clicks(text, {300, -400, 0});
    // The repaint that follows a finished figure: sheet, objects, feedback.
    DrawSheet(canvas);
    static_cast<DrawObject*>(pageObjects->First())->Draw();
    text->Redraw();
    DrawTool* polygon = ToolAt(tools, 4);
    Clicks(polygon, {1300, -300, 0, 2000, -500, 0});
    polygon->MouseMove(1600, -2000);
    polygon->MouseMove(1500, -1200);
    polygon->Reset();
    text->Reset();
    surface->SetDC(nullptr);
    return canvas.WritePpm(path);
}

}  // namespace

int main(int argc, char** argv) {
    std::string folder = argc > 1 ? std::string(argv[1]) + "/" : "./";
    ComponentLoader loader;
    auto* factory = static_cast<ZToolFactory*>(loader.CreateComponent("ZDrawTools.DLL", "ZToolFactory", 100));
    auto* tools = static_cast<ZLinklistCOM*>(loader.CreateComponent("ZUtilitiesCOM.DLL", "ZLinklistCOM", 100));
    pageObjects = static_cast<ZLinklistCOM*>(loader.CreateComponent("ZUtilitiesCOM.DLL", "ZLinklistCOM", 100));
    auto* surface = static_cast<ZDrawSp*>(loader.CreateComponent("ZDrawSp.DLL", "ZDrawSp", 100));
    int result = 1;
    if (factory != nullptr && tools != nullptr && pageObjects != nullptr && surface != nullptr) {
        factory->CreateTools(tools);
        bool ok = RenderIcons(factory, folder + "tool_icons.ppm");
        ok = RenderFigures(surface, tools, folder + "tool_figures.ppm") && ok;
        ok = RenderFeedback(surface, tools, folder + "tool_feedback.ppm") && ok;
        result = ok ? 0 : 2;
    }
    for (ComponentInterface* component : {static_cast<ComponentInterface*>(tools),
                                          static_cast<ComponentInterface*>(pageObjects),
                                          static_cast<ComponentInterface*>(factory),
                                          static_cast<ComponentInterface*>(surface)}) {
        if (component != nullptr) component->Release();
    }
    loader.UnloadAll(0);
    if (result != 0) std::fprintf(stderr, "gallery: could not render (%d)\n", result);
    return result;
}
