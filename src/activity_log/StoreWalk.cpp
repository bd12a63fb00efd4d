#include "activity_log/StoreWalk.h"

#include "activity_log/clsActionsDbase.h"

StoreWalk::StoreWalk(clsActionsDbase &store)
    : m_store(store)
    , m_cursor(store)
{
    m_store.BeginWalk();
}

// The cursor guard sets the cursor back after this, reading straight from the file.
StoreWalk::~StoreWalk() { m_store.EndWalk(); }
