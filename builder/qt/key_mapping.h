// Qt's keys as DirectInput scan codes, which the builder's keyboard works with.
#pragma once

class QKeyEvent;

namespace builder::qt {

// The scan code of the key, -1 for a key the builder does not know.
int scanCodeOf(const QKeyEvent& event);

}  // namespace builder::qt
