#include "host/AcTransaction.h"

#include <gtest/gtest.h>

#include "host/AcDbDatabase.h"
#include "host/testing/TestBox.h"

namespace {

using host::OpenMode;
using host::testing::TestBox;
using host::testing::TestLabel;

class TransactionTest : public ::testing::Test {
protected:
    AcDbObjectId addBox(double width, const std::string& name) {
        auto box = std::make_unique<TestBox>();
        box->width = width;
        box->name = name;
        box->marks = {1, 2};
        AcDbObjectId id;
        EXPECT_EQ(db.addObject(std::move(box), id), Acad::eOk);
        return id;
    }
    TestBox* openBox(AcTransaction& tr, AcDbObjectId id, OpenMode mode = OpenMode::ForWrite) {
        TestBox* box = nullptr;
        EXPECT_EQ(tr.getObject(box, id, mode), Acad::eOk);
        return box;
    }
    // Reads an object's state outside any change, through a transaction of its own.
    std::string stateOf(AcDbObjectId id) {
        AcTransaction tr(db);
        TestBox* box = openBox(tr, id, OpenMode::ForRead);
        if (!box) return "missing";
        std::string marks;
        for (int m : box->marks) marks += std::to_string(m) + ",";
        return std::to_string(box->width) + "|" + box->name + "|" + marks +
               (box->isErased() ? "|erased" : "");
    }
    AcDbDatabase db;
};

TEST_F(TransactionTest, DatabaseHandsOutFreshIdsInOrder) {
    AcDbObjectId a = addBox(1, "a");
    AcDbObjectId b = addBox(2, "b");
    EXPECT_FALSE(a.isNull());
    EXPECT_LT(a, b);
    EXPECT_EQ(db.objectIds(), (AcArray<AcDbObjectId>{a, b}));
    EXPECT_EQ(db.objectCount(), 2);
    AcDbObjectId untouched = AcDbObjectId::fromHandle(42);
    EXPECT_EQ(db.addObject(nullptr, untouched), Acad::eInvalidInput);
    EXPECT_EQ(untouched.handle(), 42u);
}

TEST_F(TransactionTest, CommitKeepsChangesAndClosesTheObject) {
    AcDbObjectId id = addBox(1, "a");
    TestBox* box = nullptr;
    {
        AcTransaction tr(db);
        box = openBox(tr, id);
        EXPECT_TRUE(box->isWriteEnabled());
        box->width = 5;
        box->marks.push_back(3);
        EXPECT_EQ(tr.commit(), Acad::eOk);
        EXPECT_EQ(tr.commit(), Acad::eTransactionEnded);
        EXPECT_EQ(tr.abort(), Acad::eTransactionEnded);
    }
    EXPECT_FALSE(box->isReadEnabled());
    EXPECT_FALSE(box->isWriteEnabled());
    EXPECT_EQ(stateOf(id), "5.000000|a|1,2,3,");
}

TEST_F(TransactionTest, AbortPutsEveryFieldBack) {
    AcDbObjectId id = addBox(1, "a");
    AcTransaction tr(db);
    TestBox* box = openBox(tr, id);
    box->width = 9;
    box->name = "changed";
    box->marks.clear();
    // Opening again for write must not forget the state before the first change.
    openBox(tr, id)->marks.push_back(7);
    EXPECT_EQ(tr.abort(), Acad::eOk);
    EXPECT_EQ(stateOf(id), "1.000000|a|1,2,");
    EXPECT_EQ(tr.getObject(box, id), Acad::eTransactionEnded);
}

TEST_F(TransactionTest, LeavingTheScopeWithoutCommitAborts) {
    AcDbObjectId id = addBox(1, "a");
    AcDbObjectId added;
    {
        AcTransaction tr(db);
        openBox(tr, id)->width = 3;
        EXPECT_EQ(tr.addNewObject(std::make_unique<TestBox>(), added), Acad::eOk);
        EXPECT_TRUE(db.contains(added));
    }
    EXPECT_EQ(stateOf(id), "1.000000|a|1,2,");
    EXPECT_FALSE(db.contains(added));
    EXPECT_EQ(db.objectCount(), 1);
    // The handle of the dropped object is not handed out again.
    EXPECT_GT(addBox(0, "c"), added);
}

TEST_F(TransactionTest, ReadOnlyOpensAreNotRemembered) {
    AcDbObjectId id = addBox(1, "a");
    AcTransaction tr(db);
    TestBox* box = openBox(tr, id, OpenMode::ForRead);
    EXPECT_TRUE(box->isReadEnabled());
    EXPECT_FALSE(box->isWriteEnabled());
    EXPECT_EQ(box->erase(), Acad::eNotOpenForWrite);
    EXPECT_FALSE(box->isErased());
}

TEST_F(TransactionTest, EraseIsUndoneByAbortAndHidesTheObjectAfterCommit) {
    AcDbObjectId id = addBox(1, "a");
    {
        AcTransaction tr(db);
        EXPECT_EQ(openBox(tr, id)->erase(), Acad::eOk);
        EXPECT_FALSE(db.contains(id));
    }
    EXPECT_TRUE(db.contains(id));
    AcTransaction tr(db);
    openBox(tr, id)->erase();
    ASSERT_EQ(tr.commit(), Acad::eOk);
    EXPECT_EQ(db.objectCount(), 0);
    EXPECT_TRUE(db.objectIds().isEmpty());

    AcTransaction later(db);
    AcDbObject* object = reinterpret_cast<AcDbObject*>(&later);  // must be reset to null
    EXPECT_EQ(later.getObject(object, id), Acad::eObjectErased);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(later.getObject(object, id, OpenMode::ForRead, true), Acad::eOk);
    EXPECT_TRUE(object->isErased());
}

TEST_F(TransactionTest, UnknownIdsAndWrongClassesAreRefused) {
    AcDbObjectId id = addBox(1, "a");
    AcTransaction tr(db);
    AcDbObject* object = nullptr;
    EXPECT_EQ(tr.getObject(object, AcDbObjectId::kNull), Acad::eObjectNotFound);
    EXPECT_EQ(tr.getObject(object, AcDbObjectId::fromHandle(999)), Acad::eObjectNotFound);
    TestLabel* label = nullptr;
    EXPECT_EQ(tr.getObject(label, id), Acad::eWrongObjectClass);
    EXPECT_EQ(label, nullptr);
}

TEST_F(TransactionTest, InnerAbortUndoesOnlyTheInnerChanges) {
    AcDbObjectId id = addBox(1, "a");
    AcTransaction outer(db);
    openBox(outer, id)->width = 2;
    {
        AcTransaction inner(db);
        EXPECT_EQ(db.transactionDepth(), 2);
        openBox(inner, id)->width = 3;
        EXPECT_EQ(inner.abort(), Acad::eOk);
    }
    TestBox* box = openBox(outer, id, OpenMode::ForRead);
    EXPECT_EQ(box->width, 2);
    EXPECT_TRUE(box->isWriteEnabled());  // still open for write in the outer transaction
    EXPECT_EQ(outer.commit(), Acad::eOk);
    EXPECT_EQ(stateOf(id), "2.000000|a|1,2,");
}

TEST_F(TransactionTest, OuterAbortUndoesWhatAnInnerTransactionCommitted) {
    AcDbObjectId id = addBox(1, "a");
    AcDbObjectId added;
    {
        AcTransaction outer(db);
        {
            AcTransaction inner(db);
            openBox(inner, id)->name = "inner";
            inner.addNewObject(std::make_unique<TestBox>(), added);
            EXPECT_EQ(inner.commit(), Acad::eOk);
        }
        TestBox* box = openBox(outer, id, OpenMode::ForRead);
        EXPECT_EQ(box->name, "inner");
        EXPECT_TRUE(box->isWriteEnabled());
        EXPECT_EQ(outer.abort(), Acad::eOk);
    }
    EXPECT_EQ(stateOf(id), "1.000000|a|1,2,");
    EXPECT_FALSE(db.contains(added));
}

TEST_F(TransactionTest, OnlyTheInnermostTransactionWorks) {
    AcDbObjectId id = addBox(1, "a");
    AcTransaction outer(db);
    auto inner = std::make_unique<AcTransaction>(db);
    openBox(*inner, id)->width = 8;
    AcDbObject* object = nullptr;
    EXPECT_EQ(outer.getObject(object, id), Acad::eInnerTransactionOpen);
    AcDbObjectId added;
    EXPECT_EQ(outer.addNewObject(std::make_unique<TestBox>(), added), Acad::eInnerTransactionOpen);
    EXPECT_EQ(outer.commit(), Acad::eInnerTransactionOpen);
    // Aborting the outer one takes the inner one with it.
    EXPECT_EQ(outer.abort(), Acad::eOk);
    EXPECT_FALSE(inner->isActive());
    EXPECT_EQ(db.transactionDepth(), 0);
    inner.reset();
    EXPECT_EQ(stateOf(id), "1.000000|a|1,2,");
}

TEST(TransactionLifetime, OutlivingTheDatabaseIsHarmless) {
    auto db = std::make_unique<AcDbDatabase>();
    AcDbObjectId id;
    db->addObject(std::make_unique<TestBox>(), id);
    auto tr = std::make_unique<AcTransaction>(*db);
    AcDbObject* object = nullptr;
    ASSERT_EQ(tr->getObject(object, id, OpenMode::ForWrite), Acad::eOk);
    db.reset();
    EXPECT_FALSE(tr->isActive());
    EXPECT_EQ(tr->database(), nullptr);
    EXPECT_EQ(tr->getObject(object, id), Acad::eTransactionEnded);
    tr.reset();
}

}  // namespace
