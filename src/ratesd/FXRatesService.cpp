#include "FXRatesService.h"

#include "FXBaseRates.h"
#include "FXClock.h"
#include "FXCurrencyApiRates.h"
#include "FXEcbRates.h"
#include "FXFetchSchedule.h"
#include "FXIsoCurrencies.h"
#include "FXStateFile.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <cstdio>

namespace {

QJsonValue dateJson(const QDateTime &date)
{
    return date.isValid() ? QJsonValue(date.toUTC().toString(Qt::ISODate)) : QJsonValue();
}

QString durationText(qint64 seconds)
{
    if (seconds % 86400 == 0)
        return QString::number(seconds / 86400) + (seconds == 86400 ? QStringLiteral(" day") : QStringLiteral(" days"));
    if (seconds % 3600 == 0)
        return QString::number(seconds / 3600) + QStringLiteral(" h");
    return QString::number(seconds) + QStringLiteral(" s");
}

}

void FXRatesService::logToStandardError(const QString &line)
{
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
}

FXRatesService::FXRatesService(FXServiceSettings settings, FXClock &clock, FXLogger log, QObject *parent)
    : QObject(parent)
    , m_settings(std::move(settings))
    , m_clock(clock)
    , m_log(std::move(log))
    , m_fetcher(m_network, m_settings.fetchTimeout)
    , m_table(std::make_shared<const FXServedTable>(FXServedTable{{}, {}, QByteArrayLiteral("{}")}))
{
}

FXRatesService::~FXRatesService() = default;

bool FXRatesService::load()
{
    const QString basePath = m_settings.baseFile.isEmpty() ? FXBaseRates::seedPath() : m_settings.baseFile;
    const FXReadResult base = FXBaseRates::read(basePath);
    if (!base.isSuccess()) {
        m_log(QStringLiteral("base: ") + basePath + QStringLiteral(": ") + base.failureReason());
        return false;
    }
    m_base = base.rates();

    // The currency API lists tokens by the hundred; the ISO codes, those of the base table and
    // Bitcoin are the currencies a converter offers.
    QSet<QString> wanted = FXIsoCurrencies::currentCodes();
    for (auto it = m_base.rates.cbegin(); it != m_base.rates.cend(); ++it)
        wanted.insert(it.key());
    wanted.insert(QStringLiteral("BTC"));

    if (!m_settings.apiUrls.isEmpty()) {
        addSource(QStringLiteral("api"), m_settings.apiUrls,
                  [wanted](const QByteArray &body) { return FXCurrencyApiRates::read(body, wanted); },
                  [](const QDateTime &now, const FXDatedRates &) { return FXFetchSchedule::nextDailyFetch(now); });
    }
    if (!m_settings.ecbUrls.isEmpty()) {
        addSource(QStringLiteral("ecb"), m_settings.ecbUrls, &FXEcbRates::read,
                  [](const QDateTime &now, const FXDatedRates &answer) {
                      return FXFetchSchedule::nextEcbFetch(now, answer.date);
                  });
    }

    QString reason;
    const auto saved = FXStateFile(m_settings.stateDirectory).read(&reason);
    if (!saved)
        m_log(QStringLiteral("state: ") + reason + QStringLiteral("; starting without it"));
    for (FXLiveSource *source : std::as_const(m_sources)) {
        if (saved && saved->contains(source->name())) {
            const FXSavedSource &state = saved->value(source->name());
            source->restore(state.rates, state.dataDate, state.lastSuccess);
        }
    }
    rebuildTable();
    return true;
}

FXLiveSource *FXRatesService::addSource(const QString &name, const QList<QUrl> &urls,
                                        FXLiveSource::Reader reader, FXLiveSource::Schedule schedule)
{
    auto *source = new FXLiveSource(name, urls, std::move(reader), std::move(schedule), m_clock,
                                    m_fetcher, m_log, this);
    connect(source, &FXLiveSource::updated, this, [this] {
        m_answeredSinceStart = true;
        rebuildTable();
        saveState();
    });
    connect(source, &FXLiveSource::attemptFinished, this, [this] {
        emit attemptFinished();
        if (m_started && !isStarting()) {
            m_started = false;
            emit startFinished();
        }
    });
    m_sources.append(source);
    return source;
}

void FXRatesService::start(bool keepScheduling)
{
    m_started = true;
    for (FXLiveSource *source : std::as_const(m_sources))
        source->start(keepScheduling);
    if (m_sources.isEmpty()) {
        m_started = false;
        QMetaObject::invokeMethod(this, &FXRatesService::startFinished, Qt::QueuedConnection);
    }
}

bool FXRatesService::isStarting() const
{
    return m_started && isFetching();
}

bool FXRatesService::isFetching() const
{
    return std::any_of(m_sources.cbegin(), m_sources.cend(),
                       [](const FXLiveSource *source) { return source->isFetching(); });
}

QDateTime FXRatesService::lastLiveSuccess() const
{
    QDateTime latest;
    for (const FXLiveSource *source : m_sources) {
        const QDateTime success = source->state().lastSuccess;
        if (success.isValid() && (!latest.isValid() || success > latest))
            latest = success;
    }
    return latest;
}

std::optional<QString> FXRatesService::stalenessReason() const
{
    const QDateTime liveSuccess = lastLiveSuccess();
    const QDateTime reference = liveSuccess.isValid() ? std::max(liveSuccess, m_base.date) : m_base.date;
    const qint64 maximumAge = m_settings.maximumAge.count();
    if (reference.isValid() && reference.secsTo(m_clock.now()) <= maximumAge)
        return std::nullopt;
    const QString limit = QStringLiteral(" (more than ") + durationText(maximumAge) + u')';
    if (liveSuccess.isValid())
        return QStringLiteral("no rates source has answered since ")
               + liveSuccess.toUTC().toString(Qt::ISODate) + limit;
    if (m_sources.isEmpty())
        return QStringLiteral("no live rates source is configured and the base table dates from ")
               + m_base.date.toUTC().toString(Qt::ISODate) + limit;
    return QStringLiteral("no rates source has answered yet and the base table dates from ")
           + m_base.date.toUTC().toString(Qt::ISODate) + limit;
}

QDateTime FXRatesService::nextFetch() const
{
    QDateTime earliest;
    for (const FXLiveSource *source : m_sources) {
        const QDateTime next = source->state().nextFetch;
        if (next.isValid() && (!earliest.isValid() || next < earliest))
            earliest = next;
    }
    return earliest;
}

void FXRatesService::rebuildTable()
{
    auto table = std::make_shared<FXServedTable>();
    table->rates = m_base.rates;
    table->date = m_base.date;
    bool liveDate = false;
    for (const FXLiveSource *source : std::as_const(m_sources)) {
        const FXSourceState &state = source->state();
        for (auto it = state.rates.cbegin(); it != state.rates.cend(); ++it)
            table->rates.insert(it.key(), it.value());
        // Once live data is in, the base table's date no longer says anything.
        if (state.dataDate.isValid() && (!liveDate || state.dataDate > table->date)) {
            table->date = state.dataDate;
            liveDate = true;
        }
    }
    table->json = QJsonDocument(FXRates::toJson(table->rates)).toJson(QJsonDocument::Compact);
    m_table = std::move(table);
    emit tableChanged();
}

void FXRatesService::saveState()
{
    QHash<QString, FXSavedSource> sources;
    for (const FXLiveSource *source : std::as_const(m_sources)) {
        const FXSourceState &state = source->state();
        if (state.lastSuccess.isValid())
            sources.insert(source->name(), {state.rates, state.dataDate, state.lastSuccess});
    }
    QString reason;
    if (!FXStateFile(m_settings.stateDirectory).write(sources, &reason))
        m_log(QStringLiteral("state: ") + reason);
}

QJsonObject FXRatesService::health() const
{
    const QDateTime now = m_clock.now();
    const auto staleness = stalenessReason();
    QJsonObject sources;
    for (const FXLiveSource *source : m_sources) {
        const FXSourceState &state = source->state();
        QJsonArray urls;
        for (const QUrl &url : source->urls())
            urls.append(url.toString());
        sources.insert(source->name(), QJsonObject{
            {QStringLiteral("urls"), urls},
            {QStringLiteral("currencies"), state.rates.size()},
            {QStringLiteral("lastSuccess"), dateJson(state.lastSuccess)},
            {QStringLiteral("age"), state.lastSuccess.isValid() ? QJsonValue(state.lastSuccess.secsTo(now))
                                                                : QJsonValue()},
            {QStringLiteral("dataDate"), dateJson(state.dataDate)},
            {QStringLiteral("lastError"), state.lastError.isEmpty() ? QJsonValue() : QJsonValue(state.lastError)},
            {QStringLiteral("lastErrorAt"), dateJson(state.lastFailure)},
            {QStringLiteral("fetching"), source->isFetching()},
            {QStringLiteral("nextFetch"), dateJson(state.nextFetch)},
        });
    }
    sources.insert(QStringLiteral("base"), QJsonObject{
        {QStringLiteral("file"), m_settings.baseFile.isEmpty() ? FXBaseRates::seedPath() : m_settings.baseFile},
        {QStringLiteral("currencies"), m_base.rates.size()},
        {QStringLiteral("dataDate"), dateJson(m_base.date)},
    });
    QJsonObject health{
        {QStringLiteral("status"), staleness ? QStringLiteral("stale") : QStringLiteral("current")},
        {QStringLiteral("date"), dateJson(m_table->date)},
        {QStringLiteral("currencies"), m_table->rates.size()},
        {QStringLiteral("maxAge"), qint64(m_settings.maximumAge.count())},
        {QStringLiteral("sources"), sources},
    };
    if (staleness)
        health.insert(QStringLiteral("reason"), *staleness);
    return health;
}
