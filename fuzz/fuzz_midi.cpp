// SPDX-License-Identifier: GPL-3.0-or-later
// MIDI files through MediaPlayer::open, which checks the chunk structure itself before handing a
// file to the synthesiser. Audio is kept closed (an unknown SDL driver), so only our check runs:
// every MIDI open must then fail, and nothing may crash or hang on the way.
#include "FuzzSupport.h"

#include "platform/MediaPlayer.h"

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("SDL_AUDIODRIVER", "mojimaru-fuzz-none", 1);
    FuzzInit(false);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = WriteFuzzFile(QStringLiteral("Menu1.mid"), FuzzBytes(data, size));
    MediaPlayer player;
    player.setFileName(path);
    if (player.open())
        abort();  // no audio device: a MIDI file never opens
    return 0;
}
