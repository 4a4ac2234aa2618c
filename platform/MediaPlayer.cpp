#include "platform/MediaPlayer.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QPointer>

#include <atomic>
#include <utility>

#include <SDL.h>
#include <SDL_mixer.h>
#include <dlfcn.h>
#include <fluidsynth.h>

// SDL_mixer makes each track's synthesizer with FluidSynth's default settings, and those read
// every sample of the soundfont into memory (6 MB of the General MIDI set for the handful of
// instruments a tune plays). This definition comes first in the program's symbol lookup, so
// SDL_mixer gets settings that load the samples of the instruments a track uses, when it uses
// them.
namespace {
std::atomic<int> onDemandSynths{0};
}

extern "C" fluid_settings_t* new_fluid_settings(void)
{
    using Make = fluid_settings_t* (*)();
    static const Make library = reinterpret_cast<Make>(dlsym(RTLD_NEXT, "new_fluid_settings"));
    fluid_settings_t* settings = library ? library() : nullptr;
    if (settings && fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1) == FLUID_OK)
        ++onDemandSynths;
    return settings;
}

namespace {

const char* const SoundFonts[] = {"/usr/share/sounds/sf2/TimGM6mb.sf2",
                                  "/usr/share/sounds/sf2/default-GM.sf2"};

bool recordingMode = false;
bool midiForTests = true;
QStringList recordLog;
int nextId = 1;
QHash<int, QPointer<MediaPlayer>> livePlayers;

// What the audio thread may touch: which player owns the music and each channel, under a lock.
QMutex ownersLock;
int musicOwner = 0;
int lastMusicPlayer = 0;  // UI thread only: the player whose track the mixer played last
QHash<int, int> channelOwner;

enum class Audio { Untried, Open, Failed };
Audio audioState = Audio::Untried;

void deliverOnUiThread(int id)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return;
    QMetaObject::invokeMethod(
        app,
        [id] {
            auto it = livePlayers.find(id);
            if (it != livePlayers.end() && *it)
                (*it)->deliverEnd();
        },
        Qt::QueuedConnection);
}

void musicFinished()
{
    int owner;
    {
        QMutexLocker lock(&ownersLock);
        owner = musicOwner;
        musicOwner = 0;
    }
    if (owner)
        deliverOnUiThread(owner);
}

void channelFinished(int channel)
{
    int owner;
    {
        QMutexLocker lock(&ownersLock);
        owner = channelOwner.take(channel);
    }
    if (owner)
        deliverOnUiThread(owner);
}

bool ensureAudio()
{
    if (audioState == Audio::Untried) {
        audioState = Audio::Failed;
        // SDL would otherwise take over SIGINT and SIGTERM, and the program would ignore them.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        // A WAV cut short is a broken file, not a shorter sound.
        SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "verystrict");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
            Mix_Init(MIX_INIT_MID);
            for (const char* sf : SoundFonts) {
                if (QFileInfo::exists(QString::fromLatin1(sf))) {
                    Mix_SetSoundFonts(sf);
                    break;
                }
            }
            if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 2048) == 0) {
                Mix_AllocateChannels(16);
                Mix_HookMusicFinished(musicFinished);
                Mix_ChannelFinished(channelFinished);
                audioState = Audio::Open;
            }
        }
    }
    return audioState == Audio::Open;
}

bool midiDecoderPresent()
{
    for (int i = 0; i < Mix_GetNumMusicDecoders(); ++i) {
        const QByteArray name = Mix_GetMusicDecoder(i);
        if (name == "MIDI" || name == "FLUIDSYNTH" || name == "TIMIDITY" || name == "NATIVEMIDI")
            return true;
    }
    return false;
}

QString shortName(const QString& path) { return QFileInfo(path).fileName(); }

quint32 be32(const QByteArray& b, qsizetype at)
{
    quint32 v = 0;
    for (int i = 0; i < 4; ++i)
        v = (v << 8) | static_cast<unsigned char>(b[at + i]);
    return v;
}

// FluidSynth accepts a truncated file silently; check the chunk structure ourselves so a damaged
// track is an open failure, as for any other broken file.
bool isWholeMidiFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > (16 << 20))
        return false;
    const QByteArray b = file.readAll();
    if (b.size() < 14 || !b.startsWith("MThd") || be32(b, 4) != 6)
        return false;
    const int tracks = (static_cast<unsigned char>(b[10]) << 8) | static_cast<unsigned char>(b[11]);
    qsizetype at = 14;
    int found = 0;
    while (at + 8 <= b.size()) {
        const quint32 len = be32(b, at + 4);
        if (len > static_cast<quint32>(b.size() - at - 8))
            return false;
        if (b.mid(at, 4) == "MTrk")
            ++found;
        at += 8 + static_cast<qsizetype>(len);
    }
    return found >= 1 && found >= tracks && at == b.size();
}

}  // namespace

MediaPlayer::MediaPlayer(QObject* parent) : QObject(parent), id_(nextId++)
{
    livePlayers.insert(id_, this);
}

MediaPlayer::~MediaPlayer()
{
    close();
    livePlayers.remove(id_);
}

void MediaPlayer::setFileName(const QString& path) { path_ = path; }

bool MediaPlayer::isMidi() const
{
    const QString lower = path_.toLower();
    return lower.endsWith(QLatin1String(".mid")) || lower.endsWith(QLatin1String(".midi"));
}

bool MediaPlayer::open()
{
    close();
    if (recordingMode) {
        recordLog << QStringLiteral("open ") + shortName(path_);
        open_ = QFileInfo(path_).isFile();
        return open_;
    }
    if (!QFileInfo(path_).isFile() || (isMidi() && !isWholeMidiFile(path_)))
        return false;
    if (!ensureAudio()) {
        // No sound card: effects stay silent rather than interrupting the child with errors.
        open_ = !isMidi();
        return open_;
    }
    if (isMidi()) {
        // Each loaded track starts a synthesizer with the whole soundfont: load it when it plays.
        open_ = true;
        return open_;
    }
    chunk_ = Mix_LoadWAV(QFile::encodeName(path_).constData());
    open_ = chunk_ != nullptr;
    return open_;
}

void MediaPlayer::freeMusic()
{
    if (music_)
        Mix_FreeMusic(static_cast<Mix_Music*>(music_));
    music_ = nullptr;
}

void MediaPlayer::close()
{
    if (!open_)
        return;
    if (recordingMode) {
        recordLog << QStringLiteral("close ") + shortName(path_);
        open_ = false;
        return;
    }
    stop();
    freeMusic();
    if (chunk_)
        Mix_FreeChunk(static_cast<Mix_Chunk*>(chunk_));
    music_ = nullptr;
    chunk_ = nullptr;
    open_ = false;
}

bool MediaPlayer::play()
{
    if (recordingMode) {
        recordLog << QStringLiteral("play ") + shortName(path_);
        return open_;
    }
    if (!open_)
        return false;
    if (isMidi() && audioState == Audio::Open) {
        if (!music_)
            music_ = Mix_LoadMUS(QFile::encodeName(path_).constData());
        if (!music_)
            return false;
        {
            QMutexLocker lock(&ownersLock);
            musicOwner = 0;  // the halt of another player's track is not its end
        }
        if (Mix_PlayMusic(static_cast<Mix_Music*>(music_), 1) != 0)
            return false;
        {
            QMutexLocker lock(&ownersLock);
            musicOwner = id_;
        }
        // The mixer plays one track at a time: the one just cut off will never report its end,
        // so its synthesizer is released now rather than when its window closes.
        const int cutOff = std::exchange(lastMusicPlayer, id_);
        if (cutOff != id_) {
            auto it = livePlayers.find(cutOff);
            if (it != livePlayers.end() && *it)
                (*it)->freeMusic();
        }
        return true;
    }
    if (chunk_) {
        if (channel_ >= 0 && Mix_Playing(channel_)) {
            QMutexLocker lock(&ownersLock);
            if (channelOwner.value(channel_) == id_) {
                channelOwner.remove(channel_);
                lock.unlock();
                Mix_HaltChannel(channel_);
            }
        }
        channel_ = Mix_PlayChannel(-1, static_cast<Mix_Chunk*>(chunk_), 0);
        if (channel_ < 0)
            return false;
        QMutexLocker lock(&ownersLock);
        channelOwner.insert(channel_, id_);
        return true;
    }
    return true;  // silent effect without a sound card
}

bool MediaPlayer::stop()
{
    if (recordingMode) {
        recordLog << QStringLiteral("stop ") + shortName(path_);
        return true;
    }
    if (music_) {
        bool mine;
        {
            QMutexLocker lock(&ownersLock);
            mine = musicOwner == id_;
            if (mine)
                musicOwner = 0;
        }
        if (mine)
            Mix_HaltMusic();
        freeMusic();
    }
    if (chunk_ && channel_ >= 0) {
        bool mine;
        {
            QMutexLocker lock(&ownersLock);
            mine = channelOwner.value(channel_) == id_;
            if (mine)
                channelOwner.remove(channel_);
        }
        if (mine)
            Mix_HaltChannel(channel_);
        channel_ = -1;
    }
    return true;
}

bool MediaPlayer::rewind()
{
    if (recordingMode) {
        recordLog << QStringLiteral("rewind ") + shortName(path_);
        return open_;
    }
    // Playing again starts from the beginning; a running effect is cut off first.
    stop();
    return open_;
}

bool MediaPlayer::isPlaying() const
{
    if (recordingMode || !open_)
        return false;
    QMutexLocker lock(&ownersLock);
    if (isMidi())
        return musicOwner == id_;
    return channel_ >= 0 && channelOwner.value(channel_) == id_;
}

void MediaPlayer::deliverEnd()
{
    if (music_ && !isPlaying())
        freeMusic();  // the track played out: release its synthesizer until it plays again
    if (!notify_)
        return;
    notify_ = false;
    emit notify();
}

int MidiDeviceCount()
{
    if (recordingMode)
        return midiForTests ? 1 : 0;
    bool soundFont = false;
    for (const char* sf : SoundFonts)
        soundFont = soundFont || QFileInfo::exists(QString::fromLatin1(sf));
    return soundFont && ensureAudio() && midiDecoderPresent() ? 1 : 0;
}

namespace MediaPlayers {
void setRecording(bool on)
{
    recordingMode = on;
    recordLog.clear();
    midiForTests = true;
}
bool recording() { return recordingMode; }
QStringList& log() { return recordLog; }
void finish(MediaPlayer* p)
{
    if (p)
        p->deliverEnd();
}
void setMidiAvailableForTests(bool on) { midiForTests = on; }
int onDemandSynthesizers() { return onDemandSynths; }
}  // namespace MediaPlayers
