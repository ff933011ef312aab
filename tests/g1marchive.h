#pragma once

#include <QByteArray>
#include <QList>
#include <QPoint>

// .g1m archives as the tests build them, byte by byte, without the codec.
namespace g1marchive {

inline QByteArray bigEndian(unsigned value, int bytes) {
    QByteArray out;
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8) {
        out += char(value >> shift);
    }
    return out;
}

// A 128 × 64 sheet with the cells set, the leftmost pixel of a byte in its highest bit.
inline QByteArray sheet(std::initializer_list<QPoint> cells) {
    QByteArray data(1024, '\0');
    for (const QPoint& cell : cells) {
        char& byte = data[(cell.y() - 1) * 16 + (cell.x() - 1) / 8];
        byte = static_cast<char>(byte | (0x80 >> ((cell.x() - 1) % 8)));
    }
    return data;
}

// The memory files of an archive behind a standard header that fits their length; its
// type byte 0x31, or as given.
inline QByteArray archive(const QByteArray& body, int files, char type = 0x31) {
    const auto size = unsigned(0x20 + body.size());
    QByteArray header = QByteArray("USBPower", 8) + type + QByteArray("\x00\x10\x00\x10\x00", 5) +
                        char(size + 0x41) + '\x01' + bigEndian(size, 4) + char(size + 0xB8) +
                        QByteArray(9, char(0xFF)) + bigEndian(unsigned(files), 2);
    for (char& byte : header) {
        byte = char(~byte);
    }
    return header + body;
}

inline QByteArray padded(const QByteArray& name, int width) {
    return name + QByteArray(width - name.size(), '\0');
}

// A memory file: its header and data.
inline QByteArray file(const QByteArray& folder, const QByteArray& name, char type,
                       const QByteArray& data) {
    return padded(folder, 8) + padded(name, 8) + type + bigEndian(unsigned(data.size()), 4) +
           QByteArray(3, '\0') + data;
}

// A group of memory files.
inline QByteArray group(const QByteArray& name, const QList<QByteArray>& files) {
    return padded(name, 16) + bigEndian(unsigned(files.size()), 4) + files.join();
}

// A group of one memory file.
inline QByteArray memoryFile(const QByteArray& group, const QByteArray& folder,
                             const QByteArray& name, char type, const QByteArray& data) {
    return g1marchive::group(group, {file(folder, name, type, data)});
}

}  // namespace g1marchive
