#include "screens/info/SupportAppCell.h"

#include "ui/CardView.h"
#include "ui/ImageLibrary.h"
#include "ui/Localization.h"
#include "ui/Palette.h"

#include <QLabel>

namespace {

QColor cardColor() {
    return QColor(239, 239, 239);
}

constexpr int nearMarkInset = 12;
constexpr int farMarkInset = 36;

} // namespace

const std::array<std::array<SupportAppCell::SupportedApp, 2>, SupportAppCell::rowCount>&
SupportAppCell::rows() {
    // Names as the applications spell them; they are not translated.
    static const std::array<std::array<SupportedApp, 2>, rowCount> table{{
        {{{"WeChat", false, true}, {"Zoom", true, true}}},
        {{{"腾讯会议", false, true}, {"Google Meet", true, true}}},
        {{{"VooV Meeting", true, true}, {"Microsoft Teams", true, false}}},
        {{{"QQ", false, true}, {"Skype", true, true}}},
        {{{"钉钉", false, true}, {"webex", true, true}}},
        {{{"", false, false}, {"Line", true, true}}},
    }};
    return table;
}

SupportAppCell::MarkInsets SupportAppCell::markInsets(const SupportedApp& app) {
    return {app.web && !app.pc ? nearMarkInset : farMarkInset, nearMarkInset};
}

SupportAppCell::SupportAppCell(QWidget* parent)
    : QWidget(parent), left_(makeSide(this, 0)),
      right_(makeSide(this, cardSize.width() + cardGap)) {
    resize(2 * cardSize.width() + cardGap, rowHeight);
}

SupportAppCell::Side SupportAppCell::makeSide(QWidget* parent, int left) {
    Side side;
    side.card = new CardView(cardColor(), cardColor(), 4, parent);
    side.card->setGeometry(left, 0, cardSize.width(), cardSize.height());
    side.name = new QLabel(side.card);
    QFont font = side.name->font();
    font.setPixelSize(12);
    font.setBold(true);
    side.name->setFont(font);
    QPalette palette = side.name->palette();
    palette.setColor(QPalette::WindowText, colorTabText());
    side.name->setPalette(palette);
    side.name->setGeometry(nameInset, (cardSize.height() - nameSize.height()) / 2, nameSize.width(),
                           nameSize.height());
    const auto makeMark = [&](ImageAsset asset) {
        QLabel* mark = ImageLibrary::pictureLabel(asset, markSize, side.card);
        mark->move(cardSize.width() - nearMarkInset - markSize.width(),
                   (cardSize.height() - markSize.height()) / 2);
        return mark;
    };
    side.pc = makeMark(ImageAsset::icon_support_pc);
    side.web = makeMark(ImageAsset::icon_support_web);
    // A screen reader reads the marks as the legend above the table names them.
    side.pc->setAccessibleName(
        Localization::localizedString(LocalizedKey::InfoSupportAppPCDescription));
    side.web->setAccessibleName(
        Localization::localizedString(LocalizedKey::InfoSupportAppWebDescription));
    return side;
}

void SupportAppCell::show(const Side& side, const SupportedApp& app) {
    const QString name =
        QString::fromUtf8(app.name.data(), static_cast<qsizetype>(app.name.size()));
    side.name->setText(side.name->fontMetrics().elidedText(name, Qt::ElideRight, nameSize.width()));
    side.name->setToolTip(side.name->text() == name ? QString() : name);
    const MarkInsets insets = markInsets(app);
    const int markTop = (cardSize.height() - markSize.height()) / 2;
    side.web->move(cardSize.width() - insets.web - markSize.width(), markTop);
    side.pc->move(cardSize.width() - insets.pc - markSize.width(), markTop);
    side.web->setVisible(app.web);
    side.pc->setVisible(app.pc);
}

void SupportAppCell::configure(int row) {
    if (row < 0 || row >= rowCount) {
        return;
    }
    const auto& apps = rows()[row];
    if (row == rowCount - 1) {
        left_.card->hide();
        left_.name->clear();
    } else {
        show(left_, apps[0]);
    }
    show(right_, apps[1]);
}
