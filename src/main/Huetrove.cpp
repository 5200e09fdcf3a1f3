// Program entry: the application object, the windows in their order, the message loop.
#include <windows.h>

#include "about/Unit3.h"
#include "framework/Application.h"
#include "main/Unit1.h"
#include "picker/Unit2.h"
#include "settings/Unit5.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    fw::TApplication& application = fw::Application();
    // Errors in handlers are shown where they happen; one that escapes all of them
    // (a form that cannot be built at all) is shown here rather than left to the system.
    try {
        application.Initialize();
        application.SetTitle("Huetrove v1.0");
        application.CreateForm<TMainForm>();
        application.CreateForm<TColorPickForm>();
        application.CreateForm<TFormAbout>();
        application.CreateForm<TFormPreferences>();
        application.Run();
    } catch (...) {
        application.HandleException();
        return 1;
    }
    return 0;
}
