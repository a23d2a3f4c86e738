#pragma once

class QPlainTextEdit;

namespace quintaro {

// The look of the program's log panes: lime-green 11-pixel "Courier New" on black, read-only,
// without a border.
void StyleAsLogPane(QPlainTextEdit& pane);

} // namespace quintaro
