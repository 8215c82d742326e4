// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace assetgen {

// Appends little-endian integers to a byte array, the byte order of every format written here.
class ByteSink {
public:
    explicit ByteSink(QByteArray &out) : m_out(out) {}

    void u8(quint8 v) { m_out.append(static_cast<char>(v)); }
    void u16(quint16 v) {
        u8(static_cast<quint8>(v & 0xff));
        u8(static_cast<quint8>(v >> 8));
    }
    void u32(quint32 v) {
        u16(static_cast<quint16>(v & 0xffff));
        u16(static_cast<quint16>(v >> 16));
    }
    void i32(qint32 v) { u32(static_cast<quint32>(v)); }
    void bytes(const QByteArray &b) { m_out.append(b); }
    void zeros(qsizetype n) { m_out.append(n, '\0'); }

private:
    QByteArray &m_out;
};

}  // namespace assetgen
