#include "host/win32/accessible_text.h"

#include <oleacc.h>

#include <atomic>
#include <cwchar>

#include "host/spoken_text.h"
#include "host/win32/wide_text.h"

namespace quillory::win32 {
namespace {

// The screen readers' library functions the program calls, loaded from the
// system folder when a screen reader first asks (most runs never do), and
// kept loaded, as clients may keep the objects they got.
struct OleaccFunctions {
    decltype(&CreateStdAccessibleObject) createStdAccessibleObject;
    decltype(&LresultFromObject) lresultFromObject;
    decltype(&SysAllocStringLen) sysAllocStringLen;
};

template <typename Function>
Function systemFunction(const wchar_t* library, const char* name) {
    wchar_t path[MAX_PATH]{};
    const UINT length = GetSystemDirectoryW(path, MAX_PATH);
    if (length == 0 || length + std::wcslen(library) + 2 > MAX_PATH) {
        return nullptr;
    }
    path[length] = L'\\';
    std::wcscpy(path + length + 1, library);
    const HMODULE module = LoadLibraryW(path);
    const FARPROC found = module != nullptr ? GetProcAddress(module, name) : nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

// The functions, or nullptr if a library or a function is missing.
const OleaccFunctions* oleaccFunctions() {
    static const OleaccFunctions functions{
        systemFunction<decltype(&CreateStdAccessibleObject)>(L"oleacc.dll",
                                                             "CreateStdAccessibleObject"),
        systemFunction<decltype(&LresultFromObject)>(L"oleacc.dll", "LresultFromObject"),
        systemFunction<decltype(&SysAllocStringLen)>(L"oleaut32.dll", "SysAllocStringLen")};
    const bool complete = functions.createStdAccessibleObject != nullptr &&
                          functions.lresultFromObject != nullptr &&
                          functions.sysAllocStringLen != nullptr;
    return complete ? &functions : nullptr;
}

// Windows' standard accessible object for a window's client area, with
// another name or description. Clients may keep it after the window is gone,
// so it holds its own copy of the description. COM objects are deleted by
// Release, so their interfaces have no virtual destructor.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class NamedAccessible final : public IAccessible {
public:
    NamedAccessible(IAccessible* standard, HWND control, const AccessibleText& text)
        : standard_(standard), control_(control), text_(text) {}
    NamedAccessible(const NamedAccessible&) = delete;
    NamedAccessible& operator=(const NamedAccessible&) = delete;

    // IUnknown. The standard object's other interfaces (its window, its
    // children) carry no name, so they come from it as they are.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        if (iid == IID_IOleWindow || iid == IID_IEnumVARIANT) {
            return standard_->QueryInterface(iid, object);
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) {
            delete this;
        }
        return left;
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!isSelf(child) || text_.named == nullptr) {
            return standard_->get_accName(child, name);
        }
        return answer(spokenText(*text_.named, windowText(control_)), name);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        if (!isSelf(child) || text_.description.empty()) {
            return standard_->get_accDescription(child, description);
        }
        return answer(text_.description, description);
    }

    // IDispatch and the rest of IAccessible, as the standard object answers.
#define QUILLORY_FROM_STANDARD(method, parameters, arguments) \
    HRESULT STDMETHODCALLTYPE method parameters override { return standard_->method arguments; }
    // clang-format off
    QUILLORY_FROM_STANDARD(GetTypeInfoCount, (UINT* count), (count))
    QUILLORY_FROM_STANDARD(GetTypeInfo, (UINT index, LCID locale, ITypeInfo** info),
                           (index, locale, info))
    QUILLORY_FROM_STANDARD(GetIDsOfNames,
                           (REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids),
                           (iid, names, count, locale, ids))
    QUILLORY_FROM_STANDARD(Invoke,
                           (DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* parameters,
                            VARIANT* result, EXCEPINFO* exception, UINT* argumentError),
                           (id, iid, locale, flags, parameters, result, exception, argumentError))
    QUILLORY_FROM_STANDARD(get_accParent, (IDispatch** parent), (parent))
    QUILLORY_FROM_STANDARD(get_accChildCount, (LONG* count), (count))
    QUILLORY_FROM_STANDARD(get_accChild, (VARIANT child, IDispatch** object), (child, object))
    QUILLORY_FROM_STANDARD(get_accValue, (VARIANT child, BSTR* value), (child, value))
    QUILLORY_FROM_STANDARD(get_accRole, (VARIANT child, VARIANT* role), (child, role))
    QUILLORY_FROM_STANDARD(get_accState, (VARIANT child, VARIANT* state), (child, state))
    QUILLORY_FROM_STANDARD(get_accHelp, (VARIANT child, BSTR* help), (child, help))
    QUILLORY_FROM_STANDARD(get_accHelpTopic, (BSTR* file, VARIANT child, LONG* topic),
                           (file, child, topic))
    QUILLORY_FROM_STANDARD(get_accKeyboardShortcut, (VARIANT child, BSTR* shortcut),
                           (child, shortcut))
    QUILLORY_FROM_STANDARD(get_accFocus, (VARIANT* child), (child))
    QUILLORY_FROM_STANDARD(get_accSelection, (VARIANT* children), (children))
    QUILLORY_FROM_STANDARD(get_accDefaultAction, (VARIANT child, BSTR* action), (child, action))
    QUILLORY_FROM_STANDARD(accSelect, (LONG flags, VARIANT child), (flags, child))
    QUILLORY_FROM_STANDARD(accLocation,
                           (LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child),
                           (left, top, width, height, child))
    QUILLORY_FROM_STANDARD(accNavigate, (LONG direction, VARIANT start, VARIANT* end),
                           (direction, start, end))
    QUILLORY_FROM_STANDARD(accHitTest, (LONG left, LONG top, VARIANT* child), (left, top, child))
    QUILLORY_FROM_STANDARD(accDoDefaultAction, (VARIANT child), (child))
    QUILLORY_FROM_STANDARD(put_accName, (VARIANT child, BSTR name), (child, name))
    QUILLORY_FROM_STANDARD(put_accValue, (VARIANT child, BSTR value), (child, value))
    // clang-format on
#undef QUILLORY_FROM_STANDARD

private:
    ~NamedAccessible() { standard_->Release(); }

    static bool isSelf(const VARIANT& child) {
        return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
    }
    static HRESULT answer(std::u16string_view text, BSTR* copy) {
        if (copy == nullptr) {
            return E_POINTER;
        }
        *copy = oleaccFunctions()->sysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()),
                                                     static_cast<UINT>(text.size()));
        return *copy != nullptr ? S_OK : E_OUTOFMEMORY;
    }

    IAccessible* standard_;  // owned: one reference
    HWND control_;
    AccessibleText text_;
    std::atomic<ULONG> references_{1};
};
#pragma GCC diagnostic pop

}  // namespace

LRESULT accessibleObject(HWND window, WPARAM flags, LPARAM objectId, const AccessibleText& text) {
    // The object id is a 32-bit value, whatever the size of lParam.
    if (static_cast<LONG>(static_cast<DWORD>(objectId)) != static_cast<LONG>(OBJID_CLIENT) ||
        (text.named == nullptr && text.description.empty())) {
        return 0;
    }
    const OleaccFunctions* functions = oleaccFunctions();
    IAccessible* standard = nullptr;
    if (functions == nullptr ||
        FAILED(functions->createStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                                    reinterpret_cast<void**>(&standard)))) {
        return 0;
    }
    auto* named = new NamedAccessible(standard, window, text);
    const LRESULT answer = functions->lresultFromObject(__uuidof(IAccessible), flags, named);
    named->Release();  // the answer holds its own reference
    return answer > 0 ? answer : 0;
}

}  // namespace quillory::win32
