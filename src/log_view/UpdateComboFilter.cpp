#include "log_view/UpdateComboFilter.h"

#include "log_view/FilterSelection.h"
#include "platform/qt/Latin1.h"

#include <QComboBox>
#include <QSignalBlocker>

void UpdateComboFilter(QComboBox &cmbFilter, const clsUsers *users)
{
    if (users == nullptr)
        return;
    const QString remembered = cmbFilter.currentText();
    {
        // Adding the first entry would make it current and show its text; none
        // of these passing texts is a choice of the user's, so none is reported.
        const QSignalBlocker quiet(cmbFilter);
        cmbFilter.clear();
        for (const std::string &entry : FilterEntries(*users))
            cmbFilter.addItem(zk::ToQt(entry));
        cmbFilter.setCurrentIndex(-1);
        cmbFilter.setEditText(QString());
    }
    // From the empty text to the remembered one: a real change, reported once.
    cmbFilter.setEditText(remembered);
}
