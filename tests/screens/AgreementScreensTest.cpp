#include "core/PersistedSettings.h"
#include "platform/Platform.h"
#include "screens/main/BluetoothViewController.h"
#include "screens/onboarding/EULAViewController.h"
#include "screens/onboarding/LoginItemViewController.h"
#include "screens/update/CheckOTAViewController.h"
#include "support/AppFixture.h"

#include <QTextCursor>

namespace {

TEST(AgreementChoice, TheFirstPreferredLocalizationPicksTheDocument) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"zh-Hant", "LumatixUphoneappEULA_TW"}, {"zh-Hant-HK", "LumatixUphoneappEULA_TW"},
        {"zh-Hans", "LumatixUphoneappEULA_CN"}, {"ja", "LumatixUphoneappEULA_JP"},
        {"de", "LumatixUphoneappEULA_EN"},      {"", "LumatixUphoneappEULA_EN"},
    };
    for (const auto& [localization, expected] : cases) {
        EXPECT_EQ(EULAViewController::agreementResourceName(localization), expected)
            << localization;
    }
}

using AgreementScreensTest = AppFixture;

TEST_F(AgreementScreensTest, AgreeTurnsOnAtTheVeryEndAndStaysOn) {
    useHomeResources({"LumatixUphoneappEULA_EN.html"});
    auto* licence = show<EULAViewController>(Screen::eula);
    QTest::qWait(20);
    ASSERT_GT(licence->contentText()->verticalScrollBar()->maximum(), 0);
    EXPECT_FALSE(licence->agreeButton()->isEnabled());
    scrollTo(licence, 1);
    EXPECT_FALSE(licence->agreeButton()->isEnabled());
    scrollTo(licence);
    EXPECT_TRUE(licence->agreeButton()->isEnabled());
    scrollTo(licence, licence->contentText()->verticalScrollBar()->maximum());
    EXPECT_TRUE(licence->agreeButton()->isEnabled());
    // The document's own look gives way to one colour and size.
    QTextCursor heading(licence->contentText()->document());
    heading.movePosition(QTextCursor::NextCharacter);
    const QTextCharFormat look = heading.charFormat();
    EXPECT_EQ(look.foreground().color(), QColor(61, 61, 61));
    EXPECT_EQ(look.property(QTextFormat::FontPixelSize).toInt(), 15);
    EXPECT_EQ(look.fontWeight(), QFont::Normal);
    EXPECT_TRUE(licence->contentText()->toPlainText().contains("Lumatix"));
}

// Japanese without its document falls back to English; without any, a short line that fits.
TEST_F(AgreementScreensTest, AMissingAgreementNeverLeavesAnEmptyPanel) {
    useHomeResources({"LumatixUphoneappEULA_EN.html"});
    bundle.setPreferredLocalizations({"ja", "en"});
    const auto english = EULAViewController::loadAgreementText();
    ASSERT_TRUE(english.has_value());
    EXPECT_TRUE(english->contains("lang=\"en\""));
    EXPECT_EQ(log.count("licence agreement unreadable: LumatixUphoneappEULA_JP.html: missing"), 1);

    std::filesystem::remove(home.path() / "LumatixUphoneappEULA_EN.html");
    std::filesystem::create_directory(home.path() / "LumatixUphoneappEULA_EN.html");
    auto* licence = show<EULAViewController>(Screen::eula);
    EXPECT_EQ(licence->contentText()->toPlainText(),
              Localization::localizedString(LocalizedKey::EULAUnavailableDescription));
    EXPECT_EQ(log.count("licence agreement unreadable: LumatixUphoneappEULA_EN.html: missing"), 1);
    // Nothing to agree to; Disagree still leaves.
    QTest::qWait(50);
    EXPECT_FALSE(licence->agreeButton()->isEnabled());
    QTest::mouseClick(licence->cancelButton(), Qt::LeftButton);
    EXPECT_EQ(quits, 1);
}

// The first answer counts; a later (not first-launch) agreement does not report the launch.
TEST_F(AgreementScreensTest, EachAgreementAnswersOnceAndOnlyTheFirstReportsTheLaunch) {
    useHomeResources({"LumatixUphoneappEULA_EN.html"});
    defaults.setBool("isFirstLaunch", false);
    FixedMicrophoneAccess microphone(true);
    platform::Platform::install({.microphoneAccess = &microphone});
    for (const Screen screen : {Screen::eula, Screen::consent}) {
        log.clear();
        auto* agreement = show<AgreementViewController>(screen);
        EXPECT_EQ(mainScreenState, MainScreen::firstRun);
        scrollTo(agreement);
        ASSERT_TRUE(QTest::qWaitFor([&] { return agreement->agreeButton()->isEnabled(); }, 2000));
        QTest::mouseClick(agreement->agreeButton(), Qt::LeftButton);
        QTest::mouseClick(agreement->agreeButton(), Qt::LeftButton);
        QTest::mouseClick(agreement->cancelButton(), Qt::LeftButton);
        QTest::qWait(50);
        EXPECT_EQ(log.count("didAgreeClick"), 1) << static_cast<int>(screen);
        EXPECT_EQ(log.count("didCancelClick"), 0) << static_cast<int>(screen);
    }
    ASSERT_NE(waitForContent<BluetoothViewController>(), nullptr);
    EXPECT_EQ(microphone.requests, 1);
    EXPECT_EQ(PersistedSettings::getCheckPrivacyStatus(), Consent::agreed);
    EXPECT_EQ(quits, 0);
    QTest::qWait(100);
    EXPECT_EQ(server.requestCount(), 0);
}

// Launch at login moves on at once; a failure stays on the screen, saying so.
TEST_F(AgreementScreensTest, LaunchAtLoginMovesOnAtOnceOrSaysWhyNot) {
    for (const bool works : {false, true}) {
        loginItem.enableWorks = works;
        auto* screen = show<LoginItemViewController>(Screen::loginItem);
        const QString explanation = screen->loginItemDescriptionText()->toPlainText();
        QTest::mouseClick(screen->openSettingButton(), Qt::LeftButton);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        if (works) {
            EXPECT_NE(qobject_cast<CheckOTAViewController*>(main.contentViewController()), nullptr);
        } else {
            EXPECT_EQ(main.contentViewController(), screen);
            EXPECT_EQ(screen->loginItemDescriptionText()->toPlainText(),
                      Localization::localizedString(LocalizedKey::LoginItemFailedDescription));
            EXPECT_NE(explanation, screen->loginItemDescriptionText()->toPlainText());
        }
    }
}

} // namespace
