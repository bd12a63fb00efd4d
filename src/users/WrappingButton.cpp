#include "users/WrappingButton.h"

#include <QFontMetrics>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

namespace {
constexpr int kWrapChars = 20;
constexpr int kFlags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
} // namespace

QSize WrappingButton::sizeHint() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const QFontMetrics metrics(font());
    const int wrap = std::min(metrics.horizontalAdvance(text()),
                              metrics.averageCharWidth() * kWrapChars);
    // A word longer than the wrapping width makes the caption as wide as that word.
    const QSize caption = metrics.boundingRect(QRect(0, 0, wrap, 0), kFlags, text()).size();
    return style()->sizeFromContents(QStyle::CT_PushButton, &option, caption, this);
}

void WrappingButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.drawItemText(area, kFlags, palette(), isEnabled(), caption, QPalette::ButtonText);
}
