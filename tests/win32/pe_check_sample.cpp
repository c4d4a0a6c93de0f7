// A DLL linked against the shared C++ runtime, which Windows does not
// ship: what the program check must refuse.
#include <string>

extern "C" __declspec(dllexport) std::size_t sampleLength(const char* text) {
    return std::string(text).size();
}
