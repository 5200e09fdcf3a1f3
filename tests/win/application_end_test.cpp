// The application window destroyed from outside the program's own exit: the message
// loop must end rather than run on with no window to live in. A process of its own,
// since the loop runs once per process.
#include <gtest/gtest.h>
#include <windows.h>

#include "framework/Application.h"

namespace {

bool loopEndedByItself = true;

void CALLBACK DestroyApplicationWindow(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    DestroyWindow(fw::Application().Handle());
}

// The deadline: a loop still running by now would never have ended.
void CALLBACK GiveUp(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    loopEndedByItself = false;
    fw::Application().Terminate();
}

}  // namespace

TEST(ApplicationEnd, ALoopWhoseApplicationWindowIsDestroyedEnds) {
    fw::TApplication& application = fw::Application();
    application.Initialize();
    ASSERT_TRUE(IsWindow(application.Handle()));
    SetTimer(nullptr, 0, 50, &DestroyApplicationWindow);
    const UINT_PTR deadline = SetTimer(nullptr, 0, 10000, &GiveUp);
    application.Run();
    KillTimer(nullptr, deadline);
    EXPECT_TRUE(loopEndedByItself) << "the message loop ran on after the application window was destroyed";
    EXPECT_FALSE(IsWindow(application.Handle()));
}
