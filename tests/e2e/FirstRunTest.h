#pragma once
// A test of the program as on its first run: no settings, so the web colours are on show,
// started afresh for each case; the screen is kept when a case fails.
#include <gtest/gtest.h>

#include <memory>

#include "HuetroveWindow.h"

namespace harness {

class FirstRunTest : public testing::Test {
protected:
    static void SetUpTestSuite() { DeleteRegistryKey(kSettingsKey); }

    void SetUp() override { app = std::make_unique<Huetrove>(ProgramDirectory()); }

    void TearDown() override {
        SaveScreenOnFailure();
        app.reset();
    }

    std::unique_ptr<Huetrove> app;
};

}  // namespace harness
