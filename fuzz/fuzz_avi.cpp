// SPDX-License-Identifier: GPL-3.0-or-later
// The menu's animation files: AviStream (FFmpeg) on the input written to a file, opened and
// played twice round as the menu's animation control plays it.
#include "FuzzSupport.h"

#include "platform/AviStream.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzInit(true);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = WriteFuzzFile(QStringLiteral("Game1.AVI"), FuzzBytes(data, size));
    const std::unique_ptr<AviStream> stream = AviStream::open(path);
    if (getenv("FUZZ_VERBOSE") && stream)  // to check that a seed really decodes
        fprintf(stderr, "%d frames of %dx%d at %g/s\n", stream->frameCount(),
                stream->frameSize().width(), stream->frameSize().height(), stream->frameRate());
    if (!stream)
        return 0;
    if (stream->frameRate() <= 0 || stream->frameSize().isEmpty() || stream->frameCount() <= 0 ||
        stream->frameCount() > AviStream::MaxFrames)
        abort();
    QImage frame;
    for (int i = 0; i < 2 * stream->frameCount(); ++i) {
        // The file was checked whole at open: every frame reads, in order, round and round.
        if (!stream->next(frame) || frame.size() != stream->frameSize() ||
            stream->position() != i % stream->frameCount())
            abort();
    }
    return 0;
}
