#pragma once
// Shared by the fuzz targets: a Qt application object made once, and the
// input bytes as text the way the system reads a file (UTF-8 when valid,
// else Shift_JIS).
#include <QCoreApplication>
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

#include "platform/text_encoding.h"

namespace fuzzsupport {

inline void ensureApplication() {
    static int argc = 1;
    static char name[] = "tssnc-fuzz";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
}

inline QByteArray bytes(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

inline QString text(const uint8_t* data, size_t size) {
    return textenc::decode(bytes(data, size)).text;
}

}  // namespace fuzzsupport
