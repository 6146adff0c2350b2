#pragma once

#include <QSize>
#include <QWidget>
#include <array>
#include <string_view>

class CardView;
class QLabel;

// One row of the supported-applications table: two application cards, each with its name and
// its marks (web, PC) right-aligned.
class SupportAppCell : public QWidget {
    Q_OBJECT

public:
    struct SupportedApp {
        std::string_view name;
        bool web = false;
        bool pc = false;
    };
    // Where a card's marks end, counted from the card's right edge.
    struct MarkInsets {
        int web = 0;
        int pc = 0;
    };

    static constexpr int rowCount = 6;
    static constexpr int rowHeight = 52;
    static constexpr QSize cardSize{198, 40};
    static constexpr int cardGap = 8;
    static constexpr int nameInset = 12;
    static constexpr QSize nameSize{124, 16};
    static constexpr QSize markSize{16, 16};

    // The applications row by row, left then right; the last row's left card is empty.
    [[nodiscard]] static const std::array<std::array<SupportedApp, 2>, rowCount>& rows();
    // With both marks the web mark sits left of the PC mark; a single mark takes the
    // rightmost place.
    [[nodiscard]] static MarkInsets markInsets(const SupportedApp& app);

    explicit SupportAppCell(QWidget* parent = nullptr);

    // Shows the applications of a row; a row outside the table leaves the cell empty.
    void configure(int row);

    [[nodiscard]] CardView* leftview() const { return left_.card; }
    [[nodiscard]] CardView* rightview() const { return right_.card; }
    [[nodiscard]] QLabel* leftText() const { return left_.name; }
    [[nodiscard]] QLabel* rightText() const { return right_.name; }
    [[nodiscard]] QLabel* leftWebImage() const { return left_.web; }
    [[nodiscard]] QLabel* leftPCImage() const { return left_.pc; }
    [[nodiscard]] QLabel* rightWebImage() const { return right_.web; }
    [[nodiscard]] QLabel* rightPCImage() const { return right_.pc; }

private:
    struct Side {
        CardView* card = nullptr;
        QLabel* name = nullptr;
        QLabel* pc = nullptr;
        QLabel* web = nullptr;
    };

    static Side makeSide(QWidget* parent, int left);
    static void show(const Side& side, const SupportedApp& app);

    Side left_;
    Side right_;
};
