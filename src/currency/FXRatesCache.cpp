#include "FXRatesCache.h"

#include "FXRegularFile.h"

#include <QSaveFile>
#include <QtEndian>

#include <array>

namespace {

const QByteArray Format = QByteArrayLiteral("Cambio rates cache 2, " CAMBIO_VERSION "\n");
// Far more than the copy of any real rates document takes.
constexpr qint64 MaximumSize = 1024 * 1024;
constexpr qsizetype StateSize = 4 * sizeof(quint64);
constexpr qsizetype ChecksumSize = sizeof(quint64);

// 64-bit FNV-1a: enough to tell a damaged copy, and a small part of what reading it costs.
quint64 checksum(QByteArrayView bytes)
{
    quint64 hash = 0xcbf29ce484222325;
    for (char byte : bytes)
        hash = (hash ^ quint8(byte)) * 0x100000001b3;
    return hash;
}

QByteArray stateBytes(const FXFileState &state)
{
    std::array<quint64, 4> numbers{state.device, state.inode, quint64(state.size),
                                   quint64(state.modifiedNanoseconds)};
    for (quint64 &number : numbers)
        number = qToLittleEndian(number);
    return QByteArray(reinterpret_cast<const char *>(numbers.data()), StateSize);
}

}

FXRatesCache::FXRatesCache(std::optional<QString> path)
    : m_path(std::move(path))
{
}

std::optional<FXRatesDocument> FXRatesCache::read(const FXFileState &source) const
{
    if (!m_path || !source.exists)
        return std::nullopt;
    const std::optional<QByteArray> contents = FXRegularFile::contents(*m_path, MaximumSize);
    if (!contents || contents->size() < Format.size() + StateSize + ChecksumSize)
        return std::nullopt;
    const QByteArrayView body = QByteArrayView(*contents).chopped(ChecksumSize);
    if (qFromLittleEndian<quint64>(contents->constData() + body.size()) != checksum(body)
        || !body.startsWith(Format) || body.sliced(Format.size(), StateSize) != stateBytes(source))
        return std::nullopt;
    return FXRatesDocument::fromCompactForm(body.sliced(Format.size() + StateSize));
}

void FXRatesCache::write(const FXRatesDocument &document, const FXFileState &source) const
{
    if (!m_path || !source.exists)
        return;
    QByteArray contents = Format + stateBytes(source) + document.compactForm();
    const quint64 sum = qToLittleEndian(checksum(contents));
    contents.append(reinterpret_cast<const char *>(&sum), ChecksumSize);
    QSaveFile file(*m_path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(contents);
        file.commit();
    }
}
