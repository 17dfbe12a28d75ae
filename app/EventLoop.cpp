#include "app/EventLoop.h"

#include "app/UserInterface.h"
#include "launch/DriverPages.h"
#include "specs/SpecReport.h"

struct ControlHandler {
    int control;
    void (*handler)();
};

// Only the control's id counts, never what kind of action raised the event; any other id,
// such as a list's selection change, does nothing.
static const ControlHandler ControlHandlers[] = {
    { OpenMainboardPageButton, OpenMainboardPage },
    { OpenGraphicsPageButton, OpenGraphicsPage },
    { DetectSpecsButton, ShowSystemSpecs },
};

static void DispatchControlEvent(int control)
{
    for (const ControlHandler& entry : ControlHandlers) {
        if (entry.control == control) {
            entry.handler();
            return;
        }
    }
}

void RunEventLoop()
{
    for (;;) {
        EventKind kind = WaitEvent();
        if (kind == CloseRequest)
            return;
        if (kind == ControlEvent)
            DispatchControlEvent(EventControl());
    }
}
