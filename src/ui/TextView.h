#pragma once

#include <QTextEdit>

// Read-only, unselectable text on a clear background, for labels and multi-line texts.
class TextView : public QTextEdit {
    Q_OBJECT

public:
    enum Weight { regular, bold };

    explicit TextView(QWidget* parent = nullptr);

    void setText(const QString& text);
    void setTextColor(const QColor& color);
    void setPixelFont(int pixelSize, Weight weight = regular);
    void setAlignment(Qt::Alignment alignment);
    // Extra space between lines, in points; fonts and colours stay as they are.
    void setLineSpacing(double spacing);
    [[nodiscard]] double lineSpacing() const { return lineSpacing_; }

private:
    void applyBlockFormat();

    Qt::Alignment alignment_ = Qt::AlignLeft;
    double lineSpacing_ = 0;
    QColor color_ = Qt::black;
};
