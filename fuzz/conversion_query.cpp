// Text typed into the desktop's search read as a conversion query and answered, under the locale
// the first byte picks. Whatever reads must hold finite amounts within what a row takes and known
// currencies; there are at most five answers, and each answer's identifier names it again.
#include "FXConversionResults.h"
#include "FXCurrencyManager.h"
#include "FXFetcher.h"
#include "FXCurrencyNameIndex.h"
#include "FXCurrencySignResolver.h"
#include "FXFlagCatalogue.h"
#include "FXNotificationCenter.h"
#include "FXNumberFormatter.h"
#include "FXRatesFile.h"
#include "FXSettingsManager.h"
#include "FXUserDefaults.h"
#include "FuzzLocales.h"

#include <QTemporaryDir>

#include <cmath>
#include <cstdlib>

namespace {

// Nothing is downloaded while fuzzing.
class NoDownloads : public FXFetcher {
public:
    void fetch(const FXFetchRequest &, QObject *, Completion done) override
    {
        done(FXFetchResult::failure(QStringLiteral("offline")));
    }
};

// The core of one process over the seed rates, in a folder of its own.
struct Search {
    explicit Search(const QString &identifier) : locale(identifier) {}
    QTemporaryDir folder;
    FXLocale locale;
    FXNotificationCenter center;
    FXUserDefaults defaults{folder.path() + QStringLiteral("/group.conf")};
    FXRatesFile file{folder.path() + QStringLiteral("/CurrencyRates.plist")};
    FXRatesTable table{file, locale};
    FXSettingsManager settings{defaults, table, center};
    NoDownloads downloader;
    FXCurrencyManager currencies{table, file, settings, locale, [] { return std::nullopt; },
                                 downloader, [] { return QString(); }, center};
    FXNumberFormatter numbers{locale};
    FXCurrencySignResolver signs{currencies};
    FXCurrencyNameIndex names{currencies};
    FXConversionQueryReader reader{currencies, numbers, signs, names};
    FXFlagCatalogue flags;
    FXConversionResults results{currencies, numbers, reader, flags};
};

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    Search &search = objectsForLocaleByte<Search>(data[0]);
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const auto query = search.reader.read(text);
    if (!query)
        return 0;
    const QStringList known = search.currencies.allCurrencies();
    if (query->terms.isEmpty())
        std::abort();
    for (const auto &term : query->terms) {
        if (!std::isfinite(term.amount) || std::abs(term.amount) >= 1e12 || !known.contains(term.currency))
            std::abort();
    }
    for (const QString &target : query->targets) {
        if (!known.contains(target) || query->targets.count(target) != 1)
            std::abort();
    }
    const QList<FXConversionResult> answers = search.results.resultsForText(text);
    if (answers.size() > FXConversionResults::MaximumResults)
        std::abort();
    for (const FXConversionResult &answer : answers) {
        const auto again = search.results.resultForIdentifier(answer.identifier);
        if (!again || again->title != answer.title)
            std::abort();
    }
    return 0;
}
