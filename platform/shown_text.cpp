// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/shown_text.h"

#include <QStringDecoder>

#include <cstring>

namespace telvar::detail {

QString shown_text(const char* bytes)
{
    if (!bytes)
        return {};
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(QByteArrayView(bytes, static_cast<qsizetype>(std::strlen(bytes))));
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

}  // namespace telvar::detail
