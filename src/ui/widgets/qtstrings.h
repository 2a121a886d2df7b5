// Text between core (std::string, UTF-8) and Qt, and file names.
#pragma once
#include <QString>
#include <string>

namespace tarnloft {

// A core text for a widget.
inline QString ToQString(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A core caption for a label: "\r\n" line breaks become "\n".
inline QString ToCaption(const std::string& text) {
    QString result = ToQString(text);
    result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return result;
}

// A widget's text for core.
inline std::string ToStdString(const QString& text) { return text.toUtf8().toStdString(); }

// File names go through the system's encoding of file names.
inline QString FileNameToQString(const std::string& name) { return QString::fromLocal8Bit(name.c_str()); }
inline std::string FileNameToStd(const QString& name) { return name.toLocal8Bit().toStdString(); }

}  // namespace tarnloft
