// The history's bounds: a new change drops what could be redone, the
// oldest steps go once the rows held pass the budget, and the newest step
// stays whatever its size.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "undo_history.h"

namespace {

std::vector<HistoryRow> Rows(int count, std::size_t textLength) {
    std::vector<HistoryRow> rows(static_cast<std::size_t>(count));
    for (HistoryRow& row : rows) row.objData = CopyText(std::string(textLength, 'x').c_str());
    return rows;
}

TEST(UndoHistoryTest, KeepsTheNewestStepsWithinItsBudget) {
    const std::size_t stepBytes = sizeof(HistoryStep) + HistoryBytesOf(Rows(1, 99)[0]);
    UndoHistory history(10 * stepBytes);
    for (int page = 1; page <= 25; ++page) history.Record(Change::Added, page, Rows(1, 99));
    EXPECT_EQ(history.StepCount(), 10u);
    EXPECT_LE(history.Bytes(), 10 * stepBytes);
    int undone = 0;
    for (; history.NextUndo() != nullptr; history.Undone()) EXPECT_EQ(history.NextUndo()->pageNumber, 25 - undone++);
    EXPECT_EQ(undone, 10);

    // Two steps undone, then a new change: they cannot be redone any more.
    history.Redone();
    history.Redone();
    history.Undone();
    ASSERT_NE(history.NextRedo(), nullptr);
    history.Record(Change::Removed, 99, Rows(2, 10));
    EXPECT_EQ(history.NextRedo(), nullptr);
    EXPECT_EQ(history.NextUndo()->pageNumber, 99);

    // A step larger than the whole budget is still the one undo takes back.
    history.Record(Change::Removed, 7, Rows(1000, 99));
    EXPECT_EQ(history.StepCount(), 1u);
    EXPECT_EQ(history.NextUndo()->rows.size(), 1000u);
}

// A row is found by its step's id and place until the step is dropped.
TEST(UndoHistoryTest, RowsAreFoundByTheirPlaceWhileTheirStepLives) {
    UndoHistory history(3 * (sizeof(HistoryStep) + HistoryBytesOf(Rows(1, 9)[0]) * 2));
    const std::uint64_t first = history.Record(Change::Added, 1, Rows(2, 9));
    ASSERT_NE(history.Row({first, 1}), nullptr);
    EXPECT_EQ(history.Row({first, 2}), nullptr);
    for (int page = 2; page <= 4; ++page) history.Record(Change::Added, page, Rows(2, 9));
    EXPECT_EQ(history.Row({first, 0}), nullptr) << "the oldest step went";
}

}  // namespace
