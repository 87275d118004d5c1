#include "shown_figures.h"

#include <new>

// The memory of a large page goes with it.
void ShownFigures::Clear(int pageNumber) {
    std::vector<ShownFigure>().swap(figures_);
    page_ = pageNumber;
    known_ = true;
}

void ShownFigures::Forget() {
    std::vector<ShownFigure>().swap(figures_);
    page_ = 0;
    known_ = false;
}

void ShownFigures::Add(FigureIdentity identity, FigureBox box) {
    if (!known_) return;
    try {
        figures_.push_back({identity, box});
    } catch (const std::bad_alloc&) {
        std::vector<ShownFigure>().swap(figures_);
        known_ = false;
    }
}

void ShownFigures::RemoveAt(std::size_t position) {
    if (position < figures_.size()) figures_.erase(figures_.begin() + static_cast<std::ptrdiff_t>(position));
}

void ShownFigures::MoveDown(std::size_t from, std::size_t to) {
    if (from < figures_.size() && to <= from) figures_[to] = figures_[from];
}

void ShownFigures::Truncate(std::size_t count) {
    if (count < figures_.size()) figures_.resize(count);
}

// Kept figures are the newest, so the search starts at the top.
void ShownFigures::Stored(FigureIdentity kept, FigureIdentity rowid) {
    for (auto figure = figures_.rbegin(); figure != figures_.rend(); ++figure) {
        if (figure->identity != kept) continue;
        figure->identity = rowid;
        return;
    }
}
