#pragma once

#include <QFile>
#include <QTest>

#include <string_view>

// Whole files as the tests write and check them.

inline std::string_view view(const QByteArray& text) {
    return {text.constData(), std::size_t(text.size())};
}

inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

inline void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A folder its owner and others may enter and read but nobody may write into.
inline constexpr QFileDevice::Permissions kReadOnlyFolder =
    QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup |
    QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;

// The header of a 30000 × 30000 colour PNG, all an image reader needs to refuse it.
inline const QByteArray kHugePng = QByteArray::fromHex(
    "89504e470d0a1a0a0000000d4948445200007530000075300802000000e9456fed00000000"
    "4944415435af061e0000000049454e44ae426082");
