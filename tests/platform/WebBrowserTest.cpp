#include "platform/WebBrowser.h"

#include "support/CapturedLog.h"

#include <gtest/gtest.h>

// Only web pages open: any other scheme could hand the address to a local program.
TEST(WebBrowserTest, OnlyHttpsAddressesAreOpened) {
    CapturedLog log;
    for (const char* address :
         {"http://www.lumatix.com/support", "file:///etc/passwd", "javascript:alert(1)",
          "lumatix-connection-assistant:quit", "smb://host/share", "https://", "https:///path",
          "www.lumatix.com", ""}) {
        log.clear();
        EXPECT_FALSE(platform::WebBrowser::open(address)) << address;
        EXPECT_EQ(log.lines().size(), 1U) << address;
    }
}
