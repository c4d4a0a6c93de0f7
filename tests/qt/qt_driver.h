#pragma once

#include <memory>

#include "gui/driver.h"
#include "host/qt/qt_toolkit.h"
#include "host/window_host.h"

namespace quillory::gui {

// The Qt program, driven through the window system's own input path: mouse
// and key events reach a QWindow as if from the display server.
class QtDriver final : public Driver {
public:
    void start() override;
    void post(std::function<void()> work) override;
    int runLoop() override;
    void quit(int code) override;
    bool settled(int turns) override;
    void stop() override;

    void click(std::string_view window, std::string_view control) override;
    void type(std::u16string_view text) override;
    void enterText(std::u16string_view text) override;
    void press(std::string_view key) override;
    void pressAlt(char letter) override;
    void closeBox(std::string_view window) override;
    void pressOk() override;

    std::vector<std::string> windows() override;
    std::u16string text(std::string_view window, std::string_view control) override;
    std::string focus() override;
    std::optional<std::u16string> box() override;
    bool ended() override;
    std::pair<int, int> shownLines(std::string_view window, std::string_view control) override;
    std::u16string accessibleName(std::string_view window, std::string_view control) override;
    std::vector<std::string> describe(std::string_view window) override;
    int dpi(std::string_view window) override;

private:
    std::unique_ptr<QtToolkit> toolkit_;
    std::unique_ptr<WindowHost> host_;
};

}  // namespace quillory::gui
