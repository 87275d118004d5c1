// The list's cursor rules, above all removal during a walk, and that every
// item is released exactly once when it leaves the list.
#include <string>
#include <vector>

#include "counting_component.h"
#include "utilities_fixture.h"
#include "zlinklist.h"

namespace {

class LinkedListTest : public UtilitiesTest {
protected:
    void SetUp() override {
        list_ = Make<ZLinklistCOM>("ZLinklistCOM");
        ASSERT_NE(list_, nullptr);
    }
    void TearDown() override {
        if (list_ != nullptr) list_->Release();
        UtilitiesTest::TearDown();
    }

    void AddTailAll(std::initializer_list<CountingComponent*> items) {
        for (CountingComponent* item : items) list_->AddTail(item);
    }

    // The items from First to the end, by name.
    std::string Walk() {
        std::string order;
        for (ComponentInterface* item = list_->First(); item != nullptr; item = list_->Next()) {
            order += Name(item);
        }
        return order;
    }

    std::string Name(ComponentInterface* item) {
        if (item == &a_) return "A";
        if (item == &b_) return "B";
        if (item == &c_) return "C";
        if (item == &d_) return "D";
        return item == nullptr ? "-" : "?";
    }

    std::vector<std::string> releaseLog_;
    CountingComponent a_{&releaseLog_, "A"}, b_{&releaseLog_, "B"}, c_{&releaseLog_, "C"},
        d_{&releaseLog_, "D"};
    ZLinklistCOM* list_ = nullptr;
};

TEST_F(LinkedListTest, WalksForwardAndFallsOffTheEnd) {
    AddTailAll({&a_, &b_, &c_});
    EXPECT_EQ(Name(list_->First()), "A");
    EXPECT_EQ(Name(list_->Next()), "B");
    EXPECT_EQ(Name(list_->Next()), "C");
    EXPECT_EQ(list_->Next(), nullptr);
    EXPECT_EQ(list_->Next(), nullptr);
    EXPECT_EQ(list_->Current(), nullptr);
    EXPECT_EQ(list_->Previous(), nullptr) << "no cursor, no way back";
    EXPECT_EQ(Name(list_->Last()), "C");
    EXPECT_EQ(Name(list_->Previous()), "B");
    EXPECT_EQ(Name(list_->Previous()), "A");
    EXPECT_EQ(list_->Previous(), nullptr);
}

TEST_F(LinkedListTest, EmptyListReadsNullAndKeepsNoCursor) {
    EXPECT_EQ(list_->First(), nullptr);
    EXPECT_EQ(list_->Last(), nullptr);
    EXPECT_EQ(list_->Current(), nullptr);
    EXPECT_EQ(list_->Next(), nullptr);
    list_->RemoveCurrent();
    list_->AddTail(nullptr);
    list_->AddHead(nullptr);
    list_->InsertAfter(nullptr);
    list_->InsertBefore(nullptr);
    EXPECT_EQ(list_->First(), nullptr);
}

TEST_F(LinkedListTest, FirstInsertionSetsTheCursor) {
    list_->AddTail(&a_);
    EXPECT_EQ(Name(list_->Current()), "A") << "no First needed";
    list_->AddTail(&b_);
    EXPECT_EQ(Name(list_->Current()), "A") << "later insertions leave the cursor";
    list_->AddHead(&c_);
    EXPECT_EQ(Name(list_->Current()), "A");
    EXPECT_EQ(Walk(), "CAB");
    EXPECT_EQ(a_.addRefs, 1);
}

TEST_F(LinkedListTest, AddHeadPutsItemsInFront) {
    list_->AddHead(&a_);
    list_->AddHead(&b_);
    EXPECT_EQ(Name(list_->First()), "B");
    EXPECT_EQ(Name(list_->Last()), "A");
}

TEST_F(LinkedListTest, RemoveCurrentInTheMiddleStepsBack) {
    AddTailAll({&a_, &b_, &c_});
    list_->First();
    list_->Next();
    list_->RemoveCurrent();
    EXPECT_EQ(Name(list_->Current()), "A");
    EXPECT_EQ(Name(list_->Next()), "C");
    EXPECT_EQ(b_.releases, 1);
    EXPECT_EQ(Walk(), "AC");
}

TEST_F(LinkedListTest, RemoveCurrentAtTheFrontStepsForward) {
    AddTailAll({&a_, &b_, &c_});
    list_->First();
    list_->RemoveCurrent();
    EXPECT_EQ(Name(list_->Current()), "B") << "the old second node becomes current";
    EXPECT_EQ(Name(list_->Next()), "C") << "a following Next moves past it";
    EXPECT_EQ(Walk(), "BC");
    EXPECT_EQ(Name(list_->Last()), "C");
}

TEST_F(LinkedListTest, RemoveCurrentAtTheEndKeepsLastRight) {
    AddTailAll({&a_, &b_, &c_});
    list_->Last();
    list_->RemoveCurrent();
    EXPECT_EQ(Name(list_->Current()), "B");
    EXPECT_EQ(Name(list_->Last()), "B");
    list_->AddTail(&d_);
    EXPECT_EQ(Walk(), "ABD");
}

TEST_F(LinkedListTest, RemovingTheOnlyNodeEmptiesTheList) {
    list_->AddTail(&a_);
    list_->RemoveCurrent();
    EXPECT_EQ(list_->Current(), nullptr);
    EXPECT_EQ(list_->First(), nullptr);
    EXPECT_EQ(list_->Last(), nullptr);
    EXPECT_EQ(a_.Outstanding(), 0);
    list_->AddTail(&b_);
    EXPECT_EQ(Walk(), "B");
}

// The way a caller removes every matching item during one forward walk:
// after removing the first node the cursor already stands on the next one.
TEST_F(LinkedListTest, RemovingMatchesDuringAWalkLeavesNoneBehind) {
    CountingComponent& keep = c_;
    AddTailAll({&a_, &b_, &keep, &d_});
    ComponentInterface* item = list_->First();
    while (item != nullptr) {
        if (item == &keep) {
            item = list_->Next();
            continue;
        }
        bool wasFirst = list_->First() == item;
        if (!wasFirst) {
            // Walk back to the item; First moved the cursor.
            for (ComponentInterface* i = list_->First(); i != item; i = list_->Next()) {
            }
        }
        list_->RemoveCurrent();
        item = wasFirst ? list_->Current() : list_->Next();
    }
    EXPECT_EQ(Walk(), "C");
    EXPECT_EQ(a_.Outstanding() + b_.Outstanding() + d_.Outstanding(), 0);
}

TEST_F(LinkedListTest, InsertAfterAndBeforeMoveTheCursorToTheNewNode) {
    AddTailAll({&a_, &b_});
    list_->Last();
    list_->InsertAfter(&c_);
    EXPECT_EQ(Name(list_->Current()), "C");
    EXPECT_EQ(Name(list_->Last()), "C");
    list_->AddTail(&d_);
    EXPECT_EQ(Walk(), "ABCD");

    list_->First();
    list_->InsertBefore(&d_);
    EXPECT_EQ(Name(list_->First()), "D");
    list_->Next();
    list_->InsertAfter(&b_);
    EXPECT_EQ(Walk(), "DABBCD");
}

TEST_F(LinkedListTest, InsertIntoAnEmptyListMakesTheOnlyNode) {
    list_->InsertBefore(&a_);
    EXPECT_EQ(Name(list_->Current()), "A");
    EXPECT_EQ(Name(list_->First()), "A");
    EXPECT_EQ(Name(list_->Last()), "A");
}

TEST_F(LinkedListTest, InsertWithoutCursorKeepsEveryNode) {
    AddTailAll({&a_, &b_});
    while (list_->Next() != nullptr) {
    }
    list_->InsertAfter(&c_);
    list_->Next();
    list_->Next();
    list_->InsertBefore(&d_);
    EXPECT_EQ(Walk().size(), 4u);
    EXPECT_EQ(a_.Outstanding() + b_.Outstanding() + c_.Outstanding() + d_.Outstanding(), 4);
}

TEST_F(LinkedListTest, RemoveAllReleasesEveryItemOnceFirstToLast) {
    AddTailAll({&a_, &b_, &c_});
    list_->RemoveAll();
    EXPECT_EQ(releaseLog_, (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(list_->First(), nullptr);
    EXPECT_EQ(list_->Current(), nullptr);
}

TEST_F(LinkedListTest, LastReleaseOfTheListReleasesItsItems) {
    AddTailAll({&a_, &b_, &a_});
    EXPECT_EQ(a_.addRefs, 2) << "the same item twice is held twice";
    list_->Release();
    list_ = nullptr;
    EXPECT_EQ(releaseLog_, (std::vector<std::string>{"A", "B", "A"}));
    EXPECT_EQ(a_.Outstanding(), 0);
    EXPECT_EQ(b_.Outstanding(), 0);
}

}  // namespace
