#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>

namespace zk::test {

// Every shown button and label of window lies inside it and is as large as its text needs: a
// wrapping label as high as its text at its width, any other as wide and high as its least.
inline void ExpectUnclipped(QWidget &window)
{
    for (QWidget *w : window.findChildren<QWidget *>()) {
        auto *label = qobject_cast<QLabel *>(w);
        if (!w->isVisible() || (!label && !qobject_cast<QPushButton *>(w)))
            continue;
        const std::string text = w->property("text").toString().toStdString();
        SCOPED_TRACE(w->objectName().toStdString() + " " + text);
        EXPECT_TRUE(window.rect().contains(QRect(w->mapTo(&window, QPoint(0, 0)), w->size())));
        if (label && label->wordWrap()) {
            EXPECT_GE(w->height(), label->heightForWidth(w->width()));
        } else {
            EXPECT_GE(w->width(), w->minimumSizeHint().width());
            EXPECT_GE(w->height(), w->minimumSizeHint().height());
        }
    }
}

} // namespace zk::test
