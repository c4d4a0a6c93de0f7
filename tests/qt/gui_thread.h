#pragma once

#include <QCoreApplication>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformintegration.h>
#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <stdexcept>
#include <type_traits>

// Runs work on the GUI thread for a scenario running on another thread.
// The GUI thread may be inside a message box's own event loop; posted work
// runs there too, which is how a scenario sees and answers the box.
namespace quillory::scenario {

class GuiThread {
public:
    // Runs action, then waits until the GUI thread has handled what it
    // caused, or has entered a message box's loop because of it.
    void act(std::function<void()> action) const {
        QMetaObject::invokeMethod(qApp, std::move(action), Qt::QueuedConnection);
        settle();
    }

    // Runs query on the GUI thread and returns its result.
    template <typename Query>
    auto ask(Query query) const -> std::invoke_result_t<Query> {
        using Result = std::invoke_result_t<Query>;
        auto answer = std::make_shared<std::promise<Result>>();
        auto future = answer->get_future();
        QMetaObject::invokeMethod(
            qApp,
            [answer, query = std::move(query)] {
                try {
                    answer->set_value(query());
                } catch (...) {
                    answer->set_exception(std::current_exception());
                }
            },
            Qt::QueuedConnection);
        wait(future);
        return future.get();
    }

private:
    void settle() const {
        // Window-system events (activation, focus) caused by the action are
        // delivered by the next passes of the loop, so let it run twice. On
        // a real display server they come back asynchronously: a round trip
        // to the server first makes sure they have arrived.
        for (int pass = 0; pass < 2; ++pass) {
            auto done = std::make_shared<std::promise<void>>();
            auto future = done->get_future();
            QMetaObject::invokeMethod(
                qApp,
                [done] {
                    QGuiApplicationPrivate::platformIntegration()->sync();
                    QCoreApplication::processEvents();
                    done->set_value();
                },
                Qt::QueuedConnection);
            wait(future);
        }
    }

    template <typename Future>
    static void wait(Future& future) {
        // Only a guard against a hung program, never a measure of speed.
        if (future.wait_for(std::chrono::seconds(30)) != std::future_status::ready) {
            throw std::runtime_error("the program stopped responding");
        }
    }
};

}  // namespace quillory::scenario
