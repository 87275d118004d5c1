// The figures of the page on screen as the file knows them, in the order
// of the page objects: each one's identity and the box it can show in. The
// page objects themselves carry neither, yet erasing a figure must remove
// exactly its row (never a row that merely looks the same), and a click
// must find its figure without drawing the whole page.
//
// 16 bytes a figure: a page of 100 000 figures costs 1.6 MB here.
#ifndef TARNWICK_APP_CORE_SHOWN_FIGURES_H
#define TARNWICK_APP_CORE_SHOWN_FIGURES_H

#include <cstddef>
#include <vector>

#include "figure_box.h"

// A stored figure's rowid; a figure still kept in memory, minus the serial
// of its kept row; 0 when the file has no row for it that is known.
using FigureIdentity = long long;

struct ShownFigure {
    FigureIdentity identity;
    FigureBox box;
};
static_assert(sizeof(ShownFigure) == 16, "a figure's record stays small");

class ShownFigures {
public:
    // Starts the record of a page afresh.
    void Clear(int pageNumber);
    // No page is on screen.
    void Forget();
    // A figure joined the top of the page. When memory runs out the record
    // is unknown until the page is read again.
    void Add(FigureIdentity identity, FigureBox box);
    void RemoveAt(std::size_t position);
    // Keeps the entry at `from` at `to` (to <= from), when both are there;
    // Truncate then drops what follows the kept ones.
    void MoveDown(std::size_t from, std::size_t to);
    void Truncate(std::size_t count);
    // A kept figure was stored: its entry takes the rowid.
    void Stored(FigureIdentity kept, FigureIdentity rowid);

    bool Known() const { return known_; }
    int Page() const { return page_; }
    std::size_t Count() const { return figures_.size(); }
    const ShownFigure& operator[](std::size_t position) const { return figures_[position]; }

private:
    std::vector<ShownFigure> figures_;
    int page_ = 0;
    bool known_ = false;
};

#endif
