#include "BuildConfig.h"
#include "screens/info/InfoQRCodeViewController.h"
#include "screens/info/InfoSupportAPPViewController.h"
#include "screens/info/InfoUserGuideViewController.h"
#include "screens/info/InfoViewController.h"
#include "screens/info/SupportAppCell.h"
#include "support/AppFixture.h"
#include "ui/CardView.h"
#include "ui/TextMetrics.h"

#include <QLabel>
#include <QTextDocument>

namespace {

using InfoScreensTest = AppFixture;

// Every selection reports its page (the first and repeated ones too), only with consent.
TEST_F(InfoScreensTest, EachTabSelectionReportsItsPageInOrder) {
    const std::vector<std::string> visited{"phone_app_download", "support_page",
                                           "software_compatible_platform",
                                           "software_compatible_platform"};
    for (const std::int64_t consent : {2, 0, 1}) {
        defaults.setInteger("CheckPrivacyStatus", consent);
        auto* shown = show<InfoViewController>(Screen::info);
        EXPECT_TRUE(shown->QRCodeButton()->isChecked() && shown->QRCodeVC()->isAppeared());
        for (Button* tab :
             {shown->userGuideButton(), shown->supportButton(), shown->supportButton()}) {
            QTest::mouseClick(tab, Qt::LeftButton);
        }
        EXPECT_TRUE(shown->supportButton()->isChecked() && shown->supportAppVC()->isAppeared());
        const auto expected = consent == 1 ? visited : std::vector<std::string>{};
        (void)QTest::qWaitFor([&] { return events("nb_moreinfo").size() >= visited.size(); },
                              expected.empty() ? 300 : 5000);
        EXPECT_EQ(events("nb_moreinfo"), expected) << consent;
    }
}

// Each row opens its own page; the success line follows only an opened browser.
TEST_F(InfoScreensTest, EachUserGuideLinkOpensItsOwnPage) {
    const std::vector<std::string> expected{
        std::string(build_config::userGuideTW), std::string(build_config::userGuideCN),
        std::string(build_config::userGuideEN), std::string(build_config::userGuideJP)};
    for (const bool opens : {true, false}) {
        browser.opens = opens;
        browser.pages.clear();
        log.clear();
        auto* shown = show<InfoViewController>(Screen::info);
        QTest::mouseClick(shown->userGuideButton(), Qt::LeftButton);
        auto* guide = shown->userGuideVC();
        for (const auto row : {InfoUserGuideViewController::TW, InfoUserGuideViewController::CN,
                               InfoUserGuideViewController::EN, InfoUserGuideViewController::JP}) {
            QTest::mouseClick(guide->button(row), Qt::LeftButton);
        }
        guide->didUserGuideButtonClick(4);
        EXPECT_EQ(browser.pages, expected);
        EXPECT_EQ(log.count("didUserGuideButtonClick"), 5);
        EXPECT_EQ(log.count("default browser was successfully opened"), opens ? 4 : 0);
    }
}

// Marks sit right-aligned (web left of PC); the legend is as wide as its text in each language.
TEST_F(InfoScreensTest, SupportedAppsShowTheirMarksInPlaceAndTheLegendFitsItsText) {
    // Name → web, PC.
    const std::map<QString, std::pair<bool, bool>> marks{
        {"WeChat", {false, true}},      {"Zoom", {true, true}},
        {"腾讯会议", {false, true}},    {"Google Meet", {true, true}},
        {"VooV Meeting", {true, true}}, {"Microsoft Teams", {true, false}},
        {"QQ", {false, true}},          {"Skype", {true, true}},
        {"钉钉", {false, true}},        {"webex", {true, true}},
        {"Line", {true, true}}};
    std::set<QString> seen;
    std::set<int> widths;
    for (const char* language : {"en", "zh_CN", "zh_TW", "ja"}) {
        Localization::install(QString::fromLatin1(language));
        auto* shown = show<InfoViewController>(Screen::info);
        QTest::mouseClick(shown->supportButton(), Qt::LeftButton);
        auto* apps = shown->supportAppVC();
        const TextView* web = apps->supportWebDescriptionText();
        widths.insert(web->width());
        EXPECT_EQ(web->width(), TextMetrics::measureTextWidth(web->toPlainText(),
                                                              web->document()->defaultFont(), 16));
        EXPECT_EQ(apps->dotImage()->x(), web->geometry().right() + 1 + 8) << language;
        EXPECT_EQ(apps->pcImage()->x(), apps->dotImage()->geometry().right() + 1 + 8);
        const auto& cells = apps->cells();
        ASSERT_EQ(cells.size(), 6U);
        EXPECT_FALSE(cells.back()->leftview()->isVisibleTo(cells.back()));
        const int right = SupportAppCell::cardSize.width();
        for (const SupportAppCell* cell : cells) {
            for (const auto& [card, name, webMark, pcMark] :
                 {std::tuple{cell->leftview(), cell->leftText(), cell->leftWebImage(),
                             cell->leftPCImage()},
                  std::tuple{cell->rightview(), cell->rightText(), cell->rightWebImage(),
                             cell->rightPCImage()}}) {
                if (!card->isVisibleTo(cell)) {
                    continue;
                }
                const auto found = marks.find(name->text());
                ASSERT_NE(found, marks.end()) << name->text().toStdString();
                seen.insert(name->text());
                const auto [hasWeb, hasPC] = found->second;
                EXPECT_EQ(webMark->isVisibleTo(card), hasWeb) << name->text().toStdString();
                EXPECT_EQ(pcMark->isVisibleTo(card), hasPC) << name->text().toStdString();
                EXPECT_TRUE(!hasPC || pcMark->geometry().right() + 1 == right - 12);
                EXPECT_TRUE(!hasWeb ||
                            webMark->geometry().right() + 1 == right - (hasPC ? 36 : 12));
            }
        }
    }
    EXPECT_EQ(seen.size(), marks.size());
    EXPECT_GT(widths.size(), 1U);
}

} // namespace
