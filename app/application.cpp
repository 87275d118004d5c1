#include "application.h"

const ComponentSources kProgramComponents = {
    {"ZDrawSp.DLL", "ZDrawSp"},
    {"ZUtilitiesCOM.DLL", "ZLinklistCOM"},
    {"ZUtilitiesCOM.DLL", "ZLinklistCOM"},
    {"ZDrawTools.DLL", "ZToolFactory"},
    {"ZISqllite.DLL", "ZISqllite"},
};

namespace {

constexpr DWORD kComponentVersion = 100;

// The program's record, built before the program's entry runs and
// destroyed at exit, after everything that used it.
Application programRecord;

template <class Interface>
Interface* Create(ComponentLoader& loader, const ComponentSource& source) {
    return static_cast<Interface*>(
        loader.CreateComponent(source.libraryFile, source.componentName, kComponentVersion));
}

template <class Interface>
void ReleaseField(Interface*& field) {
    if (field != nullptr) field->Release();
    field = nullptr;
}

}  // namespace

Application& TheApplication() { return programRecord; }

Application::Application(const ComponentSources& sources) : sources_(sources) {}

Application::~Application() { Shutdown(); }

int Application::Initialize() {
    surface = Create<ZDrawSp>(*this, sources_.surface);
    toolList = Create<ZLinklistCOM>(*this, sources_.toolList);
    pageObjects = Create<ZLinklistCOM>(*this, sources_.pageObjects);
    toolFactory = Create<ZToolFactory>(*this, sources_.toolFactory);
    store = Create<ZISqllite>(*this, sources_.store);
    if (surface == nullptr || toolList == nullptr || pageObjects == nullptr ||
        toolFactory == nullptr || store == nullptr) {
        return 0;
    }
    if (OpenDatabase() == 0) return 0;
    toolFactory->CreateTools(toolList);
    AttachTools();
    currentTool = nullptr;
    return 1;
}

// The walk runs on currentTool, as every later user of the tool list does.
void Application::AttachTools() {
    for (currentTool = static_cast<DrawTool*>(toolList->First()); currentTool != nullptr;
         currentTool = static_cast<DrawTool*>(toolList->Next())) {
        currentTool->Attach(surface, ObjectFinished);
    }
}

void Application::Shutdown() {
    // The tools hold the surface; the objects are the surface's; the surface
    // and the store go last, before their libraries.
    currentTool = nullptr;
    ReleaseField(toolList);
    ReleaseField(pageObjects);
    ReleaseField(toolFactory);
    ReleaseField(surface);
    ReleaseField(store);
    UnloadAll(0);
    currentPage = 1;
    canvasWindow = nullptr;
    originX = 0;
    originY = 0;
}

void Application::InvalidateCanvas() { InvalidateRect(canvasWindow, nullptr, TRUE); }
