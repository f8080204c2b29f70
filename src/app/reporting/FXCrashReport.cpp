#include "FXCrashReport.h"

#include "FXCrashHandler.h"
#include "FXCrashSymbolizer.h"

namespace {

enum class Section { Header, Frames, Modules, MemoryMap };

}

std::optional<FXCrashReport> FXCrashReport::read(const QByteArray &text)
{
    QList<QByteArray> lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (lines.size() < 2 || lines.first() != "Cambio crash report"
        || lines.last() != FXCrashHandler::EndOfReport)
        return std::nullopt;
    FXCrashReport report;
    Section section = Section::Header;
    for (qsizetype i = 1; i + 1 < lines.size(); ++i) {
        const QByteArray &line = lines[i];
        if (line == "Frames:") {
            section = Section::Frames;
        } else if (line == "Modules:") {
            section = Section::Modules;
        } else if (line == "Memory map:") {
            section = Section::MemoryMap;
        } else if (section == Section::Header) {
            const qsizetype colon = line.indexOf(": ");
            if (colon < 0)
                return std::nullopt;
            const QString key = QString::fromUtf8(line.left(colon));
            const QString value = QString::fromUtf8(line.mid(colon + 2));
            report.m_header.append({key, value});
            report.m_values.insert(key, value);
        } else if (section == Section::Frames) {
            bool ok = false;
            const quint64 address = line.toULongLong(&ok, 16);
            if (!ok)
                return std::nullopt;
            report.m_frames.append(address);
        } else if (section == Section::Modules) {
            report.m_modules += line + '\n';
        } else {
            report.m_memoryMap += line + '\n';
        }
    }
    return report;
}

QDateTime FXCrashReport::time() const
{
    return QDateTime::fromSecsSinceEpoch(value(QStringLiteral("Time")).toLongLong(), Qt::UTC);
}

QString FXCrashReport::readableText() const
{
    QList<FXCrashSymbolizer::Module> started;
    for (const QByteArray &line : m_modules.split('\n')) {
        const qsizetype space = line.indexOf(' ');
        if (space > 0)
            started.append({line.left(space).toULongLong(nullptr, 16),
                            QString::fromUtf8(line.mid(space + 1))});
    }
    const FXCrashSymbolizer symbolizer(m_memoryMap, started);

    QString text = QStringLiteral("Cambio crash report\n");
    for (const auto &[key, value] : m_header) {
        text += key + QStringLiteral(": ")
                + (key == u"Time" ? time().toString(Qt::ISODate) : value) + u'\n';
    }
    text += QStringLiteral("\nFrames:\n");
    for (qsizetype i = 0; i < m_frames.size(); ++i) {
        // The first frame is the faulting instruction itself, every other one a return address.
        const FXCrashSymbolizer::Frame frame = symbolizer.describe(m_frames[i], i > 0);
        text += u'#' + QString::number(i).leftJustified(3) + QStringLiteral(" 0x")
                + QString::number(m_frames[i], 16).rightJustified(16, u'0') + u' '
                + (frame.function.isEmpty() ? QStringLiteral("??") : frame.function);
        if (!frame.source.isEmpty())
            text += QStringLiteral(" (") + frame.source + u')';
        if (!frame.module.isEmpty())
            text += QStringLiteral(" in ") + frame.module;
        text += u'\n';
    }
    text += QStringLiteral("\nModules:\n");
    for (const FXCrashSymbolizer::Module &module : symbolizer.modules()) {
        text += QStringLiteral("0x") + QString::number(module.address, 16).rightJustified(16, u'0')
                + u' ' + module.path + u'\n';
    }
    return text;
}
