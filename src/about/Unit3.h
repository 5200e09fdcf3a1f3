#pragma once
// The About window: title, version, copyright, the licence link and the free physical
// memory, refreshed each time the window becomes active.
#include "framework/Bevel.h"
#include "framework/Button.h"
#include "framework/Form.h"
#include "framework/Image.h"
#include "framework/Label.h"
#include "framework/Panel.h"

class TFormAbout : public fw::TForm {
public:
    explicit TFormAbout(fw::TComponent* owner);

    fw::TPanel* Panel1 = nullptr;
    fw::TImage* Image1 = nullptr;
    fw::TLabel* Label1 = nullptr;
    fw::TBevel* Bevel1 = nullptr;
    fw::TLabel* Label2 = nullptr;
    fw::TLabel* Label3 = nullptr;
    fw::TBevel* Bevel2 = nullptr;
    fw::TLabel* Label5 = nullptr;
    fw::TBevel* Bevel3 = nullptr;
    fw::TLabel* AvailableMemory = nullptr;
    fw::TButton* Button1 = nullptr;

    void FormActivate(fw::TComponent* Sender);
    void Button1Click(fw::TComponent* Sender);
    void Label5Click(fw::TComponent* Sender);
};

extern TFormAbout* FormAbout;
