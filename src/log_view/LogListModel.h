#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

// The rows of the log list: one per record, in the order they were added. A
// row keeps only its record number, its tag, its text colour and the wording
// of its duration (the language it was written in, so that a duration keeps its
// words until the row is written again); its texts are made from the record
// when a view asks for them, so a rebuild of a full log is one pass of filter
// tests. A row is found by its record number in constant time, as a list
// control finds a row by its key "k" followed by the number.
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

    // Texts of the five columns.
    struct Texts
    {
        std::string description;
        std::string day;
        std::string startTime;
        std::string endTime;
        std::string duration;
    };
    // Makes the texts of a record, its duration in the given wording; what a
    // wording means is the maker's business.
    using TextsOf = std::function<Texts(std::int32_t recordNr, std::uint8_t wording)>;

    // Receives an edited description: the row's tag and the confirmed text.
    using EditHandler = std::function<void(std::int32_t tag, const std::string &text)>;

    explicit LogListModel(QObject *parent = nullptr);

    void SetTextsOf(TextsOf textsOf) { m_textsOf = std::move(textsOf); }

    // Rebuilding: every row goes, rows are appended without a signal each, and
    // the views hear of it once, at EndRebuild.
    void BeginRebuild();
    void Reserve(int rows) { m_rows.reserve(static_cast<std::size_t>(rows > 0 ? rows : 0)); }
    void AppendDuringRebuild(std::int32_t recordNr, std::uint8_t wording);
    void EndRebuild();

    // Adds a row in the palette's colour for a record at the end; nothing when the
    // record has a row already. Returns the row's position.
    int AddRow(std::int32_t recordNr, std::uint8_t wording);
    // Position of the record's row, -1 when it has none.
    int RowOf(std::int32_t recordNr) const;
    // The row's record has changed: its texts are made anew, the duration in
    // wording, or without one (a language without duration words) as it was shown.
    void Rewrite(int row, std::optional<std::uint8_t> wording);
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
        std::uint8_t wording = 0;
    };

    // The texts of a row, made at most once while a view walks its columns.
    const Texts &TextsOfRow(int row) const;
    std::string Text(int row, int column) const;
    void Index(std::int32_t recordNr, int row);
    void Forget();

    std::vector<Row> m_rows;
    TextsOf m_textsOf;
    // Durations as shown when their row was last written, by row: a row keeps
    // its words when it changes in a language that has none.
    std::unordered_map<int, std::string> m_shownDurations;
    mutable int m_madeRow = -1;
    mutable Texts m_made;
    // Record number -> row position, -1 for none.
    std::vector<int> m_recordToRow;
    std::array<QString, kColumns> m_headers;
    EditHandler m_editHandler;
};
