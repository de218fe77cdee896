#pragma once

#include <QColor>

#include <cstdint>

namespace zuk::editor {

// A settings colour (0x00BBGGRR) as a QColor; the negative values that name
// system colours come out as the fallback.
inline QColor toQColor(int32_t c, const QColor& fallback = Qt::black)
{
    if (c < 0)
        return fallback;
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

inline int32_t fromQColor(const QColor& c)
{
    return c.red() | (c.green() << 8) | (c.blue() << 16);
}

} // namespace zuk::editor
