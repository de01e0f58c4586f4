#pragma once
#include <gtest/gtest.h>

#include "fakes/fake_windows.h"
#include "platform/platform.h"
#include "state/program_state.h"

namespace namer {

// A fresh program state with its pattern objects, and the in-memory window toolkit with the handler under test
// bound to the created event of its window.
class FillFixture : public ::testing::Test {
protected:
    FillFixture() : scope_(Platform{nullptr, nullptr, &windows, nullptr}) {
        release_program_state();
        create_state_objects();
    }
    ~FillFixture() override { release_program_state(); }

    ProgramState& state() { return program_state(); }

    FakeWindows windows;

private:
    PlatformScope scope_;
};

} // namespace namer
