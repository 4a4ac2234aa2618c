// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AnimateControl.h"

#include "platform/PictureMasters.h"

#include <QDir>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>

AnimateControl::AnimateControl(QWidget* parent) : QWidget(parent)
{
    connect(&timer_, &QTimer::timeout, this, &AnimateControl::advance);
}

AnimateControl::~AnimateControl() = default;

bool AnimateControl::open(const QString& path)
{
    close();
    std::unique_ptr<AviStream> stream;
    int scale = 1;
    if (devicePixelRatioF() >= ClipMasterFromRatio) {
        const QFileInfo file(path);
        stream = AviStream::open(file.dir().filePath(ClipMasterName(file.fileName())));
        scale = ClipMasterScale;
    }
    if (!stream) {
        stream = AviStream::open(path);
        scale = 1;
    }
    QImage first;
    if (!stream || !stream->next(first))
        return false;
    stream_ = std::move(stream);
    scale_ = scale;
    image_ = std::move(first);
    image_.setDevicePixelRatio(scale_);
    path_ = path;
    current_ = 0;
    updateOpaque();
    update();
    return true;
}

void AnimateControl::play()
{
    if (!isOpen())
        return;
    playing_ = true;
    timer_.setInterval(qMax(1, int(1000.0 / stream_->frameRate())));
    if (isVisible() || !everShown_) // hidden after showing: it goes on when shown again
        timer_.start();
}

void AnimateControl::stop()
{
    playing_ = false;
    timer_.stop();
}

void AnimateControl::showEvent(QShowEvent*)
{
    everShown_ = true;
    if (playing_ && isOpen())
        timer_.start();
}

void AnimateControl::hideEvent(QHideEvent*)
{
    timer_.stop(); // nothing to see: no decoding
}

void AnimateControl::close()
{
    playing_ = false;
    timer_.stop();
    stream_.reset();
    scale_ = 1;
    image_ = QImage();
    path_.clear();
    current_ = 0;
    updateOpaque();
    update();
}

int AnimateControl::frameCount() const { return stream_ ? stream_->frameCount() : 0; }
double AnimateControl::frameRate() const { return stream_ ? stream_->frameRate() : 0; }
QSize AnimateControl::frameSize() const { return stream_ ? stream_->frameSize() / scale_ : QSize(); }

void AnimateControl::advance()
{
    if (!isOpen())
        return;
    if (!stream_->next(image_)) {
        stop();
        return;
    }
    image_.setDevicePixelRatio(scale_);
    current_ = stream_->position();
    update();
}

void AnimateControl::resizeEvent(QResizeEvent*)
{
    updateOpaque();
}

// A frame that covers the whole control hides the parent: then the parent's background need not
// be painted under every frame.
void AnimateControl::updateOpaque()
{
    const QSize frame = frameSize();
    setAttribute(Qt::WA_OpaquePaintEvent, isOpen() && frame.width() >= width() && frame.height() >= height());
}

void AnimateControl::paintEvent(QPaintEvent*)
{
    if (image_.isNull())
        return;
    QPainter painter(this);
    const QSizeF shown = image_.deviceIndependentSize();
    const QPointF at(int(width() - shown.width()) / 2, int(height() - shown.height()) / 2);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(at, shown), image_);
}

void AnimateControl::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    emit mouseMoved();
}

void AnimateControl::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

QSize AnimateControl::sizeHint() const
{
    return isOpen() ? frameSize() : QSize(185, 120);
}
