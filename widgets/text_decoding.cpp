#include "widgets/text_decoding.h"

#include <QByteArrayView>
#include <QStringDecoder>

namespace chronavell {

QString DecodeText(std::string_view bytes)
{
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(view);
    if (!utf8.hasError()) {
        return text;
    }
    QStringDecoder windows1252("windows-1252", QStringDecoder::Flag::Stateless);
    if (windows1252.isValid()) {
        return windows1252.decode(view);
    }
    // Without a code-page converter Latin-1 is the closest: it differs in 0x80 to 0x9F only.
    return QString::fromLatin1(view);
}

} // namespace chronavell
