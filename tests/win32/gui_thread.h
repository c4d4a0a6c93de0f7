#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <stdexcept>
#include <type_traits>

// Runs work on the GUI thread for a scenario running on another thread.
// Work is posted to a hidden message-only window, so it also runs inside a
// message box's own loop, which is how a scenario sees and answers the box.
namespace quillory::scenario {

class GuiThread {
public:
    // Made on the GUI thread, whose messages the window then receives.
    GuiThread();
    ~GuiThread();
    GuiThread(const GuiThread&) = delete;
    GuiThread& operator=(const GuiThread&) = delete;

    // Queues work behind every message posted so far; it must not throw.
    void post(std::function<void()> work) const;

    // Runs action, then waits until the GUI thread has handled what it
    // caused, or has entered a message box's loop because of it.
    void act(const std::function<void()>& action) const {
        ask(action);
        settle();
    }

    // Runs query on the GUI thread and returns its result.
    template <typename Query>
    auto ask(Query query) const -> std::invoke_result_t<Query> {
        using Result = std::invoke_result_t<Query>;
        auto answer = std::make_shared<std::promise<Result>>();
        auto future = answer->get_future();
        post([answer, query = std::move(query)]() mutable {
            try {
                if constexpr (std::is_void_v<Result>) {
                    query();
                    answer->set_value();
                } else {
                    answer->set_value(query());
                }
            } catch (...) {
                answer->set_exception(std::current_exception());
            }
        });
        wait(future);
        return future.get();
    }

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void settle() const;

    template <typename Future>
    static void wait(Future& future) {
        // Only a guard against a hung program, never a measure of speed.
        if (future.wait_for(std::chrono::seconds(30)) != std::future_status::ready) {
            throw std::runtime_error("the program stopped responding");
        }
    }

    HWND window_ = nullptr;
};

}  // namespace quillory::scenario
