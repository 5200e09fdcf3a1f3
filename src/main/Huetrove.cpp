// Program entry: the application object, the windows in their order, the message loop.
#include <windows.h>

#include "framework/Application.h"
#include "main/Unit1.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    fw::TApplication& application = fw::Application();
    application.Initialize();
    application.SetTitle("Huetrove v1.0");
    application.CreateForm<TMainForm>();
    application.Run();
    return 0;
}
