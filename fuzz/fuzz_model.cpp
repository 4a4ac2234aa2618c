// SPDX-License-Identifier: GPL-3.0-or-later
// "Tegaki.model": the structure check that stands before zinnia. Whatever it lets through is
// then opened by zinnia itself and asked to classify a stroke, so a model the check wrongly
// passes shows up here as zinnia reading out of bounds.
#include "FuzzSupport.h"

#include "writing/handwriting/ZinniaModelCheck.h"

#include <zinnia.h>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzInit(false);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = FuzzBytes(data, size);
    if (!CheckZinniaModel(bytes))
        return 0;
    const QString path = WriteFuzzFile(QStringLiteral("Tegaki.model"), bytes);
    zinnia_recognizer_t* r = zinnia_recognizer_new();
    if (zinnia_recognizer_open(r, path.toLocal8Bit().constData())) {
        zinnia_character_t* c = zinnia_character_new();
        zinnia_character_set_width(c, 300);
        zinnia_character_set_height(c, 300);
        zinnia_character_add(c, 0, 50, 50);
        zinnia_character_add(c, 0, 250, 250);
        if (zinnia_result_t* result = zinnia_recognizer_classify(r, c, 10)) {
            for (size_t i = 0; i < zinnia_result_size(result); ++i)
                (void)QString::fromUtf8(zinnia_result_value(result, i));
            zinnia_result_destroy(result);
        }
        zinnia_character_destroy(c);
    }
    zinnia_recognizer_destroy(r);
    return 0;
}
