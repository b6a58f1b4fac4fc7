#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace zofar {

/// The program's UTF-8 text as a QString.
inline QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

/// A QString as the program's UTF-8 text.
inline std::string Utf8(const QString& text) { return text.toUtf8().toStdString(); }

}  // namespace zofar
