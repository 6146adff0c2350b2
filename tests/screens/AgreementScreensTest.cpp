#include "core/PersistedSettings.h"
#include "screens/onboarding/BluetoothViewController.h"
#include "screens/onboarding/EULAViewController.h"
#include "screens/onboarding/GDPRViewController.h"
#include "screens/onboarding/ModeViewController.h"
#include "support/AppFixture.h"
#include "support/TemporaryHome.h"
#include "ui/Button.h"
#include "ui/Localization.h"
#include "ui/TextView.h"

#include <QScrollBar>
#include <QTextCursor>

namespace {

namespace fs = std::filesystem;

TEST(AgreementScrollRule, TheEndOrTheWholeTextMustBeInView) {
    const std::tuple<int, int, int, bool> cases[] = {
        {0, 252, 200, true},     {0, 252, 252, true},    {0, 252, 1000, false},
        {747, 252, 1000, false}, {748, 252, 1000, true}, {749, 252, 1000, false},
    };
    for (const auto& [top, visible, document, expected] : cases) {
        EXPECT_EQ(AgreementViewController::showsEnd(top, visible, document), expected)
            << top << ' ' << visible << ' ' << document;
    }
}

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

class AgreementScreensTest : public AppFixture {
protected:
    AgreementScreensTest() { Localization::install(Localization::english); }
    void useResources(std::initializer_list<const char*> agreements) {
        for (const char* name : agreements) {
            fs::copy_file(fs::path(LUMATIX_RESOURCES_SOURCE_DIR) / "eula" / name,
                          home.path() / name);
        }
        bundle = platform::Bundle({.resourcesPath = home.path(), .endpoints = bundle.endpoints()});
    }
    static void scrollTo(AgreementViewController* screen, int fromEnd) {
        QScrollBar* bar = screen->contentText()->verticalScrollBar();
        bar->setValue(bar->maximum() - fromEnd);
        QTest::qWait(20);
    }
    [[nodiscard]] int launchEvents() const {
        const auto requests = server.requests();
        return static_cast<int>(
            std::count_if(requests.begin(), requests.end(), [](const auto& request) {
                return request.queryValue("e_a") == "nb_launch";
            }));
    }

    TemporaryHome home;
};

TEST_F(AgreementScreensTest, AgreeTurnsOnAtTheVeryEndAndStaysOn) {
    useResources({"LumatixUphoneappEULA_EN.html"});
    auto* licence = show<EULAViewController>(Screen::eula);
    QTest::qWait(20);
    ASSERT_GT(licence->contentText()->verticalScrollBar()->maximum(), 0);
    EXPECT_FALSE(licence->agreeButton()->isEnabled());
    scrollTo(licence, 1);
    EXPECT_FALSE(licence->agreeButton()->isEnabled());
    scrollTo(licence, 0);
    EXPECT_TRUE(licence->agreeButton()->isEnabled());
    licence->contentText()->verticalScrollBar()->setValue(0);
    QTest::qWait(20);
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
    useResources({"LumatixUphoneappEULA_EN.html"});
    bundle.setPreferredLocalizations({"ja", "en"});
    const auto english = EULAViewController::loadAgreementText();
    ASSERT_TRUE(english.has_value());
    EXPECT_TRUE(english->contains("lang=\"en\""));
    EXPECT_EQ(log.count("licence agreement unreadable: LumatixUphoneappEULA_JP.html: missing"), 1);

    fs::remove(home.path() / "LumatixUphoneappEULA_EN.html");
    fs::create_directory(home.path() / "LumatixUphoneappEULA_EN.html");
    auto* licence = show<EULAViewController>(Screen::eula);
    EXPECT_EQ(licence->contentText()->toPlainText(),
              Localization::localizedString(LocalizedKey::EULAUnavailableDescription));
    EXPECT_EQ(log.count("licence agreement unreadable: LumatixUphoneappEULA_EN.html: missing"), 1);
    // Short enough to fit: agreeing needs no scrolling.
    EXPECT_TRUE(QTest::qWaitFor([&] { return licence->agreeButton()->isEnabled(); }, 2000));
}

// Only the first agreement reports the launch; declining stores 2 and still moves on.
TEST_F(AgreementScreensTest, ConsentIsStoredAndLeadsToTheMainScreens) {
    struct Case {
        std::optional<bool> firstLaunch;
        bool agree;
        bool speakerphone;
        std::int64_t stored;
        bool firstLaunchAfter;
    };
    for (const Case& c :
         {Case{false, true, true, 1, false}, Case{std::nullopt, false, false, 2, true},
          Case{std::nullopt, true, false, 1, false}}) {
        defaults = MemoryUserDefaults();
        if (c.firstLaunch) {
            defaults.setBool("isFirstLaunch", *c.firstLaunch);
        }
        connectSpeakerphone(c.speakerphone);
        auto* consent = show<GDPRViewController>(Screen::consent);
        EXPECT_EQ(mainScreenState, 0);
        scrollTo(consent, 0);
        QTest::mouseClick(c.agree ? consent->agreeButton() : consent->cancelButton(),
                          Qt::LeftButton);
        const bool arrived = c.speakerphone ? waitForContent<ModeViewController>() != nullptr
                                            : waitForContent<BluetoothViewController>() != nullptr;
        EXPECT_TRUE(arrived);
        EXPECT_EQ(PersistedSettings::getCheckPrivacyStatus(), c.stored);
        EXPECT_EQ(PersistedSettings::getIsFirstLaunch(), c.firstLaunchAfter);
        EXPECT_EQ(log.count(c.agree ? "didAgreeClick" : "didCancelClick"), 1);
        log.clear();
    }
    ASSERT_TRUE(server.waitForRequests(1));
    QTest::qWait(100);
    EXPECT_EQ(launchEvents(), 1);
}

} // namespace
