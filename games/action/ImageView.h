// A picture control that shows an image owned elsewhere (the playfield's screen picture, the
// bullet store), drawn at its top-left corner, or that a painter draws into at the screen's own
// resolution.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

class QPainter;

class ImageView : public QWidget {
public:
    explicit ImageView(QWidget* parent) : QWidget(parent) {}
    void setImage(const QImage* image) { image_ = image; }
    // Draws the whole control in its own (logical) pixels; replaces the image.
    void setPainter(std::function<void(QPainter&)> painter);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QImage* image_ = nullptr;
    std::function<void(QPainter&)> painter_;
};
