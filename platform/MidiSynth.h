// SPDX-License-Identifier: GPL-3.0-or-later
// The run's one FluidSynth synthesizer, with the General MIDI soundfont loaded into it once, and
// the one track playing on it. Its sound is the mixer's music stream (SDL_mixer's music hook), so
// the effects play over it as before. A track is one FluidSynth player on the shared synthesizer;
// starting a track replaces the one before, which then never reports its end.
//
// Callers are on the UI thread; the audio thread only renders and notices a track's end.
#pragma once

#include <QByteArray>
#include <QString>

namespace MidiSynth {

// The soundfont the synthesizer uses: the first General MIDI set present, or empty.
QString soundFont();

// Called on the audio thread with the owner of a track that played to its end.
void setEndHandler(void (*handler)(int owner));

// Makes the synthesizer for the mixer's open device (once) and hooks it into the music stream.
// The soundfont loads with the first track. False when FluidSynth cannot be set up.
bool attach(int sampleRate, int channels);

// Plays a whole MIDI file held in memory for `owner` (not 0), cutting off the current track.
// False when the soundfont or the track cannot be loaded.
bool play(const QByteArray& midiFile, int owner);

// Stops and releases the track if `owner` holds it; the notes that sound are let go.
void stop(int owner);

// Releases the track `owner` held once it has played out.
void releaseIfEnded(int owner);

// Whether `owner` holds the current track, and whether that track still plays.
bool holds(int owner);
bool playing(int owner);

// How many synthesizers were made and soundfonts loaded in this run.
int synthesizersMade();
int soundFontsLoaded();

}  // namespace MidiSynth
