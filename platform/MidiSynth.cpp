// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MidiSynth.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <mutex>

#include <SDL.h>
#include <SDL_mixer.h>
#include <fluidsynth.h>

namespace {

const char* const SoundFonts[] = {"/usr/share/sounds/sf2/TimGM6mb.sf2",
                                  "/usr/share/sounds/sf2/default-GM.sf2"};

// The synthesizer's level: the tunes sound as loud over the effects as they did through
// SDL_mixer's own MIDI decoder (measured on a rendered menu track).
constexpr double Gain = 1.2;

// Everything below `lock` is shared with the audio thread.
std::mutex lock;
fluid_settings_t* settings = nullptr;
fluid_synth_t* synth = nullptr;
bool fontLoaded = false;
fluid_player_t* track = nullptr;
int trackOwner = 0;
bool endReported = false;
int outChannels = 2;

// Plain data only: the audio thread may still run while the program's statics are destroyed.
void (*onEnd)(int) = nullptr;
int synthsMade = 0;
int fontsLoaded = 0;

void releaseTrack()
{
    if (track) {
        fluid_player_stop(track);
        delete_fluid_player(track);
    }
    track = nullptr;
    trackOwner = 0;
    endReported = false;
}

// The mixer's music: the synthesizer's output, written before the effects are mixed over it.
void render(void*, Uint8* stream, int bytes)
{
    int ended = 0;
    {
        std::lock_guard guard(lock);
        const int frames = bytes / (outChannels * static_cast<int>(sizeof(short)));
        if (!synth || (!track && fluid_synth_get_active_voice_count(synth) == 0)) {
            // Nothing sounds: no work for the audio thread while the menu or a game rests.
            SDL_memset(stream, 0, static_cast<size_t>(bytes));
            return;
        }
        auto* out = reinterpret_cast<short*>(stream);
        if (outChannels == 2) {
            fluid_synth_write_s16(synth, frames, out, 0, 2, out, 1, 2);
        } else {
            short stereo[2 * 512];
            for (int done = 0; done < frames; done += 512) {
                const int n = std::min(512, frames - done);
                fluid_synth_write_s16(synth, n, stereo, 0, 2, stereo, 1, 2);
                for (int f = 0; f < n; ++f) {
                    short* frame = out + static_cast<ptrdiff_t>(done + f) * outChannels;
                    if (outChannels == 1) {
                        frame[0] = static_cast<short>((stereo[2 * f] + stereo[2 * f + 1]) / 2);
                        continue;
                    }
                    frame[0] = stereo[2 * f];
                    frame[1] = stereo[2 * f + 1];
                    for (int c = 2; c < outChannels; ++c)
                        frame[c] = 0;
                }
            }
        }
        if (track && !endReported && fluid_player_get_status(track) == FLUID_PLAYER_DONE) {
            endReported = true;
            ended = trackOwner;
        }
    }
    if (ended && onEnd)
        onEnd(ended);
}

bool loadFont()
{
    if (fontLoaded)
        return true;
    const QString font = MidiSynth::soundFont();
    if (font.isEmpty())
        return false;
    // Every sample is read here, once: none is read later inside the audio thread.
    fontLoaded = fluid_synth_sfload(synth, QFile::encodeName(font).constData(), 1) != FLUID_FAILED;
    if (fontLoaded)
        ++fontsLoaded;
    return fontLoaded;
}

}  // namespace

namespace MidiSynth {

QString soundFont()
{
    for (const char* sf : SoundFonts) {
        const QString path = QString::fromLatin1(sf);
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

void setEndHandler(void (*handler)(int owner)) { onEnd = handler; }

bool attach(int sampleRate, int channels)
{
    if (synth)
        return true;
    if (channels < 1)
        return false;
    settings = new_fluid_settings();
    if (!settings)
        return false;
    fluid_settings_setnum(settings, "synth.sample-rate", sampleRate);
    fluid_settings_setnum(settings, "synth.gain", Gain);
    fluid_settings_setint(settings, "synth.dynamic-sample-loading", 0);
    // The players keep time by the samples rendered, so a track plays at the device's pace.
    fluid_settings_setstr(settings, "player.timing-source", "sample");
    fluid_synth_t* made = new_fluid_synth(settings);
    if (!made) {
        delete_fluid_settings(settings);
        settings = nullptr;
        return false;
    }
    ++synthsMade;
    {
        std::lock_guard guard(lock);
        synth = made;
        outChannels = channels;
    }
    Mix_HookMusic(render, nullptr);
    return true;
}

bool play(const QByteArray& midiFile, int owner)
{
    if (!synth || owner == 0)
        return false;
    std::lock_guard guard(lock);
    releaseTrack();
    if (!loadFont())
        return false;
    fluid_player_t* player = new_fluid_player(synth);
    if (!player)
        return false;
    if (fluid_player_add_mem(player, midiFile.constData(), static_cast<size_t>(midiFile.size())) !=
            FLUID_OK ||
        fluid_player_play(player) != FLUID_OK) {
        delete_fluid_player(player);
        return false;
    }
    track = player;
    trackOwner = owner;
    return true;
}

void stop(int owner)
{
    std::lock_guard guard(lock);
    if (owner == 0 || trackOwner != owner)
        return;
    releaseTrack();
    fluid_synth_all_notes_off(synth, -1);
}

void releaseIfEnded(int owner)
{
    std::lock_guard guard(lock);
    if (owner != 0 && trackOwner == owner && endReported)
        releaseTrack();
}

bool holds(int owner)
{
    std::lock_guard guard(lock);
    return owner != 0 && trackOwner == owner;
}

bool playing(int owner)
{
    std::lock_guard guard(lock);
    return owner != 0 && trackOwner == owner && !endReported;
}

int synthesizersMade() { return synthsMade; }
int soundFontsLoaded() { return fontsLoaded; }

}  // namespace MidiSynth
