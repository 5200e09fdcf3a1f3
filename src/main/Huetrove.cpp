// Program entry: the application object, the windows in their order, the message loop.
#include <windows.h>

#include <cstdlib>
#include <exception>

#include "about/Unit3.h"
#include "framework/Application.h"
#include "framework/SystemLibrary.h"
#include "main/StartupMarks.h"
#include "main/Unit1.h"
#include "picker/Unit2.h"
#include "settings/Unit5.h"

#if defined(__GLIBCXX__)
// An exception that escapes every handler ends the program at once. The runtime's own
// handler would print the exception's demangled type to a console this program does
// not have, and would bring the whole C++ name demangler into the executable for it.
void __gnu_cxx::__verbose_terminate_handler() {
    std::abort();
}
#endif

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Before any library is loaded: a file planted beside the program (a download
    // folder holds anything) must never stand in for a system library. The program
    // imports only Windows' known libraries, which never come from its folder, so
    // nothing was looked for there before this point.
    fw::RestrictLibrarySearchToSystem();
    fw::AnchorSystemLibraries();
    huetrove::MarkStartup(huetrove::TStartupMark::WinMain);
    fw::TApplication& application = fw::Application();
    // Errors in handlers are shown where they happen; one that escapes all of them
    // (a form that cannot be built at all) is shown here rather than left to the system.
    try {
        application.Initialize();
        application.SetTitle("Huetrove v1.0");
        TMainForm* mainForm = application.CreateForm<TMainForm>();
        application.CreateForm<TColorPickForm>()->OnPick = [mainForm](fw::TColor pixel) {
            mainForm->FinishScreenPick(pixel);
        };
        huetrove::MarkStartup(huetrove::TStartupMark::PickFormBuilt);
        application.CreateForm<TFormAbout>();
        huetrove::MarkStartup(huetrove::TStartupMark::AboutFormBuilt);
        application.CreateForm<TFormPreferences>();
        huetrove::MarkStartup(huetrove::TStartupMark::PreferencesFormBuilt);
        application.Run();
    } catch (...) {
        application.HandleException();
        return 1;
    }
    return 0;
}
