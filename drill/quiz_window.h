#pragma once

#include "drill/verb_table.h"
#include "host/window.h"

namespace quillory {

// Form3, the test window. Its controls hold the test's position: Label1 is
// the shown verb, Text2 the past-tense answer and Text3 the past-participle
// answer. The verb table is filled every time the window loads.
class Form3 final : public Window {
public:
    Form3();
    void onLoad(Host& host) override;
    void onUnload(Host& host) override;
    void onClick(Host& host, std::string_view button) override;

private:
    void step(Host& host, std::u16string (*move)(const VerbTable&, std::u16string_view)) const;

    VerbTable table_;
};

}  // namespace quillory
