#include "log_view/LogListModel.h"

#include "platform/qt/Latin1.h"

#include <QColor>

#include <algorithm>

LogListModel::LogListModel(QObject *parent)
    : QAbstractTableModel(parent)
    , m_headers{QStringLiteral("Description"), QStringLiteral("Day"), QStringLiteral("StartTime"),
                QStringLiteral("EndTime"), QStringLiteral("Duration")}
{}

void LogListModel::BeginRebuild()
{
    beginResetModel();
    m_rows.clear();
    std::fill(m_recordToRow.begin(), m_recordToRow.end(), -1);
}

void LogListModel::AppendDuringRebuild(std::int32_t recordNr, Texts texts)
{
    if (RowOf(recordNr) >= 0)
        return;
    Row row;
    row.key = recordNr;
    row.tag = recordNr;
    Store(row, std::move(texts));
    m_rows.push_back(std::move(row));
    Index(recordNr, static_cast<int>(m_rows.size()) - 1);
}

void LogListModel::EndRebuild() { endResetModel(); }

int LogListModel::AddRow(std::int32_t recordNr)
{
    const int existing = RowOf(recordNr);
    if (existing >= 0)
        return existing;
    const int position = static_cast<int>(m_rows.size());
    beginInsertRows(QModelIndex(), position, position);
    Row row;
    row.key = recordNr;
    row.tag = recordNr;
    m_rows.push_back(std::move(row));
    Index(recordNr, position);
    endInsertRows();
    return position;
}

int LogListModel::RowOf(std::int32_t recordNr) const
{
    if (recordNr < 0 || static_cast<std::size_t>(recordNr) >= m_recordToRow.size())
        return -1;
    return m_recordToRow[static_cast<std::size_t>(recordNr)];
}

void LogListModel::Index(std::int32_t recordNr, int row)
{
    if (recordNr < 0)
        return; // record numbers start at 1; a key this small is never looked up
    const auto nr = static_cast<std::size_t>(recordNr);
    if (nr >= m_recordToRow.size())
        m_recordToRow.resize(nr + 1, -1);
    m_recordToRow[nr] = row;
}

void LogListModel::Store(Row &row, Texts texts)
{
    row.texts[0] = std::move(texts.description);
    row.texts[1] = std::move(texts.day);
    row.texts[2] = std::move(texts.startTime);
    row.texts[3] = std::move(texts.endTime);
    if (texts.duration)
        row.texts[4] = std::move(*texts.duration);
}

void LogListModel::SetTexts(int row, Texts texts)
{
    Store(m_rows.at(static_cast<std::size_t>(row)), std::move(texts));
    emit dataChanged(index(row, 0), index(row, kColumns - 1),
                     {Qt::DisplayRole, Qt::EditRole});
}

void LogListModel::SetTag(int row, std::int32_t tag)
{
    m_rows.at(static_cast<std::size_t>(row)).tag = tag;
}

void LogListModel::SetColour(int row, std::uint32_t colour)
{
    Row &r = m_rows.at(static_cast<std::size_t>(row));
    if (r.colour == colour)
        return;
    r.colour = colour;
    emit dataChanged(index(row, 0), index(row, kColumns - 1), {Qt::ForegroundRole});
}

void LogListModel::SetHeaderText(int column, const std::string &text)
{
    m_headers.at(static_cast<std::size_t>(column)) = zk::ToQt(text);
    emit headerDataChanged(Qt::Horizontal, column, column);
}

int LogListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int LogListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

QVariant LogListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= static_cast<int>(m_rows.size()))
        return {};
    const Row &row = m_rows[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return zk::ToQt(row.texts[static_cast<std::size_t>(index.column())]);
    case Qt::ForegroundRole:
        if (row.colour == kPaletteText)
            return {};
        // 0x00BBGGRR, as the colour is kept
        return QColor(static_cast<int>(row.colour & 0xFF),
                      static_cast<int>((row.colour >> 8) & 0xFF),
                      static_cast<int>((row.colour >> 16) & 0xFF));
    case TagRole:
        return row.tag;
    case KeyRole:
        return QStringLiteral("k%1").arg(row.key);
    default:
        return {};
    }
}

QVariant LogListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0
        || section >= kColumns)
        return QAbstractTableModel::headerData(section, orientation, role);
    return m_headers[static_cast<std::size_t>(section)];
}

Qt::ItemFlags LogListModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == 0)
        f |= Qt::ItemIsEditable;
    return f;
}

bool LogListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.column() != 0
        || index.row() >= static_cast<int>(m_rows.size()) || !m_editHandler)
        return false;
    // Qt calls this only for an edit the person confirmed (Escape abandons
    // without a call), so whatever arrives here is written, also the empty text.
    m_editHandler(m_rows[static_cast<std::size_t>(index.row())].tag, zk::FromQt(value.toString()));
    return true;
}
