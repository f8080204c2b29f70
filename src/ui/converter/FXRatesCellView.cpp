#include "FXRatesCellView.h"

#include "FXCurrencyInputValidator.h"
#include "FXCurrencyManager.h"
#include "FXFlagCache.h"
#include "FXInputManager.h"
#include "FXTableTextField.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>

namespace {

struct Metrics {
    int flagSize;
    int signPixelSize;
    int amountPixelSize;
    int smallestAmountPixelSize;   // for amounts too long for the usual size
};

Metrics metrics(FXRatesCellView::Style style)
{
    if (style == FXRatesCellView::Style::Header)
        return {40, 17, 30, 15};
    return {28, 14, 20, 12};
}

QFont sizedFont(const QFont &base, int pixelSize, QFont::Weight weight)
{
    QFont font = base;
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

}

FXRatesCellView::FXRatesCellView(Style style, const FXConverterServices &services, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
    , m_flag(new QLabel(this))
    , m_sign(new QLabel(this))
    , m_input(new FXTableTextField(new FXCurrencyInputValidator(services.locale, services.center),
                                   this))
{
    const Metrics sizes = metrics(style);
    m_flag->setFixedSize(sizes.flagSize, sizes.flagSize);
    m_sign->setFont(sizedFont(font(), sizes.signPixelSize, QFont::Normal));
    QPalette signColours = m_sign->palette();
    signColours.setColor(QPalette::WindowText, QColor(128, 128, 128));
    m_sign->setPalette(signColours);
    m_sign->setMinimumWidth(sizes.flagSize / 2);
    m_input->setAmountFont(sizedFont(font(), sizes.amountPixelSize,
                                     style == Style::Header ? QFont::Light : QFont::Normal),
                           sizes.smallestAmountPixelSize);
    m_input->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // The amount ends 20 pixels before the row's right edge.
    m_input->setTextMargins(0, 0, 20, 0);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(16, 0, 0, 0);
    layout->setSpacing(style == Style::Header ? 12 : 10);
    layout->addWidget(m_flag);
    layout->addWidget(m_sign);
    layout->addWidget(m_input, 1);

    connect(&services.flags, &FXFlagCache::flagsRendered, this, [this] {
        if (m_flagScale == 0)
            updateFlag();
    });
}

void FXRatesCellView::setCurrency(const QString &currency)
{
    if (currency != m_currency) {
        m_currency = currency;
        m_flagScale = 0;
        updateFlag();
        const QString sign = m_services.currencies.currencySignForCode(currency);
        m_sign->setText(sign);
        const auto name = m_services.currencies.currencyNameForCode(currency);
        const QString described = name ? *name + QStringLiteral(" (") + currency + u')' : currency;
        m_input->setAccessibleName(described);
        setToolTip(name ? currency + QStringLiteral(" \u2013 ") + *name : currency);
    }
    updateInput();
}

void FXRatesCellView::updateInput()
{
    if (!m_currency.isEmpty())
        m_input->setAmount(m_services.inputs.humanReadableInputForCurrency(m_currency));
}

void FXRatesCellView::activateWithCharacterOffset(int offset)
{
    m_input->activateWithCharacterOffset(offset);
}

void FXRatesCellView::updateFlag()
{
    const qreal scale = devicePixelRatioF();
    const QPixmap flag = m_services.flags.flag(m_currency, m_flag->width(), scale);
    m_flag->setPixmap(flag);
    m_flagScale = flag.isNull() ? 0 : scale;
}

bool FXRatesCellView::event(QEvent *event)
{
    // Moved to a screen of another scale: the flag is rendered anew for it.
    if (event->type() == QEvent::ScreenChangeInternal && m_flagScale != devicePixelRatioF())
        updateFlag();
    return QWidget::event(event);
}
