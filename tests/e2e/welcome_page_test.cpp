// tests/e2e/welcome_page_test.cpp
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "resources/resource.h"
#include "tests/e2e/scenario.h"

namespace e2e {
namespace {

using namespace std::chrono_literals;

const char kWelcome[] =
    "Welcome to the Tarvelle Installer.\n\nThis program will install Tarvelle Pigmora Demo on "
    "your computer. Click 'Continue' to proceed with the Installation.";
const char kProgramFiles[] = "C:\\Program Files";

void ExpectPlace(HWND page, int id, LONG x, LONG y, LONG width, LONG height) {
    const RECT place = ControlRectInDialogUnits(page, id);
    // Pixels map back to dialog units within one unit of rounding.
    EXPECT_NEAR(place.left, x, 1) << "x of " << id;
    EXPECT_NEAR(place.top, y, 1) << "y of " << id;
    EXPECT_NEAR(place.right, width, 1) << "width of " << id;
    EXPECT_NEAR(place.bottom, height, 1) << "height of " << id;
}

using WelcomePage = InstallerScenario;

TEST_F(WelcomePage, ShowsItsTextCaptionButtonsAndIds) {
    Start();
    HWND page = WaitForPage(*installer, IDC_PAGE_TEXT, kWelcome);
    ASSERT_NE(page, nullptr) << "the welcome page did not appear";

    EXPECT_EQ(WindowText(page), "Tarvelle Installer");
    EXPECT_EQ(ClassName(page), "#32770");
    const LONG style = GetWindowLongA(page, GWL_STYLE);
    EXPECT_EQ(style & WS_POPUP, WS_POPUP);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_EQ(style & WS_SYSMENU, 0) << "a page has no close box";
    EXPECT_EQ(GetWindowLongA(page, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);

    EXPECT_EQ(ControlText(page, IDOK), "Continue>>");
    EXPECT_TRUE(ControlVisible(page, IDOK));
    EXPECT_TRUE(ControlEnabled(page, IDOK));
    EXPECT_EQ(ControlStyle(page, IDOK) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    EXPECT_EQ(ControlText(page, IDCANCEL), "Cancel");
    EXPECT_TRUE(ControlVisible(page, IDCANCEL));
    EXPECT_EQ(ControlStyle(page, IDC_SIDE_PICTURE) & SS_TYPEMASK, SS_BITMAP);
    EXPECT_NE(SendMessageA(GetDlgItem(page, IDC_SIDE_PICTURE), STM_GETIMAGE, IMAGE_BITMAP, 0), 0)
        << "bitmap 129 is shown";

    ExpectPlace(page, IDOK, 258, 177, 50, 14);
    ExpectPlace(page, IDCANCEL, 200, 177, 50, 14);
    ExpectPlace(page, IDC_SIDE_PICTURE, 0, 0, 96, 164);
    ExpectPlace(page, IDC_PAGE_TEXT, 122, 36, 163, 107);
}

// Run at the display's own scale (the test prefix at 96 dots per inch; tests/e2e/high_dpi_check
// at 144 too, where TVL_EXPECTED_DPI says so): the side picture covers its control, however
// large the scaling and the dialog font make it.
TEST_F(WelcomePage, SidePictureFillsItsControlAtTheDisplaysScale) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    const char* expected = std::getenv("TVL_EXPECTED_DPI");
    EXPECT_EQ(dpi, expected != nullptr ? std::atoi(expected) : 96);
    Start();
    HWND page = WaitForPage(*installer, IDC_PAGE_TEXT, kWelcome);
    ASSERT_NE(page, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(page) != FALSE; }));
    RECT frame{};
    GetWindowRect(page, &frame);
    std::printf("page %ldx%ld at %d dpi\n", frame.right - frame.left, frame.bottom - frame.top,
                dpi);
    RECT picture{};
    GetWindowRect(GetDlgItem(page, IDC_SIDE_PICTURE), &picture);
    RECT client{};
    GetClientRect(page, &client);
    POINT corner{client.right - 3, client.top + 3};
    ClientToScreen(page, &corner);
    std::this_thread::sleep_for(500ms);  // painted
    const COLORREF background = GetPixel(screen, corner.x, corner.y);
    long covered = 0;
    long all = 0;
    for (LONG y = picture.top; y < picture.bottom; ++y) {
        for (LONG x = picture.left; x < picture.right; ++x) {
            const COLORREF pixel = GetPixel(screen, x, y);
            const auto close = [](int a, int b) { return a - b <= 8 && b - a <= 8; };
            const bool isBackground = close(GetRValue(pixel), GetRValue(background)) &&
                                      close(GetGValue(pixel), GetGValue(background)) &&
                                      close(GetBValue(pixel), GetBValue(background));
            covered += isBackground ? 0 : 1;
            ++all;
        }
    }
    ReleaseDC(nullptr, screen);
    ASSERT_GT(all, 0);
    std::printf("picture %ldx%ld, %.1f %% covered\n", picture.right - picture.left,
                picture.bottom - picture.top, 100.0 * covered / all);
    EXPECT_GE(covered * 10, all * 9) << "the picture covers less than 90 % of its control";
    ASSERT_TRUE(Click(page, IDCANCEL));
    EXPECT_TRUE(installer->WaitForExit());
}

TEST_F(WelcomePage, CancelEndsTheRunWithNoClosingPageAndNothingWritten) {
    const auto before = FolderSnapshot(kProgramFiles);
    Start();
    HWND page = WaitForPage(*installer, IDC_PAGE_TEXT, kWelcome);
    ASSERT_NE(page, nullptr);
    ASSERT_TRUE(Click(page, IDCANCEL));
    EXPECT_TRUE(installer->WaitForExit()) << "the installer went on after Cancel";
    EXPECT_EQ(FolderSnapshot(kProgramFiles), before);
}

TEST_F(WelcomePage, EscapeCancelsLikeTheButton) {
    Start();
    HWND page = WaitForPage(*installer, IDC_PAGE_TEXT, kWelcome);
    ASSERT_NE(page, nullptr);
    ASSERT_TRUE(PressKey(page, VK_ESCAPE));
    EXPECT_TRUE(installer->WaitForExit()) << "Escape did not end the run";
}

}  // namespace
}  // namespace e2e
