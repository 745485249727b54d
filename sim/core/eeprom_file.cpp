// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/core/eeprom_file.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringList>

namespace telvar::sim {

std::optional<ParameterSet> load_eeprom(const QString& path, QString& error)
{
    QFile file(path);
    if (!file.exists())
        return factory_parameters();
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    const QStringList fields = QString::fromLatin1(file.readAll()).split(QRegularExpression(QStringLiteral("\\s+")),
                                                                         Qt::SkipEmptyParts);
    if (fields.size() != kParameterWords) {
        error = QStringLiteral("%1 holds %2 words instead of %3").arg(path).arg(fields.size()).arg(kParameterWords);
        return std::nullopt;
    }
    ParameterSet set;
    for (int index = 0; index < kParameterWords; ++index) {
        bool ok = false;
        const uint value = fields[index].toUInt(&ok);
        if (!ok || value > 0xFFFF) {
            error = QStringLiteral("%1: word %2 is not a 16-bit number").arg(path).arg(index);
            return std::nullopt;
        }
        set.words[index] = static_cast<std::uint16_t>(value);
    }
    return set;
}

bool save_eeprom(const QString& path, const ParameterSet& set, QString& error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    QByteArray text;
    for (int index = 0; index < kParameterWords; ++index) {
        text += QByteArray::number(set.words[index]);
        text += (index + 1) % frame::kWords == 0 ? '\n' : ' ';
    }
    if (file.write(text) != text.size() || !file.commit()) {
        error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

}  // namespace telvar::sim
