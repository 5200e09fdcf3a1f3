#pragma once
// The application object: title, the hidden application window whose visibility is the
// program's taskbar button, the forms, the message loop and the standard error box.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/Component.h"
#include "framework/Types.h"
#include "framework/Window.h"

namespace fw {

class TForm;

class TApplication : public TComponent, public TWindowTarget {
public:
    TApplication();
    ~TApplication() override;

    // Registers the window classes, loads the common controls and the rich edit
    // library, and creates the application window.
    void Initialize();

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title);
    HWND Handle() const { return handle_; }

    TForm* MainForm() const { return mainForm_; }
    // When false, Run does not show the main form (a program that starts in the tray).
    bool ShowMainForm = true;

    // Creates a form owned by the application; the first one created becomes the main form.
    template <typename T>
    T* CreateForm() {
        T* form = new T(this);
        AfterFormCreated(form);
        return form;
    }

    void Run();
    void ProcessMessages();
    void Terminate();
    bool Terminated() const { return terminated_; }

    // Shows the standard error box for the exception being handled (call inside a catch).
    void HandleException();
    void ShowException(const std::string& message);
    // A message box of the program: counted as a modal window while it is up.
    int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags);

    // Modal windows of the program (a form shown modally, a system dialog, a message
    // box) are counted while their loops run; see TModalLoop.
    void BeginModal() { ++modalDepth_; }
    void EndModal() { --modalDepth_; }
    // The modal window on top while one is up, else null.
    HWND ModalWindow() const;
    // Brings the modal window on top to the front. False when none is up.
    bool ActivateModalWindow() const;

    // Keeps the taskbar button in step with the forms: shown while any form is visible.
    void UpdateVisible();
    void Minimize();
    void Restore();

    // Bookkeeping the forms use.
    void AddForm(TForm* form) { forms_.push_back(form); }
    void RemoveForm(TForm* form) { std::erase(forms_, form); }
    const std::vector<TForm*>& Forms() const { return forms_; }
    TForm* FormOfWindow(HWND wnd) const;
    void MainFormDestroying(TForm* form);

    // One message of the loop, with shortcuts and dialog keys applied first. False when
    // the queue held WM_QUIT (which is left for the outermost loop to see again).
    bool HandleMessage();

private:
    void AfterFormCreated(TForm* form);
    bool PreTranslate(MSG& msg);
    // One message from the queue; false for WM_QUIT, which is posted again.
    bool Dispatch(MSG& msg);
    void ShowForms(int command);
    void Attached(HWND wnd) override { handle_ = wnd; }
    void Detached() override { handle_ = nullptr; }
    LRESULT WindowMessage(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    std::string title_;
    HWND handle_ = nullptr;
    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
    bool minimized_ = false;
    int modalDepth_ = 0;
    std::vector<TForm*> forms_;
};

// The single application object of the process.
TApplication& Application();

// Marks the span of a modal loop: while one runs, commands that would open another
// modal window bring this one forward instead.
class TModalLoop {
public:
    TModalLoop() { Application().BeginModal(); }
    ~TModalLoop() { Application().EndModal(); }
    TModalLoop(const TModalLoop&) = delete;
    TModalLoop& operator=(const TModalLoop&) = delete;
};

// Every window procedure of the framework runs its handlers through this, so an error
// never crosses into the system: it ends the handler and shows the error box.
template <typename F>
LRESULT Guarded(F&& body, LRESULT onError = 0) {
    try {
        return body();
    } catch (...) {
        Application().HandleException();
        return onError;
    }
}

}  // namespace fw
