#include "widgets/jpeg_decoder.h"

#include <QFile>

#include <bit>
#include <memory>
#include <stdexcept>
#include <turbojpeg.h>

namespace chronavell {
namespace {

struct HandleCloser
{
    void operator()(void* handle) const { tjDestroy(handle); }
};
using Handle = std::unique_ptr<void, HandleCloser>;

[[noreturn]] void Fail(const QString& what, const char* reason)
{
    throw std::runtime_error(QStringLiteral("The picture %1 cannot be decoded: %2")
                                 .arg(what, QString::fromUtf8(reason))
                                 .toStdString());
}

} // namespace

QImage DecodeJpeg(QByteArrayView data, const QString& what)
{
    const Handle handle(tjInitDecompress());
    if (!handle) {
        Fail(what, tjGetErrorStr2(nullptr));
    }
    // TurboJPEG's own API reports every error by its result; the library never exits.
    auto* source = reinterpret_cast<const unsigned char*>(data.data());
    const auto size = static_cast<unsigned long>(data.size());
    int width = 0;
    int height = 0;
    int subsampling = 0;
    int colourSpace = 0;
    if (tjDecompressHeader3(handle.get(), source, size, &width, &height, &subsampling,
                            &colourSpace) != 0) {
        Fail(what, tjGetErrorStr2(handle.get()));
    }
    // RGB32 is what the painter blits fastest. On a little-endian machine its 0xffRRGGBB
    // words are the bytes B, G, R, 0xff, which TurboJPEG writes as BGRA with opaque alpha.
    static_assert(std::endian::native == std::endian::little);
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) {
        Fail(what, "no memory for the picture");
    }
    // A warning means corrupt data that libjpeg papered over: that too is a damaged picture.
    if (tjDecompress2(handle.get(), source, size, image.bits(), width,
                      static_cast<int>(image.bytesPerLine()), height, TJPF_BGRA,
                      TJFLAG_STOPONWARNING) != 0) {
        Fail(what, tjGetErrorStr2(handle.get()));
    }
    return image;
}

QImage LoadJpeg(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Fail(path, "it cannot be read");
    }
    return DecodeJpeg(file.readAll(), path);
}

} // namespace chronavell
