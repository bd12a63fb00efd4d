#pragma once

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace zk {

// A synchronous notification with any number of listeners.
//
// Emit() calls every listener on the caller's stack, in the order they connected.
// Listeners may connect, disconnect or emit again from inside a notification:
// a listener removed during an emit is not called afterwards, one added during
// an emit is first called on the next emit.
template <typename... Args>
class Signal
{
    struct Slot
    {
        std::function<void(Args...)> fn;
        bool alive = true;
    };
    using SlotList = std::vector<std::shared_ptr<Slot>>;

public:
    // Ends the subscription when it goes out of scope (or on Disconnect()).
    class Connection
    {
    public:
        Connection() = default;
        Connection(std::weak_ptr<SlotList> list, std::weak_ptr<Slot> slot)
            : m_list(std::move(list))
            , m_slot(std::move(slot))
        {}
        Connection(const Connection &) = delete;
        Connection &operator=(const Connection &) = delete;
        Connection(Connection &&other) noexcept { *this = std::move(other); }
        Connection &operator=(Connection &&other) noexcept
        {
            if (this != &other) {
                Disconnect();
                m_list = std::move(other.m_list);
                m_slot = std::move(other.m_slot);
            }
            return *this;
        }
        ~Connection() { Disconnect(); }

        void Disconnect()
        {
            auto slot = m_slot.lock();
            auto list = m_list.lock();
            if (slot)
                slot->alive = false;
            if (slot && list)
                std::erase(*list, slot);
            m_slot.reset();
            m_list.reset();
        }
        bool Connected() const { return !m_slot.expired(); }

    private:
        std::weak_ptr<SlotList> m_list;
        std::weak_ptr<Slot> m_slot;
    };

    Signal() = default;
    Signal(const Signal &) = delete;
    Signal &operator=(const Signal &) = delete;

    [[nodiscard]] Connection Connect(std::function<void(Args...)> fn)
    {
        auto slot = std::make_shared<Slot>(Slot{std::move(fn)});
        m_slots->push_back(slot);
        return Connection(m_slots, slot);
    }

    void Emit(Args... args) const
    {
        const SlotList snapshot = *m_slots;
        for (const auto &slot : snapshot) {
            if (slot->alive)
                slot->fn(args...);
        }
    }

private:
    std::shared_ptr<SlotList> m_slots = std::make_shared<SlotList>();
};

} // namespace zk
