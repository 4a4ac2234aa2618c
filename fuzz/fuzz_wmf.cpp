// SPDX-License-Identifier: GPL-3.0-or-later
// Metafiles: loadFromData, then the picture drawn at a few sizes as the windows stretch it.
#include "FuzzSupport.h"

#include "platform/WmfPicture.h"

#include <QImage>
#include <QPainter>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzInit(true);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    WmfPicture picture;
    const bool loaded = picture.loadFromData(FuzzBytes(data, size));
    if (loaded == picture.isNull())
        abort();
    if (!loaded)
        return 0;
    (void)picture.frame();
    (void)picture.shapeCount();
    (void)picture.render(QSize(48, 32));
    (void)picture.render(QSize(1, 1));
    QImage image(20, 20, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    picture.draw(painter, QRectF(-5, 3, 17.5, 9));  // off the image's edge, fractional
    return 0;
}
