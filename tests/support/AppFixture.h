#pragma once

#include "app/ScreenNavigator.h"
#include "audio/Audio.h"
#include "net/HttpClient.h"
#include "platform/Bundle.h"
#include "region/AppUtility.h"
#include "screens/onboarding/AgreementViewController.h"
#include "support/CapturedLog.h"
#include "support/HttpTestServer.h"
#include "support/PlatformDoubles.h"
#include "support/ScopedPlatform.h"
#include "support/TemporaryHome.h"
#include "support/TestFiles.h"
#include "ui/Button.h"
#include "ui/Localization.h"
#include "ui/TextView.h"
#include "ui/ToastViewController.h"
#include "ui/ViewController.h"
#include "ui/Window.h"
#include "update/NetworkManger.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

// The screens against memory doubles, a local HTTP server, and a navigator counting quits.
class AppFixture : public ::testing::Test {
protected:
    AppFixture() {
        server.setHandler([this](const HttpTestServer::Request& request) {
            if (request.path == "/json/") {
                return HttpTestServer::json(R"({"countryCode":"US"})");
            }
            if (request.path.starts_with("/files/")) {
                const auto file = files.find(request.path);
                return file != files.end() ? file->second : HttpTestServer::json("gone", 404);
            }
            const bool forced =
                request.queryValue("packageName").find(".forced") != std::string::npos;
            return HttpTestServer::json(forced ? R"({"ResultCode":9900})" : normalReply);
        });
        main.setReleasedWhenClosed(false);
        fileManager.downloads = home.path() / "Downloads";
        Localization::install(Localization::english);
    }
    ~AppFixture() override {
        // Toasts close themselves after 1.5 s; none may outlive the test.
        EXPECT_TRUE(QTest::qWaitFor([] { return ToastViewController::openCount() == 0; }, 5000));
        main.setContentViewController(nullptr);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Localization::uninstall();
    }

    void connectSpeakerphone(bool connected) {
        hardware.setOutputs(connected ? MemoryAudioHardware::Devices{{7, "Lumatix U"}}
                                      : MemoryAudioHardware::Devices{});
        Audio::refreshSpeakerDevice();
    }
    // Resources from the test's own folder, with these licence agreements copied in.
    void useHomeResources(std::initializer_list<const char*> agreements = {}) {
        for (const char* name : agreements) {
            writeFile(
                home.path() / name,
                readFile(std::filesystem::path(LUMATIX_RESOURCES_SOURCE_DIR) / "eula" / name));
        }
        bundle = platform::Bundle({.identifier = "com.lumatix.test",
                                   .resourcesPath = home.path(),
                                   .endpoints = bundle.endpoints()});
    }
    // The screen as the content of the shown main window.
    template <typename T = ViewController>
    T* show(Screen screen) {
        auto made = navigator.make(screen);
        T* shown = qobject_cast<T*>(made.get());
        main.setContentViewController(std::move(made));
        main.setFrame({200, 300, 1200, 662});
        main.show();
        QCoreApplication::processEvents();
        return shown;
    }
    // What `get` returns once it is a T (null after 20 s).
    template <typename T, typename Get>
    static T* waitFor(Get get) {
        T* found = nullptr;
        (void)QTest::qWaitFor([&] { return (found = qobject_cast<T*>(get())) != nullptr; }, 20000);
        return found;
    }
    template <typename T>
    T* waitForContent() {
        return waitFor<T>([this] { return main.contentViewController(); });
    }
    // Scrolls an agreement to `fromEnd` points above its end.
    static void scrollTo(AgreementViewController* screen, int fromEnd = 0) {
        QScrollBar* bar = screen->contentText()->verticalScrollBar();
        bar->setValue(bar->maximum() - fromEnd);
        QTest::qWait(20);
    }
    // The toasts on screen: windows of their own, or drawn inside the main window (Wayland).
    static std::vector<Window*> shownToasts() {
        std::vector<Window*> toasts;
        for (QWidget* widget : QApplication::allWidgets()) {
            auto* window = qobject_cast<Window*>(widget);
            if (window != nullptr && window->isVisible() &&
                qobject_cast<ToastViewController*>(window->contentViewController()) != nullptr) {
                toasts.push_back(window);
            }
        }
        return toasts;
    }
    // The names of the usage events with this action that reached the server.
    [[nodiscard]] std::vector<std::string> events(const std::string& action) const {
        std::vector<std::string> names;
        for (const auto& request : server.requests()) {
            if (request.queryValue("e_a") == action) {
                names.push_back(request.queryValue("e_n"));
            }
        }
        return names;
    }
    static std::string offer(const std::string& link, const std::string& name) {
        return R"({"ResultCode":9906,"getUpdateList":{"versionCode":"1000400","downloadLink":")" +
               link + R"(","versionName":")" + name + R"("}})";
    }

    TemporaryHome home;
    HttpTestServer server;
    MemoryAudioHardware hardware;
    MemoryUserDefaults defaults;
    // Usage events go to the same local server.
    platform::Bundle bundle{{.identifier = "com.lumatix.test",
                             .version = "1.0.3",
                             .resourcesPath = LUMATIX_RESOURCES_SOURCE_DIR,
                             .endpoints = {.analyticsServerGlobal = server.url(),
                                           .analyticsServerChina = server.url()}}};
    FixedLoginItem loginItem{platform::LoginItemStatus::notRegistered};
    MemoryUserState state;
    RecordingDesktopSettings desktopSettings;
    MemoryFileManager fileManager;
    RecordingWebBrowser browser;
    ScopedPlatform scoped{{.userDefaults = &defaults,
                           .audioHardware = &hardware,
                           .loginItem = &loginItem,
                           .bundle = &bundle,
                           .userState = &state,
                           .desktopSettings = &desktopSettings,
                           .fileManager = &fileManager,
                           .webBrowser = &browser}};
    CapturedLog log;
    net::HttpClient client{{.stallLimit = 400ms}};
    NetworkManger updateClient{client, server.url()};
    std::string normalReply = R"({"ResultCode":9900})";
    FixedReachability::Answer network = FixedReachability::Answer::reachable;
    int quits = 0;
    // Downloads: what the server has under /files/.
    std::map<std::string, HttpTestServer::Reply> files;
    ScreenNavigator navigator{{
        .updateClient = &updateClient,
        .requestRegion = [this] { AppUtility::requestRegion(client, server.url(), "KEY"); },
        .makeReachability = [this] { return std::make_unique<FixedReachability>(network); },
        .quit = [this] { ++quits; },
        .downloadClient = &client,
        .downloadWatchdog = 150ms,
    }};
    Window main;
};
