#pragma once

#include <QByteArray>

// .g1m archives as the tests build them, byte by byte, without the codec.
namespace g1marchive {

inline QByteArray bigEndian(unsigned value, int bytes) {
    QByteArray out;
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8) {
        out += char(value >> shift);
    }
    return out;
}

// The memory files of an archive behind a standard header that fits their length.
inline QByteArray archive(const QByteArray& body, int files) {
    const auto size = unsigned(0x20 + body.size());
    QByteArray header = QByteArray("USBPower\x31\x00\x10\x00\x10\x00", 14) + char(size + 0x41) +
                        '\x01' + bigEndian(size, 4) + char(size + 0xB8) +
                        QByteArray(9, char(0xFF)) + bigEndian(unsigned(files), 2);
    for (char& byte : header) {
        byte = char(~byte);
    }
    return header + body;
}

inline QByteArray padded(const QByteArray& name, int width) {
    return name + QByteArray(width - name.size(), '\0');
}

// A group of one memory file.
inline QByteArray memoryFile(const QByteArray& group, const QByteArray& folder,
                             const QByteArray& name, char type, const QByteArray& data) {
    return padded(group, 16) + bigEndian(1, 4) + padded(folder, 8) + padded(name, 8) + type +
           bigEndian(unsigned(data.size()), 4) + QByteArray(3, '\0') + data;
}

}  // namespace g1marchive
