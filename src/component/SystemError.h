#pragma once
#include <QString>
#include <cstring>

// The system's words for an errno value, for the messages the file
// services give back.
namespace SystemError {

inline QString text(int code)
{
    char buffer[256];
    // The GNU strerror_r: the text may or may not be in the buffer.
    return QString::fromLocal8Bit(strerror_r(code, buffer, sizeof buffer));
}

// Sets *error, when asked for, and gives false.
inline bool fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}

} // namespace SystemError
