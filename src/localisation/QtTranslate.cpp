#include "localisation/QtTranslate.h"

#include "localisation/Module2.h"
#include "platform/qt/Latin1.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QObject>
#include <QWidget>

namespace {

// A Qt object seen as something TranslateControl can label.
class QtTarget : public TranslateTarget
{
public:
    explicit QtTarget(QObject *o) : m_object(o) {}

    std::optional<std::string> Name() const override
    {
        if (m_object->objectName().isEmpty())
            return std::nullopt;
        return zk::FromQt(m_object->objectName());
    }

    // Windows and their controls are labelled by object name alone: no Qt object
    // carries a text key, so SetText is never asked for.
    std::optional<std::string> Key() const override { return std::nullopt; }

    void SetCaption(const std::string &caption) override
    {
        const QString text = zk::ToQt(caption);
        // A menu before a widget: a QMenu is a widget, and its caption is its title.
        if (auto *menu = qobject_cast<QMenu *>(m_object)) {
            menu->setTitle(text);
            menu->menuAction()->setText(text);
        } else if (auto *button = qobject_cast<QAbstractButton *>(m_object)) {
            button->setText(text);
        } else if (auto *label = qobject_cast<QLabel *>(m_object)) {
            label->setText(text);
        } else if (auto *action = qobject_cast<QAction *>(m_object)) {
            action->setText(text);
        } else if (auto *widget = qobject_cast<QWidget *>(m_object)) {
            if (widget->isWindow())
                widget->setWindowTitle(text);
        }
    }

    void SetText(const std::string &) override {}

private:
    QObject *m_object;
};

} // namespace

void TranslateObject(QObject *o)
{
    if (!o)
        return;
    QtTarget target(o);
    TranslateControl(target);
}

void TranslateWindow(QWidget *window)
{
    if (!window)
        return;
    TranslateObject(window);
    const QList<QObject *> children = window->findChildren<QObject *>();
    for (QObject *child : children)
        TranslateObject(child);
}
