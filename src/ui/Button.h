#pragma once

#include <QColor>
#include <QPushButton>

// How a button draws itself; the styling operations fill it in.
struct ButtonAppearance {
    QColor background = Qt::transparent;
    QColor border = Qt::transparent;
    int borderWidth = 0;
    int cornerRadius = 0;
    QColor titleColor = Qt::black;
    int fontSize = 13;
    // Pressing darkens the background instead of drawing a bevel.
    bool highlightsByBackground = true;
    // Image at the left with the title after it, both left-aligned (tab buttons); otherwise
    // the image or the title is centred.
    bool imageBesideTitle = false;

    friend bool operator==(const ButtonAppearance&, const ButtonAppearance&) = default;
};

// A flat button drawn entirely from its appearance: rounded background and border, centred
// title or image.
class Button : public QPushButton {
    Q_OBJECT

public:
    explicit Button(QWidget* parent = nullptr);
    explicit Button(const QString& title, QWidget* parent = nullptr);

    // Where an image beside the title starts, and the space between them.
    static constexpr int besideInset = 16;
    static constexpr int besideGap = 8;

    void setAppearance(const ButtonAppearance& appearance);
    [[nodiscard]] const ButtonAppearance& appearance() const { return appearance_; }

    // Whether the focus mark shows: the button has its window's focus, and it came from the
    // keyboard.
    [[nodiscard]] bool showsFocusMark() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    // Return and Enter press the button as Space does.
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void paintFocusMark(QPainter& painter, const QRectF& box, qreal radius) const;

    ButtonAppearance appearance_;
    bool focusFromKeyboard_ = false;
};
