#pragma once
// The pointer shapes of the header gestures. Each kind is read from its cursor
// file by bare name when it is shown, so a file put next to the host takes
// effect at once; when the file is missing the library's own cursor of that
// kind stands in, and a gesture never shows a misleading pointer. Only the
// cursor last read from a file is kept, and it is destroyed as soon as another
// shape replaces it: showing shapes on every pointer move must not pile up
// cursor objects.
#include <cstdint>

#include "platform/cursor.h"

namespace mirelo {

enum HeaderCursorKind : int16_t {
    kCursorNone = 0,
    kCursorMoveHead = 1,    // a header dragged over a cell that takes the drop
    kCursorNot = 2,         // a header dragged out of the band
    kCursorSizeWE = 3,      // over the column-border marker
    kCursorUnmoveHead = 4,  // a header dragged over the row-number column
};

class ColumnCursors {
public:
    // The cursor shown now becomes the one every gesture returns to.
    explicit ColumnCursors(CursorShapes* port);
    ~ColumnCursors();
    ColumnCursors(const ColumnCursors&) = delete;
    ColumnCursors& operator=(const ColumnCursors&) = delete;

    void Show(int16_t kind);
    void RestoreDefault();
    CursorHandle DefaultCursor() const { return default_; }

    static const char16_t* FileName(int16_t kind);      // "movehead.cur", ...
    static const char16_t* ResourceName(int16_t kind);  // the built-in stand-in

private:
    void Replace(CursorHandle loaded);

    CursorShapes* port_;
    CursorHandle default_ = 0;
    CursorHandle loaded_ = 0;  // read from a file by us; ours to destroy
};

}  // namespace mirelo
