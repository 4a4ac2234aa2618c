// SPDX-License-Identifier: GPL-3.0-or-later
// The review sheet: every picture at its game size and at 4x, the first and middle frame of every
// animation, and a line per sound and tune with its length, on one PNG.
#include "SmfReader.h"

#include "platform/AviStream.h"
#include "platform/WmfPicture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QPainter>
#include <QTextStream>
#include <functional>

namespace {

const QColor Navy(0, 0, 128);

QImage loadBmp(const QString& path) { return QImage(path).convertToFormat(QImage::Format_RGB32); }

// As the whack-a-mole game does: the black area around pixel (1, 1) becomes navy.
QImage floodNavy(QImage img)
{
    if (img.width() < 2 || img.height() < 2 || img.pixel(1, 1) != qRgb(0, 0, 0))
        return img;
    std::vector<QPoint> todo{QPoint(1, 1)};
    while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        if (!img.rect().contains(p) || img.pixel(p) != qRgb(0, 0, 0))
            continue;
        img.setPixel(p, Navy.rgb());
        todo.insert(todo.end(), {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)});
    }
    return img;
}

// White is transparent: show what the game shows over navy.
QImage whiteOnNavy(QImage img)
{
    img = img.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) == qRgb(255, 255, 255))
                img.setPixel(x, y, Navy.rgb());
    return img;
}

double wavSeconds(const QByteArray& b)
{
    if (b.size() < 44 || !b.startsWith("RIFF"))
        return -1;
    auto u32 = [&](int at) { return quint32(uchar(b[at])) | (quint32(uchar(b[at + 1])) << 8) |
                                    (quint32(uchar(b[at + 2])) << 16) | (quint32(uchar(b[at + 3])) << 24); };
    const quint32 bytesPerSecond = u32(28);
    int at = 12;
    while (at + 8 <= b.size()) {
        const quint32 len = u32(at + 4);
        if (b.mid(at, 4) == "data")
            return bytesPerSecond ? double(len) / bytesPerSecond : -1;
        at += 8 + int(len) + int(len & 1);
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        QTextStream(stderr) << "usage: moji_assets_sheet <program directory> <sheet.png>\n";
        return 2;
    }
    const QDir dir(args[1]);
    const int width = 1560;
    QImage sheet(width, 2900, QImage::Format_RGB32);
    sheet.fill(QColor(236, 236, 232));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing);
    QFont title(QStringLiteral("IPAPGothic"));
    title.setPixelSize(22);
    title.setBold(true);
    QFont small(QStringLiteral("IPAPGothic"));
    small.setPixelSize(13);
    int y = 16;
    int x = 16;
    int rowHeight = 0;
    auto heading = [&](const QString& text) {
        y += rowHeight + (rowHeight ? 24 : 0);
        x = 16;
        rowHeight = 0;
        p.setFont(title);
        p.setPen(Qt::black);
        p.drawText(QPoint(16, y + 22), text);
        y += 34;
    };
    // A cell: a label over one or more images side by side.
    auto cell = [&](const QString& label, const QList<QImage>& images) {
        int w = 0, h = 0;
        for (const QImage& img : images) {
            w += img.width() + 8;
            h = std::max(h, img.height());
        }
        w = std::max(w, 120);
        if (x + w > width - 16) {
            x = 16;
            y += rowHeight + 12;
            rowHeight = 0;
        }
        p.setFont(small);
        p.setPen(Qt::black);
        p.drawText(QPoint(x, y + 13), label);
        int at = x;
        for (const QImage& img : images) {
            p.fillRect(QRect(at - 1, y + 19, img.width() + 2, img.height() + 2), QColor(160, 160, 160));
            p.drawImage(QPoint(at, y + 20), img);
            at += img.width() + 8;
        }
        x += w + 16;
        rowHeight = std::max(rowHeight, h + 26);
    };
    auto scaled = [](const QImage& img, int factor) {
        return img.scaled(img.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    };

    heading(QStringLiteral("Metafiles (card size 48 and 70 on white, and 4x)"));
    for (int i = 1; i <= 10; ++i) {
        WmfPicture pic;
        const QString name = QStringLiteral("Pop%1.wmf").arg(i);
        if (!pic.load(dir.filePath(name))) {
            cell(name + QStringLiteral(" FAILED"), {});
            continue;
        }
        cell(name, {pic.render(QSize(48, 48)), pic.render(QSize(70, 70)), pic.render(QSize(192, 192))});
    }
    heading(QStringLiteral("Bomb metafiles (cell 60 and 4x; board 360)"));
    for (const QString& name : {QStringLiteral("Bang.wmf"), QStringLiteral("Bang1.wmf"), QStringLiteral("Bang2.wmf")}) {
        WmfPicture pic;
        if (!pic.load(dir.filePath(name))) {
            cell(name + QStringLiteral(" FAILED"), {});
            continue;
        }
        if (name == QLatin1String("Bang.wmf"))
            cell(name, {pic.render(QSize(60, 60)), pic.render(QSize(240, 240))});
        else
            cell(name, {pic.render(QSize(360, 360))});
    }
    heading(QStringLiteral("Bitmaps (as stored, 4x, and as the games show them over navy)"));
    for (const QString& name : {QStringLiteral("Tama.bmp"), QStringLiteral("Bang.bmp"), QStringLiteral("STARS2.bmp"),
                                QStringLiteral("Mogura.bmp"), QStringLiteral("Atari.bmp")}) {
        const QImage img = loadBmp(dir.filePath(name));
        if (img.isNull()) {
            cell(name + QStringLiteral(" FAILED"), {});
            continue;
        }
        const bool hole = name == QLatin1String("Mogura.bmp") || name == QLatin1String("Atari.bmp");
        const QImage shown = hole ? floodNavy(img) : whiteOnNavy(img);
        cell(QStringLiteral("%1 %2x%3").arg(name).arg(img.width()).arg(img.height()),
             {img, scaled(img, 4), scaled(shown, 4)});
    }
    heading(QStringLiteral("Animations (first and middle frame)"));
    for (int i = 1; i <= 7; ++i) {
        const QString name = QStringLiteral("Game%1.AVI").arg(i);
        const AviClip clip = AviClip::decode(dir.filePath(name));
        if (clip.isNull()) {
            cell(name + QStringLiteral(" FAILED"), {});
            continue;
        }
        const int n = int(clip.frames.size());
        cell(QStringLiteral("%1 %2x%3, %4 frames at %5/s = %6 s")
                 .arg(name)
                 .arg(clip.frameSize.width())
                 .arg(clip.frameSize.height())
                 .arg(n)
                 .arg(clip.frameRate)
                 .arg(n / clip.frameRate, 0, 'f', 1),
             {clip.frames.front(), clip.frames[size_t(n / 2)]});
    }
    heading(QStringLiteral("Sounds and tunes"));
    QStringList lines;
    for (const QString& name : dir.entryList({QStringLiteral("*.wav")}, QDir::Files, QDir::Name)) {
        QFile f(dir.filePath(name));
        f.open(QIODevice::ReadOnly);
        lines << QStringLiteral("%1  %2 s").arg(name).arg(wavSeconds(f.readAll()), 0, 'f', 2);
    }
    for (const QString& name : dir.entryList({QStringLiteral("*.mid")}, QDir::Files, QDir::Name)) {
        QFile f(dir.filePath(name));
        f.open(QIODevice::ReadOnly);
        const auto info = SmfReader::read(f.readAll());
        lines << (info ? QStringLiteral("%1  %2 s, %3 notes").arg(name).arg(info->seconds, 0, 'f', 1).arg(info->notes)
                       : name + QStringLiteral("  UNREADABLE"));
    }
    p.setFont(small);
    y += rowHeight + 4;
    rowHeight = 0;
    const int perColumn = (int(lines.size()) + 3) / 4;
    for (int i = 0; i < lines.size(); ++i)
        p.drawText(QPoint(16 + (i / perColumn) * 380, y + 16 + (i % perColumn) * 18), lines[i]);
    y += perColumn * 18 + 24;
    p.end();
    const QImage out = sheet.copy(0, 0, width, std::min(y, sheet.height()));
    if (!out.save(args[2])) {
        QTextStream(stderr) << "cannot write " << args[2] << "\n";
        return 1;
    }
    QTextStream(stdout) << "wrote " << args[2] << "\n";
    return 0;
}
