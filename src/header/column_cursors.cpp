#include "header/column_cursors.h"

namespace mirelo {

namespace {
// By kind, from kCursorMoveHead: the file read by bare name, and the built-in stand-in.
constexpr const char16_t* kShapes[][2] = {
    {u"movehead.cur", u"MOVEHEAD"},
    {u"not.cur", u"NOTALLOWED"},
    {u"SizeWE.cur", u"SIZEWE"},
    {u"unmovehead.cur", u"UNMOVEHEAD"},
};

const char16_t* Shape(int16_t kind, int which) {
    return kind >= kCursorMoveHead && kind <= kCursorUnmoveHead ? kShapes[kind - kCursorMoveHead][which] : nullptr;
}
}  // namespace

const char16_t* ColumnCursors::FileName(int16_t kind) { return Shape(kind, 0); }
const char16_t* ColumnCursors::ResourceName(int16_t kind) { return Shape(kind, 1); }

ColumnCursors::ColumnCursors(CursorShapes* port) : port_(port) {
    if (port_) default_ = port_->GetCursor();
}

ColumnCursors::~ColumnCursors() {
    if (port_ == nullptr || loaded_ == 0) return;
    // A cursor still on screen goes back to the default before it is destroyed.
    if (port_->GetCursor() == loaded_) port_->SetCursor(default_);
    port_->DestroyCursor(loaded_);
}

void ColumnCursors::Show(int16_t kind) {
    const char16_t* file = FileName(kind);
    if (port_ == nullptr || file == nullptr) return;
    CursorHandle fromFile = port_->LoadCursorFromFile(file);
    CursorHandle shape = fromFile != 0 ? fromFile : port_->LoadCursor(ResourceName(kind));
    if (shape == 0) return;  // neither exists: the pointer stays as it is
    port_->SetCursor(shape);
    Replace(fromFile);
}

void ColumnCursors::RestoreDefault() {
    if (port_ == nullptr) return;
    port_->SetCursor(default_);
    Replace(0);
}

void ColumnCursors::Replace(CursorHandle loaded) {
    // Destroyed only once it is off screen.
    if (loaded_ != 0 && loaded_ != loaded) port_->DestroyCursor(loaded_);
    loaded_ = loaded;
}

}  // namespace mirelo
