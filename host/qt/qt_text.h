#pragma once

#include <QString>
#include <string>
#include <string_view>

// QString and the program's strings are both UTF-16: conversion is a copy.
namespace quillory {

inline QString toQString(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar*>(text.data()),
                   static_cast<qsizetype>(text.size()));
}

inline std::u16string toU16(const QString& text) {
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()),
                          static_cast<std::size_t>(text.size()));
}

inline QString toQString(std::string_view latin1Name) {
    return QString::fromLatin1(latin1Name.data(), static_cast<qsizetype>(latin1Name.size()));
}

// A multi-line box keeps lines apart with LF; the program's texts use CR LF.
inline QString toMultiLineText(std::u16string_view text) {
    return toQString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

inline std::u16string fromMultiLineText(QString text) {
    return toU16(text.replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
}

}  // namespace quillory
