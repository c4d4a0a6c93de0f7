#include "host/win32/oleacc_library.h"

#include <cwchar>

namespace quillory::win32 {
namespace {

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

}  // namespace

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

}  // namespace quillory::win32
