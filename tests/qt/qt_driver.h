#pragma once

#include <QPointer>
#include <QWidget>

#include "gui_thread.h"
#include "host/qt/qt_toolkit.h"
#include "host/window_host.h"
#include "scenarios/driver.h"

namespace quillory::scenario {

// Drives the Qt program through the window system's own input path: mouse
// and key events reach a QWindow as if from the display server, so modal
// blocking, shortcuts and focus handling are Qt's own.
class QtDriver final : public Driver {
public:
    explicit QtDriver(const WindowHost& host) : host_(host) {}

    std::vector<std::string> openWindows() override;
    std::u16string windowCaption(std::string_view window) override;
    PixelRect clientArea(std::string_view window) override;
    PixelRect controlRect(std::string_view window, std::string_view control) override;
    bool isResizable(std::string_view window) override;

    void click(std::string_view window, std::string_view control) override;
    void type(std::u16string_view text) override;
    void enterText(std::u16string_view text) override;
    void press(Key key) override;
    void pressAlt(char letter) override;
    void closeWindow(std::string_view window) override;

    std::optional<Focus> focus() override;
    std::u16string text(std::string_view window, std::string_view control) override;
    VisibleLines visibleLines(std::string_view window, std::string_view control) override;

    std::optional<std::u16string> messageBox() override;
    std::u16string messageBoxTitle() override;
    void dismissMessageBox() override;

    bool runEnded() override;

private:
    const WindowHost& host_;
    GuiThread gui_;
};

}  // namespace quillory::scenario
