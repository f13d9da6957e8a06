// tests/unit/message_page_test.cpp
// The page classes on their real templates, in this process under Wine.
#include "pages/message_page.h"

#include <gtest/gtest.h>

#include <string>

#include "resources/resource.h"
#include "support/exception.h"

namespace {

std::string ItemText(HWND page, int id) {
    char text[512] = {};
    GetDlgItemTextA(page, id, text, sizeof text);
    return text;
}

// The page itself is not shown here, so ask for the control's own visibility.
bool ItemVisible(HWND page, int id) {
    return (GetWindowLongA(GetDlgItem(page, id), GWL_STYLE) & WS_VISIBLE) != 0;
}

TEST(MessagePageTest, TwoButtonFormShowsTextContinueAndCancel) {
    MessagePage page("Some text\nwith %s and %n in it", false, nullptr);
    page.CreateModeless();
    HWND window = page.Window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(ItemText(window, IDC_PAGE_TEXT), "Some text\nwith %s and %n in it");
    EXPECT_EQ(ItemText(window, IDOK), "Continue>>");
    EXPECT_EQ(ItemText(window, IDCANCEL), "Cancel");
    EXPECT_TRUE(ItemVisible(window, IDCANCEL));
    EXPECT_NE(SendMessageA(window, WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(SendMessageA(window, WM_GETICON, ICON_SMALL, 0), 0);
}

TEST(MessagePageTest, OneButtonFormReadsOkAndHidesCancel) {
    MessagePage page("Thank you", true, nullptr);
    page.CreateModeless();
    HWND window = page.Window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(ItemText(window, IDOK), "OK");
    EXPECT_TRUE(ItemVisible(window, IDOK));
    EXPECT_FALSE(ItemVisible(window, IDCANCEL));
}

TEST(MessagePageTest, CancelCaptionIsReplaced) {
    MessagePage page("No host application was found.", false, "Skip");
    page.CreateModeless();
    ASSERT_NE(page.Window(), nullptr);
    EXPECT_EQ(ItemText(page.Window(), IDCANCEL), "Skip");
    EXPECT_TRUE(ItemVisible(page.Window(), IDCANCEL));
}

TEST(MessagePageTest, LongTextWrapsWithoutGrowingThePage) {
    const std::string longText(3000, 'w');
    MessagePage page(longText, false, nullptr);
    page.CreateModeless();
    HWND window = page.Window();
    ASSERT_NE(window, nullptr);
    RECT frame{0, 0, 315, 198};
    MapDialogRect(window, &frame);
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, frame.right);
    EXPECT_EQ(client.bottom, frame.bottom);
    EXPECT_EQ(ItemText(window, IDC_PAGE_TEXT).size(), 511u);  // what the 512-byte read holds
}

TEST(MessagePageTest, DestroyingTheObjectDestroysItsWindow) {
    HWND window = nullptr;
    {
        MessagePage page("x", false, nullptr);
        page.CreateModeless();
        window = page.Window();
        ASSERT_TRUE(IsWindow(window));
    }
    EXPECT_FALSE(IsWindow(window));
}

TEST(MessagePageTest, PageWithoutItsTemplateRaisesInsteadOfLooping) {
    class MissingPage : public Dialog {
    public:
        MissingPage() : Dialog(9999) {}
    };
    MissingPage page;
    EXPECT_THROW(page.DoModal(), Exception);
    EXPECT_THROW(page.CreateModeless(), Exception);
}

}  // namespace
