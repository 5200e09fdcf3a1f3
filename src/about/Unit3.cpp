#include "about/Unit3.h"

#include <windows.h>

#include <shellapi.h>

#include <string>

#include "about/AboutFormDescription.h"
#include "framework/Application.h"
#include "shared/CompanionFiles.h"

using fw::TComponent;

TFormAbout* FormAbout = nullptr;

namespace {

// Whole kilobytes of 1024 bytes, rounded down.
std::string AvailableMemoryText(DWORDLONG availableBytes) {
    return "Available memory : " + std::to_string(availableBytes >> 10) + " KB";
}

}  // namespace

TFormAbout::TFormAbout(TComponent* owner) : fw::TForm(owner) {
    FormAbout = this;
    Build(forms::kAboutForm);
    Panel1 = Find<fw::TPanel>("Panel1");
    Image1 = Find<fw::TImage>("Image1");
    Label1 = Find<fw::TLabel>("Label1");
    Bevel1 = Find<fw::TBevel>("Bevel1");
    Label2 = Find<fw::TLabel>("Label2");
    Label3 = Find<fw::TLabel>("Label3");
    Bevel2 = Find<fw::TBevel>("Bevel2");
    Label5 = Find<fw::TLabel>("Label5");
    Bevel3 = Find<fw::TBevel>("Bevel3");
    AvailableMemory = Find<fw::TLabel>("AvailableMemory");
    Button1 = Find<fw::TButton>("Button1");
}

void TFormAbout::FormActivate(TComponent*) {
    Label1->SetCaption(fw::Application().Title());
    // The 64-bit status: the 32-bit record stops at 4 GiB, which any machine of today
    // exceeds.
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    GlobalMemoryStatusEx(&status);
    AvailableMemory->SetCaption(AvailableMemoryText(status.ullAvailPhys));
}

void TFormAbout::Button1Click(TComponent*) {
    ModalResult = fw::mrCancel;
}

void TFormAbout::Label5Click(TComponent*) {
    const std::wstring licence = huetrove::FindCompanionFile(L"license.txt");
    if (licence.empty())
        return;  // nothing to show, and nothing the user could do about it here
    // The shell's own failure is not reported either; the window stays open.
    ShellExecuteW(fw::Application().Handle(), L"open", licence.c_str(), L"", L"", SW_SHOWNORMAL);
}
