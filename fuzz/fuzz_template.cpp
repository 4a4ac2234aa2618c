// SPDX-License-Identifier: GPL-3.0-or-later
// "Tegaki.dat": the glyph templates the writing pad matches against. A file that reads must give
// whole templates with unit (or empty) feature vectors of finite numbers.
#include "FuzzSupport.h"

#include "writing/handwriting/TemplateFile.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzInit(false);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = WriteFuzzFile(QStringLiteral("Tegaki.dat"), FuzzBytes(data, size));
    QVector<GlyphTemplate> templates;
    if (!ReadTemplateFile(path, &templates)) {
        if (!templates.isEmpty())
            abort();
        return 0;
    }
    for (const GlyphTemplate& t : templates) {
        double sum = 0;
        for (float v : t.features) {
            if (!std::isfinite(v) || v < 0)
                abort();
            sum += double(v) * v;
        }
        if (sum != 0 && std::fabs(sum - 1) > 1e-3)
            abort();
    }
    return 0;
}
