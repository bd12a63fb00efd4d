#include "log_view/DescriptionEditorDelegate.h"

#include <QLineEdit>

namespace {
// The text an editor opened with, kept on the editor itself.
constexpr char kOpenedWith[] = "zkOpenedWith";
} // namespace

void DescriptionEditorDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (editor->property(kOpenedWith).isValid())
        return;
    QStyledItemDelegate::setEditorData(editor, index);
    if (auto *line = qobject_cast<QLineEdit *>(editor))
        editor->setProperty(kOpenedWith, line->text());
}

void DescriptionEditorDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                             const QModelIndex &index) const
{
    const auto *line = qobject_cast<QLineEdit *>(editor);
    if (line && line->text() == editor->property(kOpenedWith).toString())
        return;
    QStyledItemDelegate::setModelData(editor, model, index);
}
