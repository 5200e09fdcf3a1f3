#pragma once
// The framework's application object of a test process: set up by the first test that
// needs it and kept for the rest, as a program keeps its own.
#include "framework/Application.h"

inline void InitializeTestApplication(const char* title = nullptr) {
    static const bool initialized = [title] {
        fw::Application().Initialize();
        if (title)
            fw::Application().SetTitle(title);
        return true;
    }();
    (void)initialized;
}
