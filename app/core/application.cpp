#include "application.h"
#include "store_caption.h"

const ComponentSources kProgramComponents = {
    {"ZDrawSp.DLL", "ZDrawSp"},
    {"ZUtilitiesCOM.DLL", "ZLinklistCOM"},
    {"ZUtilitiesCOM.DLL", "ZLinklistCOM"},
    {"ZDrawTools.DLL", "ZToolFactory"},
    {"ZISqllite.DLL", "ZISqllite"},
};

namespace {

constexpr DWORD kComponentVersion = 100;

}  // namespace

// Static objects of one file are built in the order they are defined and
// destroyed in reverse: the entered text outlives the record.
TextString enteredText;
int gotoPageNumber = 0;

namespace {

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

Application::Application(const ComponentSources& sources)
    : sources_(sources), pages_(currentPage, InvalidateCanvas, ShowStoreStatus, this) {}

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
    // The end of the run is the last chance for figures not yet stored.
    pages_.Close();
    // The tools hold the surface; the objects are the surface's; the surface
    // and the store go last, before their libraries.
    currentTool = nullptr;
    ReleaseField(toolList);
    ReleaseField(pageObjects);
    ReleaseField(toolFactory);
    ReleaseField(surface);
    ReleaseField(store);
    pages_.Attach(nullptr, nullptr, nullptr);
    UnloadAll(0);
    currentPage = 1;
    canvasWindow = nullptr;
    originX = 0;
    originY = 0;
}

void Application::InvalidateCanvas(void* application) {
    InvalidateRect(static_cast<Application*>(application)->canvasWindow, nullptr, TRUE);
}

void Application::ShowStoreStatus(void* application) {
    const auto* record = static_cast<Application*>(application);
    HWND mainWindow = GetParent(record->canvasWindow);
    if (mainWindow == nullptr) return;
    char caption[128];
    FormatStoreCaption(caption, sizeof(caption), record->pages_.KeptCount(), record->pages_.FileDamaged(),
                       record->pages_.DeleteFailed());
    SetWindowTextA(mainWindow, caption);
}

int Application::OpenDatabase() {
    pages_.Attach(store, surface, pageObjects);
    return pages_.Open(kDatabaseFile);
}

void Application::SaveObject(DrawObject* object) { pages_.Save(object); }
void Application::LoadPage(int pageNumber) { pages_.Load(pageNumber); }
void Application::DeletePage(int pageNumber) { pages_.DeletePage(pageNumber); }
void Application::DeleteTemporaryObjects(int pageNumber) { pages_.DeleteTemporaryObjects(pageNumber); }
int Application::NextPage() { return pages_.NextPage(); }
int Application::PreviousPage() { return pages_.PreviousPage(); }
int Application::GoToPage(int pageNumber) { return pages_.GoToPage(pageNumber); }

// The store's row callback under the record's name: the context is the
// record, whose page store takes the row.
int Application::RowToObject(void* context, int columnCount, char** columnTexts, char** columnNames) {
    auto* application = static_cast<Application*>(context);
    return PageStore::RowToObject(&application->pages_, columnCount, columnTexts, columnNames);
}
