#include "ui/ImageLibrary.h"

#include <QImage>
#include <gtest/gtest.h>

// The screens assume every named picture exists and shows something, at 1x and 2x.
TEST(ImageLibraryTest, EveryAssetRendersAtOneAndTwoTimesScale) {
    for (const ImageAsset asset : allImageAssets) {
        const std::string name(rawValue(asset));
        const QSize natural = ImageLibrary::naturalSize(asset);
        ASSERT_FALSE(natural.isEmpty()) << name;
        for (const qreal ratio : {1.0, 2.0}) {
            const QPixmap pixmap = ImageLibrary::pixmap(asset, natural, ratio);
            EXPECT_EQ(pixmap.deviceIndependentSize().toSize(), natural) << name;
            const QImage image = pixmap.toImage();
            EXPECT_EQ(image.size(), natural * ratio) << name;
            bool visible = false;
            for (int y = 0; y < image.height() && !visible; ++y) {
                for (int x = 0; x < image.width() && !visible; ++x) {
                    visible = qAlpha(image.pixel(x, y)) > 0;
                }
            }
            EXPECT_TRUE(visible) << name << " at " << ratio;
        }
        EXPECT_FALSE(ImageLibrary::icon(asset).pixmap(QSize(32, 32)).isNull()) << name;
    }
}
