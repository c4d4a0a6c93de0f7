// A library of a name Windows lacks, beside the program (as in a downloads
// folder), is loaded from there by name until the start-up limits the search.
#include <gtest/gtest.h>
#include <windows.h>

#include "host/win32/win32_toolkit.h"

namespace quillory::gui {
namespace {

TEST(LibrarySearch, LeavesOutTheProgramsFolderOnceLimited) {
    HMODULE planted = LoadLibraryW(L"quillory_planted.dll");
    ASSERT_NE(planted, nullptr) << "no quillory_planted.dll beside the test program";
    FreeLibrary(planted);
    win32::limitLibrarySearch();
    EXPECT_EQ(LoadLibraryW(L"quillory_planted.dll"), nullptr);
}

}  // namespace
}  // namespace quillory::gui
