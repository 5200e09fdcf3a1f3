// Program entry: the application object, the windows in their order, the message loop.
#include <windows.h>

#include "about/Unit3.h"
#include "framework/Application.h"
#include "framework/StartupMarks.h"
#include "main/Unit1.h"
#include "picker/Unit2.h"
#include "settings/Unit5.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    fw::MarkStartup(fw::TStartupMark::WinMain);
    fw::TApplication& application = fw::Application();
    application.Initialize();
    application.SetTitle("Huetrove v1.0");
    application.CreateForm<TMainForm>();
    application.CreateForm<TColorPickForm>();
    fw::MarkStartup(fw::TStartupMark::PickFormBuilt);
    application.CreateForm<TFormAbout>();
    fw::MarkStartup(fw::TStartupMark::AboutFormBuilt);
    application.CreateForm<TFormPreferences>();
    fw::MarkStartup(fw::TStartupMark::PreferencesFormBuilt);
    application.Run();
    return 0;
}
