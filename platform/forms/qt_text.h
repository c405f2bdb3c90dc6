// Conversions between the layer's plain types and Qt's, for the layer's own
// sources: UTF-8 texts, RGB-order colours and font descriptions.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QString>

#include "platform/forms/control.h"

namespace orbweave {

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string FromQString(const QString& text) { return text.toStdString(); }

// Dialog texts break lines with CR LF (or a lone CR); Qt with LF.
inline QString WithQtLineBreaks(std::string_view text) {
    QString result = ToQString(text);
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

// The start of a text that is at least `enough` wide in a font (QFontMetrics
// or QFontMetricsF), or all of it: what a space that wide shows of it.
// Measuring stops there, since shaping all of a text of many thousand
// characters costs more time than opening a window may. A text of a few
// hundred characters is taken whole.
template <typename Metrics>
QString ShownPart(const Metrics& metrics, const QString& text, double enough) {
    constexpr qsizetype kFirstPart = 256;
    for (qsizetype part = kFirstPart; part < text.size(); part *= 2) {
        if (metrics.horizontalAdvance(text.left(part)) >= enough) return text.left(part);
    }
    return text;
}

// The advance of a text, measured only as far as it takes to pass `enough`.
template <typename Metrics>
auto AdvanceUpTo(const Metrics& metrics, const QString& text, double enough) {
    return metrics.horizontalAdvance(ShownPart(metrics, text, enough));
}

inline QColor QColorFromRgb(std::int32_t colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

inline std::int32_t RgbFromQColor(const QColor& colour) {
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

inline FontSpec FontSpecFromQFont(const QFont& font) {
    return FontSpec{FromQString(font.family()), font.pointSizeF(), font.bold()};
}

// Fields left empty or 0 in the font description keep the base font's.
inline QFont QFontFromSpec(const FontSpec& fontSpec, QFont base) {
    if (!fontSpec.name.empty()) base.setFamily(ToQString(fontSpec.name));
    if (fontSpec.size > 0.0) base.setPointSizeF(fontSpec.size);
    base.setBold(fontSpec.bold);
    return base;
}

}  // namespace orbweave
