// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/action/ActionSounds.h"

#include "data/ErrorReports.h"
#include "data/Music.h"
#include "data/ProgramDir.h"
#include "data/Tables.h"
#include "platform/MediaPlayer.h"

void OpenActionSounds(QWidget* window, WindowMusic* music, const QString& musicFile,
                      std::initializer_list<EffectSlot> effects)
{
    if (Midi_Count != 0) {
        MediaPlayer* m = music->player();
        m->setFileName(ProgramFile(musicFile));
        if (!m->open()) {
            MediaErrorReport(window, musicFile);
            return;
        }
    }
    for (const EffectSlot& e : effects) {
        *e.slot = new SoundEffect(window, QString::fromLatin1(e.file));
        if (!(*e.slot)->isOpen())
            return;
    }
}

void StopEffects(std::initializer_list<SoundEffect*> effects)
{
    for (SoundEffect* e : effects)
        if (e && e->isOpen())
            e->player()->stop();
}

void CloseEffects(std::initializer_list<SoundEffect*> effects)
{
    for (SoundEffect* e : effects)
        if (e)
            e->player()->close();
}
