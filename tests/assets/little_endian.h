// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QtEndian>

// Little-endian fields of the Windows file formats, read at a byte offset. Reading past the
// end gives 0, so a truncated file fails the checks instead of crashing the test.
inline quint32 le32(const QByteArray &bytes, qsizetype at) {
    if (at < 0 || at + 4 > bytes.size()) return 0;
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

inline quint16 le16(const QByteArray &bytes, qsizetype at) {
    if (at < 0 || at + 2 > bytes.size()) return 0;
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

inline qint32 les32(const QByteArray &bytes, qsizetype at) {
    return qint32(le32(bytes, at));
}
