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

    fw::TPanel* Panel1;
    fw::TImage* Image1;
    fw::TLabel* Label1;
    fw::TBevel* Bevel1;
    fw::TLabel* Label2;
    fw::TLabel* Label3;
    fw::TBevel* Bevel2;
    fw::TLabel* Label5;
    fw::TBevel* Bevel3;
    fw::TLabel* AvailableMemory;
    fw::TButton* Button1;

    void FormActivate(fw::TComponent* Sender);
    void Button1Click(fw::TComponent* Sender);
    void Label5Click(fw::TComponent* Sender);
};

extern TFormAbout* FormAbout;
