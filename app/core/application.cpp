#include "application.h"
#include <climits>

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
    SetScreen(nullptr);
    UnloadAll(0);
    currentPage = 1;
    canvasWindow = nullptr;
    originX = 0;
    originY = 0;
    finishedFigures_ = 0;
}

void Application::SetScreen(ScreenListener* screen) {
    screen_ = screen;
    pages_.SetScreen(screen);
}

int Application::OpenDatabase() {
    pages_.Attach(store, surface, pageObjects);
    return pages_.Open(kDatabaseFile) ? 1 : 0;
}

void Application::SaveObject(DrawObject* object) { pages_.Save(object, currentPage); }
void Application::LoadPage(int pageNumber) { pages_.Load(pageNumber); }
void Application::DeletePage(int pageNumber) { pages_.DeletePage(pageNumber, currentPage); }
void Application::DeleteTemporaryObjects(int pageNumber) {
    pages_.DeleteKind(pageNumber, kKindTemporaryLine, currentPage);
}

void Application::AddFinishedFigure(DrawObject* figure) {
    ++finishedFigures_;
    if (pageObjects == nullptr || figure == nullptr) return;
    // The list takes its own reference; the tool drops its creation
    // reference once the callback returns.
    pages_.AddFigure(figure, currentPage);
    if (screen_ != nullptr) screen_->FigureAdded(figure);
}

int Application::EraseFigure(std::size_t position) { return pages_.Erase(position, currentPage) ? 1 : 0; }

int Application::NextPage() {
    // The largest page number is the last page: there is no next one.
    if (currentPage == INT_MAX) return 0;
    return GoToPage(currentPage + 1);
}

int Application::PreviousPage() {
    if (currentPage < 2) return 0;
    return GoToPage(currentPage - 1);
}

int Application::GoToPage(int pageNumber) {
    pages_.Show(pageNumber);
    currentPage = pageNumber;
    return 1;
}

int Application::Undo() {
    int pageNumber = 0;
    if (!pages_.NextUndoPage(pageNumber)) return 0;
    if (pageNumber != currentPage) GoToPage(pageNumber);
    pages_.Undo(currentPage);
    return 1;
}

int Application::Redo() {
    int pageNumber = 0;
    if (!pages_.NextRedoPage(pageNumber)) return 0;
    if (pageNumber != currentPage) GoToPage(pageNumber);
    pages_.Redo(currentPage);
    return 1;
}

// The store's row callback under the record's name: the context is the
// record, whose page store takes the row.
int Application::RowToObject(void* context, int columnCount, char** columnTexts, char** columnNames) {
    auto* application = static_cast<Application*>(context);
    return PageStore::RowToObject(&application->pages_, columnCount, columnTexts, columnNames);
}
