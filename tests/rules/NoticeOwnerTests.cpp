#include "app/Notice.h"

#include <gtest/gtest.h>

TEST(NoticeOwner, TheForegroundWindowWhenItBelongsToThisProcess)
{
    HWND window = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x1234));
    const struct {
        HWND foreground;
        DWORD foregroundProcessId;
        HWND expected;
    } table[] = {
        { window, 42, window }, // whichever thread of this process made it
        { window, 43, NULL },   // another program's window
        { window, 0, NULL },    // a window gone before its process could be asked
        { NULL, 0, NULL },      // no foreground window at all
        { NULL, 42, NULL },
    };
    for (const auto& row : table)
        EXPECT_EQ(row.expected, NoticeOwner(row.foreground, row.foregroundProcessId, 42));
}
