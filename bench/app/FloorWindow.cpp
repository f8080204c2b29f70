// The least a Qt program can do to show what the converter shows at start: a window of the
// converter's size holding a table of the 162 currencies of the seed rates, each row with a flag
// rendered from its SVG file off the main thread the first time the row is painted (as cambio
// does), a code and an amount. It prints its resident memory at its first paint and quits.

#include "FXResidentMemory.h"

#include <QApplication>
#include <QFile>
#include <QHash>
#include <QHeaderView>
#include <QPainter>
#include <QPointer>
#include <QRegularExpression>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QSvgRenderer>
#include <QTableView>
#include <QThreadPool>
#include <QVBoxLayout>

#include <cstdio>

namespace {

class FlagDelegate : public QStyledItemDelegate {
public:
    explicit FlagDelegate(QTableView *view)
        : QStyledItemDelegate(view)
        , m_view(view)
    {
        m_renderers.setMaxThreadCount(1);
    }
    ~FlagDelegate() override
    {
        m_renderers.clear();
        m_renderers.waitForDone();
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        if (index.column() != 0) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        const QString country = index.data().toString().left(2).toLower();
        const auto flag = m_flags.constFind(country);
        if (flag != m_flags.cend()) {
            painter->drawImage(QRect(option.rect.topLeft() + QPoint(8, 8), QSize(28, 28)), *flag);
            return;
        }
        if (m_pending.contains(country))
            return;
        m_pending.insert(country);
        const qreal scale = m_view->devicePixelRatioF();
        auto *self = const_cast<FlagDelegate *>(this);
        m_renderers.start([self, country, scale] {
            QImage image(QSize(28, 28) * scale, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter flagPainter(&image);
            QSvgRenderer(QStringLiteral(CAMBIO_FLAGS_DIRECTORY "/") + country + QStringLiteral(".svg"))
                .render(&flagPainter);
            flagPainter.end();
            QMetaObject::invokeMethod(self, [self, country, image] {
                self->m_flags.insert(country, image);
                self->m_view->viewport()->update();
            }, Qt::QueuedConnection);
        });
    }

private:
    QTableView *m_view;
    mutable QHash<QString, QImage> m_flags;
    mutable QSet<QString> m_pending;
    mutable QThreadPool m_renderers;
};

class FirstPaint : public QObject {
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QMetaObject::invokeMethod(qApp, [] {
                std::printf("first-paint rss_kib=%ld\n", FXResidentKibibytes());
                std::fflush(stdout);
                QCoreApplication::quit();
            }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool m_seen = false;
};

}

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QFile seed(QStringLiteral(CAMBIO_SEED_RATES));
    seed.open(QIODevice::ReadOnly);
    const QString rates = QString::fromUtf8(seed.readAll());
    QStandardItemModel model;
    static const QRegularExpression code(QStringLiteral("<key>([A-Z]{3})</key>\\s*<dict>"));
    for (auto match = code.globalMatch(rates); match.hasNext();) {
        const QString currency = match.next().captured(1);
        model.appendRow({new QStandardItem(currency), new QStandardItem(QStringLiteral("100"))});
    }

    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *table = new QTableView;
    table->setModel(&model);
    table->setItemDelegate(new FlagDelegate(table));
    table->verticalHeader()->hide();
    table->horizontalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(46);
    table->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table);
    window.resize(340, 366);
    FirstPaint probe;
    window.installEventFilter(&probe);
    window.show();
    return application.exec();
}
