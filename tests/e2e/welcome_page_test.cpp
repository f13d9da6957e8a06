// tests/e2e/welcome_page_test.cpp
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "payloads/shell/bitmap_file.h"
#include "resources/install_contract.h"
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

// The display's dots per inch, checked against what the run expects (the test prefix at 96;
// tests/e2e/high_dpi_check at 144 too, where TVL_EXPECTED_DPI says so).
int DisplayDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    const char* expected = std::getenv("TVL_EXPECTED_DPI");
    EXPECT_EQ(dpi, expected != nullptr ? std::atoi(expected) : 96);
    return dpi;
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
    const int dpi = DisplayDpi();
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
    HDC screen = GetDC(nullptr);
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

const char kPictureName[] = "a long walk by the river at dusk.bmp";

// The shell beside its plug-in and presets, as the installer lays them out, in a folder of its own,
// and a picture whose path is far longer than the shell's window is wide.
class ShellFolder {
public:
    ShellFolder() {
        RemoveFromDriveC("tvl-shell-dpi");
        const std::string from = TVL_PAYLOAD_DIR "\\";
        const std::string to = kFolder;
        const std::string plugins = to + contract::kShellPluginFolder;
        const std::string presets = to + contract::kPresetsFolder;
        ready_ =
            CreateDirectoryA(kFolder, nullptr) && CreateDirectoryA(plugins.c_str(), nullptr) &&
            CreateDirectoryA(presets.c_str(), nullptr) &&
            CopyFileA((from + contract::kShellFile).c_str(), Program().c_str(), FALSE) &&
            CopyFileA((from + contract::kPluginBaseName + ".dll").c_str(),
                      (plugins + contract::kPluginBaseName + "." + contract::kShellPluginExtension)
                          .c_str(),
                      FALSE) &&
            CopyFileA((from + contract::kPresetsFile).c_str(),
                      (presets + contract::kPresetsFile).c_str(), FALSE);
        std::string folder = to;
        for (const char* name : {"pictures of the whole year, sorted by month and day",
                                 "and then by the place and people",
                                 "where each of them was taken, from north to south by day"}) {
            folder += std::string(name) + "\\";
            ready_ = ready_ && CreateDirectoryA(folder.c_str(), nullptr);
        }
        picture_ = folder + kPictureName;
        Image image;
        image.width = 16;
        image.height = 12;
        image.bgra.assign(16 * 12 * 4, 0x80);
        std::string error;
        ready_ = ready_ && WriteBitmap(picture_, image, error);
    }
    ShellFolder(const ShellFolder&) = delete;
    ShellFolder& operator=(const ShellFolder&) = delete;
    ~ShellFolder() { RemoveFromDriveC("tvl-shell-dpi"); }
    bool Ready() const { return ready_; }
    std::string Program() const { return std::string(kFolder) + contract::kShellFile; }
    const std::string& Picture() const { return picture_; }

private:
    static constexpr char kFolder[] = "C:\\tvl-shell-dpi\\";
    bool ready_ = false;
    std::string picture_;
};

LONG Width(const RECT& box) {
    return box.right - box.left;
}
LONG Height(const RECT& box) {
    return box.bottom - box.top;
}

// The box around the pixels of area (in source's coordinates) darker than mid-grey: the ink of
// dark text on a light face. Empty (right <= left) when there is none.
RECT InkBox(HDC source, const RECT& area) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = Width(area);
    info.bmiHeader.biHeight = -Height(area);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC memory = CreateCompatibleDC(source);
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    RECT box{Width(area), Height(area), 0, 0};
    if (bitmap != nullptr) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, Width(area), Height(area), source, area.left, area.top, SRCCOPY);
        GdiFlush();
        const auto* pixels = static_cast<const std::uint32_t*>(bits);
        for (LONG y = 0; y < Height(area); ++y) {
            for (LONG x = 0; x < Width(area); ++x) {
                const std::uint32_t pixel = pixels[y * Width(area) + x];
                if ((pixel & 0xFF) + ((pixel >> 8) & 0xFF) + ((pixel >> 16) & 0xFF) < 3 * 128) {
                    box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                           std::max(box.bottom, y + 1)};
                }
            }
        }
        SelectObject(memory, previous);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    return box;
}

// The ink of text drawn on one line in font, black on white.
RECT TextInk(HFONT font, const std::string& text) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ previousFont = SelectObject(memory, font);
    SIZE extent{};
    GetTextExtentPoint32A(memory, text.c_str(), static_cast<int>(text.size()), &extent);
    RECT area{0, 0, extent.cx + 20, extent.cy + 20};
    HBITMAP bitmap = CreateCompatibleBitmap(screen, Width(area), Height(area));
    HGDIOBJ previousBitmap = SelectObject(memory, bitmap);
    FillRect(memory, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetTextColor(memory, RGB(0, 0, 0));
    SetBkMode(memory, TRANSPARENT);
    TextOutA(memory, 10, 10, text.c_str(), static_cast<int>(text.size()));
    const RECT ink = InkBox(memory, area);
    SelectObject(memory, previousBitmap);
    SelectObject(memory, previousFont);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return ink;
}

// A control's text as drawn: a mnemonic's "&" is an underline, not a character.
std::string ShownText(HWND control) {
    std::string text(256, '\0');
    const LRESULT length = SendMessageA(control, WM_GETTEXT, static_cast<WPARAM>(text.size()),
                                        reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    text.erase(std::remove(text.begin(), text.end(), '&'), text.end());
    return text;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

// The text of a control, or of a line of a list, shown in the display's message font and whole:
// the ink on screen in area (screen coordinates) is as wide as the same text drawn in that font
// here, and no lower (a line cut at the bottom, or wrapped out of sight, is narrower or lower).
// The ink tells the font too: WM_GETFONT, asked from another process, answers null under Wine,
// and the font of another process is no use here anyway.
void ExpectWholeText(HDC screen, HFONT font, const RECT& area, const std::string& text,
                     const std::string& what) {
    const RECT shown = InkBox(screen, area);
    const RECT expected = TextInk(font, text);
    std::printf("  \"%s\": ink %ldx%ld on screen, %ldx%ld in the message font\n", text.c_str(),
                Width(shown), Height(shown), Width(expected), Height(expected));
    EXPECT_NEAR(Width(shown), Width(expected), 2) << what;
    EXPECT_GE(Height(shown), Height(expected) - 1) << what;
}

// The shell at the display's own scale (tests/e2e/high_dpi_check runs it at 96 and at 144 dots
// per inch and compares the control sizes printed here): every control holds its text whole, in
// the display's message font at the window's dots per inch. Its title names the picture it was
// started with, whose long path the status line shortens in the middle; made as small as it
// goes, the window still holds every control whole.
TEST(ShellWindow, ShowsEveryTextWholeAtTheDisplaysScale) {
    const int dpi = DisplayDpi();
    ShellFolder folder;
    ASSERT_TRUE(folder.Ready());
    std::printf("picture path of %zu characters\n", folder.Picture().size());
    InstallerProcess shell(folder.Program(), "\"" + folder.Picture() + "\"");
    const std::string title = std::string(kPictureName) + " - Tarvelle Shell";
    HWND window = WaitForWindow(shell, "TarvelleShell", title.c_str());
    ASSERT_NE(window, nullptr) << "the shell did not open its window titled \"" << title << "\"";
    EXPECT_EQ(GetDpiForWindow(window), static_cast<UINT>(dpi));
    // All of it on the screen, where its pixels can be read.
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    std::this_thread::sleep_for(500ms);  // painted
    RECT client{};
    GetClientRect(window, &client);
    std::printf("shell window client %ldx%ld at %d dpi\n", client.right, client.bottom, dpi);

    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0,
                                           static_cast<UINT>(dpi)));
    HFONT font = CreateFontIndirectW(&metrics.lfMessageFont);
    HDC screen = GetDC(nullptr);
    HGDIOBJ previousFont = SelectObject(screen, font);
    TEXTMETRICA lettering{};
    GetTextMetricsA(screen, &lettering);
    const auto extent = [screen](const std::string& text) {
        SIZE size{};
        GetTextExtentPoint32A(screen, text.c_str(), static_cast<int>(text.size()), &size);
        return size;
    };

    std::vector<HWND> controls;
    EnumChildWindows(window, &CollectChild, reinterpret_cast<LPARAM>(&controls));
    EXPECT_EQ(controls.size(), 7u) << "two labels, two lists and three buttons";
    for (std::size_t i = 0; i < controls.size(); ++i) {
        HWND control = controls[i];
        const std::string type = ClassName(control);
        RECT frame{};
        GetWindowRect(control, &frame);
        RECT inside{};
        GetClientRect(control, &inside);
        std::printf("shell control %zu %ldx%ld %s\n", i, Width(frame), Height(frame), type.c_str());
        const std::string what = type + " " + std::to_string(i);
        if (lstrcmpiA(type.c_str(), "ListBox") == 0) {
            const LRESULT lineHeight = SendMessageA(control, LB_GETITEMHEIGHT, 0, 0);
            EXPECT_GE(lineHeight, lettering.tmHeight) << what;
            const std::vector<ListLine> lines =
                ListLines(GetParent(control), GetDlgCtrlID(control));
            ASSERT_FALSE(lines.empty()) << what << ": the plug-in and the presets are listed";
            LONG widest = 0;
            for (const ListLine& line : lines) {
                widest = std::max(widest, extent(line.text).cx);
            }
            std::printf("  widest line %ld of %ld\n", widest, inside.right);
            EXPECT_LE(widest + 2, inside.right) << what << ": a line is cut";
            const LRESULT top = SendMessageA(control, LB_GETTOPINDEX, 0, 0);
            RECT first{0, 0, inside.right, static_cast<LONG>(lineHeight)};
            MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&first), 2);
            ExpectWholeText(screen, font, first, lines[static_cast<std::size_t>(top)].text, what);
            continue;
        }
        const std::string text = ShownText(control);
        const SIZE size = extent(text);
        // A button's text keeps clear of its frame.
        const LONG margin = lstrcmpiA(type.c_str(), "Button") == 0 ? MulDiv(3, dpi, 96) : 0;
        EXPECT_LE(size.cx + 2 * margin, inside.right) << what << " \"" << text << "\"";
        EXPECT_LE(size.cy, inside.bottom) << what << " \"" << text << "\"";
        RECT area{margin, margin, inside.right - margin, inside.bottom - margin};
        MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&area), 2);
        ExpectWholeText(screen, font, area, text, what);
    }

    // The status line, level with the plug-ins' label and right of the left column: the path as
    // DrawText shortens it for that width here, its middle given up and its file name whole, and
    // no ink in the margin at the window's edge.
    const auto label = std::find_if(controls.begin(), controls.end(),
                                    [](HWND control) { return ShownText(control) == "Plug-ins:"; });
    ASSERT_NE(label, controls.end());
    RECT row{};
    GetWindowRect(*label, &row);
    POINT clientEdge{client.right, 0};
    ClientToScreen(window, &clientEdge);
    const LONG edgeMargin = MulDiv(8, dpi, 96);
    const RECT statusArea{row.right + MulDiv(12, dpi, 96), row.top, clientEdge.x, row.bottom};
    const RECT statusInk = InkBox(screen, statusArea);
    EXPECT_LE(statusInk.right, Width(statusArea) - edgeMargin)
        << "the status line runs to the window's edge";
    HDC measuring = CreateCompatibleDC(screen);
    const HGDIOBJ measuringFont = SelectObject(measuring, font);
    std::string shortened = folder.Picture() + std::string(8, '\0');
    RECT room{0, 0, Width(statusArea) - edgeMargin, Height(statusArea)};
    DrawTextA(measuring, shortened.data(), static_cast<int>(folder.Picture().size()), &room,
              DT_SINGLELINE | DT_NOPREFIX | DT_PATH_ELLIPSIS | DT_MODIFYSTRING);
    SelectObject(measuring, measuringFont);
    DeleteDC(measuring);
    shortened.resize(std::string(shortened.c_str()).size());
    ASSERT_LT(shortened.size(), folder.Picture().size()) << "the whole path fits: nothing to check";
    ASSERT_GE(shortened.size(), std::string(kPictureName).size());
    EXPECT_EQ(shortened.substr(shortened.size() - std::string(kPictureName).size()), kPictureName);
    ExpectWholeText(screen, font, statusArea, shortened, "status line");
    SelectObject(screen, previousFont);
    ReleaseDC(nullptr, screen);
    DeleteObject(font);

    // Dragged as small as it goes: every control stays whole inside the client area.
    SetWindowPos(window, nullptr, 0, 0, 200, 150, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const auto allInside = [&] {
        RECT inside{};
        GetClientRect(window, &inside);
        MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&inside), 2);
        return std::all_of(controls.begin(), controls.end(), [&](HWND control) {
            RECT place{};
            GetWindowRect(control, &place);
            return place.left >= inside.left && place.top >= inside.top &&
                   place.right <= inside.right && place.bottom <= inside.bottom;
        });
    };
    EXPECT_TRUE(WaitUntil(allInside)) << "a control is cut by the window's edge";
    RECT smallest{};
    GetWindowRect(window, &smallest);
    std::printf("shell window at its smallest %ldx%ld\n", Width(smallest), Height(smallest));
    EXPECT_GT(Width(smallest), 200);
    EXPECT_GT(Height(smallest), 150);
    if (HasFailure()) {
        SaveScreenshot("ShellWindow.ShowsEveryTextWholeAtTheDisplaysScale");
    }
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(shell.WaitForExit());
}

}  // namespace
}  // namespace e2e
