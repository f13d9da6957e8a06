// tests/e2e/welcome_page_test.cpp
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

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

// A rectangle of the screen, row by row.
std::vector<COLORREF> ScreenPixels(const RECT& area) {
    HDC screen = GetDC(nullptr);
    std::vector<COLORREF> pixels;
    for (LONG y = area.top; y < area.bottom; ++y) {
        for (LONG x = area.left; x < area.right; ++x) {
            pixels.push_back(GetPixel(screen, x, y));
        }
    }
    ReleaseDC(nullptr, screen);
    return pixels;
}

// Both pictures width pixels wide: the largest difference of a channel's mean between the blocks
// of a 4 x 4 grid over all of a and the same blocks over rows [top, top + rows) of b.
int LargestBlockDifference(const std::vector<COLORREF>& a, const std::vector<COLORREF>& b,
                           LONG width, LONG top, LONG rows) {
    const LONG aRows = static_cast<LONG>(a.size()) / width;
    const auto mean = [width](const std::vector<COLORREF>& pixels, LONG x0, LONG x1, LONG y0,
                              LONG y1, int shift) {
        long sum = 0;
        for (LONG y = y0; y < y1; ++y) {
            for (LONG x = x0; x < x1; ++x) {
                sum += (pixels[y * width + x] >> shift) & 0xFF;
            }
        }
        return static_cast<int>(sum / ((x1 - x0) * (y1 - y0)));
    };
    int largest = 0;
    for (LONG i = 0; i < 4; ++i) {
        for (LONG j = 0; j < 4; ++j) {
            const LONG x0 = width * i / 4;
            const LONG x1 = width * (i + 1) / 4;
            for (int shift : {0, 8, 16}) {
                const int inA = mean(a, x0, x1, aRows * j / 4, aRows * (j + 1) / 4, shift);
                const int inB =
                    mean(b, x0, x1, top + rows * j / 4, top + rows * (j + 1) / 4, shift);
                largest = std::max(largest, std::abs(inA - inB));
            }
        }
    }
    return largest;
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
// large the scaling and the dialog font make it, and is cut to the control's proportions rather
// than stretched to them.
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
    ReleaseDC(nullptr, screen);
    const std::vector<COLORREF> whole = ScreenPixels(picture);
    long covered = 0;
    const long all = static_cast<long>(whole.size());
    for (const COLORREF pixel : whole) {
        const auto close = [](int a, int b) { return a - b <= 8 && b - a <= 8; };
        const bool isBackground = close(GetRValue(pixel), GetRValue(background)) &&
                                  close(GetGValue(pixel), GetGValue(background)) &&
                                  close(GetBValue(pixel), GetBValue(background));
        covered += isBackground ? 0 : 1;
    }
    ASSERT_GT(all, 0);
    std::printf("picture %ldx%ld, %.1f %% covered\n", picture.right - picture.left,
                picture.bottom - picture.top, 100.0 * covered / all);
    EXPECT_GE(covered * 10, all * 9) << "the picture covers less than 90 % of its control";

    // Kept in proportion when cut: with the control half as high, it shows the middle half of
    // what it showed, at the same scale, and not all of it squeezed to half its height.
    const LONG width = picture.right - picture.left;
    const LONG height = picture.bottom - picture.top;
    ASSERT_TRUE(SetWindowPos(GetDlgItem(page, IDC_SIDE_PICTURE), nullptr, 0, 0, width, height / 2,
                             SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE));
    std::this_thread::sleep_for(500ms);  // painted again
    const std::vector<COLORREF> half =
        ScreenPixels(RECT{picture.left, picture.top, picture.right, picture.top + height / 2});
    const int cut =
        LargestBlockDifference(half, whole, width, (height - height / 2) / 2, height / 2);
    const int squeezed = LargestBlockDifference(half, whole, width, 0, height);
    std::printf("half as high: block means differ by %d from the middle, by %d from all squeezed\n",
                cut, squeezed);
    EXPECT_LE(cut, 12) << "the picture is not the middle of the same picture at the same scale";
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
