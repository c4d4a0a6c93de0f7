#pragma once

// Resource numbers shared by the resource script and the code; plain macros
// because the resource compiler reads this file too.
#define QUILLORY_ICON 1
