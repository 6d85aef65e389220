#pragma once

#include <QCursor>

// The hand shown over links: the picture "hand.cur" beside the executable, read
// afresh each time so that a replaced file shows at once. Without a readable
// file the desktop's own pointing hand stands in.
QCursor LoadHandPointer();
