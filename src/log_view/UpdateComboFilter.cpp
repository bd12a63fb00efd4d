#include "log_view/UpdateComboFilter.h"

#include "log_view/FilterSelection.h"
#include "platform/qt/Latin1.h"

#include <QComboBox>
#include <QSignalBlocker>

void UpdateComboFilter(QComboBox &cmbFilter, const clsUsers *users)
{
    if (users == nullptr)
        return;
    const std::vector<std::string> entries = FilterEntries(*users);
    // The box starts on its first entry. A text that is one of the first two
    // entries of the language it was put in stands for that entry's choice and
    // moves to the new language's text; anything else is kept as typed.
    QString remembered = cmbFilter.currentText();
    if (cmbFilter.count() == 0)
        remembered = zk::ToQt(entries[0]);
    else if (remembered == cmbFilter.itemText(0))
        remembered = zk::ToQt(entries[0]);
    else if (remembered == cmbFilter.itemText(1))
        remembered = zk::ToQt(entries[1]);
    {
        // Adding the first entry would make it current and show its text; none
        // of these passing texts is a choice of the user's, so none is reported.
        const QSignalBlocker quiet(cmbFilter);
        cmbFilter.clear();
        for (const std::string &entry : entries)
            cmbFilter.addItem(zk::ToQt(entry));
        cmbFilter.setCurrentIndex(-1);
        cmbFilter.setEditText(QString());
    }
    // From the empty text to the remembered one: a real change, reported once.
    cmbFilter.setEditText(remembered);
}
