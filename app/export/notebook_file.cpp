#include "notebook_file.h"

#include <strings.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "application.h"
#include "sql_text.h"
#include "unsaved_file.h"

namespace {

constexpr DWORD kComponentVersion = 100;
constexpr char kReadOnlyName[] = "file:Veldrin.dat?mode=ro";
constexpr char kUnsavedFile[] = "Veldrin.dat-unsaved";
static_assert(sizeof(kReadOnlyName) == sizeof("file:?mode=ro") + sizeof(kDatabaseFile) - 1);

// A page's figures with the order they were stored in (rowid), read from
// the page index alone. The index keeps them in another order; sorting a
// page's rows here costs a third of what SQLite's own ORDER BY does.
constexpr char kPageFiguresFormat[] = "SELECT rowid, objData FROM Objects WHERE pageNumber = %d";

// Every page number that rows carry, as the page store can ask for it:
// whole numbers in the range of a page number, in order.
constexpr char kStoredPagesQuery[] =
    "SELECT DISTINCT pageNumber FROM Objects WHERE typeof(pageNumber) = 'integer' "
    "AND pageNumber BETWEEN -2147483648 AND 2147483647 ORDER BY pageNumber";

// The same pages, where an index starts with the page number: one seek
// per page to the next page number instead of a walk over every row, a
// thirtieth of the time for pages of a thousand figures.
constexpr char kStoredPagesBySeeking[] =
    "WITH RECURSIVE pages(n) AS ("
    " SELECT (SELECT pageNumber FROM Objects WHERE pageNumber BETWEEN -2147483648 AND 2147483647"
    "  AND typeof(pageNumber) = 'integer' ORDER BY pageNumber LIMIT 1)"
    " UNION ALL"
    " SELECT (SELECT pageNumber FROM Objects WHERE pageNumber > n AND pageNumber <= 2147483647"
    "  AND typeof(pageNumber) = 'integer' ORDER BY pageNumber LIMIT 1) FROM pages WHERE n IS NOT NULL)"
    " SELECT n FROM pages WHERE n IS NOT NULL";

// Whether an index of Objects starts with the page number (a file this
// program has opened has one; a file only ever read may not).
constexpr char kPageIndexQuery[] =
    "SELECT count(*) FROM pragma_index_list('Objects') AS list, pragma_index_info(list.name) AS info "
    "WHERE info.seqno = 0 AND info.name = 'pageNumber' COLLATE NOCASE";

template <class Interface>
Interface* Create(ComponentLoader& loader, const ComponentSource& source) {
    return static_cast<Interface*>(loader.CreateComponent(source.libraryFile, source.componentName, kComponentVersion));
}

int CollectPage(void* context, int columnCount, char** texts, char**) {
    if (columnCount >= 1) static_cast<std::vector<int>*>(context)->push_back(std::atoi(texts[0]));
    return 0;
}

struct ObjectsColumns {
    static constexpr const char* kNames[] = {"pageNumber", "objData", "objType"};
    int count = 0;
    bool matching = true;
};

// PRAGMA table_info rows: cid, name, type, notnull, default, pk.
int CheckColumn(void* context, int columnCount, char** texts, char**) {
    auto* columns = static_cast<ObjectsColumns*>(context);
    if (columnCount < 2 || columns->count >= 3 || strcasecmp(texts[1], ObjectsColumns::kNames[columns->count]) != 0)
        columns->matching = false;
    ++columns->count;
    return 0;
}

// A row of the page query, kept until the page is read: objData is the
// figure, and a row without it holds none, as the page store reads rows.
int KeepRow(void* context, int columnCount, char** columnTexts, char**) {
    if (columnCount != 2) return 1;
    const char* objData = columnTexts[1];
    if (objData[0] == '\0') return 0;
    auto* page = static_cast<PageRows*>(context);
    page->rows.push_back({std::strtoll(columnTexts[0], nullptr, 10), page->texts.size()});
    page->texts.append(objData, std::strlen(objData) + 1);
    return 0;
}

}  // namespace

NotebookFile::~NotebookFile() {
    if (store_ != nullptr) store_->Release();
    loader_.UnloadAll(0);
}

bool NotebookFile::Failed(const std::string& fault) {
    fault_ = fault;
    return false;
}

bool NotebookFile::StoreFailed() {
    const char* error = store_->GetLastErrorText();
    const std::size_t damagedPrefix = std::strlen(ZISQL_DAMAGED);
    if (std::strncmp(error, ZISQL_DAMAGED, damagedPrefix) == 0)
        return Failed(std::string(kDatabaseFile) + " is damaged (" + (error + damagedPrefix) + ")");
    return Failed(std::string(kDatabaseFile) + " cannot be read (" + error + ")");
}

bool NotebookFile::Open() {
    if (access(kDatabaseFile, F_OK) != 0) return Failed(std::string("there is no ") + kDatabaseFile + " in this folder");
    if (!CreateComponents() || !OpenStore() || !HoldsDrawings()) return false;
    // The waiting figures, unless the file already holds them: the next run
    // only removes that file when it sees its token stored.
    std::int32_t token = 0;
    long long stored = 0;
    if (ReadUnsavedFile(kUnsavedFile, waiting_, token) && store_->Execute(kUnsavedTokenQuery, &stored, ReadNumber) &&
        stored == token) {
        waiting_.Clear();
    }
    return true;
}

bool NotebookFile::CreateComponents() {
    store_ = Create<ZISqllite>(loader_, kProgramComponents.store);
    // The surface's library is loaded now, so that a missing one is told
    // before any page is read; the reading makes surfaces of its own.
    ZDrawSp* surface = CreateSurface();
    const bool surfaceMade = surface != nullptr;
    if (surfaceMade) surface->Release();
    if (store_ == nullptr || !surfaceMade)
        return Failed(std::string("the program's libraries could not be loaded (") + kProgramComponents.store.libraryFile +
                      ", " + kProgramComponents.surface.libraryFile + ")");
    return true;
}

bool NotebookFile::OpenStore() { return store_->Open(kReadOnlyName) != 0 || StoreFailed(); }

// The program's Objects table, with its three columns; a file without it
// (an empty one, say) holds no drawings, and one whose table has other
// columns belongs to some other program.
bool NotebookFile::HoldsDrawings() {
    ObjectsColumns columns;
    if (!store_->Execute(kObjectsColumnsQuery, &columns, CheckColumn)) return StoreFailed();
    if (columns.count == 0) return Failed(std::string(kDatabaseFile) + " holds no drawings");
    if (!columns.matching || columns.count != 3)
        return Failed(std::string(kDatabaseFile) + " is not a drawing file of this program (its Objects table differs)");
    return true;
}

bool NotebookFile::PagesWithFigures(std::vector<int>& pages) {
    pages.clear();
    long long pageIndexes = 0;
    if (!store_->Execute(kPageIndexQuery, &pageIndexes, ReadNumber)) return StoreFailed();
    if (!store_->Execute(pageIndexes > 0 ? kStoredPagesBySeeking : kStoredPagesQuery, &pages, CollectPage))
        return StoreFailed();
    for (const KeptRow& row : waiting_.Rows()) pages.push_back(row.pageNumber);
    std::sort(pages.begin(), pages.end());
    pages.erase(std::unique(pages.begin(), pages.end()), pages.end());
    return true;
}

ZDrawSp* NotebookFile::CreateSurface() { return Create<ZDrawSp>(loader_, kProgramComponents.surface); }

bool NotebookFile::AddFigure(ZDrawSp* surface, char* objData, std::vector<DrawObject*>& figures) {
    figures.push_back(nullptr);  // room first, so that no figure is made only to be lost
    DrawObject*& figure = figures.back();
    figure = surface->CreateObject();
    if (figure == nullptr) {
        figures.pop_back();
        return false;
    }
    figure->Decode(objData);
    return true;
}

bool NotebookFile::ReadPage(int pageNumber, PageRows& page) {
    page.rows.clear();
    page.texts.clear();
    char statement[kPageStatementSize];
    static_assert(sizeof kPageFiguresFormat + 10 <= kPageStatementSize);
    std::snprintf(statement, sizeof(statement), kPageFiguresFormat, pageNumber);
    if (!store_->Execute(statement, &page, KeepRow)) return StoreFailed();
    std::sort(page.rows.begin(), page.rows.end(),
              [](const PageRows::Row& a, const PageRows::Row& b) { return a.rowid < b.rowid; });
    return true;
}

bool NotebookFile::DecodePage(int pageNumber, PageRows& page, ZDrawSp* surface, std::vector<DrawObject*>& figures) {
    figures.reserve(figures.size() + page.rows.size());
    for (const PageRows::Row& row : page.rows) {
        if (!AddFigure(surface, page.texts.data() + row.textAt, figures)) return false;
    }
    // Decoding cuts the text up, so each waiting figure is decoded from a copy.
    for (const KeptRow& row : waiting_.Rows()) {
        if (row.pageNumber != pageNumber) continue;
        std::string objData = row.objData.get();
        if (!AddFigure(surface, objData.data(), figures)) return false;
    }
    return true;
}
