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

// The program makes the file as it makes every new one, and its surface
// encodes the figures.
template <class EncodeFigures>
bool MakeProgramFile(const std::string& folder, EncodeFigures encode) {
    char previous[4096];
    if (getcwd(previous, sizeof(previous)) == nullptr || chdir(folder.c_str()) != 0) return false;
    Application& application = TheApplication();
    const bool made = application.Initialize() == 1 && encode(application.surface);
    application.Shutdown();
    return chdir(previous) == 0 && made;
}

// Which page each row goes to, in the order the rows are drawn: runs of
// 1..longestRun figures, each on a page picked at random among those not
// yet full. left[i] is how many figures page i + 1 gets.
std::vector<int> DrawingOrder(std::vector<int> left, int longestRun) {
    std::vector<int> open;  // indexes into left of pages not yet full
    for (int i = 0; i < static_cast<int>(left.size()); ++i)
        if (left[i] > 0) open.push_back(i);
    std::mt19937 random(2024);
    std::vector<int> order;
    while (!open.empty()) {
        const std::size_t pick = random() % open.size();
        const int page = open[pick];
        const int run = std::min(left[page], 1 + static_cast<int>(random() % static_cast<unsigned>(longestRun)));
        order.insert(order.end(), static_cast<std::size_t>(run), page + 1);
        left[page] -= run;
        if (left[page] == 0) {
            open[pick] = open.back();
            open.pop_back();
        }
    }
    return order;
}

std::vector<int> DrawingOrder(const DrawingLayout& layout) {
    std::vector<int> left{layout.pageOneFigures};
    for (int rest = layout.rows - layout.pageOneFigures; rest > 0; rest -= layout.figuresPerPage)
        left.push_back(std::min(rest, layout.figuresPerPage));
    return DrawingOrder(left, layout.longestRun);
}

bool Run(sqlite3* database, const char* sql) {
    return sqlite3_exec(database, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

// Writes the rows in drawing order, each page's figure taken by `figureOf`
// (page, how many of that page came before) in one transaction.
template <class FigureOf>
bool WriteRows(const std::string& folder, const std::vector<int>& order, FigureOf figureOf) {
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
    std::vector<std::size_t> drawn;
    for (int page : built ? order : std::vector<int>{}) {
        if (drawn.size() < static_cast<std::size_t>(page)) drawn.resize(static_cast<std::size_t>(page));
        const EncodedFigure& figure = figureOf(page, drawn[static_cast<std::size_t>(page) - 1]++);
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

}  // namespace

bool BuildDrawingFile(const std::string& folder, const DrawingLayout& layout) {
    std::vector<EncodedFigure> pageOne, pool;
    const bool made = MakeProgramFile(folder, [&](ZDrawSp* surface) {
        pageOne = Encode(surface, MakePage(layout.pageOneFigures));
        pool = Encode(surface, MakePage(kPoolFigures, 7));
        return static_cast<int>(pageOne.size()) == layout.pageOneFigures && !pool.empty();
    });
    if (!made) return false;
    if (layout.rows == 0) return true;
    if (layout.longestRun < 1 || (layout.pageOneFigures < layout.rows && layout.figuresPerPage < 1)) return false;
    std::size_t nextOfPool = 0;
    return WriteRows(folder, DrawingOrder(layout), [&](int page, std::size_t before) -> const EncodedFigure& {
        return page == 1 ? pageOne[before] : pool[nextOfPool++ % pool.size()];
    });
}

bool BuildNotebookFile(const std::string& folder, const std::vector<std::vector<PageFigure>>& pages, int longestRun) {
    std::vector<std::vector<EncodedFigure>> encoded;
    const bool made = MakeProgramFile(folder, [&](ZDrawSp* surface) {
        for (const std::vector<PageFigure>& page : pages) {
            encoded.push_back(Encode(surface, page));
            if (encoded.back().size() != page.size()) return false;
        }
        return true;
    });
    if (!made || longestRun < 1) return false;
    std::vector<int> counts;
    for (const std::vector<PageFigure>& page : pages) counts.push_back(static_cast<int>(page.size()));
    return WriteRows(folder, DrawingOrder(counts, longestRun), [&](int page, std::size_t before) -> const EncodedFigure& {
        return encoded[static_cast<std::size_t>(page) - 1][before];
    });
}

long long FileBytes(const std::string& path) {
    std::error_code error;
    const auto bytes = std::filesystem::file_size(path, error);
    return error ? 0 : static_cast<long long>(bytes);
}
