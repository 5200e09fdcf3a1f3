#include "about/Unit3.h"

#include <windows.h>

#include <string>

#include "about/AboutFormDescription.h"
#include "framework/Application.h"
#include "framework/Shell.h"
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
    fw::ShellOpen(fw::Application().Handle(), licence.c_str());
}
