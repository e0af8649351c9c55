#include "store/NativeName.h"

#include <QStringDecoder>

#include <algorithm>

namespace NativeName {

namespace {

// A name's bytes as they are: a byte order mark at its start is part of it.
constexpr auto Flags = QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom;
constexpr char16_t StrayFirst = 0xDC80;
constexpr char16_t StrayLast = 0xDCFF;

bool isStray(QChar c)
{
    return c.unicode() >= StrayFirst && c.unicode() <= StrayLast;
}

// The length of the UTF-8 character that starts at `at`, or 0 where none does.
qsizetype characterAt(const QByteArray& bytes, qsizetype at)
{
    const auto byte = static_cast<unsigned char>(bytes.at(at));
    const qsizetype length = byte < 0x80   ? 1
                             : byte < 0xC2 ? 0
                             : byte < 0xE0 ? 2
                             : byte < 0xF0 ? 3
                             : byte < 0xF5 ? 4
                                           : 0;
    if (length == 0 || at + length > bytes.size())
        return 0;
    QStringDecoder decoder(QStringDecoder::Utf8, Flags);
    const QString character = decoder.decode(bytes.sliced(at, length));
    return decoder.hasError() ? 0 : length;
}

} // namespace

QString Decode(const QByteArray& bytes)
{
    QStringDecoder whole(QStringDecoder::Utf8, Flags);
    QString name = whole.decode(bytes);
    if (!whole.hasError())
        return name;
    name.clear();
    for (qsizetype at = 0; at < bytes.size();) {
        if (const qsizetype length = characterAt(bytes, at); length > 0) {
            name += QString::fromUtf8(bytes.sliced(at, length));
            at += length;
        } else {
            name += QChar(char16_t(0xDC00 + static_cast<unsigned char>(bytes.at(at))));
            ++at;
        }
    }
    return name;
}

QByteArray Encode(const QString& name)
{
    QByteArray bytes;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= name.size(); ++i) {
        if (i < name.size() && !isStray(name.at(i)))
            continue;
        bytes += name.sliced(start, i - start).toUtf8();
        if (i < name.size())
            bytes += char(name.at(i).unicode() - 0xDC00);
        start = i + 1;
    }
    return bytes;
}

bool QtCanOpen(const QString& name)
{
    return std::none_of(name.cbegin(), name.cend(), isStray);
}

} // namespace NativeName
