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

    // Only Qt's: how the window meets the screen.
    [[nodiscard]] double devicePixelRatio(std::string_view window);
    // The client area in the screen's own pixels, as the window system has it.
    [[nodiscard]] PixelRect nativeClientArea(std::string_view window);
    // Where a label's or button's caption may go, and the box its letters
    // cover when drawn there as the control draws it but not cut off at the
    // edges; the caption is clipped if they go further. Empty: no letters.
    struct CaptionRoom {
        PixelRect room;
        PixelRect ink;
    };
    [[nodiscard]] CaptionRoom captionRoom(std::string_view window, std::string_view control);
    // The pixel sizes of the window's icon.
    [[nodiscard]] std::vector<int> iconSizes(std::string_view window);

private:
    const WindowHost& host_;
    GuiThread gui_;
};

}  // namespace quillory::scenario
