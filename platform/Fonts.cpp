// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

void InstallFontSubstitutions()
{
    QFont::insertSubstitution(FacePGothic, QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(FaceGothic, QStringLiteral("IPAGothic"));
    QFont::insertSubstitution(QStringLiteral("MS UI Gothic"), QStringLiteral("IPAPGothic"));
}

bool JapaneseFontAvailable()
{
    const QStringList families = QFontDatabase::families(QFontDatabase::Japanese);
    return !families.isEmpty();
}

bool StrokeOrderFontAvailable()
{
    return QFontDatabase::families().contains(FaceStrokeOrder, Qt::CaseInsensitive);
}

QFont PixelFont(int pixels, bool bold, const QString& face)
{
    QFont font(face);
    font.setPixelSize(pixels > 0 ? pixels : 1);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QFont PointFont(int points, bool bold, const QString& face)
{
    return PixelFont(points * 96 / 72, bold, face);
}
