#include "platform/WebBrowser.h"

#include "support/CapturedLog.h"
#include "support/PlatformDoubles.h"

#include <gtest/gtest.h>

// Only web pages reach the browser: any other scheme could hand the address to a local program.
TEST(WebBrowserTest, OnlyHttpsAddressesAreOpened) {
    CapturedLog log;
    RecordingWebBrowser browser;
    for (const char* address :
         {"http://www.lumatix.com/support", "file:///etc/passwd", "javascript:alert(1)",
          "lumatix-connection-assistant:quit", "smb://host/share", "https://", "https:///path",
          "www.lumatix.com", ""}) {
        log.clear();
        EXPECT_FALSE(browser.open(address)) << address;
        EXPECT_EQ(log.lines().size(), 1U) << address;
    }
    EXPECT_TRUE(browser.pages.empty());
    EXPECT_TRUE(browser.open("https://www.lumatix.com/support"));
    EXPECT_EQ(browser.pages, std::vector<std::string>{"https://www.lumatix.com/support"});
}
