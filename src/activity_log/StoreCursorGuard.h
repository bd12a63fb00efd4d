#pragma once

#include <cstdint>

class clsActionsDbase;

// Keeps the store's cursor (RecordNr) for code that moves it to other records
// and must leave it where it was. Restore() sets it back and reports a failure
// to the caller; setting it back writes a changed buffered record, as every
// cursor move does, also when the cursor did not move. Left without Restore()
// (an exception, an early return), the destructor sets the cursor back and
// swallows a failure of its own: a destructor cannot report, and during
// unwinding the first failure is the one the caller hears of.
class StoreCursorGuard
{
public:
    explicit StoreCursorGuard(clsActionsDbase &store);
    ~StoreCursorGuard();
    StoreCursorGuard(const StoreCursorGuard &) = delete;
    StoreCursorGuard &operator=(const StoreCursorGuard &) = delete;

    // Sets the cursor back. Once called (also when it throws) the guard is done.
    void Restore();
    // The record number kept.
    std::int32_t Saved() const { return m_saved; }

private:
    clsActionsDbase &m_store;
    std::int32_t m_saved;
    bool m_done = false;
};
