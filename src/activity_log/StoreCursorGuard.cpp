#include "activity_log/StoreCursorGuard.h"

#include "activity_log/clsActionsDbase.h"

StoreCursorGuard::StoreCursorGuard(clsActionsDbase &store)
    : m_store(store)
    , m_saved(store.RecordNr())
{
}

StoreCursorGuard::~StoreCursorGuard()
{
    if (m_done)
        return;
    try {
        Restore();
    } catch (...) {
        // The record stays buffered; the next cursor move or Flush writes it
        // and reports what goes wrong then.
    }
}

void StoreCursorGuard::Restore()
{
    m_done = true;
    // A store never opened has no cursor to set back.
    if (m_saved >= 1)
        m_store.RecordNr(m_saved);
}
