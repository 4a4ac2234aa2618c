// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AviStream.h"

#include <QFile>
#include <QFileInfo>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/log.h>
#include <libswscale/swscale.h>
}

namespace {

double rateOf(const AVRational& r)
{
    return (r.num > 0 && r.den > 0) ? double(r.num) / r.den : 0.0;
}

void quietLog()
{
    static const bool quiet = [] {
        av_log_set_level(AV_LOG_QUIET);
        return true;
    }();
    Q_UNUSED(quiet);
}

// Plain 24-bit clips, the usual AVI, are converted here: the general converter takes three times
// as long on their bottom-up rows, and this runs for every frame the menu shows.
void copyBgr24(const uint8_t* src, int stride, QImage& image)
{
    const int w = image.width(), h = image.height();
    uchar* const bits = image.bits();
    const qsizetype line = image.bytesPerLine();
    for (int y = 0; y < h; ++y) {
        const uint8_t* in = src + qptrdiff(y) * stride;
        auto* out = reinterpret_cast<QRgb*>(bits + y * line);
        for (int x = 0; x < w; ++x, in += 3)
            out[x] = 0xff000000u | (uint32_t(in[2]) << 16) | (uint32_t(in[1]) << 8) | in[0];
    }
}

}  // namespace

// One open file with its decoder; everything is freed with it, whichever step failed.
struct AviStream::Decoder {
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    AVFrame* frame = av_frame_alloc();
    AVPacket* packet = av_packet_alloc();
    SwsContext* scale = nullptr;
    int stream = -1;
    double rate = 0;
    qint64 promisedFrames = 0;
    bool draining = false;
    int packets = 0;

    ~Decoder()
    {
        sws_freeContext(scale);
        av_packet_free(&packet);
        av_frame_free(&frame);
        avcodec_free_context(&codec);
        avformat_close_input(&format);
    }

    static std::unique_ptr<Decoder> start(const QString& path)
    {
        auto d = std::make_unique<Decoder>();
        if (!d->frame || !d->packet || !d->openInput(QFile::encodeName(path)))
            return nullptr;
        if (avformat_find_stream_info(d->format, nullptr) < 0)
            return nullptr;
        d->stream = av_find_best_stream(d->format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
        if (d->stream < 0)
            return nullptr;
        AVStream* stream = d->format->streams[d->stream];
        const AVCodec* codec = avcodec_find_decoder(stream->codecpar->codec_id);
        if (!codec)
            return nullptr;
        d->codec = avcodec_alloc_context3(codec);
        if (!d->codec || avcodec_parameters_to_context(d->codec, stream->codecpar) < 0)
            return nullptr;
        d->codec->thread_count = 1;
        if (avcodec_open2(d->codec, codec, nullptr) < 0)
            return nullptr;
        d->rate = rateOf(stream->avg_frame_rate);
        if (d->rate <= 0)
            d->rate = rateOf(stream->r_frame_rate);
        if (d->rate <= 0 || d->rate > 240)
            return nullptr;
        d->promisedFrames = stream->nb_frames;
        return d;
    }

    bool openInput(const QByteArray& file)
    {
        // AVI first; another container a user renamed still opens by probing.
        if (const AVInputFormat* avi = av_find_input_format("avi")) {
            if (avformat_open_input(&format, file.constData(), avi, nullptr) == 0)
                return true;
            format = nullptr;
        }
        return avformat_open_input(&format, file.constData(), nullptr, nullptr) == 0;
    }

    // The next decoded frame into `frame`. False at the end of the file, and then `damaged` says
    // whether the end came from bad data.
    bool receive(bool& damaged)
    {
        for (;;) {
            av_frame_unref(frame);
            const int got = avcodec_receive_frame(codec, frame);
            if (got == 0)
                return true;
            if (got != AVERROR(EAGAIN)) {
                damaged = got != AVERROR_EOF;
                return false;
            }
            if (draining)
                return false;
            feed(damaged);
            if (damaged)
                return false;
        }
    }

    // Sends the next packet of our stream to the decoder, or the end of the stream.
    void feed(bool& damaged)
    {
        for (;;) {
            if (++packets > MaxFrames * 4) {
                damaged = true;
                return;
            }
            if (av_read_frame(format, packet) < 0) {
                draining = true;
                avcodec_send_packet(codec, nullptr);
                return;
            }
            const bool ours = packet->stream_index == stream;
            const int sent = ours ? avcodec_send_packet(codec, packet) : 0;
            av_packet_unref(packet);
            if (sent < 0)
                damaged = true;
            if (ours || damaged)
                return;
        }
    }

    bool seekStart()
    {
        const AVStream* s = format->streams[stream];
        const int64_t first = s->start_time != AV_NOPTS_VALUE ? s->start_time : 0;
        if (av_seek_frame(format, stream, first, AVSEEK_FLAG_BACKWARD) < 0)
            return false;
        avcodec_flush_buffers(codec);
        draining = false;
        packets = 0;
        return true;
    }

    SwsContext* scaleFor(int w, int h)
    {
        scale = sws_getCachedContext(scale, w, h, AVPixelFormat(frame->format), w, h, AV_PIX_FMT_RGB32,
                                     SWS_POINT, nullptr, nullptr, nullptr);
        return scale;
    }
};

AviStream::AviStream() = default;
AviStream::~AviStream() = default;

std::unique_ptr<AviStream> AviStream::open(const QString& path)
{
    quietLog();
    if (!QFileInfo(path).isFile())
        return nullptr;
    std::unique_ptr<AviStream> s(new AviStream);
    s->path_ = path;
    s->decoder_ = Decoder::start(path);
    if (!s->decoder_)
        return nullptr;
    Decoder& d = *s->decoder_;

    // One pass over every frame, converting none of them.
    int count = 0;
    QSize size;
    qint64 pixels = 0;
    bool damaged = false;
    while (!damaged && d.receive(damaged)) {
        const int w = d.frame->width, h = d.frame->height;
        if (w <= 0 || h <= 0 || w > MaxSide || h > MaxSide)
            return nullptr;
        if (size.isEmpty())
            size = QSize(w, h);
        pixels += qint64(w) * h;
        if (QSize(w, h) != size || ++count > MaxFrames || pixels > MaxPixels || !d.scaleFor(w, h))
            return nullptr;
    }
    if (damaged || count == 0)
        return nullptr;
    // A file cut short holds fewer frames than its header promises.
    if (d.promisedFrames > 0 && count < d.promisedFrames)
        return nullptr;
    s->frameCount_ = count;
    s->frameRate_ = d.rate;
    s->frameSize_ = size;
    if (!s->rewind())
        return nullptr;
    return s;
}

bool AviStream::rewind()
{
    position_ = -1;
    return (seekable_ && decoder_->seekStart()) || reopen();
}

bool AviStream::reopen()
{
    position_ = -1;
    std::unique_ptr<Decoder> fresh = Decoder::start(path_);
    if (!fresh)
        return false;
    decoder_ = std::move(fresh);
    return true;
}

bool AviStream::receiveNext()
{
    bool damaged = false;
    if (decoder_->receive(damaged))
        return true;
    if (!seekable_)
        return false;
    // A seek in a damaged file can skip frames that reading from the start finds: from now on
    // every round opens the file again, and this one is read up to here that way.
    seekable_ = false;
    const int wanted = position_ + 1;
    if (!reopen())
        return false;
    for (int i = 0; i <= wanted; ++i) {
        bool bad = false;
        if (!decoder_->receive(bad))
            return false;
    }
    position_ = wanted - 1;
    return true;
}

bool AviStream::next(QImage& image)
{
    if (position_ + 1 >= frameCount_ && !rewind())
        return false;
    if (!receiveNext())
        return false;
    Decoder& d = *decoder_;
    const int w = d.frame->width, h = d.frame->height;
    if (QSize(w, h) != frameSize_)
        return false;
    const bool direct = d.frame->format == AV_PIX_FMT_BGR24;
    SwsContext* scale = direct ? nullptr : d.scaleFor(w, h);
    if (!direct && !scale)
        return false;
    if (image.size() != frameSize_ || image.format() != QImage::Format_RGB32)
        image = QImage(frameSize_, QImage::Format_RGB32);
    uchar* bits = image.bits();  // detaches a shared copy
    if (!bits)
        return false;
    if (direct) {
        copyBgr24(d.frame->data[0], d.frame->linesize[0], image);
    } else {
        uint8_t* dst[4] = {bits, nullptr, nullptr, nullptr};
        int dstStride[4] = {int(image.bytesPerLine()), 0, 0, 0};
        sws_scale(scale, d.frame->data, d.frame->linesize, 0, h, dst, dstStride);
    }
    av_frame_unref(d.frame);
    ++position_;
    return true;
}

AviClip AviClip::decode(const QString& path)
{
    AviClip clip;
    std::unique_ptr<AviStream> stream = AviStream::open(path);
    if (!stream)
        return clip;
    std::vector<QImage> frames(size_t(stream->frameCount()));
    for (QImage& frame : frames)
        if (!stream->next(frame))
            return clip;
    clip.frames = std::move(frames);
    clip.frameRate = stream->frameRate();
    clip.frameSize = stream->frameSize();
    return clip;
}
