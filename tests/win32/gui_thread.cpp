#include "win32/gui_thread.h"

#include <cstdlib>

namespace quillory::scenario {
namespace {

constexpr wchar_t className[] = L"QuilloryScenarioWork";
constexpr UINT runWork = WM_APP + 1;

// Input messages and work posted before now but not yet handled.
bool queueBusy() { return HIWORD(GetQueueStatus(QS_POSTMESSAGE | QS_SENDMESSAGE | QS_INPUT)) != 0; }

}  // namespace

GuiThread::GuiThread() {
    static const ATOM registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = &GuiThread::procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = className;
        return RegisterClassExW(&windowClass);
    }();
    // Message-only: never shown, never enumerated with the program's windows,
    // yet its posted messages are dispatched by every loop, modal ones too.
    window_ = CreateWindowExW(0, MAKEINTATOM(registered), L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    if (window_ == nullptr) {
        throw std::runtime_error("cannot create the scenario's message window");
    }
}

GuiThread::~GuiThread() { DestroyWindow(window_); }

void GuiThread::post(std::function<void()> work) const {
    auto* posted = new std::function<void()>(std::move(work));
    if (PostMessageW(window_, runWork, 0, reinterpret_cast<LPARAM>(posted)) == FALSE) {
        delete posted;
        throw std::runtime_error("cannot post work to the GUI thread");
    }
}

void GuiThread::settle() const {
    // What an action posts is handled in order, but handling it may post
    // more (a key becomes a character, a click a command): pass through the
    // queue until a pass finds nothing waiting.
    constexpr int minimumPasses = 2;
    constexpr int maximumPasses = 50;
    for (int pass = 0; pass < maximumPasses; ++pass) {
        if (!ask(queueBusy) && pass + 1 >= minimumPasses) {
            return;
        }
    }
}

LRESULT CALLBACK GuiThread::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != runWork) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    const std::unique_ptr<std::function<void()>> work(
        reinterpret_cast<std::function<void()>*>(lParam));
    try {
        (*work)();
    } catch (...) {
        // An exception must not unwind through the window manager's frames.
        std::abort();
    }
    return 0;
}

}  // namespace quillory::scenario
