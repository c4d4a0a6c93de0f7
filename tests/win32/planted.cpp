// A library that Windows has no copy of: its name is all that matters.
