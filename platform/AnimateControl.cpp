#include "platform/AnimateControl.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libavutil/log.h>
#include <libswscale/swscale.h>
}

namespace {

// RAII holders so every early return frees what was allocated.
struct FormatHolder {
    AVFormatContext* ctx = nullptr;
    ~FormatHolder() { avformat_close_input(&ctx); }
};
struct CodecHolder {
    AVCodecContext* ctx = nullptr;
    ~CodecHolder() { avcodec_free_context(&ctx); }
};
struct FrameHolder {
    AVFrame* frame = av_frame_alloc();
    ~FrameHolder() { av_frame_free(&frame); }
};
struct PacketHolder {
    AVPacket* packet = av_packet_alloc();
    ~PacketHolder() { av_packet_free(&packet); }
};
struct ScaleHolder {
    SwsContext* ctx = nullptr;
    ~ScaleHolder() { sws_freeContext(ctx); }
};

double rateOf(const AVRational& r)
{
    return (r.num > 0 && r.den > 0) ? double(r.num) / r.den : 0.0;
}

bool openInput(FormatHolder& fmt, const QByteArray& file)
{
    // AVI first; another container a user renamed still opens by probing.
    if (const AVInputFormat* avi = av_find_input_format("avi")) {
        if (avformat_open_input(&fmt.ctx, file.constData(), avi, nullptr) == 0)
            return true;
        fmt.ctx = nullptr;
    }
    return avformat_open_input(&fmt.ctx, file.constData(), nullptr, nullptr) == 0;
}

}  // namespace

AviClip AviClip::decode(const QString& path)
{
    static const bool quiet = [] {
        av_log_set_level(AV_LOG_QUIET);
        return true;
    }();
    Q_UNUSED(quiet);

    AviClip clip;
    if (!QFileInfo(path).isFile())
        return clip;
    FormatHolder fmt;
    if (!openInput(fmt, QFile::encodeName(path)))
        return clip;
    if (avformat_find_stream_info(fmt.ctx, nullptr) < 0)
        return clip;
    const int streamIndex = av_find_best_stream(fmt.ctx, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (streamIndex < 0)
        return clip;
    AVStream* stream = fmt.ctx->streams[streamIndex];
    const AVCodec* codec = avcodec_find_decoder(stream->codecpar->codec_id);
    if (!codec)
        return clip;
    CodecHolder dec;
    dec.ctx = avcodec_alloc_context3(codec);
    if (!dec.ctx || avcodec_parameters_to_context(dec.ctx, stream->codecpar) < 0)
        return clip;
    dec.ctx->thread_count = 1;
    if (avcodec_open2(dec.ctx, codec, nullptr) < 0)
        return clip;

    double rate = rateOf(stream->avg_frame_rate);
    if (rate <= 0)
        rate = rateOf(stream->r_frame_rate);
    if (rate <= 0 || rate > 240)
        return clip;

    FrameHolder frame;
    PacketHolder packet;
    ScaleHolder scale;
    if (!frame.frame || !packet.packet)
        return clip;
    std::vector<QImage> frames;
    QSize size;
    qint64 pixels = 0;
    bool damaged = false;

    auto takeFrames = [&]() {
        while (avcodec_receive_frame(dec.ctx, frame.frame) == 0) {
            const int w = frame.frame->width, h = frame.frame->height;
            if (w <= 0 || h <= 0 || w > MaxSide || h > MaxSide) {
                damaged = true;
                return;
            }
            if (size.isEmpty())
                size = QSize(w, h);
            if (QSize(w, h) != size || int(frames.size()) >= MaxFrames) {
                damaged = true;
                return;
            }
            pixels += qint64(w) * h;
            if (pixels > MaxPixels) {
                damaged = true;
                return;
            }
            scale.ctx = sws_getCachedContext(scale.ctx, w, h, AVPixelFormat(frame.frame->format), w, h,
                                             AV_PIX_FMT_RGB32, SWS_POINT, nullptr, nullptr, nullptr);
            if (!scale.ctx) {
                damaged = true;
                return;
            }
            QImage image(w, h, QImage::Format_RGB32);
            uint8_t* dst[4] = {image.bits(), nullptr, nullptr, nullptr};
            int dstStride[4] = {int(image.bytesPerLine()), 0, 0, 0};
            sws_scale(scale.ctx, frame.frame->data, frame.frame->linesize, 0, h, dst, dstStride);
            frames.push_back(std::move(image));
            av_frame_unref(frame.frame);
        }
    };

    int packets = 0;
    while (!damaged && av_read_frame(fmt.ctx, packet.packet) >= 0) {
        if (++packets > MaxFrames * 4) {
            av_packet_unref(packet.packet);
            damaged = true;
            break;
        }
        if (packet.packet->stream_index == streamIndex) {
            if (avcodec_send_packet(dec.ctx, packet.packet) < 0) {
                av_packet_unref(packet.packet);
                damaged = true;
                break;
            }
            takeFrames();
        }
        av_packet_unref(packet.packet);
    }
    if (!damaged) {
        avcodec_send_packet(dec.ctx, nullptr);
        takeFrames();
    }
    if (damaged || frames.empty())
        return clip;
    // A file cut short holds fewer frames than its header promises.
    if (stream->nb_frames > 0 && qint64(frames.size()) < stream->nb_frames)
        return clip;
    clip.frames = std::move(frames);
    clip.frameRate = rate;
    clip.frameSize = size;
    return clip;
}

AnimateControl::AnimateControl(QWidget* parent) : QWidget(parent)
{
    connect(&timer_, &QTimer::timeout, this, &AnimateControl::advance);
}

AnimateControl::~AnimateControl() = default;

bool AnimateControl::open(const QString& path)
{
    close();
    AviClip clip = AviClip::decode(path);
    if (clip.isNull())
        return false;
    clip_ = std::move(clip);
    path_ = path;
    current_ = 0;
    update();
    return true;
}

void AnimateControl::play()
{
    if (!isOpen())
        return;
    timer_.start(qMax(1, int(1000.0 / clip_.frameRate)));
}

void AnimateControl::stop() { timer_.stop(); }

void AnimateControl::close()
{
    timer_.stop();
    clip_ = AviClip();
    path_.clear();
    current_ = 0;
    update();
}

bool AnimateControl::isOpen() const { return !clip_.isNull(); }
bool AnimateControl::isPlaying() const { return timer_.isActive(); }
int AnimateControl::frameCount() const { return int(clip_.frames.size()); }
double AnimateControl::frameRate() const { return clip_.frameRate; }
QSize AnimateControl::frameSize() const { return clip_.frameSize; }

QImage AnimateControl::frameAt(int index) const
{
    if (index < 0 || index >= frameCount())
        return {};
    return clip_.frames[size_t(index)];
}

void AnimateControl::advance()
{
    if (!isOpen())
        return;
    current_ = (current_ + 1) % frameCount();
    update();
}

void AnimateControl::paintEvent(QPaintEvent*)
{
    if (!isOpen())
        return;
    QPainter painter(this);
    const QImage& image = clip_.frames[size_t(current_)];
    const QPoint at((width() - image.width()) / 2, (height() - image.height()) / 2);
    painter.drawImage(at, image);
}

QSize AnimateControl::sizeHint() const
{
    return isOpen() ? clip_.frameSize : QSize(185, 120);
}
