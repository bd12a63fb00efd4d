#pragma once

#include "core/Signal.h"

#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class FailureReporter;
class clsActionsDbase;
class clsUsers;
class LogListModel;
class QTreeView;
namespace zk {
class TodayTotalCache;
}

// The log list: one row per record of the attached store that passed the
// filter at the last rebuild or was added since (while passing), with the
// description, the day, the start and end time and the duration. A row's
// texts are made from its record when the list shows it, read beside the
// store's cursor through a reader of the same file (the buffered record from
// the store itself), so the cursor never moves for a paint. It follows
// every Change of the store: new records get their row, the buffered record's
// row is rewritten and turns red when it no longer passes the filter (it stays
// until the next rebuild). The description is editable in place; a confirmed
// edit is written into the record, and an open editor keeps what is typed
// while its row is refreshed. When the attached store opens a file (a full log
// replaced by a new one) the list is rebuilt.
//
// The list control is the child QTreeView "ListView1"; its model answers
// LogListModel::TagRole (record number) and KeyRole ("k12") besides the texts
// and the foreground colour (none, so the palette's text colour, or red for a
// row that fails the filter).
//
// Every operation that reads records puts the store's RecordNr back where it
// was, also when it fails. Errors of the store (zk::FileError,
// zk::OverflowError for more than 32767 records) reach the caller of
// Constructor, WatchActionsDbase, filter and GetTodayTimeFromUser, and of the
// store's field set whose Change adds a row; refreshing a row ignores every
// failure. A record whose duration cannot be computed (its time fields are so
// far apart that the seconds leave 32 bits) shows the "N/A" text as its
// duration, so damaged records never stop a rebuild.
class UCWatchActionsDbase : public QWidget
{
    Q_OBJECT

public:
    // failures: where a confirmed in-place edit that cannot be written is told.
    explicit UCWatchActionsDbase(FailureReporter &failures, QWidget *parent = nullptr);
    ~UCWatchActionsDbase() override;

    // Attach newActions, filter := newfilter, one rebuild. The list itself
    // needs no user list.
    void Constructor(clsActionsDbase &newActions, const std::string &newfilter,
                     clsUsers &newUsers);

    // The user's total of today in the attached store, as
    // zk::TodayTotalCache counts it; 0 without a store. The records are known
    // from the last rebuild and the store's Change since; only changed ones
    // are read again.
    std::int32_t GetTodayTimeFromUser(const std::string &username);

    // The attached store, nullptr before one is attached. Setting it rebuilds.
    clsActionsDbase *WatchActionsDbase() const { return actionsdbase; }
    void WatchActionsDbase(clsActionsDbase &store);

    const std::string &filter() const { return m_filter; }
    // Stores the filter and rebuilds, also when it did not change; without a
    // store only the text is kept, for the first attach to use.
    void filter(const std::string &newFilter);

    // Handler of the store's Change: adds rows for new records, then rewrites
    // the row of the buffered record.
    void actionsdbase_Change();
    // Handler of the language notice: re-labels the column headers.
    void listenlanguage_Change(const std::string &newLanguage);

    // Writes an edited row text into record tag; the record's Change rewrites
    // the row. Called by the list for a confirmed in-place edit.
    void ListView1_AfterLabelEdit(std::int32_t tag, const std::string &newString);
    // Asked before a confirmed in-place edit of record tag is written; false
    // drops the edit (the row keeps its text). None: every edit is written.
    void SetEditAllowed(std::function<bool(std::int32_t tag)> allowed)
    {
        m_editAllowed = std::move(allowed);
    }

    std::int32_t knownRecordCount() const { return m_knownRecordCount; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void FillList(clsActionsDbase &store);
    bool PassesFilter(std::int32_t n);
    void UpdateResourcesUCWatchActionsDbase();
    void Attach(clsActionsDbase &store);

    FailureReporter &m_failures;
    clsActionsDbase *actionsdbase = nullptr;
    // The same file opened for reading, for the texts of rows other than the cursor's.
    std::unique_ptr<clsActionsDbase> m_reader;
    std::unique_ptr<zk::TodayTotalCache> m_todayTotal;
    std::string m_filter;
    std::int32_t m_knownRecordCount = 0;

    QTreeView *ListView1;
    LogListModel *m_model;
    zk::Signal<>::Connection m_actionsdbaseChange;
    zk::Signal<>::Connection m_actionsdbaseOpened;
    zk::Signal<const std::string &>::Connection listenlanguage;
    std::function<bool(std::int32_t)> m_editAllowed;
};
