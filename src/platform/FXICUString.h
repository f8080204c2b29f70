#pragma once

#include <QString>

#include <unicode/unistr.h>

// Strings between Qt and ICU, which both hold UTF-16: copies out of ICU, and read-only views of a
// QString for ICU calls that only read (valid while the QString lives unchanged).
namespace FXICUString {

inline QString toQString(const icu::UnicodeString &text)
{
    return QString(reinterpret_cast<const QChar *>(text.getBuffer()), text.length());
}

inline icu::UnicodeString view(const QString &text)
{
    return icu::UnicodeString(false, reinterpret_cast<const UChar *>(text.utf16()),
                              int32_t(text.size()));
}

inline const UChar *utf16(const QString &text)
{
    return reinterpret_cast<const UChar *>(text.utf16());
}

}
