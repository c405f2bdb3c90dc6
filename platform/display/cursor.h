// The mouse cursor, shown and hidden independently of any display object
// (it outlives their release). Tests replace the handler with a recorder.
#pragma once

#include <functional>

namespace orbweave::display {

using CursorHandler = std::function<void(bool visible)>;

void ShowCursor(bool visible);
// An empty handler restores the default, which asks SDL when its video runs.
void SetCursorHandler(CursorHandler handler);

}  // namespace orbweave::display
