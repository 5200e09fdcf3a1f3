// The floor a native program can reach: registers a class, shows one window, paints
// it and waits for input. The benchmark sets Huetrove's figures beside this one's.
#include "OneWindow.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    return RunOneWindow(MakeOneWindow(instance, "Minimal window"), show);
}
