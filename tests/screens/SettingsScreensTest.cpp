#include "core/PersistedSettings.h"
#include "screens/settings/SettingPreferenceViewController.h"
#include "screens/settings/SettingPrivacyViewController.h"
#include "screens/settings/SettingUpdateViewController.h"
#include "screens/settings/SettingViewController.h"
#include "support/AppFixture.h"

#include <QLabel>

namespace {

using SettingsScreensTest = AppFixture;

// Preference first on every opening; one tab selected; only the shown Preference refreshes.
TEST_F(SettingsScreensTest, OneTabIsAlwaysSelectedAndPreferenceComesFirst) {
    pendingUpdateScreen = UpdateScreen::newVersion;
    auto* shown = show<SettingViewController>(Screen::settings);
    EXPECT_EQ(pendingUpdateScreen, UpdateScreen::none);
    const auto expectSelected = [&](Button* selected, ViewController* tab) {
        for (Button* button :
             {shown->preferenceButton(), shown->updateButton(), shown->privacyButton()}) {
            EXPECT_EQ(button->isChecked(), button == selected);
        }
        EXPECT_TRUE(tab->isAppeared() && tab->view()->isVisible());
        EXPECT_EQ(shown->preferenceVC()->checkStatusTimer() != nullptr,
                  tab == shown->preferenceVC());
    };
    expectSelected(shown->preferenceButton(), shown->preferenceVC());
    for (const auto& [button, tab] : std::vector<std::pair<Button*, ViewController*>>{
             {shown->updateButton(), shown->updateVC()},
             {shown->updateButton(), shown->updateVC()},
             {shown->privacyButton(), shown->privacyVC()},
             {shown->preferenceButton(), shown->preferenceVC()},
             {shown->privacyButton(), shown->privacyVC()}}) {
        QTest::mouseClick(button, Qt::LeftButton);
        expectSelected(button, tab);
    }
    EXPECT_EQ(log.count("didCategoryButtonClick"), 6);
    shown = show<SettingViewController>(Screen::settings);
    expectSelected(shown->preferenceButton(), shown->preferenceVC());
}

// The login row follows the autostart entry, the speakerphone row the device within a tick.
TEST_F(SettingsScreensTest, PreferenceRowsFollowLaunchAtLoginAndTheSpeakerphone) {
    connectSpeakerphone(true);
    loginItem.current = platform::LoginItemStatus::requiresApproval;
    auto* preference = show<SettingViewController>(Screen::settings)->preferenceVC();
    const auto row = [&](TextView* status, QLabel* lamp) {
        QCoreApplication::processEvents();
        return status->toPlainText().toStdString() + (preference->showsLampOn(lamp) ? " +" : " -");
    };
    const auto loginRow = [&] {
        QCoreApplication::processEvents();
        return row(preference->loginStatusText(), preference->loginItemImage()) + " / " +
               preference->loginSettingButton()->text().toStdString();
    };
    EXPECT_EQ(loginRow(), "Off - / Turn On Start at Login");
    QTest::mouseClick(preference->loginSettingButton(), Qt::LeftButton);
    EXPECT_EQ(loginRow(), "On + / Turn Off Start at Login");
    QTest::mouseClick(preference->loginSettingButton(), Qt::LeftButton);
    EXPECT_EQ(loginRow(), "Off - / Turn On Start at Login");
    EXPECT_EQ(loginItem.enableCalls + 10 * loginItem.disableCalls, 11);
    for (const auto status :
         {platform::LoginItemStatus::notRegistered, platform::LoginItemStatus::notFound}) {
        loginItem.current = status;
        preference->checkStatus();
        EXPECT_EQ(loginRow(), "Off - / Turn On Start at Login");
    }

    EXPECT_EQ(row(preference->BTStatusText(), preference->BTItemImage()), "Connected: Lumatix U +");
    hardware.setOutputs({});
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return !preference->showsLampOn(preference->BTItemImage()); }, 3500));
    EXPECT_EQ(row(preference->BTStatusText(), preference->BTItemImage()), "Not connected -");
    QTest::mouseClick(preference->BTSettingButton(), Qt::LeftButton);
    EXPECT_EQ(desktopSettings.pages, std::vector<std::string>{"bluetooth"});

    // Following calls: off until turned on, stored, and follows the command line within a tick.
    const auto followRow = [&] {
        return row(preference->followCallsStatusText(), preference->followCallsImage()) + " / " +
               preference->followCallsButton()->text().toStdString();
    };
    EXPECT_EQ(followRow(), "Off - / Turn On");
    QTest::mouseClick(preference->followCallsButton(), Qt::LeftButton);
    EXPECT_EQ(followRow(), "On + / Turn Off");
    EXPECT_EQ(state.value("follow-calls"), "on");
    (void)state.setValue("follow-calls", "off");
    EXPECT_TRUE(QTest::qWaitFor([&] { return followRow() == "Off - / Turn On"; }, 3500));
}

// Stored at once, never unanswered again; a first launch's first agreement reports it once.
TEST_F(SettingsScreensTest, PrivacySwitchStoresTheAnswerAtOnce) {
    using enum Consent;
    for (const auto& [stored, firstLaunch, afterClicks, reports] :
         std::vector<std::tuple<std::int64_t, bool, std::vector<Consent>, std::size_t>>{
             {1, true, {declined, agreed, declined, agreed}, 1},
             {0, true, {agreed, declined, agreed}, 1},
             {2, false, {agreed, declined}, 0},
         }) {
        defaults.setInteger("CheckPrivacyStatus", stored);
        defaults.setBool("isFirstLaunch", firstLaunch);
        const auto reportsBefore = events("nb_launch").size();
        auto* shown = show<SettingViewController>(Screen::settings);
        QTest::mouseClick(shown->privacyButton(), Qt::LeftButton);
        auto* privacy = shown->privacyVC();
        EXPECT_EQ(privacy->checkButton()->isChecked(), stored == 1);
        for (const Consent expected : afterClicks) {
            QTest::mouseClick(privacy->checkButton(), Qt::LeftButton);
            EXPECT_EQ(PersistedSettings::getCheckPrivacyStatus(), expected);
            EXPECT_EQ(privacy->checkTitleText()->toPlainText().toStdString(),
                      expected == agreed ? "Sharing anonymous usage data"
                                         : "Not sharing usage data");
        }
        QTest::qWait(200);
        EXPECT_EQ(events("nb_launch").size() - reportsBefore, reports) << stored;
        EXPECT_EQ(PersistedSettings::getIsFirstLaunch(), firstLaunch && reports == 0);
    }
}

// Every download ends in quitting; only a written, announced file inside Downloads is shown.
TEST_F(SettingsScreensTest, DownloadsEndInQuittingAndOnlyShowAWrittenFile) {
    files["/files/a%2Bb.deb"] = HttpTestServer::json("package", 200, "application/x-deb");
    files["/files/stalled.deb"] = HttpTestServer::silent();
    const std::string packageSha256 =
        "f6fab0a0c3a7c8ad7bd1b5a3e0e8ac2a6b1d1bc7d1ba4f8b4b7b5e0b5e1a1a0f"; // not "package"'s
    const auto downloads = home.path() / "Downloads";
    for (const auto& [path, version, sha256, closeWindow, saved, line] : std::vector<
             std::tuple<std::string, std::string, std::string, bool, std::string, std::string>>{
             {"/files/a%2Bb.deb", "1.2.0", "", false, "Lumatix_Connection_Assistant_1.2.0.deb", ""},
             {"/files/a%2Bb.deb", "../../.config/autostart/x", "", false,
              "Lumatix_Connection_Assistant__.._.config_autostart_x.deb", ""},
             {"/files/a%2Bb.deb", "1.2.0", packageSha256, false, "",
              "download failed: SHA-256 mismatch: expected " + packageSha256 + ", received "},
             {"/files/missing.deb", "1.2.0", "", false, "", "download failed: status 404"},
             {"/files/stalled.deb", "1.2.0", "", false, "", "download stalled: no data for 150 ms"},
             {"/files/stalled.deb", "1.2.0", "", true, "", "download failed: cancelled"},
         }) {
        std::filesystem::remove_all(downloads);
        fileManager.revealed.clear();
        quits = 0;
        log.clear();
        updateClient.newVersionUrl = server.url(path);
        updateClient.newVersionName = version;
        updateClient.newVersionSha256 = sha256;
        show(Screen::download);
        if (closeWindow) {
            QTest::qWait(20);
            main.close();
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return quits == 1; }, 5000)) << path;
        QTest::qWait(50);
        EXPECT_EQ(quits, 1);
        const auto written =
            saved.empty() ? std::vector<std::filesystem::path>{} : std::vector{downloads / saved};
        EXPECT_EQ(fileManager.revealed, written) << path;
        EXPECT_EQ(filesIn(downloads), written) << path;
        EXPECT_TRUE(line.empty() ||
                    std::ranges::any_of(log.lines(),
                                        [&](const std::string& l) { return l.starts_with(line); }))
            << line;
        main.setContentViewController(nullptr);
    }
    EXPECT_FALSE(std::filesystem::exists(home.path() / ".config" / "autostart"));
}

} // namespace
