#pragma once

#include <QPushButton>

// A push button whose caption wraps onto more lines: it asks for the width of
// its caption up to about twenty characters, and for as many lines as the
// caption then needs.
class WrappingButton : public QPushButton
{
    Q_OBJECT
public:
    using QPushButton::QPushButton;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
};
