// A picture control that shows an image owned elsewhere (the playfield's screen picture, the
// bullet store), drawn at its top-left corner.
#pragma once

#include <QImage>
#include <QWidget>

class ImageView : public QWidget {
public:
    explicit ImageView(QWidget* parent) : QWidget(parent) {}
    void setImage(const QImage* image) { image_ = image; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QImage* image_ = nullptr;
};
