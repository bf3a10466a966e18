#include "platform/library.h"

#include <gtest/gtest.h>

TEST(Library, WindowsNamesMapToSharedObjects) {
    EXPECT_EQ(platform::NativeLibraryName("Engine.dll"), "libEngine.so");
    EXPECT_EQ(platform::NativeLibraryName("TONMARK.DLL"), "libTONMARK.so");
    EXPECT_EQ(platform::NativeLibraryName("plain"), "libplain.so");
}

TEST(Library, MissingLibraryAndOrdinalGiveNull) {
    EXPECT_EQ(platform::LoadLibrary("NoSuchLibrary.dll"), nullptr);
    EXPECT_EQ(platform::GetProcAddress(nullptr, 1), nullptr);
}
