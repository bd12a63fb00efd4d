#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// The rows of the log list: one per record, in the order they were added, each
// holding the texts it was last given (so a duration keeps the language it was
// worded in until the row is written again), its tag and its text colour.
// A row is found by its record number in constant time, as a list control
// finds a row by its key "k" followed by the number.
class LogListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int kColumns = 5;
    // The record number a row stands for (its tag), and its key "k12".
    static constexpr int TagRole = Qt::UserRole;
    static constexpr int KeyRole = Qt::UserRole + 1;

    // A row that passes the filter has no colour of its own: it is drawn in
    // the palette's text colour, readable on a light and on a dark theme.
    static constexpr std::uint32_t kPaletteText = 0xFF000000; // no 0x00BBGGRR value
    static constexpr std::uint32_t kRed = 0x0000FF;           // 0x00BBGGRR

    // Texts of the five columns; a column without a value is left as it was.
    struct Texts
    {
        std::string description;
        std::string day;
        std::string startTime;
        std::string endTime;
        std::optional<std::string> duration;
    };

    // Receives an edited description: the row's tag and the confirmed text.
    using EditHandler = std::function<void(std::int32_t tag, const std::string &text)>;

    explicit LogListModel(QObject *parent = nullptr);

    // Rebuilding: every row goes, rows are appended without a signal each, and
    // the views hear of it once, at EndRebuild.
    void BeginRebuild();
    void Reserve(int rows) { m_rows.reserve(static_cast<std::size_t>(rows > 0 ? rows : 0)); }
    void AppendDuringRebuild(std::int32_t recordNr, Texts texts);
    void EndRebuild();

    // Adds an empty row in the palette's colour for a record at the end; nothing when the
    // record has a row already. Returns the row's position.
    int AddRow(std::int32_t recordNr);
    // Position of the record's row, -1 when it has none.
    int RowOf(std::int32_t recordNr) const;
    void SetTexts(int row, Texts texts);
    void SetTag(int row, std::int32_t tag);
    void SetColour(int row, std::uint32_t colour);
    std::int32_t Tag(int row) const { return m_rows.at(static_cast<std::size_t>(row)).tag; }

    void SetHeaderText(int column, const std::string &text);
    void SetEditHandler(EditHandler handler) { m_editHandler = std::move(handler); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // The description column only: hands the text to the edit handler, which
    // stores it in the record; the record's change then rewrites the row.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

private:
    struct Row
    {
        std::int32_t key = 0;
        std::int32_t tag = 0;
        std::uint32_t colour = kPaletteText;
        // Our 8-bit texts, made into QStrings only when a view asks for them:
        // nearly all are short enough to need no allocation of their own, which
        // keeps rebuilding a long list cheap.
        std::array<std::string, kColumns> texts;
    };

    void Store(Row &row, Texts texts);
    void Index(std::int32_t recordNr, int row);

    std::vector<Row> m_rows;
    // Record number -> row position, -1 for none.
    std::vector<int> m_recordToRow;
    std::array<QString, kColumns> m_headers;
    EditHandler m_editHandler;
};
