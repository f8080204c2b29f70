#include "FXRatesService.h"

#include "FXBaseRates.h"
#include "FXClock.h"
#include "FXCurrencyApiRates.h"
#include "FXCurrencyCodes.h"
#include "FXEcbRates.h"
#include "FXFetchSchedule.h"
#include "FXStateFile.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <cstdio>

namespace {

QJsonValue dateJson(const QDateTime &date)
{
    return date.isValid() ? QJsonValue(date.toUTC().toString(Qt::ISODate)) : QJsonValue();
}

// The entries whose codes are served on `day`.
FXRateMap servableOn(const FXRateMap &rates, const QDate &day)
{
    FXRateMap result;
    for (auto it = rates.cbegin(); it != rates.cend(); ++it) {
        if (FXCurrencyCodes::shared().isServable(it.key(), day))
            result.insert(it.key(), it.value());
    }
    return result;
}

// Each held rate with what the source gives, what is served instead and since when.
QJsonObject heldJson(const FXHeldRates &held, const FXRateMap &served)
{
    QJsonObject object;
    for (auto it = held.cbegin(); it != held.cend(); ++it) {
        const auto servedRate = served.constFind(it.key());
        object.insert(it.key(), QJsonObject{
            {QStringLiteral("given"), it->fromBase},
            {QStringLiteral("served"), servedRate == served.cend() ? QJsonValue() : QJsonValue(servedRate->fromBase)},
            {QStringLiteral("firstSeen"), it->firstSeen.toString(Qt::ISODate)},
            {QStringLiteral("days"), it->days},
        });
    }
    return object;
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
    , m_table(std::make_shared<const FXServedTable>(FXServedTable{{}, {}, QByteArrayLiteral("{}")}))
    , m_history(m_settings.stateDirectory, FXCurrencyCodes::shared())
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
    if (m_base.date > m_clock.now()) {
        m_log(QStringLiteral("base: dated %1, ahead of the clock; its date is not trusted")
                  .arg(m_base.date.toString(Qt::ISODate)));
        m_base.date = QDateTime();
    }
    m_base.rates = servableOn(m_base.rates, m_base.date.date());

    const FXCurrencyCodes &codes = FXCurrencyCodes::shared();
    if (!m_settings.apiUrls.isEmpty()) {
        addSource(QStringLiteral("api"), m_settings.apiUrls,
                  [&codes](const QByteArray &body) { return FXCurrencyApiRates::read(body, codes); },
                  [](const QDateTime &now, const FXDatedRates &) { return FXFetchSchedule::nextDailyFetch(now); });
    }
    if (!m_settings.ecbUrls.isEmpty()) {
        addSource(QStringLiteral("ecb"), m_settings.ecbUrls,
                  [&codes](const QByteArray &body) { return FXEcbRates::read(body, codes); },
                  [](const QDateTime &now, const FXDatedRates &answer) {
                      return FXFetchSchedule::nextEcbFetch(now, answer.date);
                  });
    }
    restoreState();
    openHistory();
    rebuildTable();
    return true;
}

void FXRatesService::openHistory()
{
    QString reason;
    bool setAside = false;
    if (!m_history.open(&reason, &setAside))
        historyFailed(reason + QStringLiteral("; the history is not kept"));
    else if (setAside)
        m_log(QStringLiteral("history: %1 was damaged; set aside as %1.damaged, the history begins again")
                  .arg(m_history.path()));
}

void FXRatesService::record(FXServedRateHistory::Source source, const QList<FXDatedRates> &days)
{
    QList<FXHistoryDay> entries;
    for (const FXDatedRates &day : days)
        entries.append(FXHistoryDay::of(day));
    QString reason;
    if (m_history.record(source, entries, &reason))
        m_historyError.clear();
    else
        historyFailed(reason + QStringLiteral("; the history is kept as it was"));
}

void FXRatesService::importHistoryIfDue()
{
    if (!m_importsAllowed || m_import || m_settings.ecbHistoryUrl.isEmpty() || !m_history.isOpen()
        || m_history.isImported())
        return;
    m_import = std::make_unique<FXEcbHistoryImport>(m_history, FXCurrencyCodes::shared());
    m_log(QStringLiteral("history: importing ") + m_settings.ecbHistoryUrl.toString());
    const FXFetchRequest request{.url = m_settings.ecbHistoryUrl,
                                 .maximumBodySize = FXServiceSettings::historyMaximumSize,
                                 .deadline = FXServiceSettings::historyDeadline,
                                 .userAgent = QByteArrayLiteral("cambio-ratesd/" CAMBIO_VERSION),
                                 .bodyReceiver = [this](const QByteArray &piece) { return m_import->addData(piece); }};
    m_fetcher.fetch(request, this, [this](const FXFetchResult &result) { finishImport(result); });
}

void FXRatesService::finishImport(const FXFetchResult &result)
{
    const std::unique_ptr<FXEcbHistoryImport> import = std::move(m_import);
    QString failure = import->failure();
    if (failure.isEmpty() && !result.isSuccess())
        failure = result.failureReason();
    if (failure.isEmpty() && !import->finish())
        failure = import->failure();
    if (!failure.isEmpty()) {
        m_importError = failure;
        m_importErrorAt = m_clock.now();
        m_log(QStringLiteral("history: the import of %1 failed: %2; tried again after the next good answer")
                  .arg(m_settings.ecbHistoryUrl.toString(), failure));
        return;
    }
    m_importError.clear();
    QString done = QStringLiteral("history: imported %1 days").arg(import->dayCount());
    if (import->refusedDayCount() > 0)
        done += QStringLiteral(", left out %1 (the first: %2)").arg(import->refusedDayCount()).arg(import->firstRefusal());
    m_log(done);
}

void FXRatesService::historyFailed(const QString &reason)
{
    m_historyError = reason;
    m_historyErrorAt = m_clock.now();
    m_log(QStringLiteral("history: ") + reason);
}

void FXRatesService::restoreState()
{
    const FXStateFile file(m_settings.stateDirectory);
    file.removeLeftovers();
    QString reason;
    const auto saved = file.read(&reason);
    if (!saved) {
        stateFailed(file.path() + QStringLiteral(": ") + reason + QStringLiteral("; starting without it"));
        return;
    }
    const QDateTime now = m_clock.now();
    for (FXLiveSource *source : std::as_const(m_sources)) {
        if (!saved->contains(source->name()))
            continue;
        const FXSavedSource &state = saved->value(source->name());
        if (state.dataDate > now || state.lastSuccess > now) {
            m_log(QStringLiteral("state: %1's saved dates are ahead of the clock; not used").arg(source->name()));
            continue;
        }
        // Codes saved by an earlier version, or gone since, are not served again.
        source->restore(servableOn(state.rates, state.dataDate.date()), state.held, state.dataDate,
                        state.lastSuccess);
    }
}

FXLiveSource *FXRatesService::addSource(const QString &name, const QList<QUrl> &urls,
                                        FXLiveSource::Reader reader, FXLiveSource::Schedule schedule)
{
    auto *source = new FXLiveSource(
        name, urls, std::move(reader), std::move(schedule),
        [this, name](const FXDatedRates &answer, const FXSourceState &state) { return screen(name, answer, state); },
        m_clock, m_fetcher, m_settings.fetchTimeout, m_log, this);
    const auto historySource = name == u"ecb" ? FXServedRateHistory::Source::CentralBank
                                              : FXServedRateHistory::Source::CurrencyApi;
    connect(source, &FXLiveSource::taken, this,
            [this, historySource](const QList<FXDatedRates> &days) { record(historySource, days); });
    connect(source, &FXLiveSource::updated, this, [this] {
        m_answeredSinceStart = true;
        importHistoryIfDue();
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
    m_importsAllowed = keepScheduling;
    importHistoryIfDue();
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
    const QDateTime newest = m_table->date;
    const qint64 maximumAge = m_settings.maximumAge.count();
    if (newest.isValid() && newest.msecsTo(m_clock.now()) <= maximumAge * 1000)
        return std::nullopt;
    QString reason = newest.isValid() ? QStringLiteral("the newest rates date from %1, more than %2 ago")
                                            .arg(newest.toUTC().toString(Qt::ISODate), durationText(maximumAge))
                                      : QStringLiteral("no rates have a date to trust");
    const QDateTime liveSuccess = lastLiveSuccess();
    if (m_sources.isEmpty())
        reason += QStringLiteral("; no live rates source is configured");
    else if (liveSuccess.isValid())
        reason += QStringLiteral("; a rates source last answered at ") + liveSuccess.toUTC().toString(Qt::ISODate);
    else
        reason += QStringLiteral("; no rates source has answered yet");
    return reason;
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

FXScreenedRates FXRatesService::screen(const QString &name, const FXDatedRates &answer,
                                       const FXSourceState &state) const
{
    QList<FXRateMap> others;
    for (const FXLiveSource *other : m_sources) {
        if (other->name() != name)
            others.append(other->state().rates);
    }
    // The central bank's reference rates are what the others are measured by.
    const bool trusted = name == u"ecb";
    return FXPlausibility::screen(answer, state.rates, state.held, m_table->rates, others, trusted);
}

void FXRatesService::rebuildTable()
{
    auto table = std::make_shared<FXServedTable>();
    QHash<QString, QDateTime> dates;   // of the data each served rate comes from
    const auto offer = [&](const FXRateMap &rates, const QDateTime &date) {
        for (auto it = rates.cbegin(); it != rates.cend(); ++it) {
            const auto known = dates.constFind(it.key());
            // Undated data gives way to any dated one; the same moment to the later source.
            if (known == dates.cend() || !known->isValid() || (date.isValid() && date >= *known)) {
                table->rates.insert(it.key(), it.value());
                dates.insert(it.key(), date);
            }
        }
        if (!rates.isEmpty() && date.isValid() && (!table->date.isValid() || date > table->date))
            table->date = date;
    };
    offer(m_base.rates, m_base.date);
    for (const FXLiveSource *source : std::as_const(m_sources))
        offer(source->state().rates, source->state().dataDate);
    table->json = FXRateEntries::writeAnswer(FXRates::servable(table->rates));
    m_table = std::move(table);
    emit tableChanged();
}

void FXRatesService::saveState()
{
    QHash<QString, FXSavedSource> sources;
    for (const FXLiveSource *source : std::as_const(m_sources)) {
        const FXSourceState &state = source->state();
        if (state.lastSuccess.isValid())
            sources.insert(source->name(), {state.rates, state.held, state.dataDate, state.lastSuccess});
    }
    QString reason;
    if (FXStateFile(m_settings.stateDirectory).write(sources, &reason))
        m_stateError.clear();
    else
        stateFailed(reason + QStringLiteral("; the previous state is kept"));
}

void FXRatesService::stateFailed(const QString &reason)
{
    m_stateError = reason;
    m_stateErrorAt = m_clock.now();
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
            {QStringLiteral("held"), heldJson(state.held, m_table->rates)},
        });
    }
    sources.insert(QStringLiteral("base"), QJsonObject{
        {QStringLiteral("file"), m_settings.baseFile.isEmpty() ? FXBaseRates::seedPath() : m_settings.baseFile},
        {QStringLiteral("currencies"), m_base.rates.size()},
        {QStringLiteral("dataDate"), dateJson(m_base.date)},
    });
    const auto [firstDay, lastDay] = m_history.span();
    QJsonObject health{
        {QStringLiteral("history"), QJsonObject{
            {QStringLiteral("file"), m_history.path()},
            {QStringLiteral("from"), firstDay.isValid() ? QJsonValue(firstDay.toString(Qt::ISODate)) : QJsonValue()},
            {QStringLiteral("to"), lastDay.isValid() ? QJsonValue(lastDay.toString(Qt::ISODate)) : QJsonValue()},
            {QStringLiteral("lastError"), m_historyError.isEmpty() ? QJsonValue() : QJsonValue(m_historyError)},
            {QStringLiteral("lastErrorAt"), m_historyError.isEmpty() ? QJsonValue() : dateJson(m_historyErrorAt)},
            {QStringLiteral("imported"), m_history.isImported()},
            {QStringLiteral("importing"), isImportingHistory()},
            {QStringLiteral("importError"), m_importError.isEmpty() ? QJsonValue() : QJsonValue(m_importError)},
            {QStringLiteral("importErrorAt"), m_importError.isEmpty() ? QJsonValue() : dateJson(m_importErrorAt)},
        }},
        {QStringLiteral("state"), QJsonObject{
            {QStringLiteral("file"), FXStateFile(m_settings.stateDirectory).path()},
            {QStringLiteral("lastError"), m_stateError.isEmpty() ? QJsonValue() : QJsonValue(m_stateError)},
            {QStringLiteral("lastErrorAt"), m_stateError.isEmpty() ? QJsonValue() : dateJson(m_stateErrorAt)},
        }},
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
