#pragma once

#include "activity_log/StoreCursorGuard.h"

#include <cstdint>

class clsActionsDbase;

// A walk over the store's records: keeps the cursor as StoreCursorGuard does,
// and while it lasts the store reads records a block at a time, so that a
// reader moving the cursor over the whole log asks the file once per block.
// Every reader of the whole log walks this way: the log list's rebuild,
// today's total, the week overview, the report and the archive readers.
class StoreWalk
{
public:
    explicit StoreWalk(clsActionsDbase &store);
    ~StoreWalk();
    StoreWalk(const StoreWalk &) = delete;
    StoreWalk &operator=(const StoreWalk &) = delete;

    // Sets the cursor back (StoreCursorGuard::Restore); the walk itself lasts
    // until the object goes.
    void Restore() { m_cursor.Restore(); }

private:
    clsActionsDbase &m_store;
    StoreCursorGuard m_cursor;
};
