#include "ui/ImageLibrary.h"

#include "support/CapturedLog.h"

#include <QImage>
#include <gtest/gtest.h>
#include <map>

namespace {

int visiblePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
        }
    }
    return count;
}

} // namespace

TEST(ImageLibraryTest, EveryAssetRendersAtOneAndTwoTimesScale) {
    for (const ImageAsset asset : allImageAssets) {
        const std::string name(rawValue(asset));
        const QSize natural = ImageLibrary::naturalSize(asset);
        ASSERT_FALSE(natural.isEmpty()) << name;
        for (const qreal ratio : {1.0, 2.0}) {
            const QPixmap pixmap = ImageLibrary::pixmap(asset, natural, ratio);
            ASSERT_FALSE(pixmap.isNull()) << name;
            EXPECT_EQ(pixmap.deviceIndependentSize().toSize(), natural) << name;
            const QImage image = pixmap.toImage();
            EXPECT_EQ(image.size(), natural * ratio) << name;
            EXPECT_GT(visiblePixels(image), 0) << name << " at " << ratio;
        }
        const QIcon icon = ImageLibrary::icon(asset);
        ASSERT_FALSE(icon.isNull()) << name;
        EXPECT_FALSE(icon.pixmap(QSize(32, 32)).isNull()) << name;
    }
}

TEST(ImageLibraryTest, PicturesAreDrawnAtTheSizeTheyAreShown) {
    const std::map<ImageAsset, QSize> shown{
        {ImageAsset::btn_switch_on_default, {40, 20}},
        {ImageAsset::btn_switch_off_default, {40, 20}},
        {ImageAsset::icon_light_on, {6, 6}},
        {ImageAsset::icon_Lumatix_dialog, {143, 40}},
        {ImageAsset::icon_support_pc, {16, 16}},
        {ImageAsset::icon_support_web, {16, 16}},
        {ImageAsset::icon_view_link_default, {15, 15}},
        {ImageAsset::img_dot, {2, 2}},
        {ImageAsset::img_online_mode, {320, 120}},
        {ImageAsset::img_normal_mode, {320, 120}},
        {ImageAsset::img_step_02, {320, 120}},
        {ImageAsset::img_step_03, {320, 120}},
        {ImageAsset::img_login_items, {470, 252}},
        {ImageAsset::img_microphone, {470, 252}},
        {ImageAsset::img_version_new, {60, 60}},
        {ImageAsset::img_version_finding, {60, 60}},
        {ImageAsset::img_version_updated, {60, 60}},
        {ImageAsset::img_updates, {131, 90}},
        {ImageAsset::img_qrcode_iOS, {80, 80}},
        {ImageAsset::img_qrcode_android, {80, 80}},
        {ImageAsset::img_qrcode_androidForChina, {80, 80}},
    };
    for (const auto& [asset, size] : shown) {
        EXPECT_EQ(ImageLibrary::naturalSize(asset), size) << rawValue(asset);
    }
}

TEST(ImageLibraryTest, OtherShapesKeepTheProportions) {
    // A wide card in a square box is letterboxed, not squeezed.
    const QImage image = ImageLibrary::pixmap(ImageAsset::img_online_mode, {120, 120}, 1).toImage();
    ASSERT_EQ(image.size(), QSize(120, 120));
    EXPECT_EQ(qAlpha(image.pixel(60, 2)), 0);
    EXPECT_GT(qAlpha(image.pixel(60, 60)), 0);
    // An empty size means the natural one.
    EXPECT_EQ(ImageLibrary::pixmap(ImageAsset::img_dot).size(), QSize(2, 2));
}

TEST(ImageLibraryTest, StatusIconIsOneColourOnTransparent) {
    const QImage image = ImageLibrary::pixmap(ImageAsset::icon_small_tool_Lumatix, {16, 16}, 2)
                             .toImage()
                             .convertToFormat(QImage::Format_ARGB32);
    QRgb colour = 0;
    bool seen = false;
    int transparent = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) == 0) {
                ++transparent;
            } else if (qAlpha(pixel) == 255) {
                if (seen) {
                    EXPECT_EQ(pixel, colour) << x << "," << y;
                }
                colour = pixel;
                seen = true;
            }
        }
    }
    EXPECT_TRUE(seen);
    EXPECT_GT(transparent, image.width() * image.height() / 4);
    EXPECT_TRUE(ImageLibrary::icon(ImageAsset::icon_small_tool_Lumatix).isMask());
}

TEST(ImageLibraryTest, QrCodesAreDarkModulesOnLight) {
    for (const ImageAsset asset : {ImageAsset::img_qrcode_iOS, ImageAsset::img_qrcode_android,
                                   ImageAsset::img_qrcode_androidForChina}) {
        const QImage image = ImageLibrary::pixmap(asset, {80, 80}, 2).toImage();
        int dark = 0;
        int light = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const int grey = qGray(image.pixel(x, y));
                dark += grey < 80 ? 1 : 0;
                light += grey > 200 ? 1 : 0;
            }
        }
        // Roughly half the modules are dark; the quiet zone is light.
        const int total = image.width() * image.height();
        EXPECT_GT(dark, total / 5) << rawValue(asset);
        EXPECT_GT(light, total / 3) << rawValue(asset);
    }
}

TEST(ImageLibraryTest, MissingPictureIsLoggedAndEmpty) {
    CapturedLog log;
    EXPECT_TRUE(ImageLibrary::pixmap("img_nothing_here", {10, 10}, 1).isNull());
    EXPECT_TRUE(ImageLibrary::icon("img_nothing_here").isNull());
    EXPECT_TRUE(ImageLibrary::naturalSize("img_nothing_here").isEmpty());
    EXPECT_EQ(log.count("Image asset missing: img_nothing_here"), 3);
    EXPECT_EQ(log.lines().size(), 3u);
}
