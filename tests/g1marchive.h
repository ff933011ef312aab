#pragma once

#include <QByteArray>

// .g1m archives as the tests build them, byte by byte, without the codec.
namespace g1marchive {

// The memory files of an archive behind a standard header that fits their length.
inline QByteArray archive(const QByteArray& body, int files) {
    const auto size = unsigned(0x20 + body.size());
    QByteArray header = QByteArray("USBPower\x31\x00\x10\x00\x10\x00", 14);
    header += char(size + 0x41);
    header += char(0x01);
    for (int shift : {24, 16, 8, 0}) {
        header += char(size >> shift);
    }
    header += char(size + 0xB8);
    header += QByteArray(9, char(0xFF));
    header += char(files >> 8);
    header += char(files);
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
    const auto length = unsigned(data.size());
    return padded(group, 16) + QByteArray("\0\0\0\1", 4) + padded(folder, 8) + padded(name, 8) +
           type + char(length >> 24) + char(length >> 16) + char(length >> 8) + char(length) +
           QByteArray(3, '\0') + data;
}

}  // namespace g1marchive
