#include "framework/Application.h"

#include <algorithm>
#include <exception>

#include "framework/CommonControls.h"
#include "framework/ErrorText.h"
#include "framework/Exception.h"
#include "framework/Form.h"
#include "framework/RichEdit.h"

namespace fw {

TApplication& Application() {
    static TApplication application;
    return application;
}

TApplication::TApplication() : TComponent(nullptr) {}

TApplication::~TApplication() {
    DestroyComponents();
    if (handle_)
        DestroyWindow(handle_);
}

void TApplication::Initialize() {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    if (const auto initialize = CommonControls().initCommonControlsEx)
        initialize(&icc);
    LoadRichEditLibrary();

    RegisterWindowClasses();
    // A window of no size in the middle of the screen: only its taskbar button is seen.
    CreateBound({.className = kApplicationClass,
                 .text = title_.c_str(),
                 .style = WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                 .left = GetSystemMetrics(SM_CXSCREEN) / 2,
                 .top = GetSystemMetrics(SM_CYSCREEN) / 2});
}

void TApplication::SetTitle(const std::string& title) {
    title_ = title;
    if (handle_)
        SetWindowTextA(handle_, title.c_str());
}

void TApplication::AfterFormCreated(TForm* form) {
    form->DoCreate();
    if (!mainForm_)
        mainForm_ = form;
}

TForm* TApplication::FormOfWindow(HWND wnd) const {
    HWND root = GetAncestor(wnd, GA_ROOT);
    for (TForm* form : forms_)
        if (form->Handle() == root)
            return form;
    return nullptr;
}

// cppcheck-suppress constParameter ; the form is only compared, and callers hold it as TForm*
void TApplication::MainFormDestroying(TForm* form) {
    if (mainForm_ == form) {
        mainForm_ = nullptr;
        Terminate();
    }
}

void TApplication::Run() {
    if (mainForm_ && ShowMainForm)
        mainForm_->Show();
    while (!terminated_ && HandleMessage()) {
    }
    // The forms go while the message queue still exists: newest first, the main form last.
    DestroyComponents();
}

bool TApplication::HandleMessage() {
    MSG msg;
    if (GetMessageA(&msg, nullptr, 0, 0) == -1) {
        terminated_ = true;
        return false;
    }
    return Dispatch(msg);
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE) && Dispatch(msg)) {
    }
}

bool TApplication::Dispatch(MSG& msg) {
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        PostQuitMessage(static_cast<int>(msg.wParam));  // the outer loop must see it too
        return false;
    }
    if (!PreTranslate(msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return true;
}

bool TApplication::PreTranslate(MSG& msg) {
    if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST)
        return false;
    TForm* form = FormOfWindow(msg.hwnd);
    if (!form || !IsWindowEnabled(form->Handle()))
        return false;
    bool handled = false;
    Guarded([&]() -> LRESULT {
        handled = form->HandleShortCut(msg);
        return 0;
    });
    if (handled)
        return true;
    return form->DialogKeys && IsDialogMessageA(form->Handle(), &msg);
}

void TApplication::Terminate() {
    terminated_ = true;
    PostQuitMessage(0);
}

void TApplication::HandleException() {
    try {
        throw;
    } catch (const std::exception& e) {
        ShowException(e.what());
    } catch (...) {
        ShowException("Unknown error");
    }
}

void TApplication::ShowException(const std::string& message) {
    ShowMessageBox(handle_, ErrorBoxText(message), title_, MB_OK | MB_ICONSTOP);
}

int TApplication::ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags) {
    TModalLoop modal;
    return MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
}

namespace {

struct ModalSearch {
    HWND application;
    HWND found;
};

BOOL CALLBACK FindModalWindow(HWND wnd, LPARAM data) {
    auto* search = reinterpret_cast<ModalSearch*>(data);
    char className[32] = {};
    GetClassNameA(wnd, className, sizeof className);
    // The others are disabled while a modal window is up; tooltips and menus come and go.
    if (wnd == search->application || !IsWindowVisible(wnd) || !IsWindowEnabled(wnd) ||
        lstrcmpiA(className, TOOLTIPS_CLASSA) == 0 || lstrcmpA(className, "#32768") == 0)
        return TRUE;
    search->found = wnd;
    return FALSE;
}

}  // namespace

HWND TApplication::ModalWindow() const {
    if (modalDepth_ <= 0)
        return nullptr;
    // The thread's top-level windows come in z-order: the first one that still takes
    // input is the modal window on top (a message box over a dialog, say).
    ModalSearch search{handle_, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), &FindModalWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool TApplication::ActivateModalWindow() const {
    if (modalDepth_ <= 0)
        return false;
    if (HWND modal = ModalWindow())
        SetForegroundWindow(modal);
    return true;
}

void TApplication::UpdateVisible() {
    if (!handle_)
        return;
    bool any = std::any_of(forms_.begin(), forms_.end(), [](TForm* f) { return f->Visible(); });
    // Showing a window that is already shown still moves it to the top, with a round of
    // position messages to it and to the windows it owns.
    if (any != (IsWindowVisible(handle_) != FALSE))
        ShowWindow(handle_, any ? SW_SHOWNA : SW_HIDE);
}

void TApplication::Minimize() {
    if (minimized_)
        return;
    minimized_ = true;
    ShowWindow(handle_, SW_MINIMIZE);
    ShowForms(SW_HIDE);
}

void TApplication::Restore() {
    if (!minimized_)
        return;
    minimized_ = false;
    ShowWindow(handle_, SW_RESTORE);
    ShowForms(SW_SHOW);
    if (mainForm_ && mainForm_->Visible())
        SetForegroundWindow(mainForm_->Handle());
}

void TApplication::ShowForms(int command) {
    // The forms keep their visibility; they only leave the screen with the application.
    for (TForm* form : forms_) {
        if (form->Visible() && form->Handle())
            ShowWindow(form->Handle(), command);
    }
}

LRESULT TApplication::WindowMessage(HWND, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_SYSCOMMAND:
            switch (wParam & 0xFFF0) {
                case SC_CLOSE:
                    // The taskbar button's close command closes the main form.
                    if (mainForm_)
                        mainForm_->Close();
                    return 0;
                case SC_MINIMIZE:
                    Minimize();
                    return 0;
                case SC_RESTORE:
                    Restore();
                    return 0;
                default:
                    break;
            }
            break;
        case WM_SIZE:
            if (wParam == SIZE_RESTORED && minimized_)
                Restore();
            break;
        case WM_SETFOCUS:
            if (mainForm_ && mainForm_->Visible() && IsWindowEnabled(mainForm_->Handle())) {
                SetFocus(mainForm_->Handle());
                return 0;
            }
            break;
        case WM_CLOSE:
            // A close request from outside (a task manager, taskkill without /F) ends the
            // program as its own exit command does. Left to the system, this window would
            // go with every form it owns, and the loop would run on with nothing to show.
            if (mainForm_)
                mainForm_->ExitRequested();
            else
                Terminate();
            return 0;
        case WM_DESTROY:
            // Gone all the same: the program has no window left to live in.
            Terminate();
            break;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            // Logging off ends the loop at once; no close handler runs.
            if (wParam)
                Terminate();
            return 0;
        default:
            break;
    }
    return DefWindowProcA(handle_, msg, wParam, lParam);
}

}  // namespace fw
