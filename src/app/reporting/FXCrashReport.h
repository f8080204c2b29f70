#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>

#include <optional>

// A report of the crash handler (see FXCrashHandler), read back at the next start, and made
// readable: each frame with its function, source line and module.
class FXCrashReport {
public:
    // None when `text` is not a whole report.
    static std::optional<FXCrashReport> read(const QByteArray &text);

    QString value(const QString &key) const { return m_values.value(key); }
    QDateTime time() const;
    QList<quint64> frames() const { return m_frames; }

    // The report for people and for sending: what the handler wrote before its frames, the time,
    // the frames named, and the modules with their addresses.
    QString readableText() const;

private:
    QList<std::pair<QString, QString>> m_header;   // in the order written
    QHash<QString, QString> m_values;
    QList<quint64> m_frames;
    QByteArray m_modules;
    QByteArray m_memoryMap;
};
