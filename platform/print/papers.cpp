#include "print/papers.h"

namespace tarnwick::print {
namespace {

constexpr Paper kPapers[] = {
    {DMPAPER_LETTER, QPageSize::Letter, "Letter"},  // the program's own paper
    {DMPAPER_LEGAL, QPageSize::Legal, "Legal"},
    {DMPAPER_A4, QPageSize::A4, "A4"},
};

}  // namespace

std::span<const Paper> Papers() { return kPapers; }

const Paper* PaperOfCode(short code) {
    for (const Paper& paper : kPapers) {
        if (paper.code == code) return &paper;
    }
    return nullptr;
}

short CodeOfPaper(const QPageSize& size) {
    for (const Paper& paper : kPapers) {
        if (paper.size == size.id()) return paper.code;
    }
    return 0;
}

}  // namespace tarnwick::print
