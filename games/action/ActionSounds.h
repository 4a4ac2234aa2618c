// SPDX-License-Identifier: GPL-3.0-or-later
// Opening, stopping and closing the sounds of an action game window.
#pragma once

#include <QString>
#include <initializer_list>

class QWidget;
class SoundEffect;
class WindowMusic;

struct EffectSlot {
    SoundEffect** slot;
    const char* file;
};

// Opens the music file (when MIDI plays) and then the effects in order. The first that cannot be
// opened is reported and the rest stay unopened (null), so the child sees one message.
void OpenActionSounds(QWidget* window, WindowMusic* music, const QString& musicFile,
                      std::initializer_list<EffectSlot> effects);
void StopEffects(std::initializer_list<SoundEffect*> effects);   // the open ones
void CloseEffects(std::initializer_list<SoundEffect*> effects);
