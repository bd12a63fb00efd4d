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
    m_shownDurations.clear();
    Forget();
}

void LogListModel::AppendDuringRebuild(std::int32_t recordNr, std::uint8_t wording)
{
    if (RowOf(recordNr) >= 0)
        return;
    m_rows.push_back({.key = recordNr, .tag = recordNr, .colour = kPaletteText, .wording = wording});
    Index(recordNr, static_cast<int>(m_rows.size()) - 1);
}

void LogListModel::EndRebuild() { endResetModel(); }

int LogListModel::AddRow(std::int32_t recordNr, std::uint8_t wording)
{
    const int existing = RowOf(recordNr);
    if (existing >= 0)
        return existing;
    const int position = static_cast<int>(m_rows.size());
    beginInsertRows(QModelIndex(), position, position);
    m_rows.push_back({.key = recordNr, .tag = recordNr, .colour = kPaletteText, .wording = wording});
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

void LogListModel::Forget() { m_madeRow = -1; }

const LogListModel::Texts &LogListModel::TextsOfRow(int row) const
{
    if (m_madeRow != row) {
        const Row &r = m_rows.at(static_cast<std::size_t>(row));
        m_made = m_textsOf ? m_textsOf(r.tag, r.wording) : Texts{};
        m_madeRow = row;
    }
    return m_made;
}

std::string LogListModel::Text(int row, int column) const
{
    if (column == kColumns - 1) {
        const auto shown = m_shownDurations.find(row);
        if (shown != m_shownDurations.end())
            return shown->second;
    }
    const Texts &t = TextsOfRow(row);
    const std::string *texts[kColumns] = {&t.description, &t.day, &t.startTime, &t.endTime,
                                          &t.duration};
    return *texts[column];
}

void LogListModel::Rewrite(int row, std::optional<std::uint8_t> wording)
{
    Row &r = m_rows.at(static_cast<std::size_t>(row));
    if (wording) {
        r.wording = *wording;
        Forget();
        m_shownDurations[row] = TextsOfRow(row).duration;
    } else if (!m_shownDurations.contains(row)) {
        // A row not written since the rebuild: what the view was last given, made
        // before the record changed when it is at hand.
        m_shownDurations[row] = TextsOfRow(row).duration;
    }
    Forget();
    emit dataChanged(index(row, 0), index(row, kColumns - 1),
                     {Qt::DisplayRole, Qt::EditRole});
}

void LogListModel::SetTag(int row, std::int32_t tag)
{
    m_rows.at(static_cast<std::size_t>(row)).tag = tag;
    Forget();
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
        return zk::ToQt(Text(index.row(), index.column()));
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
