#include <gtest/gtest.h>
#include "afxtempl.h"
#include "afxcoll.h"

#include <functional>
#include <string>

namespace {

// An element that counts the live objects of its type.
struct Counted
{
    static int s_live;
    int value = 0;
    Counted() { ++s_live; }
    Counted(int v) : value(v) { ++s_live; }
    Counted(const Counted& other) : value(other.value) { ++s_live; }
    Counted& operator=(const Counted&) = default;
    ~Counted() { --s_live; }
};
int Counted::s_live = 0;

template <class A>
std::string Join(const A& array)
{
    std::string text;
    for (INT_PTR i = 0; i < array.GetSize(); ++i)
        text += (i ? "," : "") + std::string(CString(array[i]));
    return text;
}

std::string Join(const CArray<int, int>& array)
{
    std::string text;
    for (INT_PTR i = 0; i < array.GetSize(); ++i)
        text += (i ? "," : "") + std::to_string(array[i]);
    return text;
}

std::string Join(const CArray<Counted>& array)
{
    std::string text;
    for (INT_PTR i = 0; i < array.GetSize(); ++i)
        text += (i ? "," : "") + std::to_string(array[i].value);
    return text;
}

// Whether op throws CInvalidArgException.
bool ThrowsInvalidArg(const std::function<void()>& op)
{
    try {
        op();
    } catch (CInvalidArgException* e) {
        e->Delete();
        return true;
    }
    return false;
}

struct EditCase
{
    const char* expr;
    std::function<void(CArray<int, int>&)> op;
    const char* expected;   // null: the call is refused with CInvalidArgException, the array unchanged
};
#define EDIT(expr, expected) EditCase{ #expr, [](CArray<int, int>& a) { expr; }, expected }

}  // namespace

TEST(CArray, InsertRemoveAndIndexesOnZeroToFour)
{
    const EditCase cases[] = {
        EDIT(a.InsertAt(0, 9), "9,0,1,2,3,4"),
        EDIT(a.InsertAt(2, 9, 3), "0,1,9,9,9,2,3,4"),
        EDIT(a.InsertAt(5, 9), "0,1,2,3,4,9"),
        EDIT(a.InsertAt(7, 9, 2), "0,1,2,3,4,0,0,9,9"),
        EDIT(a.InsertAt(-1, 9), nullptr),
        EDIT(a.InsertAt(0, 9, 0), nullptr),
        EDIT(a.InsertAt(0, 9, -2), nullptr),
        EDIT(a.RemoveAt(0), "1,2,3,4"),
        EDIT(a.RemoveAt(4), "0,1,2,3"),
        EDIT(a.RemoveAt(1, 3), "0,4"),
        EDIT(a.RemoveAt(0, 5), ""),
        EDIT(a.RemoveAt(2, 0), "0,1,2,3,4"),
        EDIT(a.RemoveAt(5, 0), "0,1,2,3,4"),
        EDIT(a.RemoveAt(-1), nullptr),
        EDIT(a.RemoveAt(5), nullptr),
        EDIT(a.RemoveAt(3, 3), nullptr),
        EDIT(a.RemoveAt(0, -1), nullptr),
        EDIT(a.RemoveAt(1, INT_MAX), nullptr),
        EDIT(a.SetAt(4, 7), "0,1,2,3,7"),
        EDIT(a.SetAt(5, 7), nullptr),
        EDIT(a.SetAt(-1, 7), nullptr),
        EDIT(a.SetAtGrow(5, 7), "0,1,2,3,4,7"),
        EDIT(a.SetAtGrow(7, 7), "0,1,2,3,4,0,0,7"),
        EDIT(a.SetAtGrow(-1, 7), nullptr),
        EDIT(a.ElementAt(1) = 8, "0,8,2,3,4"),
        EDIT(a.ElementAt(5) = 8, nullptr),
        EDIT(a[2] = 8, "0,1,8,3,4"),
        EDIT(a[-1] = 8, nullptr),
        EDIT(a.GetAt(3) = 8, "0,1,2,8,4"),
        EDIT(a.GetAt(5), nullptr),
        EDIT(a.GetData()[0] = 8, "8,1,2,3,4"),
        EDIT(a.Add(5), "0,1,2,3,4,5"),
        EDIT(a.Append(a), "0,1,2,3,4,0,1,2,3,4"),
        EDIT(a.Copy(a), "0,1,2,3,4"),
        EDIT(a.InsertAt(1, &a), "0,0,1,2,3,4,1,2,3,4"),
        EDIT(a.InsertAt(0, (CArray<int, int>*)nullptr), nullptr),
        EDIT(a.SetSize(2), "0,1"),
        EDIT(a.SetSize(7), "0,1,2,3,4,0,0"),
        EDIT(a.SetSize(0), ""),
        EDIT(a.SetSize(-1), nullptr),
        EDIT(a.SetSize(3, -2), nullptr),
        EDIT(a.RemoveAll(), ""),
        EDIT(a.FreeExtra(), "0,1,2,3,4"),
    };
    for (const auto& c : cases) {
        CArray<int, int> a;
        for (int i = 0; i < 5; ++i)
            a.Add(i);
        bool threw = ThrowsInvalidArg([&] { c.op(a); });
        EXPECT_EQ(c.expected == nullptr, threw) << c.expr;
        EXPECT_EQ(c.expected ? c.expected : "0,1,2,3,4", Join(a)) << c.expr;
        EXPECT_EQ(a.GetSize(), a.GetCount());
        EXPECT_EQ(a.GetSize() - 1, a.GetUpperBound());
        EXPECT_EQ(a.GetSize() == 0, !!a.IsEmpty());
    }
}

TEST(CArray, ConstAccessorsCheckTheIndexToo)
{
    CArray<int, int> a;
    a.Add(1);
    const CArray<int, int>& c = a;
    EXPECT_EQ(1, c[0]);
    EXPECT_EQ(1, c.GetAt(0));
    EXPECT_TRUE(ThrowsInvalidArg([&] { c.GetAt(1); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { c.ElementAt(-1); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { (void)c[1]; }));
    CArray<int, int> empty;
    EXPECT_EQ(nullptr, empty.GetData());
    EXPECT_TRUE(ThrowsInvalidArg([&] { empty.GetAt(0); }));
}

TEST(CArray, StorageGrowsByTheGrowthStep)
{
    CArray<int, int> a;
    a.SetSize(0, 10);
    a.Add(0);
    const int* block = a.GetData();
    for (int i = 1; i < 10; ++i)
        a.Add(i);
    EXPECT_EQ(block, a.GetData()) << "ten elements fit the first block";
    a.Add(10);
    EXPECT_NE(block, a.GetData()) << "the eleventh needs a new block";
    block = a.GetData();
    for (int i = 11; i < 20; ++i)
        a.Add(i);
    EXPECT_EQ(block, a.GetData()) << "the second block holds twenty";

    // Shrinking keeps the block; FreeExtra trims it to the size; the values survive each move.
    a.SetSize(5);
    EXPECT_EQ(block, a.GetData());
    a.FreeExtra();
    EXPECT_NE(block, a.GetData());
    EXPECT_EQ("0,1,2,3,4", Join(a));
    block = a.GetData();
    a.FreeExtra();
    EXPECT_EQ(block, a.GetData());

    // A size larger than one step allocates exactly what is asked for.
    CArray<int, int> b;
    b.SetSize(0, 4);
    b.SetSize(50);
    block = b.GetData();
    b.SetSize(50);
    EXPECT_EQ(block, b.GetData());
    b.Add(1);
    EXPECT_NE(block, b.GetData());
}

TEST(CArray, ElementsAreConstructedAndDestroyedOnce)
{
    ASSERT_EQ(0, Counted::s_live);
    {
        CArray<Counted> a;
        a.SetSize(10);
        EXPECT_EQ(10, Counted::s_live);
        a[9].value = 9;
        a.SetSize(3);
        EXPECT_EQ(3, Counted::s_live);
        a.SetSize(40);      // moves to a larger block
        EXPECT_EQ(40, Counted::s_live);
        EXPECT_EQ(0, a[39].value);
        a.InsertAt(1, Counted(7), 5);
        EXPECT_EQ(45, Counted::s_live);
        a.RemoveAt(0, 10);
        EXPECT_EQ(35, Counted::s_live);
        a.FreeExtra();
        EXPECT_EQ(35, Counted::s_live);
        {
            CArray<Counted> copy(a);
            EXPECT_EQ(70, Counted::s_live);
            copy.Append(a);
            EXPECT_EQ(105, Counted::s_live);
            copy.Copy(a);
            EXPECT_EQ(70, Counted::s_live);
        }
        EXPECT_EQ(35, Counted::s_live);
        a.RemoveAll();
        EXPECT_EQ(0, Counted::s_live);
        a.Add(Counted(1));
        a.Add(Counted(2));
        EXPECT_EQ(2, Counted::s_live);
        EXPECT_EQ("1,2", Join(a));
    }
    EXPECT_EQ(0, Counted::s_live);
}

TEST(CArray, ElementsOfTheArrayItselfCanBeAddedAndInserted)
{
    // Each call below moves the storage while its argument lives in the old block.
    CStringArray a;
    a.Add("first");
    a.Add(a[0]);
    a.InsertAt(0, a[1], 3);
    a.SetAtGrow(a.GetSize() + 1, a[0]);
    EXPECT_EQ("first,first,first,first,first,,first", Join(a));
}

TEST(CArray, RecordsHoldingArraysAreElementsOfArrays)
{
    struct Row
    {
        CStringArray columns;
    };
    Row row;
    row.columns.Add("a");
    row.columns.Add("b");
    CArray<Row, Row&> rows;
    for (int i = 0; i < 10; ++i)
        rows.Add(row);
    rows.InsertAt(0, rows[5], 2);
    row.columns[0] = "changed";
    rows.RemoveAt(3);
    CArray<Row, Row&> moved(std::move(rows));
    EXPECT_EQ(0, rows.GetSize());
    ASSERT_EQ(11, moved.GetSize());
    for (INT_PTR i = 0; i < moved.GetSize(); ++i)
        EXPECT_EQ("a,b", Join(moved[i].columns)) << i;
    rows = moved;
    EXPECT_EQ(11, rows.GetSize());
    EXPECT_STREQ("b", rows[10].columns[1]);
}

TEST(CStringArray, HoldsTextsThroughGrowthAndRemoval)
{
    CStringArray a;
    for (int i = 0; i < 100; ++i) {
        CString s;
        s.Format("item%d", i);
        a.Add(s);
    }
    a.InsertAt(50, "middle");
    a.RemoveAt(0, 48);
    a.SetAt(0, "first");
    a.SetAtGrow(55, "last");
    EXPECT_EQ(56, a.GetSize());
    EXPECT_EQ("first,item49,middle,item50,item51", Join(a).substr(0, 33));
    EXPECT_STREQ("item99", a[52]);
    EXPECT_STREQ("", a[53]);
    EXPECT_STREQ("last", a[55]);

    CStringArray copy(a);
    a[0] = "changed";
    EXPECT_STREQ("first", copy[0]);
    CStringArray other;
    other.Add("x");
    other.InsertAt(1, &copy);
    EXPECT_EQ(57, other.GetSize());
    EXPECT_STREQ("first", other[1]);
    EXPECT_STREQ("last", other[56]);
}

TEST(CPtrArray, HoldsPointersWithoutOwningThem)
{
    int x = 1, y = 2;
    CPtrArray a;
    a.Add(&x);
    a.Add(&y);
    a.InsertAt(1, (void*)nullptr);
    EXPECT_EQ(3, a.GetSize());
    EXPECT_EQ(&x, a[0]);
    EXPECT_EQ(nullptr, a[1]);
    EXPECT_EQ(&y, a.GetAt(2));
    a.RemoveAll();
    EXPECT_EQ(1, x);
    EXPECT_TRUE(ThrowsInvalidArg([&] { a.GetAt(0); }));
}
