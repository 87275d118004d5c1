#include "drawing_file.h"

#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <vector>

#include "application.h"
#include "page_figures.h"

namespace {

// Figures of the other pages come from a pool of this many, over and over.
constexpr int kPoolFigures = 4096;

struct EncodedFigure {
    std::string objData;
    int kind;
};

std::vector<EncodedFigure> Encode(ZDrawSp* surface, const std::vector<PageFigure>& figures) {
    std::vector<EncodedFigure> encoded;
    encoded.reserve(figures.size());
    for (const PageFigure& figure : figures) {
        DrawObject* object = surface->CreateObject();
        if (object == nullptr) return {};
        object->SetAttributes(figure.colour, figure.penStyle, figure.penWidth, figure.fillColour, figure.fillOn,
                              figure.fontHeight);
        for (const POINT& point : figure.points) object->AddPoint(point.x, point.y);
        object->SetKind(static_cast<unsigned>(figure.kind));
        if (!figure.text.empty()) object->SetText(figure.text.c_str());
        int length = 0;
        object->Encode(nullptr, &length);
        std::string text(static_cast<std::size_t>(std::max(length, 1)), '\0');
        const bool written = length > 0 && object->Encode(text.data(), &length) != 0;
        object->Release();
        const std::size_t end = text.find('\0');
        if (!written || end == std::string::npos) return {};
        text.resize(end);
        encoded.push_back({text, figure.kind});
    }
    return encoded;
}

// The program makes the file as it makes every new one, and encodes the
// figures of page 1 and of the pool.
bool MakeProgramFile(const std::string& folder, int pageOneFigures, std::vector<EncodedFigure>& pageOne,
                     std::vector<EncodedFigure>& pool) {
    char previous[4096];
    if (getcwd(previous, sizeof(previous)) == nullptr || chdir(folder.c_str()) != 0) return false;
    Application& application = TheApplication();
    bool made = application.Initialize() == 1;
    if (made) {
        pageOne = Encode(application.surface, MakePage(pageOneFigures));
        pool = Encode(application.surface, MakePage(kPoolFigures, 7));
        made = static_cast<int>(pageOne.size()) == pageOneFigures && !pool.empty();
    }
    application.Shutdown();
    return chdir(previous) == 0 && made;
}

// Which page each row goes to, in the order the rows are drawn: runs of
// 1..longestRun figures, each on a page picked at random among those not
// yet full.
std::vector<int> DrawingOrder(const DrawingLayout& layout) {
    std::vector<int> left{layout.pageOneFigures};  // left[i]: figures page i + 1 still lacks
    for (int rest = layout.rows - layout.pageOneFigures; rest > 0; rest -= layout.figuresPerPage)
        left.push_back(std::min(rest, layout.figuresPerPage));
    std::vector<int> open;  // indexes into left of pages not yet full
    for (int i = 0; i < static_cast<int>(left.size()); ++i)
        if (left[i] > 0) open.push_back(i);
    std::mt19937 random(2024);
    std::vector<int> order;
    order.reserve(static_cast<std::size_t>(layout.rows));
    while (!open.empty()) {
        const std::size_t pick = random() % open.size();
        const int page = open[pick];
        const int run = std::min(left[page], 1 + static_cast<int>(random() % static_cast<unsigned>(layout.longestRun)));
        order.insert(order.end(), static_cast<std::size_t>(run), page + 1);
        left[page] -= run;
        if (left[page] == 0) {
            open[pick] = open.back();
            open.pop_back();
        }
    }
    return order;
}

bool Run(sqlite3* database, const char* sql) {
    return sqlite3_exec(database, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

}  // namespace

bool BuildDrawingFile(const std::string& folder, const DrawingLayout& layout) {
    std::vector<EncodedFigure> pageOne, pool;
    if (!MakeProgramFile(folder, layout.pageOneFigures, pageOne, pool)) return false;
    if (layout.rows == 0) return true;
    if (layout.longestRun < 1 || (layout.pageOneFigures < layout.rows && layout.figuresPerPage < 1)) return false;

    sqlite3* database = nullptr;
    const std::string path = folder + "/" + kDatabaseFile;
    if (sqlite3_open(path.c_str(), &database) != SQLITE_OK) {
        sqlite3_close(database);
        return false;
    }
    // The file stays in WAL, as the program made it; only this bulk write
    // goes unsynced, with a cache that holds the whole page index.
    bool built = Run(database, "PRAGMA synchronous=OFF; PRAGMA cache_size=-262144; BEGIN");
    sqlite3_stmt* insert = nullptr;
    built = built &&
            sqlite3_prepare_v2(database, "INSERT INTO Objects VALUES (?, ?, ?)", -1, &insert, nullptr) == SQLITE_OK;
    std::size_t nextOfPageOne = 0, nextOfPool = 0;
    for (int page : built ? DrawingOrder(layout) : std::vector<int>{}) {
        const EncodedFigure& figure = page == 1 ? pageOne[nextOfPageOne++] : pool[nextOfPool++ % pool.size()];
        sqlite3_bind_int(insert, 1, page);
        sqlite3_bind_text(insert, 2, figure.objData.data(), static_cast<int>(figure.objData.size()), SQLITE_STATIC);
        sqlite3_bind_int(insert, 3, figure.kind);
        if (sqlite3_step(insert) != SQLITE_DONE) built = false;
        sqlite3_reset(insert);
        if (!built) break;
    }
    sqlite3_finalize(insert);
    built = built && Run(database, "COMMIT") && Run(database, "PRAGMA wal_checkpoint(TRUNCATE)");
    sqlite3_close(database);
    return built;
}

long long FileBytes(const std::string& path) {
    std::error_code error;
    const auto bytes = std::filesystem::file_size(path, error);
    return error ? 0 : static_cast<long long>(bytes);
}
