#include "platform/qt/QtDialogs.h"

#include "platform/qt/Latin1.h"

#include <QFontMetrics>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

namespace zk {

std::string QtDialogs::InputBox(const std::string &prompt, const std::string &title,
                                const std::string &offered)
{
    // Created on the heap and watched: whatever runs in the box's event loop
    // may end the parent, and the box goes with it.
    QPointer<QInputDialog> box = new QInputDialog(m_parent);
    box->setAttribute(Qt::WA_DeleteOnClose, false);
    box->setInputMode(QInputDialog::TextInput);
    box->setLabelText(ToQt(prompt));
    box->setWindowTitle(ToQt(title));
    box->setTextValue(ToQt(offered));
    // Wide enough for the whole title in the window manager's (often bold) font,
    // beside the title bar's icon and buttons. The box sizes itself by its
    // contents, so the text field asks for the room.
    QFont titleFont = box->font();
    titleFont.setBold(true);
    if (auto *edit = box->findChild<QLineEdit *>())
        edit->setMinimumWidth(QFontMetrics(titleFont).horizontalAdvance(box->windowTitle()) + 90);
    box->setObjectName("InputBox");
    // The text is offered for adding to: Qt selects it all when the box shows,
    // and typing would replace a name instead of adding to it. Once shown (the
    // box's own loop runs this first), the cursor goes to the end, nothing selected.
    QTimer::singleShot(0, box, [box] {
        if (auto *edit = box->findChild<QLineEdit *>()) {
            edit->deselect();
            edit->end(false);
        }
    });
    const int result = box->exec();
    if (!box)
        return {};
    std::string answer = result == QDialog::Accepted ? FromQt(box->textValue()) : std::string();
    delete box;
    return answer;
}

std::optional<std::string> QtDialogs::PinBox(const std::string &prompt,
                                             const std::string &title)
{
    QPointer<QInputDialog> box = new QInputDialog(m_parent);
    box->setInputMode(QInputDialog::TextInput);
    box->setTextEchoMode(QLineEdit::Password);
    box->setLabelText(ToQt(prompt));
    box->setWindowTitle(ToQt(title));
    box->setObjectName("PinBox");
    const int result = box->exec();
    if (!box)
        return std::nullopt;
    std::optional<std::string> pin;
    if (result == QDialog::Accepted)
        pin = FromQt(box->textValue());
    delete box;
    return pin;
}

void QtDialogs::MessageBox(const std::string &text, const std::string &title, Icon icon)
{
    QMessageBox::Icon qtIcon = QMessageBox::NoIcon;
    switch (icon) {
    case Icon::None:
        break;
    case Icon::Information:
        qtIcon = QMessageBox::Information;
        break;
    case Icon::Exclamation:
        qtIcon = QMessageBox::Warning;
        break;
    case Icon::Critical:
        qtIcon = QMessageBox::Critical;
        break;
    }
    QPointer<QMessageBox> box =
        new QMessageBox(qtIcon, ToQt(title), ToQt(text), QMessageBox::Ok, m_parent);
    box->setObjectName("MessageBox");
    box->exec();
    delete box;
}

} // namespace zk
