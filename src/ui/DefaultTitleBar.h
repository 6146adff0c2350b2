#pragma once

#include <QWidget>

class QLabel;
class QToolButton;

// The bar drawn at the top of every window in place of the desktop's own: centred title,
// 1-point separator along the bottom, close (and minimize) controls; dragging it moves the
// window.
class DefaultTitleBar : public QWidget {
    Q_OBJECT

public:
    static constexpr int barHeight = 28;

    explicit DefaultTitleBar(QWidget* parent = nullptr);

    void setTitle(const QString& title);
    void setColors(const QColor& text, const QColor& background);
    void setMinimizeVisible(bool visible);
    void setCloseVisible(bool visible);

    [[nodiscard]] QLabel* listName() const { return listName_; }
    [[nodiscard]] QWidget* line() const { return line_; }
    [[nodiscard]] QToolButton* closeButton() const { return close_; }
    [[nodiscard]] QToolButton* minimizeButton() const { return minimize_; }

Q_SIGNALS:
    void closeRequested();
    void minimizeRequested();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void layoutControls();
    void resizeEvent(QResizeEvent* event) override;

    QLabel* listName_;
    QWidget* line_;
    QToolButton* close_;
    QToolButton* minimize_;
    QColor background_;
};
