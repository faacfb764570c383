#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace quirevo {

// UTF-8 inside the program, QString at the toolkit.
inline QString toQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string toUtf8(const QString& text) {
  return text.toUtf8().toStdString();
}

}  // namespace quirevo
