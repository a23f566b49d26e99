#include <gtest/gtest.h>
#include "afx.h"

TEST(CString, CopiesShareUntilWritten)
{
    CString a("hello");
    CString b(a);
    EXPECT_EQ(a.GetString(), b.GetString());
    b.SetAt(0, 'j');
    EXPECT_STREQ("hello", a);
    EXPECT_STREQ("jello", b);
}
