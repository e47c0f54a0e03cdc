// Restores the library's module settings around a test that changes them.
#pragma once

#include <gtest/gtest.h>

#include "colour/cie.h"

namespace qolvar::test {

class ColourSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }
    static void Reset()
    {
        CIEGamma = 2.2f;
        SetCIEWhite(0);
    }
};

}  // namespace qolvar::test
