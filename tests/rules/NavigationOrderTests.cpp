#include "app/Navigation.h"

#include <gtest/gtest.h>

// Plain handles stand for the five tab stops in creation order, and one control that is none.
static HWND Handle(int n)
{
    return reinterpret_cast<HWND>(static_cast<INT_PTR>(n));
}

TEST(FocusOrder, NextAndPrevious)
{
    const std::vector<HWND> stops = { Handle(1), Handle(2), Handle(3), Handle(4), Handle(5) };
    const HWND notATabStop = Handle(9);
    const struct {
        HWND current;
        HWND next;
        HWND previous;
    } table[] = {
        { NULL, Handle(1), Handle(5) },          // nothing focused yet
        { Handle(1), Handle(2), Handle(5) },     // the first wraps backwards
        { Handle(3), Handle(4), Handle(2) },
        { Handle(5), Handle(1), Handle(4) },     // the last wraps forwards
        { notATabStop, NULL, Handle(5) },        // forwards: nothing; backwards: the last
    };
    for (const auto& row : table) {
        EXPECT_EQ(row.next, NextTabStop(stops, row.current)) << row.current;
        EXPECT_EQ(row.previous, PreviousTabStop(stops, row.current)) << row.current;
    }
}

TEST(FocusOrder, NoTabStops)
{
    const std::vector<HWND> none;
    EXPECT_EQ(NULL, NextTabStop(none, NULL));
    EXPECT_EQ(NULL, PreviousTabStop(none, Handle(1)));
}

TEST(FocusOrder, SingleTabStopWrapsToItself)
{
    const std::vector<HWND> one = { Handle(7) };
    EXPECT_EQ(Handle(7), NextTabStop(one, Handle(7)));
    EXPECT_EQ(Handle(7), PreviousTabStop(one, Handle(7)));
}
