#include "platform/keyboardlayouts.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using namespace zuk::platform;

TEST(KeyboardLayouts, WithoutAnXServerThereAreNoneAndNothingToActivate)
{
    const char* old = std::getenv("DISPLAY");
    const std::string saved = old ? old : "";
    unsetenv("DISPLAY");
    EXPECT_TRUE(keyboardLayoutNames().empty());
    EXPECT_FALSE(activateKeyboardLayout(0));
    EXPECT_FALSE(activateKeyboardLayout(-1));
    if (old)
        setenv("DISPLAY", saved.c_str(), 1);
}
