#include "FXReportPoster.h"

#include "FXFetcher.h"
#include "FXUserDefaults.h"

std::optional<QUrl> FXReportPoster::configuredURL(const FXUserDefaults &defaults, const QString &key)
{
    const QUrl url(defaults.stringForKey(key).value_or(QString()).trimmed());
    if (!url.isValid() || url.host().isEmpty()
        || (url.scheme() != u"http" && url.scheme() != u"https"))
        return std::nullopt;
    return url;
}

FXReportPoster::FXReportPoster(FXFetcher &fetcher, QObject *parent)
    : QObject(parent)
    , m_fetcher(fetcher)
{
}

FXReportPoster::~FXReportPoster() = default;

void FXReportPoster::post(const QUrl &url, const QByteArray &body, const QByteArray &contentType,
                          Completion completion)
{
    m_fetcher.fetch({.url = url, .contentType = contentType, .postedBody = body}, this,
                    [completion = std::move(completion)](const FXFetchResult &result) {
                        completion(result.isSuccess() ? std::nullopt
                                                      : std::optional<QString>(result.failureReason()));
                    });
}
