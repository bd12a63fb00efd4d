#pragma once

#include <QStyledItemDelegate>

// The in-place editor of a row's description. A row is rewritten at every
// change of its record (a running stretch's once a minute), and Qt would put
// the row's text back into an open editor each time: this editor takes the
// text once, when it opens, and keeps what the person types from then on.
// Only a text that differs from the one it opened with is handed on, so an
// edit left unchanged (focus lost, Enter on the same text) writes nothing.
class DescriptionEditorDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;
};
