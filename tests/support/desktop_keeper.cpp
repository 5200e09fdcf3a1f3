// Keeps a Wine session's virtual desktop alive from the session's start to its end.
//
// Wine closes a desktop one second after the last program that uses it has ended, and
// the owner of the desktop window does not count. A program that starts while the old
// desktop is closing can fail before its first line of output. Tests run one after
// another, so the gap between two of them must never end the desktop: this program is
// a user of the desktop for as long as the session lives (wine-env.sh stop ends it with
// the rest of the prefix). It makes no window of its own, so no test can see it.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // Asking for the desktop window attaches this process to the desktop and starts the
    // desktop's own process, so the first test does not pay for it.
    if (!GetDesktopWindow())
        return 1;
    Sleep(INFINITE);
    return 0;
}
