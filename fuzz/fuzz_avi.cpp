// The menu's animation files: AviClip::decode (FFmpeg) on the input written to a file, as
// AnimateControl::open reads it.
#include "FuzzSupport.h"

#include "platform/AnimateControl.h"

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
    const AviClip clip = AviClip::decode(path);
    if (getenv("FUZZ_VERBOSE"))  // to check that a seed really decodes
        fprintf(stderr, "%d frames of %dx%d at %g/s\n", int(clip.frames.size()),
                clip.frameSize.width(), clip.frameSize.height(), clip.frameRate);
    if (clip.isNull())
        return 0;
    if (clip.frameRate <= 0 || clip.frameSize.isEmpty() ||
        int(clip.frames.size()) > AviClip::MaxFrames)
        abort();
    for (const QImage& frame : clip.frames)
        if (frame.size() != clip.frameSize)
            abort();
    return 0;
}
