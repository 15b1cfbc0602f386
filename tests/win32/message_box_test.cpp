// The real message box where none can be shown: the question is still printed, and the
// answer is that of a failed Windows message box, which the start-up takes as No.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "sdl_system.h"

namespace {

// Hides one environment variable for the life of the object.
class HiddenVariable {
public:
    explicit HiddenVariable(const char* name) : name_(name)
    {
        if (const char* value = std::getenv(name)) saved_ = value;
        unsetenv(name);
    }
    ~HiddenVariable()
    {
        if (saved_) setenv(name_, saved_->c_str(), 1);
    }

private:
    const char* name_;
    std::optional<std::string> saved_;
};

TEST(SdlMessageBox, WithNoDisplayAnswersZeroAndPrintsTheText)
{
    HiddenVariable x11("DISPLAY");
    HiddenVariable wayland("WAYLAND_DISPLAY");
    win32::SdlSystem system;
    testing::internal::CaptureStderr();
    const int answer = system.MessageBox(nullptr, "Full screen?", "Screen", MB_YESNO);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "[Screen] Full screen?\n");
    EXPECT_EQ(answer, 0);
}

}  // namespace
