// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/shown_text.h"

#include <QStringDecoder>

#include <cstring>

namespace telvar::detail {

namespace {

// How many bytes at the end belong to a character whose sequence the
// buffer cut short; 0 when the last character is whole.
qsizetype cut_tail(const char* bytes, qsizetype size)
{
    for (qsizetype back = 1; back <= 3 && back <= size; ++back) {
        const auto c = static_cast<unsigned char>(bytes[size - back]);
        if ((c & 0xC0) == 0x80)
            continue;  // a continuation byte: look further back for the lead
        const int length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        return length > back ? back : 0;
    }
    return 0;
}

}  // namespace

QString shown_text(const char* bytes)
{
    if (!bytes)
        return {};
    auto size = static_cast<qsizetype>(std::strlen(bytes));
    size -= cut_tail(bytes, size);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(QByteArrayView(bytes, size));
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

}  // namespace telvar::detail
