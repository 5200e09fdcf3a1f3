#pragma once
// Tests of the program as on its first run: no settings before a case and none left after
// it, and the screen kept when a case fails. A HuetroveTest starts the program when the
// case says (after storing settings, or from another folder); a FirstRunTest starts it
// afresh for each case, so the web colours are on show.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "HuetroveDriver.h"

namespace harness {

class HuetroveTest : public testing::Test {
protected:
    void SetUp() override { RemoveAllSettings(); }

    void TearDown() override {
        SaveScreenOnFailure(screenSuffix);
        program.reset();
        app.reset();
        RemoveAllSettings();
    }

    // Starts the program, by default the build's in its own folder, and waits for its main window.
    Huetrove& Start(const std::string& workingDirectory = ProgramDirectory(), const std::string& exe = {}) {
        app = std::make_unique<Huetrove>(workingDirectory, exe);
        return *app;
    }

    std::unique_ptr<Huetrove> app;
    // A program a case starts itself, to meet a box it shows before its main window.
    std::optional<Process> program;
    std::string screenSuffix;  // tells the screens of one case's runs apart
};

class FirstRunTest : public HuetroveTest {
protected:
    void SetUp() override {
        HuetroveTest::SetUp();
        Start();
    }
};

}  // namespace harness
