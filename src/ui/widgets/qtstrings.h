// Text between core (std::string, the definition files' bytes) and Qt.
#pragma once
#include <QString>
#include <string>

namespace tarnloft {

// A core text for a widget.
inline QString ToQString(const std::string& text) { return QString::fromLocal8Bit(text.c_str()); }

// A core caption for a label: "\r\n" line breaks become "\n".
inline QString ToCaption(const std::string& text) {
    QString result = ToQString(text);
    result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return result;
}

// A widget's text for core.
inline std::string ToStdString(const QString& text) { return text.toLocal8Bit().toStdString(); }

}  // namespace tarnloft
